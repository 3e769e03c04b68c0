// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/form_checks.h"

#include <QDir>
#include <utility>

namespace orvalink {

CheckFailure checkFailure(ExportCheck check, const QString& title, QStringList lines, WindowFix fix)
{
    return CheckFailure{check, UserMessage{title, std::move(lines), MessageIcon::Exclamation}, fix};
}

CheckFailure fileMissing(ExportCheck check, WindowFix fix)
{
    return checkFailure(check, QStringLiteral("Bookmark File Does Not Exist"),
                        {QStringLiteral("The Selected Bookmark File Does Not Exist Anymore."),
                         QStringLiteral("Please, Select Another Bookmark File.")},
                        fix);
}

// The wording ("Does Not Exists") is the one users have always seen; keep it.
CheckFailure pathInvalid(ExportCheck check, const QString& path, const QString& what, WindowFix fix)
{
    return checkFailure(
        check, QStringLiteral("Warning"),
        {QDir::toNativeSeparators(path),
         QStringLiteral("The Path of the Selected %1 File Does Not Exists.").arg(what),
         QStringLiteral("Please, Select Another Destination.")},
        fix);
}

CheckFailure notAFile(ExportCheck check, const QString& path, const QString& what, WindowFix fix)
{
    return checkFailure(check, QStringLiteral("Warning"),
                        {QDir::toNativeSeparators(path),
                         QStringLiteral("The %1 is Not a Regular File.").arg(what),
                         QStringLiteral("Please, Select Another Destination.")},
                        fix);
}

CheckFailure readOnly(ExportCheck check, const QString& what)
{
    return checkFailure(
        check, QStringLiteral("Read-Only Bookmark File"),
        {QStringLiteral("The Selected %1 File is Read-Only.").arg(what),
         QStringLiteral("Please, Select Another Bookmark File or Change Attribute.")});
}

CheckFailure subfolderMissing(ExportCheck check, const QString& what)
{
    return checkFailure(check, QStringLiteral("Selected Subfolder Does Not Exist"),
                        {QStringLiteral("The Selected %1 Where To Export The Bookmarks").arg(what),
                         QStringLiteral("Does Not Exist Anymore. Please, Change Selection.")});
}

} // namespace orvalink
