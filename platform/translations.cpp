// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

namespace orvalink {

ProgramTranslations::ProgramTranslations(const QString& folder, const QLocale& locale)
{
    const QString separator = QStringLiteral("_");
    // The user's languages in their order of preference, up to English, the source texts: a
    // session asking for English before German gets English, which QTranslator, going on to
    // German for want of an English catalogue, would not give.
    for (const QString& name : locale.uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            return;
        m_programLoaded = m_program.load(language, QStringLiteral("orvalink"), separator, folder);
        if (!m_programLoaded)
            continue;
        QCoreApplication::installTranslator(&m_program);
        // Qt's own texts only beside ours, in the same language.
        m_qtLoaded = m_qt.load(language, QStringLiteral("qtbase"), separator,
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        if (m_qtLoaded)
            QCoreApplication::installTranslator(&m_qt);
        return;
    }
}

ProgramTranslations::~ProgramTranslations()
{
    if (m_qtLoaded)
        QCoreApplication::removeTranslator(&m_qt);
    if (m_programLoaded)
        QCoreApplication::removeTranslator(&m_program);
}

QString translationsFolder(const QString& programFolder)
{
    const QDir folder(programFolder);
    // ORVALINK_INSTALLED_TRANSLATIONS_DIR is the installed folder relative to the installed
    // program's folder ("../share/orvalink/translations"), as the install rules lay them out.
    const QString installed = QDir::cleanPath(
        folder.absoluteFilePath(QStringLiteral(ORVALINK_INSTALLED_TRANSLATIONS_DIR)));
    if (QFileInfo(installed).isDir())
        return installed;
    return QDir::cleanPath(folder.absoluteFilePath(QStringLiteral("../translations")));
}

} // namespace orvalink
