// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/firefox_database/places_reader.h"

#include "model/model_builder.h"

#include <QHash>
#include <algorithm>
#include <sqlite3.h>
#include <vector>

namespace orvalink {

namespace {

constexpr char kRootGuid[] = "root________";
constexpr char kTagsGuid[] = "tags________";
constexpr char kMobileGuid[] = "mobile______";

enum PlacesType : int { Bookmark = 1, Folder = 2, Separator = 3 };

// Each bookmark row once per keyword of its address (almost always none or one), children
// grouped under their parent in Firefox's order.
constexpr char kTreeQuery[] =
    "SELECT b.id, b.parent, b.type, b.fk, b.title, b.dateAdded, b.lastModified, b.guid, p.url, "
    "k.keyword, k.post_data FROM moz_bookmarks b "
    "LEFT JOIN moz_places p ON p.id = b.fk "
    "LEFT JOIN moz_keywords k ON b.type = 1 AND k.place_id = b.fk "
    "ORDER BY b.parent, b.position, b.id";

// Everything but the root, the tags and their entries, and an empty mobile root.
constexpr char kCountQuery[] =
    "WITH tags AS (SELECT id FROM moz_bookmarks WHERE guid = 'tags________'), "
    "tagFolders AS (SELECT id FROM moz_bookmarks WHERE parent IN tags) "
    "SELECT count(*) FILTER (WHERE type = 2), count(*) FILTER (WHERE type = 1) "
    "FROM moz_bookmarks b WHERE guid <> 'root________' AND id NOT IN tags "
    "AND parent NOT IN tags AND parent NOT IN tagFolders AND NOT (guid = 'mobile______' "
    "AND NOT EXISTS (SELECT 1 FROM moz_bookmarks c WHERE c.parent = b.id))";

// One row of moz_bookmarks with its address and keyword.
struct PlacesRow
{
    qint64 id = 0;
    qint64 parent = 0;
    int type = 0;
    qint64 place = 0;
    // A null QString where the database holds NULL.
    QString title;
    // Microseconds since 1970; std::nullopt for NULL.
    std::optional<qint64> added;
    std::optional<qint64> modified;
    QString guid;
    QString url;
    QString keyword;
    QString postData;
};

// The names Firefox shows for its roots; the table holds internal ones ("menu", "toolbar").
QString rootName(const PlacesRow& row)
{
    if (row.guid == u"menu________")
        return QStringLiteral("Bookmarks Menu");
    if (row.guid == u"toolbar_____")
        return QStringLiteral("Bookmarks Toolbar");
    if (row.guid == u"unfiled_____")
        return QStringLiteral("Other Bookmarks");
    if (row.guid == QLatin1String(kMobileGuid))
        return QStringLiteral("Mobile Bookmarks");
    return row.title;
}

std::optional<qint64> optionalInteger(const PlacesStatement& statement, int column)
{
    if (statement.isNull(column))
        return std::nullopt;
    return statement.integer(column);
}

// The rows in the query's order; each bookmark once, with the first keyword of its address.
Result<std::vector<PlacesRow>, UserMessage> readRows(const PlacesSnapshot& snapshot)
{
    PlacesStatement query(snapshot, kTreeQuery);
    if (!query.isValid())
        return unreadableFirefoxDatabase(snapshot.path(), snapshot.lastError());
    std::vector<PlacesRow> rows;
    while (query.next()) {
        const qint64 id = query.integer(0);
        if (!rows.empty() && rows.back().id == id)
            continue;
        rows.push_back(PlacesRow{.id = id,
                                 .parent = query.integer(1),
                                 .type = static_cast<int>(query.integer(2)),
                                 .place = query.integer(3),
                                 .title = query.text(4),
                                 .added = optionalInteger(query, 5),
                                 .modified = optionalInteger(query, 6),
                                 .guid = query.text(7),
                                 .url = query.text(8),
                                 .keyword = query.text(9),
                                 .postData = query.text(10)});
    }
    if (query.failed())
        return unreadableFirefoxDatabase(snapshot.path(), snapshot.lastError());
    return rows;
}

// The rows' tree: where each parent's children stand in the rows, which are grouped by parent.
class RowTree
{
public:
    explicit RowTree(const std::vector<PlacesRow>& rows)
        : m_rows(rows)
    {
        for (size_t i = 0; i < rows.size(); ++i) {
            auto& range = m_children[rows[i].parent];
            if (range.second == 0)
                range.first = i;
            range.second = i + 1;
        }
    }

    std::pair<size_t, size_t> children(qint64 id) const { return m_children.value(id, {0, 0}); }
    bool hasChildren(qint64 id) const { return m_children.contains(id); }
    const PlacesRow* rowOf(const QString& guid) const
    {
        const auto found = std::find_if(m_rows.begin(), m_rows.end(),
                                        [&](const PlacesRow& row) { return row.guid == guid; });
        return found == m_rows.end() ? nullptr : &*found;
    }

private:
    const std::vector<PlacesRow>& m_rows;
    QHash<qint64, std::pair<size_t, size_t>> m_children;
};

// The tags of each tagged address, by place: the titles of the tag folders holding it, sorted.
QHash<qint64, QStringList> placeTags(const std::vector<PlacesRow>& rows, const RowTree& tree)
{
    QHash<qint64, QStringList> tags;
    const PlacesRow* tagsRoot = tree.rowOf(QLatin1String(kTagsGuid));
    if (!tagsRoot)
        return tags;
    const auto [firstTag, endTag] = tree.children(tagsRoot->id);
    for (size_t tag = firstTag; tag < endTag; ++tag) {
        const auto [first, end] = tree.children(rows[tag].id);
        for (size_t entry = first; entry < end; ++entry) {
            if (rows[entry].type == Bookmark)
                tags[rows[entry].place] << rows[tag].title;
        }
    }
    for (QStringList& list : tags)
        list.sort();
    return tags;
}

// ---------------------------------------------------------------------------------------------
// What each row becomes in the source's tree. The one place that knows which of the database's
// fields the model holds.
// ---------------------------------------------------------------------------------------------
//
// Microseconds since 1970 as the model's time; unknown for NULL.
BookmarkTime timeOf(const std::optional<qint64>& microseconds)
{
    return microseconds ? BookmarkTime::fromSeconds(*microseconds / 1'000'000) : BookmarkTime();
}

// The role Firefox gives a root folder by its fixed guid.
FolderRole roleOf(const PlacesRow& row)
{
    if (row.guid == u"toolbar_____")
        return FolderRole::Toolbar;
    if (row.guid == u"unfiled_____")
        return FolderRole::OtherBookmarks;
    if (row.guid == u"mobile______")
        return FolderRole::Mobile;
    return FolderRole::Ordinary;
}

// Adds the row's entry to the builder's current folder; a folder row's folder becomes the current
// one. Rows that make no entry are left out.
void addEntry(ModelBuilder& builder, const PlacesRow& row, const QString& name,
              const QStringList& tags)
{
    const EntryDates dates{timeOf(row.added), timeOf(row.modified), BookmarkTime()};
    if (row.type == Folder) {
        FolderRecord& folder = builder.folder(builder.openFolder(name));
        folder.Role = roleOf(row);
        folder.Dates = dates;
    } else if (row.type == Bookmark && !row.url.isEmpty()) {
        LinkRecord& link = builder.addLink(name, row.url);
        link.Dates = dates;
        if (!row.keyword.isEmpty()) {
            EntryDetails& details = builder.editDetails(link.Details);
            details.keyword = row.keyword;
            details.postData = row.postData;
        }
        if (!tags.isEmpty())
            builder.editDetails(link.Details).tags = tags.join(u',');
    } else if (row.type == Separator) {
        builder.addSeparator();
    }
}

} // namespace

SourceCounts countPlaces(const PlacesSnapshot& snapshot)
{
    PlacesStatement query(snapshot, kCountQuery);
    if (!query.isValid() || !query.next())
        return {};
    return {static_cast<int>(query.integer(0)), static_cast<int>(query.integer(1))};
}

Result<std::unique_ptr<BookmarkModel>, UserMessage> readPlaces(const PlacesSnapshot& snapshot,
                                                               const QString& location)
{
    Result<std::vector<PlacesRow>, UserMessage> read = readRows(snapshot);
    if (!read)
        return read.failure();
    const std::vector<PlacesRow>& rows = read.value();
    const RowTree tree(rows);
    const PlacesRow* root = tree.rowOf(QLatin1String(kRootGuid));
    if (!root)
        return unknownFirefoxDatabase(snapshot.path());
    const QHash<qint64, QStringList> tags = placeTags(rows, tree);

    ModelBuilder builder(FormId::FirefoxDatabase, location, QStringLiteral("Firefox Bookmarks"));
    builder.reserve(0, static_cast<int>(rows.size()));
    // Depth first, so that folders come in the order a bookmark file lists them. Every row has
    // one parent, so only the root could be met twice (a damaged table naming a child of it as
    // its parent); it is skipped as an entry. The open folders are the builder's, the root first.
    struct OpenFolder
    {
        size_t next;
        size_t end;
    };
    const auto [rootFirst, rootEnd] = tree.children(root->id);
    std::vector<OpenFolder> open{{rootFirst, rootEnd}};
    while (!open.empty()) {
        OpenFolder& folder = open.back();
        if (folder.next == folder.end) {
            open.pop_back();
            builder.closeFolder();
            continue;
        }
        const PlacesRow& row = rows[folder.next++];
        const bool isRoot = open.size() == 1;
        if (row.id == root->id ||
            (isRoot && (row.guid == QLatin1String(kTagsGuid) ||
                        (row.guid == QLatin1String(kMobileGuid) && !tree.hasChildren(row.id)))))
            continue;
        addEntry(builder, row, isRoot ? rootName(row) : row.title, tags.value(row.place));
        if (row.type == Folder) {
            const auto [first, end] = tree.children(row.id);
            open.push_back({first, end});
        }
    }
    return builder.finish();
}

} // namespace orvalink
