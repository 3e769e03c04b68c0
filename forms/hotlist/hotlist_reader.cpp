// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/hotlist/hotlist_reader.h"

#include "forms/address_text.h"
#include "forms/source_file.h"
#include "model/model_builder.h"
#include "platform/file_contents.h"
#include "platform/text_decoding.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <cstring>
#include <vector>

namespace orvalink {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

QByteArrayView trimmed(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

bool equalsWithoutCase(QByteArrayView text, QByteArrayView upperCaseWord)
{
    if (text.size() != upperCaseWord.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c != upperCaseWord[i])
            return false;
    }
    return true;
}

// One entry of a hotlist, as far as a conversion cares.
struct HotlistRecord
{
    enum Kind { Folder, Link, Separator, FolderEnd };
    Kind kind = Link;
    QByteArrayView name;
    QByteArrayView url;
    bool hasUrl = false;
    QByteArrayView created;
    QByteArrayView visited;
    QByteArrayView description;
    QByteArrayView shortName;
    bool onPersonalBar = false;
};

// Walks a hotlist record by record. A record is a type line ("#FOLDER", "#URL", "#NOTE", ...)
// followed by its field lines up to a blank line, the next type line or a folder end ("-").
// Fields are recognised by their exact key, so "SHORT NAME=" never passes for the name and
// "DISPLAY URL=" never for the URL; they may come in any order and any indentation. Line ends
// may be CR LF or LF, and a last line without a line end is read too. Records other than
// folders, links and separators ("#SEPERATOR", as Opera spells it) are skipped with their
// fields.
class HotlistLexer
{
public:
    explicit HotlistLexer(QByteArrayView text)
        : m_text(text)
    {}

    bool next(HotlistRecord& record)
    {
        while (!atEnd()) {
            const QByteArrayView line = trimmed(nextLine());
            if (line == QByteArrayView("-")) {
                record = HotlistRecord{};
                record.kind = HotlistRecord::FolderEnd;
                return true;
            }
            if (line.isEmpty() || line.front() != '#')
                continue;
            record = HotlistRecord{};
            if (equalsWithoutCase(line, "#FOLDER")) {
                record.kind = HotlistRecord::Folder;
            } else if (equalsWithoutCase(line, "#URL")) {
                record.kind = HotlistRecord::Link;
            } else if (equalsWithoutCase(line, "#SEPERATOR") ||
                       equalsWithoutCase(line, "#SEPARATOR")) {
                record.kind = HotlistRecord::Separator;
            } else {
                skipFields();
                continue;
            }
            readFields(record);
            return true;
        }
        return false;
    }

private:
    bool atEnd() const { return m_position >= m_text.size(); }

    QByteArrayView nextLine()
    {
        const char* start = m_text.data() + m_position;
        const qsizetype rest = m_text.size() - m_position;
        const void* newline = std::memchr(start, '\n', static_cast<size_t>(rest));
        const qsizetype length = newline ? static_cast<const char*>(newline) - start : rest;
        m_position += length + 1;
        return QByteArrayView(start, length);
    }

    // The next line belongs to the current record: it is neither blank nor a record or folder
    // end of its own. Leaves the position unchanged.
    bool fieldLineFollows() const
    {
        qsizetype position = m_position;
        while (position < m_text.size() && isBlank(m_text[position]))
            ++position;
        if (position >= m_text.size())
            return false;
        const char first = m_text[position];
        if (first == '\n' || first == '#')
            return false;
        if (first == '-') {
            const qsizetype next = position + 1;
            return next < m_text.size() && !isBlank(m_text[next]) && m_text[next] != '\n';
        }
        return true;
    }

    void skipFields()
    {
        while (fieldLineFollows())
            nextLine();
    }

    // The first value of each field kept; the others are skipped.
    void readFields(HotlistRecord& record)
    {
        bool hasName = false;
        while (fieldLineFollows()) {
            QByteArrayView line = nextLine();
            if (!line.isEmpty() && line.back() == '\r')
                line.chop(1);
            const qsizetype equals = line.indexOf('=');
            if (equals < 0)
                continue;
            const QByteArrayView key = trimmed(line.first(equals));
            const QByteArrayView value = line.sliced(equals + 1);
            if (!hasName && equalsWithoutCase(key, "NAME")) {
                record.name = value;
                hasName = true;
            } else if (!record.hasUrl && equalsWithoutCase(key, "URL")) {
                record.url = value;
                record.hasUrl = true;
            } else if (equalsWithoutCase(key, "CREATED")) {
                takeFirst(record.created, value);
            } else if (equalsWithoutCase(key, "VISITED")) {
                takeFirst(record.visited, value);
            } else if (equalsWithoutCase(key, "DESCRIPTION")) {
                takeFirst(record.description, value);
            } else if (equalsWithoutCase(key, "SHORT NAME")) {
                takeFirst(record.shortName, value);
            } else if (equalsWithoutCase(key, "ON PERSONALBAR")) {
                record.onPersonalBar = equalsWithoutCase(trimmed(value), "YES");
            }
        }
    }

    static void takeFirst(QByteArrayView& field, QByteArrayView value)
    {
        if (field.isNull())
            field = value.isNull() ? QByteArrayView("") : value;
    }

    QByteArrayView m_text;
    qsizetype m_position = 0;
};

// A link whose "URL=" is there but empty has nothing to open: it is left out, as a bookmark file's
// link with an empty HREF is (and never taken for an empty folder). So is one whose address holds
// nothing but what browsers drop from an address, which the writer leaves out too. One without
// "URL=" at all reads as "Undefined".
bool hasEmptyUrl(const HotlistRecord& record)
{
    if (!record.hasUrl)
        return false;
    for (const char c : record.url) {
        if (!isDroppedFromAddress(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

} // namespace

bool isHotlistContent(QByteArrayView bytes)
{
    QByteArray converted;
    const QByteArrayView text = textBytes(bytes, converted);
    if (text.contains('\0'))
        return false;
    const QByteArrayView first = text.trimmed();
    if (first.isEmpty())
        return true;
    const qsizetype end = first.indexOf('\n');
    const QByteArrayView line = (end < 0 ? first : first.first(end)).trimmed();
    return line.startsWith("#") || line == "-" ||
           QByteArrayView(line.first(std::min<qsizetype>(line.size(), 13)))
                   .compare("Opera Hotlist", Qt::CaseInsensitive) == 0;
}

UserMessage notAHotlist(const QString& filePath)
{
    return UserMessage{
        QCoreApplication::translate("orvalink::HotlistReader", "Not an Opera Hotlist"),
        {QDir::toNativeSeparators(filePath),
         QCoreApplication::translate("orvalink::HotlistReader",
                                     "The Selected File Is Not an Opera Hotlist."),
         QCoreApplication::translate("orvalink::HotlistReader",
                                     "Please, Select Another Opera Hotlist File.")},
        MessageIcon::Exclamation};
}

void cOperaFastScanning::Scan(const QString& path)
{
    FileContents file;
    const Result<void> opened = file.open(path);
    scanText(opened.ok() ? file.bytes() : QByteArrayView());
}

void cOperaFastScanning::scanText(QByteArrayView text)
{
    int folders = 0;
    int links = 0;
    QByteArray converted;
    HotlistLexer lexer(textBytes(text, converted));
    HotlistRecord record;
    while (lexer.next(record)) {
        if (record.kind == HotlistRecord::Folder) {
            ++folders;
            if (m_folderScan)
                m_folderScan(decodeText(record.name));
        } else if (record.kind == HotlistRecord::Link && !hasEmptyUrl(record)) {
            ++links;
        }
    }
    m_folders = folders;
    m_links = links;
}

Result<std::unique_ptr<BookmarkModel>> OperaCreateTree(const QString& path)
{
    FileContents file;
    if (Result<void> opened = file.open(path); !opened)
        return Failure{opened.error()};
    return parseHotlistText(file.bytes(), path);
}

namespace {

// Decoded text the model keeps, decoded straight into the builder's shared blocks.
QString keptText(ModelBuilder& builder, QByteArrayView bytes)
{
    return builder.keptText(decodedTextCapacity(bytes.size()),
                            [&](QChar* to) { return decodeTextTo(bytes, to); });
}

// A description as the model keeps it: each pair of 0x02 characters, Opera's line break, a line
// feed. Replaced in place, as the writing never overtakes the reading.
QString keptDescription(ModelBuilder& builder, QByteArrayView bytes)
{
    return builder.keptText(decodedTextCapacity(bytes.size()), [&](QChar* to) {
        const qsizetype size = decodeTextTo(bytes, to);
        qsizetype kept = 0;
        for (qsizetype i = 0; i < size; ++i) {
            const bool lineBreak = to[i] == u'\x02' && i + 1 < size && to[i + 1] == u'\x02';
            to[kept++] = lineBreak ? QChar(u'\n') : to[i];
            i += lineBreak ? 1 : 0;
        }
        return kept;
    });
}

// What a folder or link record keeps besides its name and address.
void keepFields(ModelBuilder& builder, EntryDates& dates, int& details, const HotlistRecord& record)
{
    dates.added = BookmarkTime::fromText(record.created);
    dates.visited = BookmarkTime::fromText(record.visited);
    if (!record.description.isEmpty())
        builder.editDetails(details).description = keptDescription(builder, record.description);
    if (!record.shortName.isEmpty())
        builder.editDetails(details).keyword = keptText(builder, record.shortName);
}

} // namespace

std::unique_ptr<BookmarkModel> parseHotlistText(QByteArrayView text, const QString& location)
{
    ModelBuilder builder(FormId::Hotlist, location, QStringLiteral("Opera Hotlist"));
    QByteArray converted;
    text = textBytes(text, converted);
    // Every record starts with "#".
    builder.reserve(0, countByte(text, '#'));
    HotlistLexer lexer(text);
    HotlistRecord record;
    while (lexer.next(record)) {
        switch (record.kind) {
        case HotlistRecord::Folder: {
            FolderRecord& folder =
                builder.folder(builder.openFolder(keptText(builder, record.name)));
            folder.Role = record.onPersonalBar ? FolderRole::Toolbar : FolderRole::Ordinary;
            keepFields(builder, folder.Dates, folder.Details, record);
            break;
        }
        case HotlistRecord::Link:
            if (!hasEmptyUrl(record)) {
                LinkRecord& link = builder.addLink(keptText(builder, record.name),
                                                   record.hasUrl ? keptText(builder, record.url)
                                                                 : QStringLiteral("Undefined"));
                link.OnToolbar = record.onPersonalBar;
                keepFields(builder, link.Dates, link.Details, record);
            }
            break;
        case HotlistRecord::Separator:
            builder.addSeparator();
            break;
        case HotlistRecord::FolderEnd:
            // A folder end at the top level has nothing to close.
            builder.closeFolder();
            break;
        }
    }
    return builder.finish();
}

} // namespace orvalink
