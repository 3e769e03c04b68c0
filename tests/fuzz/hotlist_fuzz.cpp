// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as an Opera hotlist: the fast scanner counts what the tree builder builds, what the
// writer writes reads back as the same tree with every field the hotlist keeps, and records
// appended to the bytes keep them whole. Everything is written into memory.
#include "forms/hotlist/hotlist_reader.h"
#include "forms/hotlist/hotlist_writer.h"
#include "model/model_builder.h"
#include "platform/text_decoding.h"
#include "tests/fuzz/fuzz_support.h"

#include <QStringList>

namespace orvalink::fuzz {

namespace {

const QString kAppendedUrl = QStringLiteral("http://appended.example/fuzzing");

// A record's field is one line and has no escapes: the writer puts a space in place of a line
// break in a name or leaves it out, and leaves tabs and line breaks out of an address, as browsers
// do. Blanks are not compared, so every way of doing so reads the same.
QString asWritten(const QString& text)
{
    QString squeezed = text;
    squeezed.remove(u'\t').remove(u'\r').remove(u'\n').remove(u' ');
    return squeezed;
}

// A hotlist keeps the added and visited dates, the description and keyword (as one-line fields,
// compared as names are, a description's line breaks and 0x02 characters aside) and the
// personal bar.
QString keptFields(const BookmarkModel& model, int linkRow)
{
    const LinkRecord& entry = model.link(linkRow);
    const EntryDetails& details = model.entryDetails(linkRow);
    const EntryDates& dates = model.entryDates(linkRow);
    const bool onBar =
        entry.OnToolbar ||
        (entry.isSubfolder() && model.folder(entry.SubfolderRow).Role == FolderRole::Toolbar);
    return QStringList{datesText(EntryDates{dates.added, {}, dates.visited}),
                       onBar ? QStringLiteral("bar") : QString(),
                       asWritten(QString(details.description).remove(u'\x02')),
                       asWritten(details.keyword)}
        .join(u'|');
}

void checkScan(QByteArrayView text, const BookmarkModel& tree, const char* invariant)
{
    const EntryCounts built = countEntries(tree);
    cOperaFastScanning scanner;
    int named = 0;
    scanner.setFolderScanHandler([&](const QString&) { ++named; });
    scanner.scanText(text);
    check(scanner.nTotalFolders() == built.folders && scanner.nTotalLinks() == built.links,
          invariant, [&] {
              return QStringLiteral("tree %1 folders, %2 links; scan %3, %4")
                  .arg(built.folders)
                  .arg(built.links)
                  .arg(scanner.nTotalFolders())
                  .arg(scanner.nTotalLinks());
          });
}

void checkRoundTrip(Job& job, const FileExportOptions& options)
{
    const BookmarkModel& tree = *job.source();
    Progress quiet;
    QByteArray written;
    ChunkedOutput out(written);
    check(writeOperaHotlist(*job.source(), {}, options, quiet, out, QString()).ok(),
          "a hotlist can be written");
    const std::unique_ptr<BookmarkModel> rereadModel = parseHotlistText(written);
    const BookmarkModel& reread = *rereadModel;
    checkScan(written, reread, "the scanner counts a written hotlist as its tree");
    const int top = exportedTop(reread, options);
    QString difference;
    check(sameEntries(tree, 0, reread, top, Comparison{asWritten, keptFields, options.keepOrder},
                      difference),
          "a written hotlist reads back as its tree", [&] { return difference; });
}

// Appended to, the old bytes stay as they were at the start, and the old entries are all still
// there beside the new folder. An append that is refused writes nothing.
void checkAppend(QByteArrayView old, const BookmarkModel& oldTree)
{
    ModelBuilder added(FormId::Hotlist, QString(), QString());
    added.addLink(QStringLiteral("Appended link"), kAppendedUrl);
    Job job = jobReading(added.finish());
    FileExportOptions options;
    options.merge = true;
    options.intoNewFolder = true;
    options.newFolderName = kNewFolderName;
    Progress quiet;
    QByteArray after;
    ChunkedOutput out(after);
    const bool appended =
        writeOperaHotlist(*job.source(), old, options, quiet, out, QStringLiteral("appended.adr"))
            .ok();
    if (!appended) {
        check(after.isEmpty(), "a refused append writes nothing");
        return;
    }
    const std::unique_ptr<BookmarkModel> appendedTree = parseHotlistText(after);
    QHash<QString, int> expected = linkAddresses(oldTree);
    ++expected[kAppendedUrl];
    check(linkAddresses(*appendedTree) == expected &&
              countEntries(*appendedTree).folders == countEntries(oldTree).folders + 1,
          "an append keeps every old entry and adds its own");
    // A file that held nothing (blanks after a byte-order mark at most) gets a new one instead.
    const QByteArray kept = keptOnMerge(old);
    const QByteArrayView text = QByteArrayView(kept).sliced(kept.startsWith(kUtf8Bom) ? 3 : 0);
    if (!text.trimmed().isEmpty())
        check(after.startsWith(kept), "an append keeps every byte of the old file");
}

} // namespace

} // namespace orvalink::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace orvalink;
    using namespace orvalink::fuzz;
    const QByteArrayView text(data, static_cast<qsizetype>(size));
    Job job = jobReading(parseHotlistText(text));
    const BookmarkModel& tree = *job.source();
    checkScan(text, tree, "the scanner counts what the tree builder builds");

    // The input's length picks the options, so that every input replays the same way.
    FileExportOptions options;
    options.linksBefore = size % 2 == 1;
    options.intoNewFolder = size % 4 >= 2;
    options.keepOrder = size % 8 >= 4;
    options.newFolderName = kNewFolderName;
    checkRoundTrip(job, options);
    checkAppend(text, tree);
    return 0;
}
