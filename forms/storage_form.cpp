// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/storage_form.h"

#include "forms/form_checks.h"
#include "platform/file_helpers.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <algorithm>
#include <utility>

namespace orvalink {

namespace {

UserMessage notReadable(const StorageForm& form)
{
    return UserMessage{
        QCoreApplication::translate("orvalink::StorageForm", "Error"),
        {QCoreApplication::translate("orvalink::StorageForm", "Orvalink cannot read %1.")
             .arg(form.displayName())},
        MessageIcon::Critical};
}

} // namespace

StorageForm::StorageForm(Traits traits)
    : m_traits(std::move(traits))
{}

StorageForm::~StorageForm() = default;

Result<void, UserMessage> StorageForm::recognise(const QString&) const
{
    return notReadable(*this);
}

SourceCounts countLoaded(const BookmarkModel& source)
{
    const LinkTable& links = source.links();
    return {source.folderCount() - 1,
            static_cast<int>(std::count_if(links.begin(), links.end(),
                                           [](const LinkRecord& link) { return link.isLink(); }))};
}

SourceCounts StorageForm::count(const QString&, Progress&) const
{
    return {};
}

Result<std::unique_ptr<BookmarkModel>, UserMessage> StorageForm::load(const QString&, int,
                                                                      Progress&) const
{
    return notReadable(*this);
}

bool StorageForm::claims(const QString&) const
{
    return false;
}

std::optional<CheckFailure> StorageForm::checkSource(const QString& location) const
{
    if (!FileExists(location))
        return fileMissing(ExportCheck::SourceFileMissing, WindowFix::ResetFileComboAndWhat);
    return std::nullopt;
}

bool StorageForm::offersAsDestination(const QString&) const
{
    return true;
}

std::optional<CheckFailure> StorageForm::checkDestination(const QString& location,
                                                          const ExportCheckInputs& inputs) const
{
    if (!isReplaceableFile(location)) {
        return notAFile(
            ExportCheck::DestinationNotAFile, location,
            QCoreApplication::translate("orvalink::StorageForm", "Selected Bookmark File"),
            WindowFix::FocusFileCombo);
    }
    if (IsReadOnly(location))
        return readOnly(ExportCheck::DestinationFileReadOnly,
                        QCoreApplication::translate("orvalink::StorageForm", "Bookmark"));
    if (inputs.merge && !FileExists(location))
        return fileMissing(ExportCheck::MergeFileMissing, WindowFix::ResetFileCombo);
    if (!DestinationPathValid(location)) {
        return pathInvalid(ExportCheck::DestinationPathInvalid, location,
                           QCoreApplication::translate("orvalink::StorageForm", "Bookmark"),
                           WindowFix::FocusFileCombo);
    }
    return std::nullopt;
}

Result<void, UserMessage> StorageForm::checkMerge(const QString&, const DestinationOptions&) const
{
    return {};
}

Result<WriteReport, UserMessage> StorageForm::write(BookmarkModel&, const QString&,
                                                    const DestinationOptions&, Progress&) const
{
    return UserMessage{
        QCoreApplication::translate("orvalink::StorageForm", "Error"),
        {QCoreApplication::translate("orvalink::StorageForm", "Orvalink cannot write %1.")
             .arg(displayName())},
        MessageIcon::Critical};
}

bool StorageForm::exportsAll(const DestinationOptions& options) const
{
    switch (optionsPart()) {
    case OptionsPart::File:
        return options.file.exportAll;
    case OptionsPart::Favorites:
        return options.favorites.exportAll;
    case OptionsPart::MenuPage:
        return options.menu.exportAll;
    }
    return true;
}

std::optional<RunningBrowser> StorageForm::runningBrowser(const QString&,
                                                          const ProcessTable& processes) const
{
    if (browser() && IsProcessRunning(browser()->process, processes))
        return browser();
    return std::nullopt;
}

std::vector<DiscoveredSource> StorageForm::discoverSources() const
{
    return {};
}

int StorageForm::discover(QStringList& entries) const
{
    int added = 0;
    for (const DiscoveredSource& source : discoverSources()) {
        if (addDiscovered(entries, source.entry()))
            ++added;
    }
    return added;
}

QString StorageForm::locationIn(const QString&) const
{
    return QString();
}

QString importedFolderName(const StorageForm& source)
{
    return QCoreApplication::translate("orvalink::StorageForm", "Imported from %1 (%2)")
        .arg(source.shortName(),
             QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

} // namespace orvalink
