// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/storage_form.h"

namespace orvalink {

// The cascading menu page: one HTML file that shows the bookmarks as a bar of menus with
// cascading submenus. It is only ever written.
class MenuPageForm final : public StorageForm
{
public:
    MenuPageForm();

    // The page is a regular file where one is, its folder exists and it is not read-only.
    std::optional<CheckFailure> checkDestination(const QString& location,
                                                 const ExportCheckInputs& inputs) const override;
    // Reports the page's items as what the exported-items total grows by.
    Result<WriteReport, UserMessage> write(BookmarkModel& source, const QString& location,
                                           const DestinationOptions& options,
                                           Progress& progress) const override;
};

} // namespace orvalink
