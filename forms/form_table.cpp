// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/form_table.h"

#include "forms/bookmark_file/bookmark_file_form.h"
#include "forms/chromium/chromium_form.h"
#include "forms/favorites/favorites_form.h"
#include "forms/firefox_database/firefox_database_form.h"
#include "forms/hotlist/hotlist_form.h"
#include "forms/menu_page/menu_page_form.h"

#include <array>

namespace orvalink {

namespace {

const Conversion& conversion(ExportMode mode)
{
    const Conversion* found = conversionOf(mode);
    Q_ASSERT_X(found, "form table", "the mode must be a conversion");
    return found ? *found : kConversions.front();
}

} // namespace

std::span<const StorageForm* const> allForms()
{
    static const FavoritesForm favorites;
    static const BookmarkFileForm bookmarkFile;
    static const HotlistForm hotlist;
    static const MenuPageForm menuPage;
    static const FirefoxDatabaseForm firefoxDatabase;
    static const ChromiumForm chromium;
    static const std::array<const StorageForm*, 6> forms{&favorites, &bookmarkFile,    &hotlist,
                                                         &menuPage,  &firefoxDatabase, &chromium};
    return forms;
}

const StorageForm& formOf(FormId id)
{
    return *allForms()[static_cast<size_t>(id)];
}

const StorageForm* formNamed(QStringView commandLineName)
{
    for (const StorageForm* form : allForms()) {
        if (form->commandLineName() == commandLineName)
            return form;
    }
    return nullptr;
}

std::vector<const StorageForm*> sourceFamily(const StorageForm& named)
{
    std::vector<const StorageForm*> family{&named};
    for (const StorageForm* form : allForms()) {
        if (form != &named && form->canRead() && form->commandLineName() == named.commandLineName())
            family.push_back(form);
    }
    return family;
}

const StorageForm& sourceFormAt(const StorageForm& named, const QString& location)
{
    // Named is the answer when no other member claims the location, so its content need not be
    // read.
    for (const StorageForm* form : sourceFamily(named)) {
        if (form != &named && form->claims(location))
            return *form;
    }
    return named;
}

const StorageForm* formClaiming(const QString& location)
{
    for (const StorageForm* form : allForms()) {
        if (form->canRead() && form->claims(location))
            return form;
    }
    return nullptr;
}

const StorageForm& sourceForm(ExportMode mode)
{
    return formOf(conversion(mode).source);
}

const StorageForm& destinationForm(ExportMode mode)
{
    return formOf(conversion(mode).destination);
}

const StorageForm& sourceForm(const Job& job)
{
    return job.sourceFormId ? formOf(*job.sourceFormId) : sourceForm(job.mode);
}

const StorageForm& destinationForm(const Job& job)
{
    return job.destinationFormId ? formOf(*job.destinationFormId) : destinationForm(job.mode);
}

} // namespace orvalink
