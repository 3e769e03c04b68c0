// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace orvalink {

// The help page's file name for the first of the user's languages that it is written in:
// "index.de.html" for German, "index.fr.html" for French, "index.html" (English) otherwise.
QString helpPageName(const QStringList& uiLanguages);

// The help page shipped with the program, in the user's language where there is one:
// "help/index.html" (or a translation beside it) beside the program in the build tree, or the
// same below share/orvalink/ when installed. programFolder is the folder of the program file. A
// folder without the translation gives the English page. When neither folder holds the page,
// the path beside the program, so that the system's "open" names what is missing.
QString helpPagePath(const QString& programFolder,
                     const QStringList& uiLanguages = QLocale().uiLanguages());

} // namespace orvalink
