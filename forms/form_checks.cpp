// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/form_checks.h"

#include <QCoreApplication>
#include <QDir>
#include <utility>

namespace orvalink {

CheckFailure checkFailure(ExportCheck check, const QString& title, QStringList lines, WindowFix fix)
{
    return CheckFailure{check, UserMessage{title, std::move(lines), MessageIcon::Exclamation}, fix};
}

CheckFailure fileMissing(ExportCheck check, WindowFix fix)
{
    return checkFailure(
        check, QCoreApplication::translate("orvalink::FormChecks", "Bookmark File Does Not Exist"),
        {QCoreApplication::translate("orvalink::FormChecks",
                                     "The Selected Bookmark File Does Not Exist Anymore."),
         QCoreApplication::translate("orvalink::FormChecks",
                                     "Please, Select Another Bookmark File.")},
        fix);
}

// The wording ("Does Not Exists") is the one users have always seen; keep it.
CheckFailure pathInvalid(ExportCheck check, const QString& path, const QString& what, WindowFix fix)
{
    return checkFailure(
        check, QCoreApplication::translate("orvalink::FormChecks", "Warning"),
        {QDir::toNativeSeparators(path),
         QCoreApplication::translate("orvalink::FormChecks",
                                     "The Path of the Selected %1 File Does Not Exists.")
             .arg(what),
         QCoreApplication::translate("orvalink::FormChecks",
                                     "Please, Select Another Destination.")},
        fix);
}

CheckFailure notAFile(ExportCheck check, const QString& path, const QString& what, WindowFix fix)
{
    return checkFailure(
        check, QCoreApplication::translate("orvalink::FormChecks", "Warning"),
        {QDir::toNativeSeparators(path),
         QCoreApplication::translate("orvalink::FormChecks", "The %1 is Not a Regular File.")
             .arg(what),
         QCoreApplication::translate("orvalink::FormChecks",
                                     "Please, Select Another Destination.")},
        fix);
}

CheckFailure readOnly(ExportCheck check, const QString& what)
{
    return checkFailure(
        check, QCoreApplication::translate("orvalink::FormChecks", "Read-Only Bookmark File"),
        {QCoreApplication::translate("orvalink::FormChecks", "The Selected %1 File is Read-Only.")
             .arg(what),
         QCoreApplication::translate("orvalink::FormChecks",
                                     "Please, Select Another Bookmark File or Change Attribute.")});
}

CheckFailure subfolderMissing(ExportCheck check, const QString& what)
{
    return checkFailure(
        check,
        QCoreApplication::translate("orvalink::FormChecks", "Selected Subfolder Does Not Exist"),
        {QCoreApplication::translate("orvalink::FormChecks",
                                     "The Selected %1 Where To Export The Bookmarks")
             .arg(what),
         QCoreApplication::translate("orvalink::FormChecks",
                                     "Does Not Exist Anymore. Please, Change Selection.")});
}

} // namespace orvalink
