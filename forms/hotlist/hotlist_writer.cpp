// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/hotlist/hotlist_writer.h"

#include "forms/address_text.h"
#include "forms/export_walk.h"
#include "forms/hotlist/hotlist_reader.h"
#include "platform/text_decoding.h"

#include <QDir>
#include <QFileInfo>
#include <charconv>

namespace orvalink {

namespace {

constexpr QByteArrayView kHeader = "Opera Hotlist version 2.0\r\n"
                                   "Options: encoding = utf8, version=3\r\n"
                                   "\r\n";
constexpr QByteArrayView kFolderEnd = "-\r\n";

// The escapes are lambdas, each of a type of its own, so that the writing loops call them
// directly.

// A field is one line: a CR, an LF or a CR LF inside it becomes one space.
constexpr auto escapeLineBreak = [](char*& dst, char16_t c, char16_t previous) {
    if (c == u'\n' && previous == u'\r')
        return true;
    if (c == u'\r' || c == u'\n') {
        *dst++ = ' ';
        return true;
    }
    return false;
};

// A description's line breaks (CR LF, CR or LF) as Opera keeps them: two 0x02 characters. A 0x02
// of the text would read back as half a line break, so it is left out.
constexpr auto escapeDescription = [](char*& dst, char16_t c, char16_t previous) {
    if (c == u'\x02' || (c == u'\n' && previous == u'\r'))
        return true;
    if (c == u'\r' || c == u'\n') {
        *dst++ = '\x02';
        *dst++ = '\x02';
        return true;
    }
    return false;
};

constexpr auto dropFromAddress = [](char*&, char16_t c, char16_t) {
    return isDroppedFromAddress(c);
};

// Writes one record through a plain pointer: room for the most the record can take is made in
// the output once and its size set once at the end, where appending piece by piece would check
// the room and end the array with a NUL at every piece of every record.
class RecordWriter
{
public:
    // The keys, numbers and line ends of the longest record, besides its texts.
    static constexpr qsizetype kFixedRoom = 256;

    RecordWriter(QByteArray& out, qsizetype textRoom)
        : m_out(out)
    {
        const qsizetype start = out.size();
        out.resize(start + kFixedRoom + textRoom);
        m_at = out.data() + start;
    }
    RecordWriter(const RecordWriter&) = delete;
    RecordWriter& operator=(const RecordWriter&) = delete;
    ~RecordWriter() { m_out.resize(m_at - m_out.constData()); }

    // The room the texts of a record with these fields take at most.
    static qsizetype fieldsRoom(const RecordFields& fields)
    {
        if (!fields.details)
            return 0;
        return utf8Room(fields.details->description, 2) + utf8Room(fields.details->keyword, 1);
    }

    template <size_t N> void put(const char (&text)[N]) { putAscii(m_at, text); }
    // A field's text, on one line.
    void putField(QStringView text) { writeUtf8Line(m_at, text, escapeLineBreak); }
    void putAddress(QStringView address) { writeUtf8Line(m_at, address, dropFromAddress); }

    // The fields every record may have after its name (and address).
    void putFields(const RecordFields& fields)
    {
        putDate("    CREATED=", fields.dates.added);
        putDate("    VISITED=", fields.dates.visited);
        if (fields.details && !fields.details->description.isEmpty()) {
            put("    DESCRIPTION=");
            writeUtf8Line(m_at, fields.details->description, escapeDescription);
            put("\r\n");
        }
        if (fields.details && !fields.details->keyword.isEmpty()) {
            put("    SHORT NAME=");
            putField(fields.details->keyword);
            put("\r\n");
        }
        if (fields.onPersonalBar)
            put("    ON PERSONALBAR=YES\r\n");
    }

    // As a formatted print of a number writes it: a space or a minus sign, the digits, a space.
    void putOrder(int order)
    {
        put("    ORDER = ");
        if (order >= 0)
            *m_at++ = ' ';
        m_at = std::to_chars(m_at, m_at + 16, order).ptr;
        put(" \r\n");
    }

private:
    template <size_t N> void putDate(const char (&key)[N], BookmarkTime time)
    {
        if (!time.isKnown())
            return;
        put(key);
        m_at = std::to_chars(m_at, m_at + 24, time.seconds()).ptr;
        put("\r\n");
    }

    QByteArray& m_out;
    char* m_at;
};

class HotlistVisitor final : public ExportVisitor
{
public:
    HotlistVisitor(const BookmarkModel& model, int linkOrder, ChunkedOutput& out)
        : m_model(model)
        , m_linkOrder(linkOrder)
        , m_out(out)
    {}

    void openFolder(int node) override
    {
        if (node != FolderTree::root()) {
            const FolderRecord& folder = m_model.folder(m_model.tree().node(node).tag);
            WriteFolderRecord(m_out.buffer(), m_model.tree().node(node).caption, kFolderOrder,
                              RecordFields{folder.Dates, &m_model.details(folder.Details),
                                           folder.Role == FolderRole::Toolbar});
            m_out.flushIfFull();
        }
    }

    void writeLink(int linkRow) override
    {
        const LinkRecord& link = m_model.link(linkRow);
        WriteUrlRecord(m_out.buffer(), link.Name, link.URL, m_linkOrder,
                       RecordFields{link.Dates, &m_model.details(link.Details), link.OnToolbar});
        m_out.flushIfFull();
    }

    void writeSeparator() override { m_out.append("#SEPERATOR\r\n\r\n"); }

    void closeFolder(int node) override
    {
        if (node != FolderTree::root())
            m_out.append(kFolderEnd);
    }

private:
    const BookmarkModel& m_model;
    int m_linkOrder;
    ChunkedOutput& m_out;
};

// The old hotlist's text that records are appended to; empty when there is no file yet, as
// appending would create it.
Result<QByteArray, UserMessage> hotlistToAppendTo(const QString& filePath)
{
    if (!QFileInfo::exists(filePath))
        return QByteArray();
    Result<QByteArray, UserMessage> old = readFileToMerge(filePath);
    if (old && !isHotlistContent(old.value()))
        return notAHotlist(filePath);
    return old;
}

} // namespace

Result<void, UserMessage> CanMergeIntoHotlist(const QString& filePath)
{
    if (Result<QByteArray, UserMessage> old = hotlistToAppendTo(filePath); !old)
        return old.failure();
    return {};
}

void WriteFolderRecord(QByteArray& out, QStringView name, int order, const RecordFields& fields)
{
    RecordWriter record(out, utf8Room(name, 1) + RecordWriter::fieldsRoom(fields));
    record.put("#FOLDER\r\n    NAME=");
    record.putField(name);
    record.put("\r\n");
    record.putFields(fields);
    record.putOrder(order);
    record.put("\r\n");
}

void WriteUrlRecord(QByteArray& out, QStringView name, QStringView url, int order,
                    const RecordFields& fields)
{
    RecordWriter record(out,
                        utf8Room(name, 1) + utf8Room(url, 0) + RecordWriter::fieldsRoom(fields));
    record.put("#URL\r\n    NAME=");
    record.putField(name);
    record.put("\r\n    URL=");
    record.putAddress(url);
    record.put("\r\n");
    record.putFields(fields);
    record.putOrder(order);
    record.put("\r\n");
}

void WriteOperaFolder(BookmarkModel& model, int node, const FileExportOptions& options,
                      Progress& progress, ChunkedOutput& out)
{
    HotlistVisitor visitor(model, options.linksBefore ? kLinksBeforeOrder : kLinksAfterOrder, out);
    walkExportedFolders(model, node, options, progress, visitor);
}

namespace {

// The records, appended to old (a hotlist's text, or nothing for a new file).
void writeText(BookmarkModel& model, QByteArrayView old, const FileExportOptions& options,
               Progress& progress, ChunkedOutput& out)
{
    // Appending to a file that holds nothing (a byte-order mark at most) writes a whole hotlist:
    // records without a header are no hotlist other programs read.
    const qsizetype textStart = old.startsWith(kUtf8Bom) ? kUtf8Bom.size() : 0;
    if (!old.sliced(textStart).trimmed().isEmpty()) {
        out.writeThrough(old);
        if (old.endsWith('\r'))
            out.append("\n");
        else if (!old.endsWith('\n'))
            out.append("\r\n");
    } else {
        out.append(kHeader);
    }
    if (options.intoNewFolder)
        WriteFolderRecord(out.buffer(), options.newFolderName, kFolderOrder);
    if (!model.tree().isEmpty())
        WriteOperaFolder(model, FolderTree::root(), options, progress, out);
    if (options.intoNewFolder)
        out.append(kFolderEnd);
}

} // namespace

Result<void, UserMessage> writeOperaHotlist(BookmarkModel& model, QByteArrayView old,
                                            const FileExportOptions& options, Progress& progress,
                                            ChunkedOutput& out, const QString& filePath)
{
    QByteArray converted;
    QByteArrayView text;
    if (options.merge) {
        text = textToMergeInto(old, converted);
        if (!isHotlistContent(text))
            return notAHotlist(filePath);
    }
    writeText(model, text, options, progress, out);
    return {};
}

Result<void, UserMessage> WriteOperaHotlist(BookmarkModel& model, const QString& filePath,
                                            const FileExportOptions& options, Progress& progress)
{
    // Appending means copying the old file into the new one, read whole before anything is
    // written.
    QByteArray old;
    QByteArray converted;
    QByteArrayView text;
    if (options.merge) {
        Result<QByteArray, UserMessage> read = hotlistToAppendTo(filePath);
        if (!read)
            return read.failure();
        old = std::move(read.value());
        text = textToMergeInto(old, converted);
    }
    AtomicTextFile file(filePath);
    if (Result<void, UserMessage> opened = file.open(); !opened)
        return opened;
    writeText(model, text, options, progress, file.output());
    return file.commit();
}

} // namespace orvalink
