// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace orvalink {

// Keeps one copy of the desktop program running per user and options folder. The first copy
// listens on a local socket (a Unix domain socket, a named pipe on Windows) that only its user
// may open; a later copy connects, asks the first to bring its window to the front (and to open
// the file the later copy was given, if any) and ends without showing a window.
//
// On Unix the socket lies in the user's runtime folder ($XDG_RUNTIME_DIR, private to the user),
// where no other user can put a socket of that name first.
//
// The options folder is part of the name because what must not happen is two copies writing one
// set of options files: a portable copy with options of its own may run beside the installed
// program.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Role {
        // No other copy answered: this copy runs, and answers the copies started after it.
        First,
        // Another copy runs and has been asked to come to the front (and to open the file): this
        // copy ends.
        Later,
    };

    explicit SingleInstance(QString serverName, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The socket name for a user and an options folder: "orvalink-" and a hash of both, so that
    // it is short enough for any platform and says nothing about the user.
    static QString serverNameFor(const QString& userName, const QString& optionsFolder);

    // Asks a running copy to come to the front, and to open fileToOpen (an absolute path) when
    // one is given, or, when none answers, starts listening for later copies. A socket left behind
    // by a copy that crashed answers nothing and is replaced. When listening fails for any other
    // reason the program still runs, only without this rule.
    Role claim(const QString& fileToOpen = QString());

    QString serverName() const { return m_name; }
    // What the socket is opened as: on Unix its path in the runtime folder, elsewhere the name.
    QString address() const { return m_address; }
    bool isListening() const { return m_server.isListening(); }

signals:
    // A later copy asked this one to bring its window to the front.
    void activationRequested();
    // A later copy asked this one to bring its window to the front and open the file at path.
    void openRequested(const QString& path);

private:
    // Whether a running copy answered the connection; it has then been asked to come forward.
    bool activateRunningCopy(const QString& fileToOpen);
    void answer();

    QString m_name;
    QString m_address;
    QLocalServer m_server;
};

} // namespace orvalink
