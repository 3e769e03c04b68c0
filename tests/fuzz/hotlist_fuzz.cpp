// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as an Opera hotlist: the fast scanner counts what the tree builder builds, what the
// writer writes reads back as the same tree with every field the hotlist keeps, and records
// appended to the bytes keep them whole. Everything is written into memory.
#include "forms/hotlist/hotlist_reader.h"
#include "forms/hotlist/hotlist_writer.h"
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
    checkScan<cOperaFastScanning>(written, reread,
                                  "the scanner counts a written hotlist as its tree");
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
    auto [job, options] = mergingOneLink(FormId::Hotlist, kAppendedUrl);
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
    checkMergeKeepsEntries(oldTree, *parseHotlistText(after), kAppendedUrl);
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
    checkScan<cOperaFastScanning>(text, tree, "the scanner counts what the tree builder builds");

    checkRoundTrip(job, optionsForLength(size));
    checkAppend(text, tree);
    return 0;
}
