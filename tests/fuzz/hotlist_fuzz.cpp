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

const FileForm kHotlist{FormId::Hotlist, &writeOperaHotlist, &parseHotlistText};

// Appended to, the old bytes stay as they were at the start.
void checkAppendKeepsBytes(QByteArrayView old, const BookmarkModel& oldTree)
{
    const QByteArray after = checkMerge(kHotlist, old, oldTree);
    // A file that held nothing (blanks after a byte-order mark at most) gets a new one instead.
    const QByteArray kept = keptOnMerge(old);
    const QByteArrayView text = QByteArrayView(kept).sliced(kept.startsWith(kUtf8Bom) ? 3 : 0);
    if (!after.isEmpty() && !text.trimmed().isEmpty())
        check(after.startsWith(kept), "an append keeps every byte of the old file");
}

} // namespace

} // namespace orvalink::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace orvalink;
    using namespace orvalink::fuzz;
    const QByteArrayView text(data, static_cast<qsizetype>(size));
    const std::unique_ptr<BookmarkModel> tree = parseHotlistText(text);
    checkScan<cOperaFastScanning>(text, *tree, "the scanner counts what the tree builder builds");
    checkRoundTrip<cOperaFastScanning>(kHotlist, *tree, optionsForLength(size),
                                       {asWritten, keptFields});
    checkAppendKeepsBytes(text, *tree);
    return 0;
}
