// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/hotlist/hotlist_form.h"

#include "forms/hotlist/hotlist_reader.h"
#include "forms/hotlist/hotlist_writer.h"
#include "forms/hotlist/opera_discovery.h"
#include "forms/source_file.h"

#include <QCoreApplication>

namespace orvalink {

namespace {

constexpr ContentTest kHotlistContent{&isHotlistContent, &notAHotlist};

} // namespace

HotlistForm::HotlistForm()
    : StorageForm(Traits{
          .id = FormId::Hotlist,
          .commandLineName = QStringLiteral("opera"),
          .displayName =
              QCoreApplication::translate("orvalink::HotlistForm", "an Opera hotlist (.adr)"),
          .shortName = QStringLiteral("Opera"),
          .iconName = QStringLiteral("hotlist"),
          .storage = Storage::File,
          .canRead = true,
          .canWrite = true,
          .writeModes = {.merge = true,
                         .overwrite = true,
                         .backup = true,
                         .topLevel = true,
                         .newFolder = true},
          .optionsPart = OptionsPart::File,
          .fileFilter = {.openName =
                             QCoreApplication::translate("orvalink::HotlistForm", "Hotlist Files"),
                         .saveName = QCoreApplication::translate("orvalink::HotlistForm",
                                                                 "Opera Hotlist Files"),
                         .patterns = QStringLiteral("*.adr"),
                         .defaultExtension = QStringLiteral("adr")},
          .browser = RunningBrowser{QStringLiteral("opera.exe"), QStringLiteral("Opera"),
                                    ExportCheck::OperaRunning},
          .countedByLoading = true,
      })
{}

bool HotlistForm::claims(const QString& location) const
{
    return holdsSourceContent(location, kHotlistContent);
}

Result<void, UserMessage> HotlistForm::recognise(const QString& location) const
{
    FileContents contents;
    return openSourceFile(contents, location, kHotlistContent);
}

SourceCounts HotlistForm::count(const QString& location, Progress& progress) const
{
    cOperaFastScanning scanner;
    scanner.setFolderScanHandler([&](const QString& name) {
        progress.status(
            QCoreApplication::translate("orvalink::Progress", "Searching Folder: %1").arg(name));
    });
    scanner.Scan(location);
    return {scanner.nTotalFolders(), scanner.nTotalLinks()};
}

Result<std::unique_ptr<BookmarkModel>, UserMessage> HotlistForm::load(const QString& location, int,
                                                                      Progress& progress) const
{
    return loadSourceFile(
        location, kHotlistContent,
        [](const QByteArray& file, const QString& path) { return parseHotlistText(file, path); },
        progress);
}

Result<void, UserMessage> HotlistForm::checkMerge(const QString& location,
                                                  const DestinationOptions& options) const
{
    if (!options.file.merge)
        return {};
    return CanMergeIntoHotlist(location);
}

Result<WriteReport, UserMessage> HotlistForm::write(BookmarkModel& source, const QString& location,
                                                    const DestinationOptions& options,
                                                    Progress& progress) const
{
    if (Result<void, UserMessage> written =
            WriteOperaHotlist(source, location, options.file, progress);
        !written)
        return written.failure();
    return WriteReport{};
}

std::vector<DiscoveredSource> HotlistForm::discoverSources() const
{
    const QString hotlist = operaHotlistPath();
    if (hotlist.isEmpty())
        return {};
    return {{QStringLiteral("Opera"), QString(), id(), hotlist}};
}

} // namespace orvalink
