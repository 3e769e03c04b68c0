// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/help_page.h"

#include <QDir>
#include <QFileInfo>

namespace orvalink {

QString helpPagePath(const QString& programFolder)
{
    const QDir folder(programFolder);
    const QString besideProgram =
        QDir::cleanPath(folder.absoluteFilePath(QStringLiteral("help/index.html")));
    // ORVALINK_INSTALLED_HELP_DIR is the installed help folder relative to the installed
    // program's folder ("../share/orvalink/help"), as the install rules lay them out.
    const QString installed = QDir::cleanPath(folder.absoluteFilePath(
        QStringLiteral(ORVALINK_INSTALLED_HELP_DIR) + QStringLiteral("/index.html")));
    for (const QString& candidate : {besideProgram, installed}) {
        if (QFileInfo(candidate).isFile())
            return candidate;
    }
    return besideProgram;
}

} // namespace orvalink
