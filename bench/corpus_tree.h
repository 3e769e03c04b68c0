// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/favorites/file_names.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <span>
#include <vector>

namespace orvalink {

// How the corpus names its Favorites files: Orvalink's own safe names, cut to 100 characters for
// folders as for links, and without the device names Windows reserves, whichever system the
// corpus is made on.
inline constexpr FileNameRules kCorpusFileNameRules{kMaxLinkNameCharacters, true};

// The key under which two file names count as the same in one folder: file systems that ignore
// case (and, on macOS, the form of composed characters) would store them as one file.
QString fileNameKey(const QString& fileName);

// A folder of the corpus with everything the three forms write about it.
struct CorpusFolder
{
    // Firefox marks its toolbar and "Other Bookmarks" folders; they come last in the root.
    enum class Role { Plain, Toolbar, Unfiled };

    QString name;
    Role role = Role::Plain;
    qint64 added = 0;
    qint64 modified = 0;
    bool expanded = false;
    QByteArray uniqueId;
};

// A link of the corpus with everything the three forms write about it.
struct CorpusLink
{
    QString title;
    QByteArray url;
    qint64 added = 0;
    qint64 modified = 0;
    // 0 when never visited.
    qint64 visited = 0;
    // Both empty when the link has no favicon.
    QByteArray iconUri;
    QByteArray icon;
    QString description;
    QString keyword;
    QString tags;
    QByteArray uniqueId;
};

// The tree of a corpus: folders of about twenty links each, nested to varying depth, with some
// separators and some empty folders. Only the shape is stored (a few bytes per entry); every
// folder's and link's text is regenerated from its number when asked for, so a million links
// take little memory and every form sees exactly the same text.
//
// Names are unique within a folder as file names (see safeFileName and fileNameKey): a name
// that would clash gets " (2)", " (3)", ... in every form, so that the Favorites form can hold
// every entry and the three forms hold the same names.
class CorpusTree
{
public:
    enum class EntryKind : std::uint8_t { Folder, Link, Separator };

    struct Entry
    {
        EntryKind kind = EntryKind::Link;
        // 1 when the entry keeps its generated name, n > 1 when " (n)" is appended to it.
        std::uint32_t nameNumber = 1;
        // The folder's number (1 and up; 0 is the root) or the link's number (0 and up).
        std::uint32_t number = 0;
    };

    // Receives the tree in file order. depth is 1 for the root's entries.
    class Visitor
    {
    public:
        virtual ~Visitor() = default;
        virtual void folderStart(const Entry& folder, int depth) = 0;
        virtual void folderEnd(const Entry& folder, int depth) = 0;
        virtual void link(const Entry& link, int depth) = 0;
        virtual void separator(int depth) = 0;
    };

    // Deepest folder level below the root.
    static constexpr int kMaxDepth = 7;

    explicit CorpusTree(int links);

    int linkCount() const { return m_links; }
    // Folders other than the root.
    int folderCount() const { return int(m_folders.size()) - 1; }
    int separatorCount() const { return m_separators; }

    // The entries of folder `folder` (0 for the root) in file order.
    std::span<const Entry> entries(int folder) const;

    CorpusFolder folder(int number) const;
    CorpusLink link(int number) const;
    // The entry's name as every form shows it (numbered when it had to be).
    QString name(const Entry& entry) const;
    // The entry's file name in the Favorites form: the folder's directory name, or the link's
    // shortcut file name with ".url".
    QString fileName(const Entry& entry) const;

    // Walks the whole tree in file order without recursion.
    void walk(Visitor& visitor) const;

private:
    struct FolderShape
    {
        std::int32_t parent = -1;
        std::int32_t depth = 0;
        std::uint32_t firstEntry = 0;
        std::uint32_t entryCount = 0;
    };

    static QString linkTitle(int number);
    QString generatedName(const Entry& entry) const;
    void build();
    void numberClashingNames(std::span<Entry> entries) const;

    int m_links = 0;
    int m_separators = 0;
    std::vector<FolderShape> m_folders;
    std::vector<Entry> m_entries;
};

} // namespace orvalink
