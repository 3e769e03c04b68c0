// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/chromium/chromium_form.h"

#include "forms/chromium/chromium_bookmarks.h"
#include "forms/chromium/chromium_profiles.h"
#include "forms/chromium/chromium_reader.h"
#include "forms/chromium/chromium_writer.h"
#include "forms/source_file.h"

#include <QCoreApplication>

namespace orvalink {

namespace {

constexpr ContentTest kChromiumContent{&isChromiumContent, &notAChromiumBookmarkFile};

RunningBrowser runningChromium(const QString& name)
{
    return RunningBrowser{QStringLiteral("chrome.exe"), name, ExportCheck::ChromiumRunning};
}

} // namespace

ChromiumForm::ChromiumForm()
    : StorageForm(Traits{
          .id = FormId::Chromium,
          .commandLineName = QStringLiteral("chromium"),
          .displayName = QCoreApplication::translate(
              "orvalink::ChromiumForm", "a Chromium, Chrome, Edge, Brave, Vivaldi or Opera "
                                        "Bookmarks file"),
          .shortName = QStringLiteral("Chromium"),
          .iconName = QStringLiteral("chromium"),
          .storage = Storage::File,
          .canRead = true,
          .canWrite = true,
          .writeModes = {.merge = true,
                         .overwrite = true,
                         .backup = true,
                         .topLevel = true,
                         .newFolder = true},
          .optionsPart = OptionsPart::File,
          .fileFilter = {.openName = QCoreApplication::translate("orvalink::ChromiumForm",
                                                                 "Chromium Bookmark Files"),
                         .saveName = QCoreApplication::translate("orvalink::ChromiumForm",
                                                                 "Chromium Bookmark Files"),
                         .patterns = QStringLiteral("Bookmarks"),
                         .defaultExtension = QString()},
          .browser = runningChromium(QStringLiteral("Chromium")),
      })
{}

bool ChromiumForm::claims(const QString& location) const
{
    return holdsSourceContent(location, kChromiumContent);
}

Result<void, UserMessage> ChromiumForm::recognise(const QString& location) const
{
    FileContents contents;
    return openSourceFile(contents, location, kChromiumContent);
}

SourceCounts ChromiumForm::count(const QString& location, Progress& progress) const
{
    FileContents contents;
    if (!contents.open(location))
        return {};
    return countChromiumText(contents.bytes(), [&](const QString& name) {
        progress.status(
            QCoreApplication::translate("orvalink::Progress", "Searching Folder: %1").arg(name));
    });
}

Result<std::unique_ptr<BookmarkModel>, UserMessage> ChromiumForm::load(const QString& location, int,
                                                                       Progress& progress) const
{
    progress.start(1);
    FileContents contents;
    if (Result<void> opened = contents.open(location); !opened)
        return readFailure(opened.error());
    // Reading the file checks it as well: what reads is a Bookmarks file. A file that does not
    // read is refused unless the content test takes it (white space only, or a Bookmarks file of
    // another shape than the one the reader follows); then it is a source without bookmarks.
    std::unique_ptr<BookmarkModel> model = parseChromiumText(contents.bytes(), location);
    if (!model) {
        FileContents checked;
        if (Result<void, UserMessage> opened = openSourceFile(checked, location, kChromiumContent);
            !opened)
            return opened.failure();
        model = emptyChromiumModel(location);
    }
    progress.step(1);
    progress.finish();
    return model;
}

Result<void, UserMessage> ChromiumForm::checkMerge(const QString& location,
                                                   const DestinationOptions& options) const
{
    if (!options.file.merge)
        return {};
    return CanMergeIntoChromiumBookmarks(location);
}

Result<WriteReport, UserMessage> ChromiumForm::write(BookmarkModel& source, const QString& location,
                                                     const DestinationOptions& options,
                                                     Progress& progress) const
{
    if (Result<void, UserMessage> written =
            WriteChromiumBookmarks(source, location, options.file, progress);
        !written)
        return written.failure();
    return WriteReport{};
}

std::optional<RunningBrowser> ChromiumForm::runningBrowser(const QString& location,
                                                           const ProcessTable& processes) const
{
    if (const std::optional<QString> browser = chromiumBrowserUsing(location, processes))
        return runningChromium(*browser);
    return std::nullopt;
}

std::vector<DiscoveredSource> ChromiumForm::discoverSources() const
{
    return findChromiumProfiles();
}

QString ChromiumForm::locationIn(const QString& profileFolder) const
{
    return profileFolder + QStringLiteral("/Bookmarks");
}

} // namespace orvalink
