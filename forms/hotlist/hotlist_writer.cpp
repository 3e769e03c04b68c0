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

// A field is one line: a CR, an LF or a CR LF inside it becomes one space.
bool escapeLineBreak(char*& dst, char16_t c, char16_t previous)
{
    if (c == u'\n' && previous == u'\r')
        return true;
    if (c == u'\r' || c == u'\n') {
        *dst++ = ' ';
        return true;
    }
    return false;
}

void appendField(QByteArray& out, QStringView text)
{
    appendUtf8(out, text, 1, escapeLineBreak);
}

// A description's line breaks (CR LF, CR or LF) as Opera keeps them: two 0x02 characters. A 0x02
// of the text would read back as half a line break, so it is left out.
bool escapeDescription(char*& dst, char16_t c, char16_t previous)
{
    if (c == u'\x02' || (c == u'\n' && previous == u'\r'))
        return true;
    if (c == u'\r' || c == u'\n') {
        *dst++ = '\x02';
        *dst++ = '\x02';
        return true;
    }
    return false;
}

bool dropFromAddress(char*&, char16_t c, char16_t)
{
    return isDroppedFromAddress(c);
}

void appendAddress(QByteArray& out, QStringView address)
{
    appendUtf8(out, address, 0, dropFromAddress);
}

// As a formatted print of a number writes it: a space or a minus sign, the digits, a space.
void appendOrder(QByteArray& out, int order)
{
    char digits[16];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, order);
    out += "    ORDER = ";
    if (order >= 0)
        out += ' ';
    out.append(digits, end.ptr - digits);
    out += " \r\n";
}

// A date field, written straight into the output: no text of its own for every record.
void appendDate(QByteArray& out, QByteArrayView field, BookmarkTime time)
{
    if (!time.isKnown())
        return;
    char digits[24];
    const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, time.seconds());
    out += field;
    out.append(digits, end.ptr - digits);
    out += "\r\n";
}

void appendFields(QByteArray& out, const RecordFields& fields)
{
    appendDate(out, "    CREATED=", fields.dates.added);
    appendDate(out, "    VISITED=", fields.dates.visited);
    if (fields.details && !fields.details->description.isEmpty()) {
        out += "    DESCRIPTION=";
        appendUtf8(out, fields.details->description, 2, escapeDescription);
        out += "\r\n";
    }
    if (fields.details && !fields.details->keyword.isEmpty()) {
        out += "    SHORT NAME=";
        appendField(out, fields.details->keyword);
        out += "\r\n";
    }
    if (fields.onPersonalBar)
        out += "    ON PERSONALBAR=YES\r\n";
}

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
    out += "#FOLDER\r\n    NAME=";
    appendField(out, name);
    out += "\r\n";
    appendFields(out, fields);
    appendOrder(out, order);
    out += "\r\n";
}

void WriteUrlRecord(QByteArray& out, QStringView name, QStringView url, int order,
                    const RecordFields& fields)
{
    out += "#URL\r\n    NAME=";
    appendField(out, name);
    out += "\r\n    URL=";
    appendAddress(out, url);
    out += "\r\n";
    appendFields(out, fields);
    appendOrder(out, order);
    out += "\r\n";
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
