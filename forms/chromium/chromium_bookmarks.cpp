// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/chromium/chromium_bookmarks.h"

#include "forms/chromium/json_cursor.h"
#include "model/huge_pages.h"

#include <QtEndian>
#include <charconv>

namespace orvalink {

namespace {

// A decimal string of the file (an id or a time); nullopt for anything else.
std::optional<qint64> decimal(QByteArrayView text)
{
    qint64 value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || text.isEmpty())
        return std::nullopt;
    return value;
}

int rootOfKey(QByteArrayView key)
{
    for (int root = 0; root < kChromiumRootCount; ++root) {
        if (kChromiumRoots[size_t(root)].key == key)
            return root;
    }
    return -1;
}

class BookmarksReader
{
public:
    explicit BookmarksReader(QByteArrayView text)
        : m_cursor(text)
    {
        // A node as the browser writes it, pretty-printed with its dates, guid, id, name and
        // type, takes some 200 bytes or more: room for as many nodes as that allows costs address
        // space only, and spares copying the list each time it grows. A denser file's list grows.
        reserveInHugePages(m_file.nodes, static_cast<size_t>(text.size() / 200));
    }

    std::optional<ChromiumBookmarks> read();

private:
    // What a node's "type" says.
    enum class Type { Absent, Folder, Url, Other };

    bool readRoots();
    bool readNodeTree(ChromiumRoot root);
    // A string value read last, kept as long as the nodes are.
    QByteArrayView kept(QByteArrayView value);
    static void finishNode(ChromiumFileNode& node, Type type);

    JsonCursor m_cursor;
    ChromiumBookmarks m_file;
    QByteArray m_scratch;
    QByteArray m_valueScratch;
};

std::optional<ChromiumBookmarks> BookmarksReader::read()
{
    if (!m_cursor.enterObject())
        return std::nullopt;
    ChromiumMergePoints& points = m_file.mergePoints;
    points.topLevelBodyBegin = m_cursor.position();
    bool hasVersion = false;
    bool hasRoots = false;
    bool first = true;
    QByteArrayView key;
    for (;; first = false) {
        const qsizetype memberBegin = m_cursor.nextTokenPosition();
        if (!m_cursor.nextMember(key, m_scratch))
            break;
        if (key == "roots" && !hasRoots) {
            hasRoots = true;
            if (!readRoots())
                return std::nullopt;
        } else if (key == "checksum" && m_cursor.peek() == JsonCursor::Kind::String) {
            points.checksumBegin = m_cursor.nextTokenPosition();
            m_cursor.skipValue();
            points.checksumEnd = m_cursor.position();
        } else if (key == "checksum_sha256") {
            m_cursor.skipValue();
            points.sha256Begin = memberBegin;
            points.sha256End = m_cursor.position();
            // The first member has no "," before it: the one after it goes with it instead.
            if (first && m_cursor.nextIs(','))
                points.sha256End = m_cursor.nextTokenPosition() + 1;
        } else {
            hasVersion = hasVersion || key == "version";
            m_cursor.skipValue();
        }
    }
    if (m_cursor.failed() || !m_cursor.atEnd() || !hasVersion || !hasRoots)
        return std::nullopt;
    for (const int root : m_file.roots) {
        if (root < 0)
            return std::nullopt;
    }
    // What lies below a link or an unusable node is unusable too; parents come first.
    for (ChromiumFileNode& node : m_file.nodes) {
        if (node.parent >= 0 &&
            m_file.nodes[size_t(node.parent)].kind != ChromiumNode::Kind::Folder)
            node.kind = ChromiumNode::Kind::Unusable;
        m_file.folders += node.kind == ChromiumNode::Kind::Folder;
        m_file.links += node.kind == ChromiumNode::Kind::Link;
    }
    return std::move(m_file);
}

bool BookmarksReader::readRoots()
{
    if (!m_cursor.enterObject())
        return false;
    QByteArrayView key;
    while (m_cursor.nextMember(key, m_scratch)) {
        const int root = rootOfKey(key);
        // A permanent folder given twice keeps its first tree, as a JSON reader keeps one value.
        if (root < 0 || m_file.roots[size_t(root)] >= 0) {
            if (!m_cursor.skipValue())
                return false;
        } else if (!readNodeTree(ChromiumRoot(root))) {
            return false;
        }
    }
    return !m_cursor.failed();
}

// Reads a permanent folder's object and everything in it, without recursion: a stack holds the
// nodes whose objects are open.
bool BookmarksReader::readNodeTree(ChromiumRoot root)
{
    struct Open
    {
        int node;
        // The node's "children" list is being read.
        bool inChildren = false;
        bool hadChild = false;
        Type type = Type::Absent;
    };
    std::vector<Open> open;
    auto beginNode = [&](int parent) {
        if (!m_cursor.enterObject())
            return false;
        m_file.nodes.push_back(ChromiumFileNode{.parent = parent});
        open.push_back(Open{static_cast<int>(m_file.nodes.size()) - 1});
        return true;
    };
    m_file.roots[size_t(root)] = static_cast<int>(m_file.nodes.size());
    if (!beginNode(-1))
        return false;
    QByteArrayView key;
    QByteArrayView value;
    while (!open.empty()) {
        Open& top = open.back();
        if (top.inChildren) {
            const bool rootList = open.size() == 1;
            if (rootList && top.hadChild)
                m_file.mergePoints.insert[size_t(root)] = m_cursor.position();
            if (m_cursor.nextElement()) {
                top.hadChild = true;
                if (!beginNode(top.node))
                    return false;
                continue;
            }
            if (m_cursor.failed())
                return false;
            top.inChildren = false;
            if (rootList)
                m_file.mergePoints.empty[size_t(root)] = !top.hadChild;
        }
        if (!m_cursor.nextMember(key, m_scratch)) {
            if (m_cursor.failed())
                return false;
            finishNode(m_file.nodes[size_t(top.node)], top.type);
            open.pop_back();
            continue;
        }
        ChromiumFileNode& node = m_file.nodes[size_t(top.node)];
        if (key == "children" && m_cursor.peek() == JsonCursor::Kind::Array) {
            m_cursor.enterArray();
            top.inChildren = true;
            if (open.size() == 1)
                m_file.mergePoints.insert[size_t(root)] = m_cursor.position();
            continue;
        }
        if (m_cursor.peek() != JsonCursor::Kind::String) {
            if (!m_cursor.skipValue())
                return false;
            continue;
        }
        if (!m_cursor.readString(value, m_valueScratch))
            return false;
        if (key == "name") {
            node.name = kept(value);
        } else if (key == "url") {
            node.url = kept(value);
        } else if (key == "type") {
            top.type = value == "folder" ? Type::Folder : value == "url" ? Type::Url : Type::Other;
        } else if (key == "id") {
            node.id = kept(value);
            if (const std::optional<qint64> id = decimal(value); id && *id > m_file.highestId)
                m_file.highestId = *id;
        } else if (key == "date_added") {
            node.added = decimal(value).value_or(0);
        } else if (key == "date_modified") {
            node.modified = decimal(value).value_or(0);
        } else if (key == "date_last_used") {
            node.lastUsed = decimal(value).value_or(0);
        }
    }
    return true;
}

QByteArrayView BookmarksReader::kept(QByteArrayView value)
{
    // Only a string that held escapes is no view of the text: it is in the scratch copy, which
    // the next string overwrites.
    if (value.constData() != m_valueScratch.constData())
        return value;
    m_file.unescaped.push_back(value.toByteArray());
    return m_file.unescaped.back();
}

void BookmarksReader::finishNode(ChromiumFileNode& node, Type type)
{
    // A permanent folder is a folder whatever its type says.
    if (node.parent < 0 || type == Type::Folder)
        node.kind = ChromiumNode::Kind::Folder;
    else if (type == Type::Url && !node.url.isEmpty())
        node.kind = ChromiumNode::Kind::Link;
}

} // namespace

int ChromiumBookmarks::rootEnd(ChromiumRoot root) const
{
    const int first = roots[size_t(root)];
    int end = static_cast<int>(nodes.size());
    for (const int other : roots) {
        if (other > first && other < end)
            end = other;
    }
    return end;
}

bool isChromiumContent(QByteArrayView text)
{
    JsonCursor cursor(text);
    if (!cursor.enterObject())
        return false;
    bool hasVersion = false;
    int rootsFound = 0;
    QByteArray scratch;
    QByteArrayView key;
    while (cursor.nextMember(key, scratch)) {
        if (key == "version") {
            hasVersion = true;
        } else if (key == "roots" && cursor.peek() == JsonCursor::Kind::Object) {
            cursor.enterObject();
            while (cursor.nextMember(key, scratch)) {
                if (rootOfKey(key) >= 0)
                    rootsFound |= 1 << rootOfKey(key);
                cursor.skipValue();
            }
            continue;
        }
        cursor.skipValue();
    }
    return !cursor.failed() && cursor.atEnd() && hasVersion && rootsFound == 0b111;
}

std::optional<ChromiumBookmarks> readChromiumBookmarks(QByteArrayView text)
{
    return BookmarksReader(text).read();
}

void ChromiumChecksum::addIdAndName(QByteArrayView id, QStringView name)
{
    m_md5.addData(id);
    // The browser hashes the name's UTF-16 units as they lie in its memory: little-endian.
    if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        m_md5.addData(QByteArrayView(reinterpret_cast<const char*>(name.utf16()),
                                     name.size() * qsizetype(sizeof(char16_t))));
    } else {
        QByteArray units(name.size() * qsizetype(sizeof(char16_t)), Qt::Uninitialized);
        qToLittleEndian<char16_t>(name.utf16(), name.size(), units.data());
        m_md5.addData(units);
    }
}

void ChromiumChecksum::addFolder(QByteArrayView id, QStringView name)
{
    addIdAndName(id, name);
    m_md5.addData("folder");
}

void ChromiumChecksum::addLink(QByteArrayView id, QStringView name, QByteArrayView url)
{
    addIdAndName(id, name);
    m_md5.addData("url");
    m_md5.addData(url);
}

void ChromiumChecksum::addNodes(const std::vector<ChromiumFileNode>& nodes, int first, int end)
{
    for (int n = first; n < end; ++n) {
        const ChromiumFileNode& node = nodes[size_t(n)];
        if (node.kind == ChromiumNode::Kind::Folder)
            addFolder(node.id, QString::fromUtf8(node.name));
        else if (node.kind == ChromiumNode::Kind::Link)
            addLink(node.id, QString::fromUtf8(node.name), node.url);
    }
}

void ChromiumChecksum::addNodes(const std::vector<ChromiumNode>& nodes, int first, int end)
{
    for (int n = first; n < end; ++n) {
        const ChromiumNode& node = nodes[size_t(n)];
        if (node.kind == ChromiumNode::Kind::Folder)
            addFolder(node.id, node.name);
        else if (node.kind == ChromiumNode::Kind::Link)
            addLink(node.id, node.name, node.url);
    }
}

std::optional<qint64> chromiumTimeToUnixSeconds(qint64 microseconds)
{
    if (microseconds == 0)
        return std::nullopt;
    return microseconds / 1000000 - kChromiumEpochOffsetSeconds;
}

qint64 unixSecondsToChromiumTime(qint64 seconds)
{
    return (seconds + kChromiumEpochOffsetSeconds) * 1000000;
}

} // namespace orvalink
