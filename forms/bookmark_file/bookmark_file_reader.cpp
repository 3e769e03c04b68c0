// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/bookmark_file/bookmark_file_reader.h"

#include "forms/bookmark_file/html_entities.h"
#include "forms/source_file.h"
#include "model/model_builder.h"
#include "platform/file_contents.h"
#include "platform/text_decoding.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <array>
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
    // A line that belongs to the list structure without being an entry or description: "<DT>",
    // "<DL>", "<HR>". A name never continues onto such a line.
    Structure,
    Folder,
    Link,
    FolderEnd,
    // "<DD>": the description of the entry before it.
    Description,
};

struct LineStart
{
    LineKind kind;
    // Folder and link lines: where "<H3" or "<A" stands; a description: where its text starts.
    qsizetype tag;
    // The "<HR>" separators in front of what the line holds.
    int separators = 0;
};

// The one rule of what a line is, shared by the counting and the tree: both must agree.
LineStart classifyLine(QByteArrayView text, const Line& line)
{
    qsizetype pos = line.begin;
    bool structure = false;
    int separators = 0;
    // Firefox writes a separator without a line feed, so "<HR>    <DT><A ..." is one line.
    for (;;) {
        while (pos < line.end && isSpace(text[pos]))
            ++pos;
        if (startsWithNoCase(text, pos, line.end, "<HR") &&
            (pos + 3 == line.end || text[pos + 3] == '>' || text[pos + 3] == '/' ||
             isSpace(text[pos + 3]))) {
            structure = true;
            ++separators;
            const qsizetype close = findByte(text, pos + 3, line.end, '>');
            if (close < 0)
                return {LineKind::Structure, -1, separators};
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
        return {LineKind::Folder, pos, separators};
    if (startsWithNoCase(text, pos, line.end, "<A") && endsName(pos + 2))
        return {LineKind::Link, pos, separators};
    if (startsWithNoCase(text, pos, line.end, "</DL") && endsName(pos + 4))
        return {LineKind::FolderEnd, pos, separators};
    if (startsWithNoCase(text, pos, line.end, "<DD>"))
        return {LineKind::Description, pos + 4, separators};
    if (structure || startsWithNoCase(text, pos, line.end, "<DT") ||
        startsWithNoCase(text, pos, line.end, "<DD") ||
        startsWithNoCase(text, pos, line.end, "<DL"))
        return {LineKind::Structure, -1, separators};
    return {LineKind::Other, -1, separators};
}

// The attributes of folder and link tags this reader keeps, in the order of kAttributeNames.
enum Attribute : int {
    Href,
    AddDate,
    LastModified,
    LastVisit,
    Icon,
    IconUri,
    ShortcutUrl,
    PostData,
    LastCharset,
    Tags,
    PersonalToolbarFolder,
    UnfiledBookmarksFolder,
    AttributeCount
};

constexpr std::array<std::string_view, AttributeCount> kAttributeNames = {
    "HREF",
    "ADD_DATE",
    "LAST_MODIFIED",
    "LAST_VISIT",
    "ICON",
    "ICON_URI",
    "SHORTCUTURL",
    "POST_DATA",
    "LAST_CHARSET",
    "TAGS",
    "PERSONAL_TOOLBAR_FOLDER",
    "UNFILED_BOOKMARKS_FOLDER"};

int attributeNamed(QByteArrayView text, qsizetype begin, qsizetype end)
{
    for (int a = 0; a < AttributeCount; ++a) {
        if (static_cast<qsizetype>(kAttributeNames[a].size()) == end - begin &&
            startsWithNoCase(text, begin, end, kAttributeNames[a]))
            return a;
    }
    return -1;
}

// A start tag's attributes, still in the file's bytes: the first value of each.
struct TagAttributes
{
    std::array<QByteArrayView, AttributeCount> values{};
    unsigned present = 0;

    bool has(Attribute a) const { return (present & (1u << a)) != 0; }
    QByteArrayView value(Attribute a) const { return values[static_cast<size_t>(a)]; }
};

// A start tag read up to its ">": where that ">" stands (-1 when the tag does not end on its
// line) and its attributes: all that are kept, or only HREF.
struct StartTag
{
    qsizetype end = -1;
    TagAttributes attributes;
};

enum class Attributes { HrefOnly, All };

// Reads the attributes from pos (just after the tag's name) to the ">" that ends the tag. A
// ">" inside a quoted value does not end it. A quote left open runs to the end of the line.
StartTag readStartTag(QByteArrayView text, qsizetype pos, qsizetype end, Attributes wanted)
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
        const int attribute =
            wanted == Attributes::All
                ? attributeNamed(text, nameBegin, nameEnd)
                : (nameEnd - nameBegin == 4 && startsWithNoCase(text, nameBegin, nameEnd, "HREF")
                       ? Href
                       : -1);
        if (attribute >= 0 && !tag.attributes.has(Attribute(attribute))) {
            tag.attributes.present |= 1u << attribute;
            tag.attributes.values[static_cast<size_t>(attribute)] =
                text.sliced(valueBegin, valueEnd - valueBegin);
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

enum class TokenKind {
    Folder,
    Link,
    FolderEnd,
    Separator,
    Description,
};

// One folder, link, folder end, separator or description as the lexer found it, still in the
// file's bytes.
struct Token
{
    TokenKind kind = TokenKind::FolderEnd;
    // The name (a description's text) is text[nameBegin, nameEnd); when it spans lines, its line
    // breaks still need joining. A link with nothing after its start tag is named by its URL.
    qsizetype nameBegin = 0;
    qsizetype nameEnd = 0;
    bool nameSpansLines = false;
    bool nameIsUrl = false;
    QByteArrayView url;
    // A folder's or link's, when the lexer cuts names.
    TagAttributes attributes;
};

// Which names the lexer cuts. A name's continuation lines are never entries, so leaving a name
// uncut changes nothing else: the counting cuts only what it reports, and reads no attribute
// beyond HREF.
enum class Names {
    All,
    FoldersOnly,
    None,
};

// Walks a bookmark file's text and yields its folders, links, separators, descriptions and
// folder ends in file order.
class BookmarkLexer
{
public:
    explicit BookmarkLexer(QByteArrayView text, Names names = Names::All)
        : m_text(text)
        , m_names(names)
    {}

    // The next token; false at the end of the text.
    bool next(Token& token)
    {
        for (;;) {
            if (m_separatorsDue > 0) {
                --m_separatorsDue;
                token = Token{};
                token.kind = TokenKind::Separator;
                return true;
            }
            if (m_lineDue) {
                m_lineDue = false;
                if (take(m_dueLine, m_dueStart, token))
                    return true;
            }
            if (m_pos >= m_text.size())
                return false;
            m_dueLine = lineAt(m_text, m_pos);
            m_pos = m_dueLine.next;
            m_dueStart = classifyLine(m_text, m_dueLine);
            // The separators in front of the line's entry come first.
            m_separatorsDue = m_names == Names::All ? m_dueStart.separators : 0;
            m_lineDue = true;
        }
    }

    QString name(const Token& token) const
    {
        QByteArray joined;
        return decodeHtml(nameBytes(token, joined));
    }

    // The name's bytes still to be decoded; joined holds them when the name spans lines.
    QByteArrayView nameBytes(const Token& token, QByteArray& joined) const
    {
        if (token.nameIsUrl)
            return token.url;
        const QByteArrayView raw = m_text.sliced(token.nameBegin, token.nameEnd - token.nameBegin);
        if (!token.nameSpansLines)
            return raw;
        joined = joinLines(raw);
        return joined;
    }

    // A description's text: the rest of its line and the lines that carry it on, each line break
    // a line feed.
    QString description(const Token& token) const
    {
        const QByteArrayView raw = m_text.sliced(token.nameBegin, token.nameEnd - token.nameBegin);
        if (!token.nameSpansLines)
            return decodeHtml(raw);
        QByteArray lines = raw.toByteArray();
        lines.replace("\r\n", "\n");
        return decodeHtml(lines);
    }

private:
    bool take(const Line& line, const LineStart& start, Token& token)
    {
        switch (start.kind) {
        case LineKind::FolderEnd:
            token = Token{};
            return true;
        case LineKind::Folder:
            token = Token{};
            token.kind = TokenKind::Folder;
            if (m_names != Names::None)
                cutFolderName(line, start.tag, token);
            return true;
        case LineKind::Link:
            return cutLink(line, start.tag, token);
        case LineKind::Description:
            if (m_names != Names::All)
                return false;
            token = Token{};
            token.kind = TokenKind::Description;
            cutDescription(line, start.tag, token);
            return true;
        case LineKind::Other:
        case LineKind::Structure:
            break;
        }
        return false;
    }

    Attributes attributesWanted() const
    {
        return m_names == Names::All ? Attributes::All : Attributes::HrefOnly;
    }

    void cutFolderName(const Line& line, qsizetype tagPos, Token& token)
    {
        const StartTag tag = readStartTag(m_text, tagPos + 3, line.end, attributesWanted());
        token.attributes = tag.attributes;
        if (tag.end < 0) {
            // The start tag runs past its line: no name can be cut.
            token.nameBegin = token.nameEnd = line.end;
            return;
        }
        if (!cutName(line, tag.end + 1, "</H3>", token))
            blankToEmpty(token);
    }

    bool cutLink(const Line& line, qsizetype tagPos, Token& token)
    {
        const StartTag tag = readStartTag(m_text, tagPos + 2, line.end, attributesWanted());
        // Firefox drops such links too: there is nothing to open.
        if (!tag.attributes.has(Href) || tag.attributes.value(Href).isEmpty())
            return false;
        token = Token{};
        token.kind = TokenKind::Link;
        token.url = tag.attributes.value(Href);
        token.attributes = tag.attributes;
        if (m_names != Names::All)
            return true;
        if (tag.end < 0) {
            token.nameIsUrl = true;
            return true;
        }
        if (!cutName(line, tag.end + 1, "</A>", token)) {
            blankToEmpty(token);
            token.nameIsUrl = token.nameBegin == token.nameEnd;
        }
        return true;
    }

    // The rest of the line, and the lines that follow up to the next entry, list line or blank
    // line, as Netscape wrote long descriptions.
    void cutDescription(const Line& line, qsizetype from, Token& token)
    {
        token.nameBegin = from;
        token.nameEnd = line.end;
        for (qsizetype pos = line.next; pos < m_text.size();) {
            const Line following = lineAt(m_text, pos);
            if (classifyLine(m_text, following).kind != LineKind::Other ||
                isBlank(m_text.sliced(following.begin, following.end - following.begin)))
                break;
            token.nameEnd = following.end;
            token.nameSpansLines = true;
            m_pos = following.next;
            pos = following.next;
        }
    }

    // The name from `from` up to the closing tag, looked for on this line and then on the
    // lines that follow until one starts a new entry or list: a broken file must not make
    // every entry search to its end. Without a closing tag the name is the rest of the line;
    // returns whether the tag was found.
    bool cutName(const Line& line, qsizetype from, std::string_view closing, Token& token)
    {
        token.nameBegin = from;
        qsizetype close = findTagNoCase(m_text, from, line.end, closing);
        if (close >= 0) {
            token.nameEnd = close;
            return true;
        }
        for (qsizetype pos = line.next; pos < m_text.size();) {
            const Line following = lineAt(m_text, pos);
            if (classifyLine(m_text, following).kind != LineKind::Other)
                break;
            close = findTagNoCase(m_text, following.begin, following.end, closing);
            if (close >= 0) {
                token.nameEnd = close;
                token.nameSpansLines = true;
                m_pos = following.next;
                return true;
            }
            pos = following.next;
        }
        token.nameEnd = line.end;
        return false;
    }

    // A rest of the line that is only white space is no name at all.
    void blankToEmpty(Token& token) const
    {
        if (isBlank(m_text.sliced(token.nameBegin, token.nameEnd - token.nameBegin)))
            token.nameEnd = token.nameBegin;
    }

    QByteArrayView m_text;
    Names m_names;
    qsizetype m_pos = 0;
    // The line read last, whose entry is yet to be taken after the separators in front of it.
    Line m_dueLine{0, 0, 0};
    LineStart m_dueStart{LineKind::Other, -1, 0};
    bool m_lineDue = false;
    int m_separatorsDue = 0;
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
    return UserMessage{
        QCoreApplication::translate("orvalink::BookmarkFileReader", "Not a Bookmark File"),
        {QDir::toNativeSeparators(filePath),
         QCoreApplication::translate("orvalink::BookmarkFileReader",
                                     "The Selected File Is Not a Bookmark File."),
         QCoreApplication::translate("orvalink::BookmarkFileReader",
                                     "Please, Select Another Bookmark File.")},
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
    Token token;
    while (lexer.next(token)) {
        if (token.kind == TokenKind::Folder) {
            ++folders;
            if (m_folderScan)
                m_folderScan(lexer.name(token));
        } else if (token.kind == TokenKind::Link) {
            ++links;
        }
    }
    m_folders = folders;
    m_links = links;
}

Result<std::unique_ptr<BookmarkModel>> NNCreateTree(const QString& path)
{
    FileContents contents;
    if (Result<void> opened = contents.open(path); !opened)
        return opened.failure();
    return parseBookmarkFile(contents.bytes(), path);
}

namespace {

// Decoded text the model keeps, decoded straight into the builder's shared blocks.
QString keptHtml(ModelBuilder& builder, QByteArrayView bytes)
{
    return builder.keptText(decodedTextCapacity(bytes.size()), [&](QChar* to) {
        const qsizetype size = decodeTextTo(bytes, to);
        // Most texts hold no reference, which the bytes tell at less cost than the characters.
        return bytes.contains('&') ? decodeCharacterReferencesInPlace(to, size) : size;
    });
}

QString keptName(ModelBuilder& builder, const BookmarkLexer& lexer, const Token& token)
{
    QByteArray joined;
    return keptHtml(builder, lexer.nameBytes(token, joined));
}

// Sets a text of the entry's details from an attribute, when the tag has it with a value.
void keepAttribute(ModelBuilder& builder, int& details, const TagAttributes& attributes,
                   Attribute attribute, QString EntryDetails::*field)
{
    if (attributes.has(attribute) && !attributes.value(attribute).isEmpty())
        builder.editDetails(details).*field = keptHtml(builder, attributes.value(attribute));
}

// Keeps the icon's bytes as they are; only a value with character references is decoded.
void keepIcon(ModelBuilder& builder, int& details, const TagAttributes& attributes)
{
    if (!attributes.has(Icon))
        return;
    const QByteArrayView value = attributes.value(Icon);
    if (value.isEmpty())
        return;
    builder.editDetails(details).icon =
        value.contains('&') ? decodeHtml(value).toUtf8() : builder.keptBytes(value);
}

bool isTrue(const TagAttributes& attributes, Attribute attribute)
{
    return attributes.has(attribute) &&
           attributes.value(attribute).trimmed().compare("true", Qt::CaseInsensitive) == 0;
}

EntryDates datesOf(const TagAttributes& attributes)
{
    return EntryDates{BookmarkTime::fromText(attributes.value(AddDate)),
                      BookmarkTime::fromText(attributes.value(LastModified)),
                      BookmarkTime::fromText(attributes.value(LastVisit))};
}

// What a folder's tag keeps besides its name.
void keepFolderAttributes(FolderRecord& folder, const TagAttributes& attributes)
{
    folder.Dates = datesOf(attributes);
    if (isTrue(attributes, PersonalToolbarFolder))
        folder.Role = FolderRole::Toolbar;
    else if (isTrue(attributes, UnfiledBookmarksFolder))
        folder.Role = FolderRole::OtherBookmarks;
}

// What a link's tag keeps besides its name and address.
void keepLinkAttributes(ModelBuilder& builder, LinkRecord& link, const TagAttributes& attributes)
{
    link.Dates = datesOf(attributes);
    // Most links have no details: look no further then.
    constexpr unsigned kDetails = 1u << ShortcutUrl | 1u << PostData | 1u << Tags | 1u << Icon |
                                  1u << IconUri | 1u << LastCharset;
    if ((attributes.present & kDetails) == 0)
        return;
    keepAttribute(builder, link.Details, attributes, ShortcutUrl, &EntryDetails::keyword);
    keepAttribute(builder, link.Details, attributes, PostData, &EntryDetails::postData);
    keepAttribute(builder, link.Details, attributes, Tags, &EntryDetails::tags);
    keepIcon(builder, link.Details, attributes);
    keepAttribute(builder, link.Details, attributes, IconUri, &EntryDetails::iconUri);
    keepAttribute(builder, link.Details, attributes, LastCharset, &EntryDetails::charset);
}

} // namespace

std::unique_ptr<BookmarkModel> parseBookmarkText(QByteArrayView text, const QString& location)
{
    return parseBookmarkFile(QByteArray::fromRawData(text.data(), text.size()), location);
}

std::unique_ptr<BookmarkModel> parseBookmarkFile(const QByteArray& file, const QString& location)
{
    QByteArray converted;
    const QByteArrayView text = textBytes(file, converted);
    ModelBuilder builder(FormId::BookmarkFile, location, NNGetHeader(text));
    builder.shareSource(converted.isNull() ? file : converted);
    // An entry takes a line, but for the separators Firefox writes in front of one.
    builder.reserve(0, countByte(text, '\n') + 1);
    // The details index of the folder or link a description that follows belongs to; none after
    // a separator or a list end. It points into the builder's tables and holds only until the
    // next entry.
    int* described = nullptr;
    BookmarkLexer lexer(text);
    Token token;
    while (lexer.next(token)) {
        switch (token.kind) {
        case TokenKind::Folder: {
            FolderRecord& folder =
                builder.folder(builder.openFolder(keptName(builder, lexer, token)));
            keepFolderAttributes(folder, token.attributes);
            described = &folder.Details;
            break;
        }
        case TokenKind::Link: {
            LinkRecord& link =
                builder.addLink(keptName(builder, lexer, token), keptHtml(builder, token.url));
            keepLinkAttributes(builder, link, token.attributes);
            described = &link.Details;
            break;
        }
        case TokenKind::Separator:
            builder.addSeparator();
            described = nullptr;
            break;
        case TokenKind::Description:
            if (QString description = described ? lexer.description(token) : QString();
                !description.isEmpty())
                builder.editDetails(*described).description = std::move(description);
            described = nullptr;
            break;
        case TokenKind::FolderEnd:
            // Surplus list ends at the root are ignored.
            builder.closeFolder();
            described = nullptr;
            break;
        }
    }
    return builder.finish();
}

namespace {

// The first token of a line that is not one of the separators in front of its entry.
std::optional<Token> entryOfLine(BookmarkLexer& lexer)
{
    Token token;
    while (lexer.next(token)) {
        if (token.kind != TokenKind::Separator)
            return token;
    }
    return std::nullopt;
}

} // namespace

QString NNGetFolderName(QByteArrayView line)
{
    BookmarkLexer lexer(firstLine(line));
    const std::optional<Token> token = entryOfLine(lexer);
    return token && token->kind == TokenKind::Folder ? lexer.name(*token) : QString();
}

std::optional<NameUrlPair> NNGetLink(QByteArrayView line)
{
    BookmarkLexer lexer(firstLine(line));
    const std::optional<Token> token = entryOfLine(lexer);
    if (token && token->kind == TokenKind::Link)
        return NameUrlPair{lexer.name(*token), decodeHtml(token->url)};
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
