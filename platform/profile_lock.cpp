// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/profile_lock.h"

#include <QFileInfo>
#include <QSysInfo>

#ifndef Q_OS_WIN
#include <cerrno>
#include <csignal>
#include <unistd.h>
#endif

namespace orvalink {

namespace {

#ifndef Q_OS_WIN
bool isAlive(qint64 pid)
{
    // Signal 0 only asks: a process of another user answers "not permitted" but is there.
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}
#endif

} // namespace

ProfileLock profileLockOf(const QString& userDataFolder, bool sandboxed)
{
#ifdef Q_OS_WIN
    Q_UNUSED(userDataFolder);
    Q_UNUSED(sandboxed);
    return ProfileLock::None;
#else
    const QFileInfo lock(userDataFolder + QStringLiteral("/SingletonLock"));
    if (!lock.isSymLink())
        return ProfileLock::None;
    // Not symLinkTarget(): that makes the text a path and resolves it against the folder.
    char target[512];
    const QByteArray path = lock.absoluteFilePath().toLocal8Bit();
    const ssize_t length = ::readlink(path.constData(), target, sizeof(target) - 1);
    if (length <= 0)
        return ProfileLock::Held;
    const QByteArrayView text(target, length);
    const qsizetype dash = text.lastIndexOf('-');
    bool isNumber = false;
    const qint64 pid = dash < 0 ? 0 : text.sliced(dash + 1).toLongLong(&isNumber);
    // A lock we cannot make sense of is taken at its word.
    if (!isNumber)
        return ProfileLock::Held;
    if (text.first(dash) != QSysInfo::machineHostName().toUtf8() || sandboxed)
        return ProfileLock::Held;
    return isAlive(pid) ? ProfileLock::Held : ProfileLock::Stale;
#endif
}

} // namespace orvalink
