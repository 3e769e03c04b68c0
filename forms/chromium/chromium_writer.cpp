// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/chromium/chromium_writer.h"

#include "forms/chromium/chromium_bookmarks.h"
#include "forms/export_walk.h"
#include "platform/atomic_text_file.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QUuid>
#include <algorithm>
#include <array>
#include <optional>

namespace orvalink {

namespace {

void indent(QByteArray& out, int level)
{
    out.append(3 * level, ' ');
}

// JSON string content as the browser writes it: UTF-8, with "<" escaped so that no text can
// close a script element the file is pasted into.
bool escapeJson(char*& dst, char16_t c, char16_t)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    switch (c) {
    case '"':
        putAscii(dst, "\\\"");
        return true;
    case '\\':
        putAscii(dst, "\\\\");
        return true;
    case '\n':
        putAscii(dst, "\\n");
        return true;
    case '\r':
        putAscii(dst, "\\r");
        return true;
    case '\t':
        putAscii(dst, "\\t");
        return true;
    default:
        break;
    }
    if (c >= 0x20 && c != '<' && c != 0x7F)
        return false;
    putAscii(dst, "\\u00");
    *dst++ = kHex[c >> 4];
    *dst++ = kHex[c & 0xF];
    return true;
}

void appendString(QByteArray& out, QStringView text)
{
    out += '"';
    appendUtf8(out, text, 6, &escapeJson);
    out += '"';
}

void appendMember(QByteArray& out, int level, QByteArrayView key, QByteArrayView value,
                  bool last = false)
{
    indent(out, level);
    out += '"';
    out += key;
    out += "\": \"";
    out += value;
    out += last ? "\"" : "\",\n";
}

void appendTimes(QByteArray& out, int level, const ChromiumNode& node, bool folder)
{
    appendMember(out, level, "date_added", QByteArray::number(node.added));
    appendMember(out, level, "date_last_used", QByteArray::number(node.lastUsed));
    if (folder)
        appendMember(out, level, "date_modified", QByteArray::number(node.modified));
    appendMember(out, level, "guid", node.guid);
    appendMember(out, level, "id", node.id);
    indent(out, level);
    out += "\"name\": ";
    appendString(out, node.name);
    out += ",\n";
}

// Writes the nodes of [first, end) (each before its children) as JSON objects, the nodes whose
// parent lies outside the range as a list of siblings, separated by ", " and the first preceded
// by one when leadingComma is set. Their members stand at level; nesting needs no recursion.
void appendNodes(QByteArray& out, const std::vector<ChromiumNode>& nodes, int first, int end,
                 int level, bool leadingComma)
{
    struct Open
    {
        int node;
        int level;
        bool hadChild = false;
    };
    std::vector<Open> open;
    auto closeFolder = [&] {
        const Open folder = open.back();
        open.pop_back();
        out += " ],\n";
        appendTimes(out, folder.level, nodes[size_t(folder.node)], true);
        appendMember(out, folder.level, "type", "folder", true);
        out += '\n';
        indent(out, folder.level - 1);
        out += '}';
    };
    bool separate = leadingComma;
    for (int n = first; n < end; ++n) {
        const ChromiumNode& node = nodes[size_t(n)];
        while (!open.empty() && open.back().node != node.parent)
            closeFolder();
        int nodeLevel = level;
        if (open.empty()) {
            if (separate)
                out += ", ";
            separate = true;
        } else {
            Open& parent = open.back();
            if (parent.hadChild)
                out += ", ";
            parent.hadChild = true;
            nodeLevel = parent.level + 1;
        }
        out += "{\n";
        if (node.kind == ChromiumNode::Kind::Folder) {
            indent(out, nodeLevel);
            out += "\"children\": [ ";
            open.push_back(Open{n, nodeLevel});
            continue;
        }
        appendTimes(out, nodeLevel, node, false);
        appendMember(out, nodeLevel, "type", "url");
        indent(out, nodeLevel);
        out += "\"url\": ";
        appendString(out, QString::fromUtf8(node.url));
        out += '\n';
        indent(out, nodeLevel - 1);
        out += '}';
    }
    while (!open.empty())
        closeFolder();
}

qint64 now()
{
    return unixSecondsToChromiumTime(QDateTime::currentSecsSinceEpoch());
}

// A known time as the file writes it, or fallback (already in the file's units).
qint64 timeOr(BookmarkTime time, qint64 fallback)
{
    return time.isKnown() ? unixSecondsToChromiumTime(time.seconds()) : fallback;
}

// Gives the nodes ids from nextId on and fresh guids.
void identify(std::vector<ChromiumNode>& nodes, qint64 nextId)
{
    for (ChromiumNode& node : nodes) {
        node.id = QByteArray::number(nextId++);
        node.guid = QUuid::createUuid().toByteArray(QUuid::WithoutBraces);
    }
}

// ----- What the model gives: the one place that knows the model's records. -----

// The exported folders and links, under the permanent folder each goes to, each node before its
// children; a node whose parent is -1 stands at the top of its permanent folder.
struct ExportedNodes
{
    std::array<std::vector<ChromiumNode>, kChromiumRootCount> underRoot;
    // The dates of the folders that became permanent folders; unknown where none did.
    std::array<EntryDates, kChromiumRootCount> rootDates;

    std::vector<ChromiumNode>& other() { return underRoot[size_t(ChromiumRoot::Other)]; }
};

// Collects what the walk exports. With rolesBecomeRoots, a top-level folder the source marks as
// its toolbar gives its entries to the bookmarks bar and one marked as its other bookmarks to
// "Other bookmarks", as the browser itself would show them; everything else goes into "Other
// bookmarks" (or the new folder).
class NodeCollector final : public ExportVisitor
{
public:
    NodeCollector(const BookmarkModel& model, const FileExportOptions& options,
                  bool rolesBecomeRoots)
        : m_model(model)
        , m_tree(model.tree())
        , m_rolesBecomeRoots(rolesBecomeRoots && !options.intoNewFolder)
    {
        if (options.intoNewFolder) {
            m_nodes.other().push_back(folderNode(-1, options.newFolderName));
            m_top.parent = 0;
        }
        // A walk whose root is not exported still gives its exported descendants: they go to the
        // top.
        m_open.push_back(m_top);
    }

    ExportedNodes take() { return std::move(m_nodes); }

    void openFolder(int node) override
    {
        if (node == FolderTree::root()) {
            m_open.push_back(m_top);
            return;
        }
        const FolderRecord& folder = m_model.folder(m_tree.node(node).tag);
        if (const std::optional<ChromiumRoot> root = permanentFolderFor(folder)) {
            m_nodes.rootDates[size_t(*root)] = folder.Dates;
            m_open.push_back(Place{*root, -1});
            return;
        }
        const Place parent = m_open.back();
        ChromiumNode made = folderNode(parent.parent, m_tree.node(node).caption);
        made.added = timeOr(folder.Dates.added, m_now);
        made.modified = timeOr(folder.Dates.modified, m_now);
        std::vector<ChromiumNode>& nodes = m_nodes.underRoot[size_t(parent.root)];
        nodes.push_back(std::move(made));
        m_open.push_back(Place{parent.root, static_cast<int>(nodes.size()) - 1});
    }

    void writeLink(int linkRow) override
    {
        const LinkRecord& link = m_model.link(linkRow);
        const Place parent = m_open.back();
        m_nodes.underRoot[size_t(parent.root)].push_back(
            ChromiumNode{.parent = parent.parent,
                         .kind = ChromiumNode::Kind::Link,
                         .name = link.Name,
                         .url = link.URL.toUtf8(),
                         .added = timeOr(link.Dates.added, m_now),
                         .modified = timeOr(link.Dates.modified, 0),
                         .lastUsed = timeOr(link.Dates.visited, 0)});
    }

    // The Chromium family's file has no separators.
    void writeSeparator() override {}

    void closeFolder(int) override { m_open.pop_back(); }

private:
    // Where the next node goes: under a permanent folder, below the node at parent there.
    struct Place
    {
        ChromiumRoot root = ChromiumRoot::Other;
        int parent = -1;
    };

    std::optional<ChromiumRoot> permanentFolderFor(const FolderRecord& folder) const
    {
        // Only a folder at the top of what is written: the stack holds the base and the root.
        if (!m_rolesBecomeRoots || m_open.size() != 2)
            return std::nullopt;
        for (int root = 0; root < kChromiumRootCount; ++root) {
            if (folder.Role == kChromiumRootRoles[size_t(root)])
                return ChromiumRoot(root);
        }
        return std::nullopt;
    }

    ChromiumNode folderNode(int parent, const QString& name) const
    {
        return ChromiumNode{.parent = parent,
                            .kind = ChromiumNode::Kind::Folder,
                            .name = name,
                            .added = m_now,
                            .modified = m_now};
    }

    const BookmarkModel& m_model;
    const FolderTree& m_tree;
    const bool m_rolesBecomeRoots;
    const qint64 m_now = now();
    ExportedNodes m_nodes;
    Place m_top;
    std::vector<Place> m_open;
};

ExportedNodes exportedNodes(BookmarkModel& model, const FileExportOptions& options,
                            Progress& progress, bool rolesBecomeRoots)
{
    NodeCollector collector(model, options, rolesBecomeRoots);
    if (!model.tree().isEmpty())
        walkExportedFolders(model, FolderTree::root(), options, progress, collector);
    return collector.take();
}

// ----- The file -----

// A new file: each permanent folder followed by the exported nodes under it.
QByteArray newFile(ExportedNodes exported)
{
    const qint64 created = now();
    std::vector<ChromiumNode> nodes;
    std::array<std::pair<int, int>, kChromiumRootCount> ranges{};
    qint64 nextId = 4;
    for (int root = 0; root < kChromiumRootCount; ++root) {
        const ChromiumRootInfo& info = kChromiumRoots[size_t(root)];
        std::vector<ChromiumNode>& under = exported.underRoot[size_t(root)];
        const EntryDates& dates = exported.rootDates[size_t(root)];
        const int first = static_cast<int>(nodes.size());
        nodes.push_back(
            ChromiumNode{.kind = ChromiumNode::Kind::Folder,
                         .name = info.shownName.toString(),
                         .id = info.id.toByteArray(),
                         .guid = info.guid.toByteArray(),
                         .added = timeOr(dates.added, created),
                         .modified = timeOr(dates.modified, under.empty() ? 0 : created)});
        // Ids go on after the permanent folders' and whatever else a profile numbers first.
        identify(under, nextId);
        nextId += static_cast<qint64>(under.size());
        for (ChromiumNode& node : under) {
            node.parent = node.parent < 0 ? first : node.parent + first + 1;
            nodes.push_back(std::move(node));
        }
        ranges[size_t(root)] = {first, static_cast<int>(nodes.size())};
    }

    ChromiumChecksum checksum;
    checksum.addNodes(nodes, 0, static_cast<int>(nodes.size()));
    QByteArray out = "{\n";
    appendMember(out, 1, "checksum", checksum.hex());
    out += "   \"roots\": {\n";
    for (int root = 0; root < kChromiumRootCount; ++root) {
        indent(out, 2);
        out += '"';
        out += kChromiumRoots[size_t(root)].key;
        out += "\": ";
        appendNodes(out, nodes, ranges[size_t(root)].first, ranges[size_t(root)].second, 3, false);
        out += root + 1 < kChromiumRootCount ? ",\n" : "\n";
    }
    out += "   },\n   \"version\": 1\n}\n";
    return out;
}

struct Edit
{
    qsizetype begin;
    qsizetype end;
    QByteArray text;
};

// The old file with the new nodes at the end of their permanent folders and a new checksum.
QByteArray mergedFile(QByteArrayView old, const ChromiumBookmarks& file, ExportedNodes exported)
{
    const ChromiumMergePoints& points = file.mergePoints;
    std::vector<Edit> edits;
    ChromiumChecksum checksum;
    qint64 nextId = file.highestId + 1;
    for (int root = 0; root < kChromiumRootCount; ++root) {
        std::vector<ChromiumNode>& added = exported.underRoot[size_t(root)];
        const int count = static_cast<int>(added.size());
        identify(added, nextId);
        nextId += count;
        checksum.addNodes(file.nodes, file.roots[size_t(root)], file.rootEnd(ChromiumRoot(root)));
        checksum.addNodes(added, 0, count);
        if (count == 0)
            continue;
        const bool empty = points.empty[size_t(root)];
        QByteArray nodes = empty ? " " : "";
        appendNodes(nodes, added, 0, count, 4, !empty);
        edits.push_back({points.insert[size_t(root)], points.insert[size_t(root)], nodes});
    }
    const QByteArray digest = '"' + checksum.hex() + '"';
    if (points.checksumBegin >= 0)
        edits.push_back({points.checksumBegin, points.checksumEnd, digest});
    else
        edits.push_back({points.topLevelBodyBegin, points.topLevelBodyBegin,
                         "\n   \"checksum\": " + digest + ','});
    if (points.sha256Begin >= 0)
        edits.push_back({points.sha256Begin, points.sha256End, {}});
    std::sort(edits.begin(), edits.end(),
              [](const Edit& a, const Edit& b) { return a.begin < b.begin; });
    QByteArray out;
    out.reserve(old.size() + 512);
    qsizetype at = 0;
    for (const Edit& edit : edits) {
        out += old.sliced(at, edit.begin - at);
        out += edit.text;
        at = edit.end;
    }
    out += old.sliced(at);
    return out;
}

UserMessage noOtherBookmarksList(const QString& filePath)
{
    return UserMessage{
        QCoreApplication::translate("orvalink::ChromiumWriter", "Incomplete Bookmark File"),
        {QDir::toNativeSeparators(filePath),
         QCoreApplication::translate("orvalink::ChromiumWriter",
                                     "The Selected Bookmark File Has No List of Other Bookmarks."),
         QCoreApplication::translate("orvalink::ChromiumWriter",
                                     "The Bookmark File Was Not Changed.")},
        MessageIcon::Exclamation};
}

Result<ChromiumBookmarks, UserMessage> fileToMerge(const QString& filePath, QByteArrayView old)
{
    std::optional<ChromiumBookmarks> file = readChromiumBookmarks(old);
    if (!file)
        return notAChromiumBookmarkFile(filePath);
    if (file->mergePoints.insert[size_t(ChromiumRoot::Other)] < 0)
        return noOtherBookmarksList(filePath);
    return std::move(*file);
}

} // namespace

UserMessage notAChromiumBookmarkFile(const QString& filePath)
{
    return UserMessage{
        QCoreApplication::translate("orvalink::ChromiumWriter", "Not a Chromium Bookmark File"),
        {QDir::toNativeSeparators(filePath),
         QCoreApplication::translate("orvalink::ChromiumWriter",
                                     "The Selected File Is Not a Chromium Bookmark File."),
         QCoreApplication::translate("orvalink::ChromiumWriter",
                                     "Please, Select Another Chromium Bookmark File.")},
        MessageIcon::Exclamation};
}

Result<void, UserMessage> CanMergeIntoChromiumBookmarks(const QString& filePath)
{
    const Result<QByteArray, UserMessage> old = readFileToMerge(filePath);
    if (!old)
        return old.failure();
    if (Result<ChromiumBookmarks, UserMessage> file = fileToMerge(filePath, old.value()); !file)
        return file.failure();
    return {};
}

Result<void, UserMessage> WriteChromiumBookmarks(BookmarkModel& model, const QString& filePath,
                                                 const FileExportOptions& options,
                                                 Progress& progress)
{
    // The old file is read whole before anything is written: the new file replaces it.
    QByteArray text;
    if (options.merge) {
        const Result<QByteArray, UserMessage> old = readFileToMerge(filePath);
        if (!old)
            return old.failure();
        const Result<ChromiumBookmarks, UserMessage> file = fileToMerge(filePath, old.value());
        if (!file)
            return file.failure();
        // A file without a list of children on its bar keeps everything in "Other bookmarks".
        const bool barTakesNodes = file.value().mergePoints.insert[size_t(ChromiumRoot::Bar)] >= 0;
        text = mergedFile(old.value(), file.value(),
                          exportedNodes(model, options, progress, barTakesNodes));
    } else {
        text = newFile(exportedNodes(model, options, progress, true));
    }
    AtomicTextFile out(filePath);
    if (Result<void, UserMessage> opened = out.open(); !opened)
        return opened;
    out.output().writeThrough(text);
    return out.commit();
}

} // namespace orvalink
