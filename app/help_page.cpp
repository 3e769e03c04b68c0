// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/help_page.h"

#include <QDir>
#include <QFileInfo>

namespace orvalink {

namespace {

const QString kEnglishPage = QStringLiteral("index.html");

} // namespace

QString helpPageName(const QStringList& uiLanguages)
{
    // The first language the page is written in wins, so "en, de" keeps English.
    for (const QString& language : uiLanguages) {
        switch (QLocale(language).language()) {
        case QLocale::English:
            return kEnglishPage;
        case QLocale::German:
            return QStringLiteral("index.de.html");
        case QLocale::French:
            return QStringLiteral("index.fr.html");
        default:
            break;
        }
    }
    return kEnglishPage;
}

QString helpPagePath(const QString& programFolder, const QStringList& uiLanguages)
{
    const QDir program(programFolder);
    const QString besideProgram = QDir::cleanPath(program.absoluteFilePath(QStringLiteral("help")));
    // ORVALINK_INSTALLED_HELP_DIR is the installed help folder relative to the installed
    // program's folder ("../share/orvalink/help"), as the install rules lay them out.
    const QString installed =
        QDir::cleanPath(program.absoluteFilePath(QStringLiteral(ORVALINK_INSTALLED_HELP_DIR)));
    const QString page = helpPageName(uiLanguages);
    for (const QString& folder : {besideProgram, installed}) {
        for (const QString& name : {page, kEnglishPage}) {
            const QString candidate = folder + QLatin1Char('/') + name;
            if (QFileInfo(candidate).isFile())
                return candidate;
        }
    }
    return besideProgram + QLatin1Char('/') + page;
}

} // namespace orvalink
