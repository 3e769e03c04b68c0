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

const FileForm kBookmarkFile{FormId::BookmarkFile, &writeBookmarkFile, &parseBookmarkText};

// Written anew, the file reads back as the tree it was written from, under the header named
// after the user: the root's caption stands for the user's name.
void checkRoundTrip(BookmarkModel& tree, size_t size)
{
    FileExportOptions options = optionsForLength(size);
    options.userName = tree.folder(0).Name.isEmpty() ? QStringLiteral("fuzz") : tree.folder(0).Name;
    const std::unique_ptr<BookmarkModel> reread =
        checkRoundTrip<cNNFastScanning>(kBookmarkFile, tree, options, {asItIs, keptFields});
    const QString header = QStringLiteral("Bookmarks for ") + options.userName;
    check(reread->folder(0).Name == header, "the header reads back", [&] {
        return visible(header) + QStringLiteral(" became ") + visible(reread->folder(0).Name);
    });
}

// Merged into, the old bytes stay as they were with the new ones inserted at one place.
void checkMergeKeepsBytes(QByteArrayView oldFile, const BookmarkModel& oldTree)
{
    const QByteArray after = checkMerge(kBookmarkFile, oldFile, oldTree);
    if (after.isEmpty())
        return;
    const QByteArray old = keptOnMerge(oldFile);
    const CommonEnds kept = commonEnds(old, after);
    check(kept.prefix + kept.suffix == old.size(), "a merge keeps every byte of the old file", [&] {
        return QStringLiteral("kept %1 bytes at the start and %2 at the end of %3")
            .arg(kept.prefix)
            .arg(kept.suffix)
            .arg(old.size());
    });
}

} // namespace

} // namespace orvalink::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace orvalink;
    using namespace orvalink::fuzz;
    const QByteArrayView text(data, static_cast<qsizetype>(size));
    const std::unique_ptr<BookmarkModel> tree = parseBookmarkText(text);
    checkScan<cNNFastScanning>(text, *tree, "the scanner counts what the tree builder builds");
    checkRoundTrip(*tree, size);
    checkMergeKeepsBytes(text, *tree);
    return 0;
}
