// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/user_name.h"

#ifdef Q_OS_WIN
// lmcons.h needs the types of windows.h.
// clang-format off
#include <windows.h>
#include <lmcons.h>
// clang-format on
#else
#include <cerrno>
#include <pwd.h>
#include <unistd.h>
#include <vector>
#endif

namespace orvalink {

QString GetLogonUserName()
{
#ifdef Q_OS_WIN
    wchar_t buffer[UNLEN + 1];
    DWORD size = UNLEN + 1;
    if (!GetUserNameW(buffer, &size) || size == 0)
        return QString();
    // The size counts the terminating NUL.
    return QString::fromWCharArray(buffer, static_cast<qsizetype>(size) - 1);
#else
    std::vector<char> buffer(1024);
    passwd entry{};
    passwd* found = nullptr;
    int status = 0;
    while ((status = getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found)) ==
               ERANGE &&
           buffer.size() < (1u << 20)) {
        buffer.resize(buffer.size() * 2);
    }
    if (status == 0 && found && found->pw_name && *found->pw_name)
        return QString::fromLocal8Bit(found->pw_name);
    return qEnvironmentVariable("USER");
#endif
}

} // namespace orvalink
