// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/menu_page/menu_page_form.h"

#include "forms/form_checks.h"
#include "forms/menu_page/menu_page_generator.h"
#include "platform/file_helpers.h"

#include <QCoreApplication>

namespace orvalink {

MenuPageForm::MenuPageForm()
    : StorageForm(Traits{
          .id = FormId::MenuPage,
          .commandLineName = QStringLiteral("menu"),
          .displayName =
              QCoreApplication::translate("orvalink::MenuPageForm", "a cascading menu page"),
          .shortName = QStringLiteral("Menu"),
          .iconName = QStringLiteral("menu_page"),
          .storage = Storage::File,
          .canRead = false,
          .canWrite = true,
          .writeModes = {.overwrite = true},
          .optionsPart = OptionsPart::MenuPage,
          .fileFilter = {.openName =
                             QCoreApplication::translate("orvalink::MenuPageForm", "HTML Files"),
                         .saveName =
                             QCoreApplication::translate("orvalink::MenuPageForm", "HTML Files"),
                         .patterns = QStringLiteral("*.html;*.htm"),
                         .defaultExtension = QStringLiteral("html")},
          .browser = std::nullopt,
      })
{}

std::optional<CheckFailure> MenuPageForm::checkDestination(const QString& location,
                                                           const ExportCheckInputs&) const
{
    if (!isReplaceableFile(location)) {
        return notAFile(
            ExportCheck::MenuNotAFile, location,
            QCoreApplication::translate("orvalink::MenuPageForm", "Selected DHTML Menu File"),
            WindowFix::FocusMenuCombo);
    }
    if (!DestinationPathValid(location)) {
        return pathInvalid(ExportCheck::MenuPathInvalid, location,
                           QCoreApplication::translate("orvalink::MenuPageForm", "DHTML Menu"),
                           WindowFix::FocusMenuCombo);
    }
    if (IsReadOnly(location))
        return readOnly(ExportCheck::MenuFileReadOnly,
                        QCoreApplication::translate("orvalink::MenuPageForm", "DHTML Menu"));
    return std::nullopt;
}

Result<WriteReport, UserMessage> MenuPageForm::write(BookmarkModel& source, const QString& location,
                                                     const DestinationOptions& options,
                                                     Progress& progress) const
{
    Result<int, UserMessage> written = CreateMenuPage(source, location, options.menu, progress);
    if (!written)
        return written.failure();
    WriteReport report;
    report.items = written.value();
    return report;
}

} // namespace orvalink
