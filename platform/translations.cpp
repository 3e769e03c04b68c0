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
    m_programLoaded = m_program.load(locale, QStringLiteral("orvalink"), separator, folder);
    if (m_programLoaded)
        QCoreApplication::installTranslator(&m_program);
    // Qt's own texts only beside ours: Qt in a language the rest of the window is not in would
    // be worse than English throughout.
    m_qtLoaded = m_programLoaded && m_qt.load(locale, QStringLiteral("qtbase"), separator,
                                              QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (m_qtLoaded)
        QCoreApplication::installTranslator(&m_qt);
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
