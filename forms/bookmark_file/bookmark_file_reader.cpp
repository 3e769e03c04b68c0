#include "forms/bookmark_file/bookmark_file_reader.h"

#include "forms/bookmark_file/html_entities.h"
#include "platform/file_contents.h"
#include "platform/text_decoding.h"

#include <QDir>
#include <algorithm>
#include <cstring>
#include <string_view>

namespace orvalink {

namespace {

// Everything here walks the file's bytes in place: a line is never copied or upper-cased, and
// only the names and URLs that are kept are decoded. Every search moves forward, so the time
// grows with the file's size whatever its content.

// White space before a line's entry and between attributes. A carriage return counts too, so
// CR LF files and stray carriage returns read like any other.
bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

char toUpperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - ('a' - 'A')) : c;
}

// Whether text[pos, end) starts with the upper-case ASCII word, in any case.
bool startsWithNoCase(QByteArrayView text, qsizetype pos, qsizetype end, std::string_view upper)
{
    if (end - pos < static_cast<qsizetype>(upper.size()))
        return false;
    for (size_t i = 0; i < upper.size(); ++i) {
        if (toUpperAscii(text[pos + static_cast<qsizetype>(i)]) != upper[i])
            return false;
    }
    return true;
}

qsizetype findByte(QByteArrayView text, qsizetype from, qsizetype end, char byte)
{
    if (from >= end)
        return -1;
    const void* found = std::memchr(text.data() + from, byte, static_cast<size_t>(end - from));
    return found ? static_cast<const char*>(found) - text.data() : -1;
}

// The first position in text[from, end) where the upper-case tag starts, in any case.
qsizetype findTagNoCase(QByteArrayView text, qsizetype from, qsizetype end, std::string_view tag)
{
    for (qsizetype pos = findByte(text, from, end, '<'); pos >= 0;
         pos = findByte(text, pos + 1, end, '<')) {
        if (startsWithNoCase(text, pos, end, tag))
            return pos;
    }
    return -1;
}

// The bytes of one line: [begin, end) without the line feed and a carriage return before it;
// next is where the following line starts.
struct Line
{
    qsizetype begin;
    qsizetype end;
    qsizetype next;
};

Line lineAt(QByteArrayView text, qsizetype pos)
{
    const qsizetype feed = findByte(text, pos, text.size(), '\n');
    const qsizetype stop = feed < 0 ? text.size() : feed;
    const qsizetype end = stop > pos && text[stop - 1] == '\r' ? stop - 1 : stop;
    return Line{pos, end, feed < 0 ? text.size() : feed + 1};
}

enum class LineKind {
    Other,
    // A line that belongs to the list structure without being a folder or link: "<DT>",
    // "<DD>", "<DL>", "<HR>". A name never continues onto such a line.
    Structure,
    Folder,
    Link,
    FolderEnd,
};

struct LineStart
{
    LineKind kind;
    // Folder and link lines: where "<H3" or "<A" stands.
    qsizetype tag;
};

// The one rule of what a line is, shared by the counting and the tree: both must agree.
LineStart classifyLine(QByteArrayView text, const Line& line)
{
    qsizetype pos = line.begin;
    bool structure = false;
    // Firefox writes a separator without a line feed, so "<HR>    <DT><A ..." is one line.
    for (;;) {
        while (pos < line.end && isSpace(text[pos]))
            ++pos;
        if (startsWithNoCase(text, pos, line.end, "<HR") &&
            (pos + 3 == line.end || text[pos + 3] == '>' || text[pos + 3] == '/' ||
             isSpace(text[pos + 3]))) {
            structure = true;
            const qsizetype close = findByte(text, pos + 3, line.end, '>');
            if (close < 0)
                return {LineKind::Structure, -1};
            pos = close + 1;
        } else if (startsWithNoCase(text, pos, line.end, "<DT>")) {
            structure = true;
            pos += 4;
        } else {
            break;
        }
    }
    const auto endsName = [&](qsizetype at) {
        return at == line.end || text[at] == '>' || isSpace(text[at]);
    };
    if (startsWithNoCase(text, pos, line.end, "<H3"))
        return {LineKind::Folder, pos};
    if (startsWithNoCase(text, pos, line.end, "<A") && endsName(pos + 2))
        return {LineKind::Link, pos};
    if (startsWithNoCase(text, pos, line.end, "</DL") && endsName(pos + 4))
        return {LineKind::FolderEnd, pos};
    if (structure || startsWithNoCase(text, pos, line.end, "<DT") ||
        startsWithNoCase(text, pos, line.end, "<DD") ||
        startsWithNoCase(text, pos, line.end, "<DL"))
        return {LineKind::Structure, -1};
    return {LineKind::Other, -1};
}

// A start tag read up to its ">": where that ">" stands (-1 when the tag does not end on its
// line) and, for a link, its first HREF value.
struct StartTag
{
    qsizetype end = -1;
    bool hasHref = false;
    QByteArrayView href;
};

// Reads the attributes from pos (just after the tag's name) to the ">" that ends the tag. A
// ">" inside a quoted value does not end it. A quote left open runs to the end of the line.
StartTag readStartTag(QByteArrayView text, qsizetype pos, qsizetype end)
{
    StartTag tag;
    while (pos < end) {
        const char c = text[pos];
        if (c == '>') {
            tag.end = pos;
            return tag;
        }
        if (isSpace(c) || c == '/') {
            ++pos;
            continue;
        }
        const qsizetype nameBegin = pos;
        while (pos < end && !isSpace(text[pos]) && text[pos] != '=' && text[pos] != '>')
            ++pos;
        const qsizetype nameEnd = pos;
        while (pos < end && isSpace(text[pos]))
            ++pos;
        if (pos == end || text[pos] != '=')
            continue;
        ++pos;
        while (pos < end && isSpace(text[pos]))
            ++pos;
        qsizetype valueBegin = pos;
        qsizetype valueEnd = pos;
        if (pos < end && (text[pos] == '"' || text[pos] == '\'')) {
            valueBegin = pos + 1;
            const qsizetype quote = findByte(text, valueBegin, end, text[pos]);
            valueEnd = quote < 0 ? end : quote;
            pos = quote < 0 ? end : quote + 1;
        } else {
            while (pos < end && !isSpace(text[pos]) && text[pos] != '>')
                ++pos;
            valueEnd = pos;
        }
        if (!tag.hasHref && nameEnd - nameBegin == 4 &&
            startsWithNoCase(text, nameBegin, nameEnd, "HREF")) {
            tag.hasHref = true;
            tag.href = text.sliced(valueBegin, valueEnd - valueBegin);
        }
    }
    return tag;
}

bool isBlank(QByteArrayView bytes)
{
    for (char c : bytes) {
        if (!isSpace(c))
            return false;
    }
    return true;
}

// Text that spans lines reads as one line: each line break, with the indentation after it,
// becomes one space.
QByteArray joinLines(QByteArrayView bytes)
{
    QByteArray joined;
    joined.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\n') {
            joined += bytes[i];
            continue;
        }
        if (joined.endsWith('\r'))
            joined.chop(1);
        joined += ' ';
        while (i + 1 < bytes.size() && (bytes[i + 1] == ' ' || bytes[i + 1] == '\t'))
            ++i;
    }
    return joined;
}

QString decodeHtml(QByteArrayView bytes)
{
    return decodeCharacterReferences(decodeText(bytes));
}

enum class EntryKind {
    Folder,
    Link,
    FolderEnd,
};

// One folder, link or folder end as the lexer found it, still in the file's bytes.
struct Entry
{
    EntryKind kind = EntryKind::FolderEnd;
    // The name is text[nameBegin, nameEnd); when it spans lines, its line breaks still need
    // joining. A link with nothing after its start tag is named by its URL.
    qsizetype nameBegin = 0;
    qsizetype nameEnd = 0;
    bool nameSpansLines = false;
    bool nameIsUrl = false;
    QByteArrayView url;
};

// Which names the lexer cuts. A name's continuation lines are never entries, so leaving a name
// uncut changes nothing else: the counting cuts only what it reports.
enum class Names {
    All,
    FoldersOnly,
    None,
};

// Walks a bookmark file's text and yields its folders, links and folder ends in file order.
class BookmarkLexer
{
public:
    explicit BookmarkLexer(QByteArrayView text, Names names = Names::All)
        : m_text(text)
        , m_names(names)
    {}

    // The next entry; false at the end of the text.
    bool next(Entry& entry)
    {
        while (m_pos < m_text.size()) {
            const Line line = lineAt(m_text, m_pos);
            m_pos = line.next;
            const LineStart start = classifyLine(m_text, line);
            switch (start.kind) {
            case LineKind::FolderEnd:
                entry = Entry{};
                return true;
            case LineKind::Folder:
                entry = Entry{};
                entry.kind = EntryKind::Folder;
                if (m_names != Names::None)
                    cutFolderName(line, start.tag, entry);
                return true;
            case LineKind::Link:
                if (cutLink(line, start.tag, entry))
                    return true;
                break;
            case LineKind::Other:
            case LineKind::Structure:
                break;
            }
        }
        return false;
    }

    QString name(const Entry& entry) const
    {
        if (entry.nameIsUrl)
            return decodeHtml(entry.url);
        const QByteArrayView raw = m_text.sliced(entry.nameBegin, entry.nameEnd - entry.nameBegin);
        return entry.nameSpansLines ? decodeHtml(joinLines(raw)) : decodeHtml(raw);
    }

private:
    void cutFolderName(const Line& line, qsizetype tagPos, Entry& entry)
    {
        const StartTag tag = readStartTag(m_text, tagPos + 3, line.end);
        if (tag.end < 0) {
            // The start tag runs past its line: no name can be cut.
            entry.nameBegin = entry.nameEnd = line.end;
            return;
        }
        if (!cutName(line, tag.end + 1, "</H3>", entry))
            blankToEmpty(entry);
    }

    bool cutLink(const Line& line, qsizetype tagPos, Entry& entry)
    {
        const StartTag tag = readStartTag(m_text, tagPos + 2, line.end);
        // Firefox drops such links too: there is nothing to open.
        if (!tag.hasHref || tag.href.isEmpty())
            return false;
        entry = Entry{};
        entry.kind = EntryKind::Link;
        entry.url = tag.href;
        if (m_names != Names::All)
            return true;
        if (tag.end < 0) {
            entry.nameIsUrl = true;
            return true;
        }
        if (!cutName(line, tag.end + 1, "</A>", entry)) {
            blankToEmpty(entry);
            entry.nameIsUrl = entry.nameBegin == entry.nameEnd;
        }
        return true;
    }

    // The name from `from` up to the closing tag, looked for on this line and then on the
    // lines that follow until one starts a new entry or list: a broken file must not make
    // every entry search to its end. Without a closing tag the name is the rest of the line;
    // returns whether the tag was found.
    bool cutName(const Line& line, qsizetype from, std::string_view closing, Entry& entry)
    {
        entry.nameBegin = from;
        qsizetype close = findTagNoCase(m_text, from, line.end, closing);
        if (close >= 0) {
            entry.nameEnd = close;
            return true;
        }
        for (qsizetype pos = line.next; pos < m_text.size();) {
            const Line following = lineAt(m_text, pos);
            if (classifyLine(m_text, following).kind != LineKind::Other)
                break;
            close = findTagNoCase(m_text, following.begin, following.end, closing);
            if (close >= 0) {
                entry.nameEnd = close;
                entry.nameSpansLines = true;
                m_pos = following.next;
                return true;
            }
            pos = following.next;
        }
        entry.nameEnd = line.end;
        return false;
    }

    // A rest of the line that is only white space is no name at all.
    void blankToEmpty(Entry& entry) const
    {
        if (isBlank(m_text.sliced(entry.nameBegin, entry.nameEnd - entry.nameBegin)))
            entry.nameEnd = entry.nameBegin;
    }

    QByteArrayView m_text;
    Names m_names;
    qsizetype m_pos = 0;
};

// Where the element's start tag ("<DL>", "<dl compact>") first stands from `from` on; -1 when
// nowhere. upperName is the element's name with "<" before it, in upper case.
qsizetype findStartTag(QByteArrayView text, qsizetype from, std::string_view upperName)
{
    const qsizetype size = text.size();
    for (qsizetype pos = findTagNoCase(text, from, size, upperName); pos >= 0;
         pos = findTagNoCase(text, pos + 1, size, upperName)) {
        const qsizetype after = pos + static_cast<qsizetype>(upperName.size());
        if (after == size || text[after] == '>' || text[after] == '/' || text[after] == '\n' ||
            isSpace(text[after]))
            return pos;
    }
    return -1;
}

QByteArrayView firstLine(QByteArrayView text)
{
    const qsizetype feed = text.indexOf('\n');
    return feed < 0 ? text : text.first(feed);
}

} // namespace

bool isBookmarkFileContent(QByteArrayView bytes)
{
    QByteArray converted;
    const QByteArrayView text = textBytes(bytes, converted);
    if (text.contains('\0'))
        return false;
    qsizetype start = 0;
    while (start < text.size() && (isSpace(text[start]) || text[start] == '\n'))
        ++start;
    if (startsWithNoCase(text, start, text.size(), "<!DOCTYPE NETSCAPE-BOOKMARK-FILE-1>"))
        return true;
    const qsizetype title = findStartTag(text, 0, "<TITLE");
    const qsizetype header = findStartTag(text, 0, "<H1");
    if (title < 0 && header < 0)
        return false;
    const qsizetype heading = title < 0 ? header : header < 0 ? title : std::min(title, header);
    const qsizetype list = findStartTag(text, heading, "<DL");
    return list >= 0 && findStartTag(text, list, "<DT") >= 0;
}

UserMessage notABookmarkFile(const QString& filePath)
{
    return UserMessage{QStringLiteral("Not a Bookmark File"),
                       {QDir::toNativeSeparators(filePath),
                        QStringLiteral("The Selected File Is Not a Bookmark File."),
                        QStringLiteral("Please, Select Another Bookmark File.")},
                       MessageIcon::Exclamation};
}

void cNNFastScanning::Scan(const QString& path)
{
    FileContents contents;
    const Result<void> opened = contents.open(path);
    scanText(opened.ok() ? contents.bytes() : QByteArrayView());
}

void cNNFastScanning::scanText(QByteArrayView text)
{
    int folders = 0;
    int links = 0;
    QByteArray converted;
    BookmarkLexer lexer(textBytes(text, converted),
                        m_folderScan ? Names::FoldersOnly : Names::None);
    Entry entry;
    while (lexer.next(entry)) {
        if (entry.kind == EntryKind::Folder) {
            ++folders;
            if (m_folderScan)
                m_folderScan(lexer.name(entry));
        } else if (entry.kind == EntryKind::Link) {
            ++links;
        }
    }
    m_folders = folders;
    m_links = links;
}

Result<ParsedTree> NNCreateTree(const QString& path)
{
    FileContents contents;
    if (Result<void> opened = contents.open(path); !opened)
        return opened.failure();
    return parseBookmarkText(contents.bytes());
}

ParsedTree parseBookmarkText(QByteArrayView text)
{
    QByteArray converted;
    text = textBytes(text, converted);
    ParsedTree tree(NNGetHeader(text));
    int current = ParsedTree::root();
    BookmarkLexer lexer(text);
    Entry entry;
    while (lexer.next(entry)) {
        switch (entry.kind) {
        case EntryKind::Folder:
            current = tree.addChild(current, lexer.name(entry));
            break;
        case EntryKind::Link:
            // A URL is never empty here, so the link never passes for an empty folder.
            tree.addChild(current, lexer.name(entry), decodeHtml(entry.url));
            break;
        case EntryKind::FolderEnd:
            // Surplus list ends at the root are ignored.
            if (current != ParsedTree::root()) {
                tree.closeFolder(current);
                current = tree.node(current).parent;
            }
            break;
        }
    }
    return tree;
}

QString NNGetFolderName(QByteArrayView line)
{
    BookmarkLexer lexer(firstLine(line));
    Entry entry;
    if (lexer.next(entry) && entry.kind == EntryKind::Folder)
        return lexer.name(entry);
    return QString();
}

std::optional<NameUrlPair> NNGetLink(QByteArrayView line)
{
    BookmarkLexer lexer(firstLine(line));
    Entry entry;
    if (lexer.next(entry) && entry.kind == EntryKind::Link)
        return NameUrlPair{lexer.name(entry), decodeHtml(entry.url)};
    return std::nullopt;
}

QString NNGetHeader(QByteArrayView text)
{
    const qsizetype size = text.size();
    const qsizetype title = findTagNoCase(text, 0, size, "<TITLE>");
    if (title < 0)
        return QString();
    const qsizetype titleEnd = findTagNoCase(text, title + 7, size, "</TITLE>");
    if (titleEnd < 0)
        return QString();
    const qsizetype header = findTagNoCase(text, titleEnd, size, "<H1");
    if (header < 0)
        return QString();
    const qsizetype startEnd = findByte(text, header, size, '>');
    if (startEnd < 0)
        return QString();
    const qsizetype headerEnd = findTagNoCase(text, startEnd + 1, size, "</H1>");
    if (headerEnd < 0)
        return QString();
    return decodeHtml(joinLines(text.sliced(startEnd + 1, headerEnd - startEnd - 1)));
}

} // namespace orvalink
