// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/browser_folders.h"

#include "platform/special_folders.h"

#include <QDir>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace orvalink {

namespace {

QString homeFolder()
{
    const QString home = qEnvironmentVariable("HOME");
    return home.isEmpty() ? QDir::homePath() : home;
}

#ifdef Q_OS_WIN
// The folder Opera last ran from, "" when Opera never ran for this user.
QString operaFolder()
{
    const QSettings registry(QStringLiteral("HKEY_CURRENT_USER\\Software\\Opera Software"),
                             QSettings::NativeFormat);
    return registry.value(QStringLiteral("Last Directory3")).toString();
}
#endif

} // namespace

QStringList firefoxFolders()
{
    QStringList folders;
#if defined(Q_OS_WIN)
    const QString appData = GetSpecialFolder(SpecialFolder::ApplicationData);
    if (!appData.isEmpty())
        folders << appData + QStringLiteral("/Mozilla/Firefox/");
#elif defined(Q_OS_MACOS)
    folders << homeFolder() + QStringLiteral("/Library/Application Support/Firefox/");
#else
    const QString home = homeFolder();
    folders << home + QStringLiteral("/.mozilla/firefox/")
            << GetSpecialFolder(SpecialFolder::ApplicationData) +
                   QStringLiteral("/mozilla/firefox/")
            << home + QStringLiteral("/snap/firefox/common/.mozilla/firefox/")
            << home + QStringLiteral("/.var/app/org.mozilla.firefox/.mozilla/firefox/")
            << home + QStringLiteral("/.var/app/org.mozilla.firefox/config/mozilla/firefox/");
    // $XDG_CONFIG_HOME may be set to a folder already listed; searching it twice finds nothing new.
    folders.removeDuplicates();
#endif
    return folders;
}

QStringList operaSettingsFiles()
{
    QStringList files;
#if defined(Q_OS_WIN)
    const QString folder = operaFolder();
    if (!folder.isEmpty())
        files << QDir::fromNativeSeparators(folder) + QStringLiteral("/profile/opera6.ini");
    const QString appData = GetSpecialFolder(SpecialFolder::ApplicationData);
    if (!appData.isEmpty()) {
        files << QDir::cleanPath(appData + QStringLiteral("/Opera/") +
                                 QDir::fromNativeSeparators(operaPerUserFolderName(folder)) +
                                 QStringLiteral("/profile/opera6.ini"));
    }
#else
#ifdef Q_OS_MACOS
    const QString folder = homeFolder() + QStringLiteral("/Library/Opera/");
#else
    const QString folder = homeFolder() + QStringLiteral("/.opera/");
#endif
    files << folder + QStringLiteral("operaprefs.ini") << folder + QStringLiteral("opera6.ini");
#endif
    return files;
}

QString operaPerUserFolderName(const QString& operaFolder)
{
    if (operaFolder.isEmpty())
        return QString();
    // The search starts before the last character, so a trailing "\" is never the one found.
    const qsizetype separator =
        operaFolder.size() < 2 ? -1 : operaFolder.lastIndexOf(u'\\', operaFolder.size() - 2);
    if (separator < 0)
        return QStringLiteral("Opera\\");
    return operaFolder.mid(separator + 1);
}

} // namespace orvalink
