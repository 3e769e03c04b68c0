// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a bookmark file: the fast scanner counts what the tree builder builds, what the
// writer writes reads back as the same tree with every field the file keeps, and a merge into the
// bytes keeps every byte and every entry of them. Everything is written into memory.
#include "forms/bookmark_file/bookmark_file_reader.h"
#include "forms/bookmark_file/bookmark_file_writer.h"
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
    checkScan<cNNFastScanning>(written, reread, "the scanner counts a written file as its tree");

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
    auto [job, options] = mergingOneLink(FormId::BookmarkFile, kMergedUrl);
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
    const CommonEnds kept = commonEnds(old, after);
    check(kept.prefix + kept.suffix == old.size(), "a merge keeps every byte of the old file", [&] {
        return QStringLiteral("kept %1 bytes at the start and %2 at the end of %3")
            .arg(kept.prefix)
            .arg(kept.suffix)
            .arg(old.size());
    });

    checkMergeKeepsEntries(oldTree, *parseBookmarkText(after), kMergedUrl);
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
    checkScan<cNNFastScanning>(text, tree, "the scanner counts what the tree builder builds");

    checkRoundTrip(job, optionsForLength(size));
    checkMerge(text, tree);
    return 0;
}
