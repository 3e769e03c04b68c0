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

// The processes the system reports. On Linux the table reads /proc: the base name of each
// process's "exe" link, or its "comm" name where the link cannot be read (another user's process,
// a kernel thread). On Windows it takes a Tool Help snapshot. A system without /proc (macOS) lists
// nothing, so no browser is ever found running there.
class SystemProcessTable : public ProcessTable
{
public:
    // procFolder stands in for /proc, so that a prepared folder can play the system's part.
    explicit SystemProcessTable(QString procFolder = QStringLiteral("/proc"));

    QStringList executableNames() const override;

private:
    QString m_procFolder;
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
