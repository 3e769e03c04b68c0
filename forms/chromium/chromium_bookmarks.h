// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/bookmark_tables.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCryptographicHash>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>
#include <vector>

namespace orvalink {

// The Chromium family's Bookmarks file (Chromium, Chrome, Edge, Brave, Vivaldi, Opera): JSON
// with a checksum, a version and three permanent folders under "roots".

// The permanent folders, in the order the browser shows and checksums them.
enum class ChromiumRoot { Bar, Other, Synced };
inline constexpr int kChromiumRootCount = 3;

struct ChromiumRootInfo
{
    // The key under "roots".
    QByteArrayView key;
    // The name the browser shows (it renames the folder on every load).
    QStringView shownName;
    // The fixed guid every profile gives it, and the id a new file gives it.
    QByteArrayView guid;
    QByteArrayView id;
};

inline constexpr std::array<ChromiumRootInfo, kChromiumRootCount> kChromiumRoots{{
    {"bookmark_bar", u"Bookmarks bar", "0bc5d13f-2cba-5d74-951f-3f233fe6c908", "1"},
    {"other", u"Other bookmarks", "82b081ec-3dd3-529c-8475-ab6c344590dd", "2"},
    {"synced", u"Mobile bookmarks", "4cf2e351-0e85-532b-bb37-df045d8f8d0f", "3"},
}};

// The role of the folder each permanent folder stands for in the model.
inline constexpr std::array<FolderRole, kChromiumRootCount> kChromiumRootRoles{
    FolderRole::Toolbar, FolderRole::OtherBookmarks, FolderRole::Mobile};

// One node to write: a permanent folder, a folder or a link.
struct ChromiumNode
{
    enum class Kind { Folder, Link, Unusable };

    // The node it is a child of, -1 for a permanent folder.
    int parent = -1;
    // Unusable: a type the browser does not know, a link without an address, or anything below
    // such a node. The browser drops them, and so does the reader.
    Kind kind = Kind::Unusable;
    QString name{};
    // UTF-8, as the file holds it.
    QByteArray url{};
    QByteArray id{};
    // Lower-case UUID.
    QByteArray guid{};
    // Microseconds since 1601-01-01 UTC as the file writes them; 0 when absent or zero.
    qint64 added = 0;
    qint64 modified = 0;
    qint64 lastUsed = 0;
};

// One node of a file as read. Its texts are UTF-8 views of the file's text, or of the copies
// ChromiumBookmarks keeps of the strings that held escapes: nothing is copied until a reader
// needs it, and the views hold while the text and the ChromiumBookmarks do. Read files keep
// their guids in their text, so a read node has none.
struct ChromiumFileNode
{
    using Kind = ChromiumNode::Kind;

    int parent = -1;
    Kind kind = Kind::Unusable;
    QByteArrayView name{};
    QByteArrayView url{};
    QByteArrayView id{};
    qint64 added = 0;
    qint64 modified = 0;
    qint64 lastUsed = 0;
};

// Where a merge changes the text of an old file: every other byte stays.
struct ChromiumMergePoints
{
    // The old checksum's value (its quotes included), or -1 when the file has none; then the new
    // one goes right after the top-level "{".
    qsizetype checksumBegin = -1;
    qsizetype checksumEnd = -1;
    qsizetype topLevelBodyBegin = -1;
    // The "checksum_sha256" member (with the "," before it unless it is the first member), or -1.
    // The browser checks it only where a feature switches it on, but a stale one would then
    // refuse the file: it is dropped, and the browser writes a fresh one when it wants one.
    qsizetype sha256Begin = -1;
    qsizetype sha256End = -1;
    // Where new nodes go in the "children" of each permanent folder: after its last child, or
    // right after "[" when it has none (then empty is set); -1 when the folder has no children
    // list.
    std::array<qsizetype, kChromiumRootCount> insert{-1, -1, -1};
    std::array<bool, kChromiumRootCount> empty{true, true, true};
};

// A Bookmarks file as read: its nodes in file order (each node before its children, each
// permanent folder's subtree one run), where each permanent folder stands, and what a merge needs.
struct ChromiumBookmarks
{
    std::vector<ChromiumFileNode> nodes;
    // The strings the nodes' texts view that held escapes, unescaped.
    std::vector<QByteArray> unescaped;
    // How many of the nodes are folders and links.
    int folders = 0;
    int links = 0;
    // The node of each permanent folder, -1 when the file lacks it.
    std::array<int, kChromiumRootCount> roots{-1, -1, -1};
    // The highest numeric id in the file; new nodes take the ids after it.
    qint64 highestId = 0;
    ChromiumMergePoints mergePoints;

    // The end of the run of nodes that belongs to permanent folder root.
    int rootEnd(ChromiumRoot root) const;
};

// Whether the text is a Bookmarks file: a JSON object with "version" and "roots" holding
// "bookmark_bar", "other" and "synced". Nothing else is read.
bool isChromiumContent(QByteArrayView text);

// Reads a Bookmarks file (a UTF-8 byte-order mark allowed); nullopt when the text is not one (see
// isChromiumContent()) or is no valid JSON. The nodes' texts are views of text (see
// ChromiumFileNode).
std::optional<ChromiumBookmarks> readChromiumBookmarks(QByteArrayView text);

// The checksum the browser keeps in the file: MD5 over every node of the three permanent folders'
// trees, the folders themselves included, in the order bar, other, synced and each node before its
// children: its id, its name as UTF-16 little-endian, then "url" and the address, or "folder".
class ChromiumChecksum
{
public:
    void addFolder(QByteArrayView id, QStringView name);
    void addLink(QByteArrayView id, QStringView name, QByteArrayView url);
    // Every usable node of nodes[first, end).
    void addNodes(const std::vector<ChromiumNode>& nodes, int first, int end);
    void addNodes(const std::vector<ChromiumFileNode>& nodes, int first, int end);
    // The lower-case hex digest.
    QByteArray hex() const { return m_md5.result().toHex(); }

private:
    void addIdAndName(QByteArrayView id, QStringView name);

    QCryptographicHash m_md5{QCryptographicHash::Md5};
};

// Times as the file writes them, microseconds since 1601-01-01, and seconds since 1970.
inline constexpr qint64 kChromiumEpochOffsetSeconds = 11644473600;
// Seconds since 1970 of a file's time; nullopt for 0 (unknown).
std::optional<qint64> chromiumTimeToUnixSeconds(qint64 microseconds);
qint64 unixSecondsToChromiumTime(qint64 seconds);

} // namespace orvalink
