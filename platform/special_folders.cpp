// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/special_folders.h"

#include "platform/user_name.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef Q_OS_WIN
// The shell headers need the types of windows.h.
// clang-format off
#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>
#include <string>
// clang-format on
#endif

namespace orvalink {

namespace {

#ifdef Q_OS_WIN

QString knownFolder(const KNOWNFOLDERID& id)
{
    PWSTR path = nullptr;
    QString result;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path)))
        result = QDir::fromNativeSeparators(QString::fromWCharArray(path));
    // The shell allocates the path even when it fails.
    CoTaskMemFree(path);
    return result;
}

QString executableFolder()
{
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return QString();
        if (length < buffer.size())
            return QFileInfo(QString::fromWCharArray(buffer.data(), length)).absolutePath();
        buffer.resize(buffer.size() * 2);
    }
}

#else

bool isFolder(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

// $HOME rather than the password database, so that a test or a sandbox can move it.
QString homeFolder()
{
    const QString home = qEnvironmentVariable("HOME");
    return home.isEmpty() ? QDir::homePath() : home;
}

// An XDG base folder: the variable when it holds an absolute path (relative ones are to be
// ignored), else the fallback below the home folder.
QString xdgFolder(const char* variable, const QString& fallback)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    return homeFolder() + u'/' + fallback;
}

QString configFolder()
{
    return xdgFolder("XDG_CONFIG_HOME", QStringLiteral(".config"));
}

QString favoritesFolder()
{
    const QString home = homeFolder();
    const QString own = home + QStringLiteral("/Favorites");
    if (isFolder(own))
        return own;
    const QString user = GetLogonUserName();
    if (!user.isEmpty()) {
        const QString wine =
            home + QStringLiteral("/.wine/drive_c/users/") + user + QStringLiteral("/Favorites");
        if (isFolder(wine))
            return wine;
    }
    return QString();
}

QString executableFolder()
{
#ifdef Q_OS_LINUX
    const QFileInfo executable(QStringLiteral("/proc/self/exe"));
    if (executable.exists())
        return QFileInfo(executable.canonicalFilePath()).absolutePath();
#endif
    return QString();
}

#endif

} // namespace

QString GetSpecialFolder(SpecialFolder folder)
{
#ifdef Q_OS_WIN
    switch (folder) {
    case SpecialFolder::Favorites:
        return knownFolder(FOLDERID_Favorites);
    case SpecialFolder::ApplicationData:
        return knownFolder(FOLDERID_RoamingAppData);
    case SpecialFolder::Documents:
        return knownFolder(FOLDERID_Documents);
    }
#else
    switch (folder) {
    case SpecialFolder::Favorites:
        return favoritesFolder();
    case SpecialFolder::ApplicationData:
#ifdef Q_OS_MACOS
        return homeFolder() + QStringLiteral("/Library/Application Support");
#else
        return configFolder();
#endif
    case SpecialFolder::Documents:
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
#endif
    return QString();
}

QString programFolder()
{
    // QCoreApplication knows best, but only once it exists; tools and tests may run without.
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return executableFolder();
}

QString optionsFolder(const QString& programFolder)
{
    const QString program = programFolder.isEmpty() ? orvalink::programFolder() : programFolder;
    if (!program.isEmpty() &&
        QFileInfo(program + u'/' + kProgramName.toString() + QStringLiteral(".ini")).isFile())
        return QDir::cleanPath(program);
#ifdef Q_OS_WIN
    const QString appData = GetSpecialFolder(SpecialFolder::ApplicationData);
    if (appData.isEmpty())
        return QDir::cleanPath(program);
    return appData + u'/' + kProgramName.toString();
#else
    return configFolder() + QStringLiteral("/orvalink");
#endif
}

} // namespace orvalink
