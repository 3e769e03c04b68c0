// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a bookmark file: the fast scanner counts what the tree builder builds, what the
// writer writes reads back as the same tree with every field the file keeps, and a merge into the
// bytes keeps every byte and every entry of them. Everything is written into memory.
#include "forms/bookmark_file/bookmark_file_reader.h"
#include "forms/bookmark_file/bookmark_file_writer.h"
#include "model/model_builder.h"
#include "tests/fuzz/fuzz_support.h"

#include <QStringList>

namespace orvalink::fuzz {

namespace {

const QString kMergedUrl = QStringLiteral("http://merged.example/fuzzing");

// Character references let a bookmark file hold any text: names and addresses come back as they
// are.
QString asItIs(const QString& text)
{
    return text;
}

// A bookmark file keeps every date, detail and folder role.
QString keptFields(const BookmarkModel& model, int linkRow)
{
    const LinkRecord& entry = model.link(linkRow);
    const EntryDetails& details = model.entryDetails(linkRow);
    const FolderRole role =
        entry.isSubfolder() ? model.folder(entry.SubfolderRow).Role : FolderRole::Ordinary;
    return QStringList{datesText(model.entryDates(linkRow)),
                       QString::number(static_cast<int>(role)),
                       details.keyword,
                       details.postData,
                       details.tags,
                       details.description,
                       QString::fromUtf8(details.icon),
                       details.iconUri,
                       details.charset}
        .join(u'|');
}

void checkScan(QByteArrayView text, const BookmarkModel& tree, const char* invariant)
{
    const EntryCounts built = countEntries(tree);
    cNNFastScanning counting;
    counting.scanText(text);
    // The scanner cuts the folder names only when someone listens: it must count the same.
    cNNFastScanning naming;
    int named = 0;
    naming.setFolderScanHandler([&](const QString&) { ++named; });
    naming.scanText(text);
    check(counting.nTotalFolders() == built.folders && counting.nTotalLinks() == built.links &&
              naming.nTotalFolders() == built.folders && naming.nTotalLinks() == built.links &&
              named == built.folders,
          invariant, [&] {
              return QStringLiteral("tree %1 folders, %2 links; scan %3, %4; naming scan %5, %6")
                  .arg(built.folders)
                  .arg(built.links)
                  .arg(counting.nTotalFolders())
                  .arg(counting.nTotalLinks())
                  .arg(naming.nTotalFolders())
                  .arg(naming.nTotalLinks());
          });
}

// Written anew, the file reads back as the tree it was written from, under the header named
// after the user.
void checkRoundTrip(Job& job, const FileExportOptions& options)
{
    const BookmarkModel& tree = *job.source();
    // The root's caption stands for the user's name: it comes back in the header.
    job.UserName = tree.folder(0).Name;
    if (job.UserName.isEmpty())
        job.UserName = QStringLiteral("fuzz");
    Progress quiet;
    FileExportOptions forUser = options;
    forUser.userName = job.UserName;
    QByteArray written;
    ChunkedOutput out(written);
    check(writeBookmarkFile(*job.source(), {}, forUser, quiet, out, QString()).ok(),
          "a bookmark file can be written");
    const std::unique_ptr<BookmarkModel> rereadModel = parseBookmarkText(written);
    const BookmarkModel& reread = *rereadModel;
    checkScan(written, reread, "the scanner counts a written file as its tree");

    const QString header = QStringLiteral("Bookmarks for ") + job.UserName;
    check(reread.folder(0).Name == header, "the header reads back", [&] {
        return visible(header) + QStringLiteral(" became ") + visible(reread.folder(0).Name);
    });
    const int top = exportedTop(reread, options);
    QString difference;
    check(sameEntries(tree, 0, reread, top, Comparison{asItIs, keptFields, options.keepOrder},
                      difference),
          "a written bookmark file reads back as its tree", [&] { return difference; });
}

// Merged into, the old bytes stay as they were with the new ones inserted at one place, and the
// old entries are all still there beside the new folder. A merge that is refused writes nothing.
void checkMerge(QByteArrayView oldFile, const BookmarkModel& oldTree)
{
    ModelBuilder added(FormId::BookmarkFile, QString(), QString());
    added.addLink(QStringLiteral("Merged link"), kMergedUrl);
    Job job = jobReading(added.finish());
    FileExportOptions options;
    options.merge = true;
    options.intoNewFolder = true;
    options.newFolderName = kNewFolderName;
    Progress quiet;
    QByteArray after;
    ChunkedOutput out(after);
    const bool merged = writeBookmarkFile(*job.source(), oldFile, options, quiet, out,
                                          QStringLiteral("merged.html"))
                            .ok();
    if (!merged) {
        check(after.isEmpty(), "a refused merge writes nothing");
        return;
    }
    const QByteArray old = keptOnMerge(oldFile);
    qsizetype prefix = 0;
    while (prefix < old.size() && prefix < after.size() && old[prefix] == after[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < old.size() - prefix && suffix < after.size() - prefix &&
           old[old.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    check(prefix + suffix == old.size(), "a merge keeps every byte of the old file", [&] {
        return QStringLiteral("kept %1 bytes at the start and %2 at the end of %3")
            .arg(prefix)
            .arg(suffix)
            .arg(old.size());
    });

    const std::unique_ptr<BookmarkModel> mergedTree = parseBookmarkText(after);
    QHash<QString, int> expected = linkAddresses(oldTree);
    ++expected[kMergedUrl];
    const EntryCounts before = countEntries(oldTree);
    const EntryCounts now = countEntries(*mergedTree);
    check(linkAddresses(*mergedTree) == expected && now.folders == before.folders + 1,
          "a merge keeps every old entry and adds its own", [&] {
              return QStringLiteral("%1 folders, %2 links became %3 folders, %4 links")
                  .arg(before.folders)
                  .arg(before.links)
                  .arg(now.folders)
                  .arg(now.links);
          });
}

} // namespace

} // namespace orvalink::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace orvalink;
    using namespace orvalink::fuzz;
    const QByteArrayView text(data, static_cast<qsizetype>(size));
    Job job = jobReading(parseBookmarkText(text));
    const BookmarkModel& tree = *job.source();
    checkScan(text, tree, "the scanner counts what the tree builder builds");

    // The input's length picks the options, so that every input replays the same way.
    FileExportOptions options;
    options.linksBefore = size % 2 == 1;
    options.intoNewFolder = size % 4 >= 2;
    options.keepOrder = size % 8 >= 4;
    options.newFolderName = kNewFolderName;
    checkRoundTrip(job, options);
    checkMerge(text, tree);
    return 0;
}
