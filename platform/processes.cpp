// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/processes.h"

#include <QFile>
#include <array>

#ifdef Q_OS_WIN
// tlhelp32.h needs the types of windows.h.
// clang-format off
#include <windows.h>
#include <tlhelp32.h>
// clang-format on
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orvalink {

namespace {

// The name after the last separator of path.
QString baseName(const QString& path, QChar separator)
{
    return path.mid(path.lastIndexOf(separator) + 1);
}

#ifndef Q_OS_WIN

bool isProcessId(const char* name)
{
    if (*name == '\0')
        return false;
    for (; *name != '\0'; ++name) {
        if (*name < '0' || *name > '9')
            return false;
    }
    return true;
}

// The executable name of one process: the last part of its "exe" link, or its "comm" name.
QString processName(int procFd, const char* pid)
{
    const QByteArray exe = QByteArray(pid) + "/exe";
    std::array<char, 4096> target{};
    const ssize_t length = ::readlinkat(procFd, exe.constData(), target.data(), target.size());
    if (length > 0 && static_cast<size_t>(length) < target.size()) {
        QString path = QFile::decodeName(QByteArray(target.data(), length));
        // A program replaced on disk while it runs, as a browser is by an update, keeps running
        // under its old name with this mark appended.
        static const QString kDeleted = QStringLiteral(" (deleted)");
        if (path.endsWith(kDeleted))
            path.chop(kDeleted.size());
        return baseName(path, QLatin1Char('/'));
    }
    const QByteArray comm = QByteArray(pid) + "/comm";
    const int fd = ::openat(procFd, comm.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return QString();
    std::array<char, 256> name{};
    const ssize_t got = ::read(fd, name.data(), name.size());
    ::close(fd);
    if (got <= 0)
        return QString();
    return QFile::decodeName(QByteArray(name.data(), got).trimmed());
}

// Whether the folder of that process belongs to the user; /proc gives each process's folder to
// the user the process runs as.
bool runsAs(int procFd, const char* pid, unsigned ownerId)
{
    struct stat status
    {};
    return ::fstatat(procFd, pid, &status, 0) == 0 && status.st_uid == ownerId;
}

#else

// The user a process's token names; empty when the token cannot be read.
QByteArray tokenUser(HANDLE token)
{
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    QByteArray user(static_cast<qsizetype>(size), '\0');
    if (size == 0 || !GetTokenInformation(token, TokenUser, user.data(), size, &size))
        return QByteArray();
    return user;
}

// Whether the process runs as the user of ours: its token's user SID equals ours. A process of
// another user (or of the system) cannot be opened for its token and is not ours.
bool runsAsUserOf(DWORD processId, PSID ours)
{
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr)
        return false;
    HANDLE token = nullptr;
    bool same = false;
    if (OpenProcessToken(process, TOKEN_QUERY, &token)) {
        const QByteArray user = tokenUser(token);
        same = !user.isEmpty() &&
               EqualSid(reinterpret_cast<const TOKEN_USER*>(user.constData())->User.Sid, ours);
        CloseHandle(token);
    }
    CloseHandle(process);
    return same;
}

#endif

} // namespace

#ifdef Q_OS_WIN
SystemProcessTable::SystemProcessTable() = default;
#else
SystemProcessTable::SystemProcessTable()
    : SystemProcessTable(QStringLiteral("/proc"), ::geteuid())
{}
#endif

SystemProcessTable::SystemProcessTable(QString procFolder, unsigned ownerId)
    : m_procFolder(std::move(procFolder))
    , m_ownerId(ownerId)
{}

QStringList SystemProcessTable::executableNames() const
{
    QStringList names;
#ifdef Q_OS_WIN
    HANDLE ownToken = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &ownToken))
        return names;
    const QByteArray ownUser = tokenUser(ownToken);
    CloseHandle(ownToken);
    if (ownUser.isEmpty())
        return names;
    const PSID ours = reinterpret_cast<const TOKEN_USER*>(ownUser.constData())->User.Sid;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return names;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        if (!runsAsUserOf(entry.th32ProcessID, ours))
            continue;
        // szExeFile ends at its first NUL.
        names.append(baseName(QString::fromWCharArray(entry.szExeFile), QLatin1Char('\\')));
    }
    CloseHandle(snapshot);
#else
    const int procFd =
        ::open(QFile::encodeName(m_procFolder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (procFd < 0)
        return names;
    // The stream owns a descriptor of its own, as closedir() closes it.
    DIR* stream = ::fdopendir(::fcntl(procFd, F_DUPFD_CLOEXEC, 0));
    if (stream != nullptr) {
        while (const dirent* item = ::readdir(stream)) {
            if (!isProcessId(item->d_name) || !runsAs(procFd, item->d_name, m_ownerId))
                continue;
            // A process that ended while the table was read has no name left: skip it.
            const QString name = processName(procFd, item->d_name);
            if (!name.isEmpty())
                names.append(name);
        }
        ::closedir(stream);
    }
    ::close(procFd);
#endif
    return names;
}

bool IsProcessRunning(const QString& exeName, const ProcessTable& processes)
{
    QStringList wanted{exeName};
    if (exeName.compare(u"firefox.exe", Qt::CaseInsensitive) == 0)
        wanted << QStringLiteral("firefox") << QStringLiteral("firefox-esr")
               << QStringLiteral("firefox-bin");
    else if (exeName.compare(u"opera.exe", Qt::CaseInsensitive) == 0)
        wanted << QStringLiteral("opera");
    const QStringList running = processes.executableNames();
    for (const QString& name : running) {
        if (wanted.contains(name, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace orvalink
