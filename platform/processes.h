// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <utility>

namespace orvalink {

// The running processes of this machine, as the browser check needs them: the base name of each
// one's executable file ("firefox", "opera.exe"). The checks take a table rather than asking the
// system themselves, so that they can be tried against any list.
class ProcessTable
{
public:
    virtual ~ProcessTable() = default;

    // The executable base names in the system's order; empty when the processes cannot be listed.
    virtual QStringList executableNames() const = 0;
};

// The processes the system reports that run as the current user: a browser another user runs
// cannot hold this user's files, so it must not stop a conversion. On Linux the table reads /proc:
// the processes whose folder belongs to the user, each by the base name of its "exe" link, or its
// "comm" name where the link cannot be read (a kernel thread). On Windows it takes a Tool Help
// snapshot and keeps the processes whose token names the user; one it may not open is another
// user's. A system without /proc (macOS) lists nothing, so no browser is ever found running there.
class SystemProcessTable : public ProcessTable
{
public:
    SystemProcessTable();
    // procFolder stands in for /proc and ownerId for the current user's id, so that a prepared
    // folder can play the system's part (Unix only).
    SystemProcessTable(QString procFolder, unsigned ownerId);

    QStringList executableNames() const override;

private:
    QString m_procFolder;
    unsigned m_ownerId = 0;
};

// A table of names given in advance.
class ListedProcessTable : public ProcessTable
{
public:
    explicit ListedProcessTable(QStringList names)
        : m_names(std::move(names))
    {}

    QStringList executableNames() const override { return m_names; }

private:
    QStringList m_names;
};

// Whether a process of that executable name runs: a base name in the table equals exeName, or one
// of the names its browser's executable has outside Windows ("firefox.exe" is also "firefox",
// "firefox-esr" and "firefox-bin"; "opera.exe" is also "opera"). Names are compared whole and
// without regard to case, so "myfirefox" and "firefox.exe.bak" never match.
bool IsProcessRunning(const QString& exeName, const ProcessTable& processes);

} // namespace orvalink
