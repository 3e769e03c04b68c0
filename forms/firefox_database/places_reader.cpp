// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/firefox_database/places_reader.h"

#include "model/huge_pages.h"
#include "model/model_builder.h"
#include "model/shared_blocks.h"

#include <QHash>
#include <algorithm>
#include <limits>
#include <span>
#include <tuple>
#include <vector>

namespace orvalink {

namespace {

enum PlacesType : int { Bookmark = 1, Folder = 2, Separator = 3 };

// Firefox's fixed folders, known by their guids.
enum class FixedFolder : quint8 { None, Root, Menu, Toolbar, Unfiled, Mobile, Tags };

FixedFolder fixedFolderOf(QByteArrayView guid)
{
    static constexpr std::pair<QByteArrayView, FixedFolder> kGuids[] = {
        {"root________", FixedFolder::Root},    {"menu________", FixedFolder::Menu},
        {"toolbar_____", FixedFolder::Toolbar}, {"unfiled_____", FixedFolder::Unfiled},
        {"mobile______", FixedFolder::Mobile},  {"tags________", FixedFolder::Tags}};
    for (const auto& [fixed, folder] : kGuids) {
        if (guid == fixed)
            return folder;
    }
    return FixedFolder::None;
}

// Every bookmark in the table's own order, by id, which reads its pages once from first to last;
// the reader puts children under their parents itself, cheaper than walking the parent index and
// looking up each row it names.
constexpr char kTreeQuery[] =
    "SELECT b.id, b.parent, b.position, b.type, b.fk, b.title, b.dateAdded, b.lastModified, "
    "b.guid, p.url FROM moz_bookmarks b LEFT JOIN moz_places p ON p.id = b.fk ORDER BY b.id";
// How many rows it gives, to make room for them at once; counting them is cheap beside reading
// them, and growing would copy them and touch twice the memory.
constexpr char kRowCountQuery[] = "SELECT count(*) FROM moz_bookmarks";

// The keywords in the order of their index, so that an address with several keeps the same first
// one whichever way the table was filled.
constexpr char kKeywordQuery[] =
    "SELECT place_id, keyword, post_data FROM moz_keywords ORDER BY place_id, post_data, rowid";

// Everything but the root, the tags and their entries, and an empty mobile root.
constexpr char kCountQuery[] =
    "WITH tags AS (SELECT id FROM moz_bookmarks WHERE guid = 'tags________'), "
    "tagFolders AS (SELECT id FROM moz_bookmarks WHERE parent IN tags) "
    "SELECT count(*) FILTER (WHERE type = 2), count(*) FILTER (WHERE type = 1) "
    "FROM moz_bookmarks b WHERE guid <> 'root________' AND id NOT IN tags "
    "AND parent NOT IN tags AND parent NOT IN tagFolders AND NOT (guid = 'mobile______' "
    "AND NOT EXISTS (SELECT 1 FROM moz_bookmarks c WHERE c.parent = b.id))";

// One row of moz_bookmarks with its address. Its texts are made once, in shared blocks, and move
// on into the model.
struct PlacesRow
{
    qint64 id = 0;
    qint64 place = 0;
    EntryDates dates;
    // A null QString where the database holds NULL.
    QString title;
    QString url;
    int type = 0;
    FixedFolder fixed = FixedFolder::None;
};

// Where a row stands among its siblings: SQLite's order of parent, position and id, NULL first.
// The rows come by id, so their order stands for it.
struct RowPlace
{
    qint64 parent;
    qint64 position;
    quint32 row;

    bool operator<(const RowPlace& other) const
    {
        return std::tie(parent, position, row) < std::tie(other.parent, other.position, other.row);
    }
};

constexpr qint64 kNullNumber = std::numeric_limits<qint64>::min();

qint64 numberOrNull(const PlacesStatement& statement, int column)
{
    return statement.isNull(column) ? kNullNumber : statement.integer(column);
}

// Microseconds since 1970 as the model's time; unknown for NULL.
BookmarkTime timeOf(const PlacesStatement& statement, int column)
{
    return statement.isNull(column)
               ? BookmarkTime()
               : BookmarkTime::fromSeconds(statement.integer(column) / 1'000'000);
}

// What Firefox keeps of an address besides the bookmarks themselves, shared by all its bookmarks.
struct PlaceDetails
{
    // The first keyword of the address, with the form data it sends.
    QString keyword;
    QString postData;
    // The titles of the tag folders holding the address, sorted and joined by commas.
    QString tags;
};

// The bookmarks and their tree: the rows as the table holds them, and each parent's children
// together in Firefox's order.
class PlacesTree
{
public:
    Result<void, UserMessage> read(const PlacesSnapshot& snapshot);

    const std::vector<PlacesRow>& rows() const { return m_rows; }
    // The rows for handing their texts on: each is added to the model once at most.
    std::vector<PlacesRow>& rows() { return m_rows; }
    int folderCount() const { return m_folders; }
    // The rows of the children of the folder with the given id, in order.
    std::span<const quint32> children(qint64 id) const
    {
        const auto [first, end] = m_children.value(id, {0, 0});
        return std::span(m_order).subspan(first, end - first);
    }
    bool hasChildren(qint64 id) const { return m_children.contains(id); }
    // The row of a fixed folder, or nullptr.
    const PlacesRow* fixedRow(FixedFolder folder) const
    {
        const auto found = std::find_if(m_fixed.begin(), m_fixed.end(),
                                        [&](quint32 row) { return m_rows[row].fixed == folder; });
        return found == m_fixed.end() ? nullptr : &m_rows[*found];
    }
    // The keyword and tags of an address, or nullptr when it has neither.
    const PlaceDetails* detailsOf(qint64 place) const
    {
        const auto found = m_details.constFind(place);
        return found == m_details.cend() ? nullptr : &*found;
    }

private:
    Result<void, UserMessage> readRows(const PlacesSnapshot& snapshot);
    Result<void, UserMessage> readKeywords(const PlacesSnapshot& snapshot);
    void collectTags();
    QString textOf(const PlacesStatement& statement, int column);

    SharedBlocks m_texts;
    std::vector<PlacesRow> m_rows;
    int m_folders = 0;
    // The rows of Firefox's fixed folders.
    std::vector<quint32> m_fixed;
    // The rows grouped by parent, and where each parent's group stands in it.
    std::vector<quint32> m_order;
    QHash<qint64, std::pair<size_t, size_t>> m_children;
    QHash<qint64, PlaceDetails> m_details;
};

QString PlacesTree::textOf(const PlacesStatement& statement, int column)
{
    const QByteArrayView bytes = statement.utf8(column);
    return bytes.isNull() ? QString() : m_texts.fromUtf8(bytes);
}

Result<void, UserMessage> PlacesTree::read(const PlacesSnapshot& snapshot)
{
    if (Result<void, UserMessage> rows = readRows(snapshot); !rows)
        return rows;
    if (Result<void, UserMessage> keywords = readKeywords(snapshot); !keywords)
        return keywords;
    collectTags();
    return {};
}

Result<void, UserMessage> PlacesTree::readRows(const PlacesSnapshot& snapshot)
{
    std::vector<RowPlace> places;
    {
        PlacesStatement count(snapshot, kRowCountQuery);
        if (count.isValid() && count.next()) {
            const auto rows = static_cast<size_t>(count.integer(0));
            reserveInHugePages(places, rows);
            reserveInHugePages(m_rows, rows);
        }
    }
    PlacesStatement query(snapshot, kTreeQuery);
    if (!query.isValid())
        return unreadableFirefoxDatabase(snapshot.path(), snapshot.lastError());
    while (query.next()) {
        const auto row = static_cast<quint32>(m_rows.size());
        const qint64 id = query.integer(0);
        places.push_back({query.integer(1), numberOrNull(query, 2), row});
        const FixedFolder fixed = fixedFolderOf(query.utf8(8));
        if (fixed != FixedFolder::None)
            m_fixed.push_back(row);
        const auto type = static_cast<int>(query.integer(3));
        m_folders += type == Folder;
        m_rows.push_back(PlacesRow{.id = id,
                                   .place = query.integer(4),
                                   .dates = {timeOf(query, 6), timeOf(query, 7), BookmarkTime()},
                                   .title = textOf(query, 5),
                                   .url = textOf(query, 9),
                                   .type = type,
                                   .fixed = fixed});
    }
    if (query.failed())
        return unreadableFirefoxDatabase(snapshot.path(), snapshot.lastError());

    std::sort(places.begin(), places.end());
    reserveInHugePages(m_order, places.size());
    m_children.reserve(m_folders);
    for (const RowPlace& place : places) {
        auto& range = m_children[place.parent];
        if (range.second == 0)
            range.first = m_order.size();
        m_order.push_back(place.row);
        range.second = m_order.size();
    }
    return {};
}

Result<void, UserMessage> PlacesTree::readKeywords(const PlacesSnapshot& snapshot)
{
    PlacesStatement query(snapshot, kKeywordQuery);
    if (!query.isValid())
        return unreadableFirefoxDatabase(snapshot.path(), snapshot.lastError());
    while (query.next()) {
        const qint64 place = query.integer(0);
        if (!m_details.contains(place))
            m_details.insert(place, {textOf(query, 1), textOf(query, 2), QString()});
    }
    if (query.failed())
        return unreadableFirefoxDatabase(snapshot.path(), snapshot.lastError());
    return {};
}

// The names Firefox shows for its roots; the table holds internal ones ("menu", "toolbar").
QString rootName(const PlacesRow& row)
{
    switch (row.fixed) {
    case FixedFolder::Menu:
        return QStringLiteral("Bookmarks Menu");
    case FixedFolder::Toolbar:
        return QStringLiteral("Bookmarks Toolbar");
    case FixedFolder::Unfiled:
        return QStringLiteral("Other Bookmarks");
    case FixedFolder::Mobile:
        return QStringLiteral("Mobile Bookmarks");
    default:
        return row.title;
    }
}

// A tag is a folder in the tags root holding one bookmark for each address it tags.
void PlacesTree::collectTags()
{
    const PlacesRow* tagsRoot = fixedRow(FixedFolder::Tags);
    if (!tagsRoot)
        return;
    QHash<qint64, QStringList> tags;
    for (const quint32 tag : children(tagsRoot->id)) {
        for (const quint32 entry : children(m_rows[tag].id)) {
            if (m_rows[entry].type == Bookmark)
                tags[m_rows[entry].place] << m_rows[tag].title;
        }
    }
    for (auto [place, titles] : tags.asKeyValueRange()) {
        titles.sort();
        m_details[place].tags = titles.join(u',');
    }
}

// ---------------------------------------------------------------------------------------------
// What each row becomes in the source's tree. The one place that knows which of the database's
// fields the model holds.
// ---------------------------------------------------------------------------------------------
//
// The role Firefox gives a root folder by its fixed guid.
FolderRole roleOf(const PlacesRow& row)
{
    switch (row.fixed) {
    case FixedFolder::Toolbar:
        return FolderRole::Toolbar;
    case FixedFolder::Unfiled:
        return FolderRole::OtherBookmarks;
    case FixedFolder::Mobile:
        return FolderRole::Mobile;
    default:
        return FolderRole::Ordinary;
    }
}

// Adds the row's entry to the builder's current folder, moving its texts there; a folder row's
// folder becomes the current one. Rows that make no entry are left out.
void addEntry(ModelBuilder& builder, PlacesRow& row, QString name, const PlaceDetails* place)
{
    if (row.type == Folder) {
        FolderRecord& folder = builder.folder(builder.openFolder(std::move(name)));
        folder.Role = roleOf(row);
        folder.Dates = row.dates;
    } else if (row.type == Bookmark && !row.url.isEmpty()) {
        LinkRecord& link = builder.addLink(std::move(name), std::move(row.url));
        link.Dates = row.dates;
        if (!place)
            return;
        if (!place->keyword.isEmpty()) {
            EntryDetails& details = builder.editDetails(link.Details);
            details.keyword = place->keyword;
            details.postData = place->postData;
        }
        if (!place->tags.isEmpty())
            builder.editDetails(link.Details).tags = place->tags;
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
    PlacesTree tree;
    if (Result<void, UserMessage> read = tree.read(snapshot); !read)
        return read.failure();
    const PlacesRow* root = tree.fixedRow(FixedFolder::Root);
    if (!root)
        return unknownFirefoxDatabase(snapshot.path());
    std::vector<PlacesRow>& rows = tree.rows();

    ModelBuilder builder(FormId::FirefoxDatabase, location, QStringLiteral("Firefox Bookmarks"));
    builder.reserve(tree.folderCount(), static_cast<int>(rows.size()));
    // Depth first, so that folders come in the order a bookmark file lists them. Every row has
    // one parent, so only the root could be met twice (a damaged table naming a child of it as
    // its parent); it is skipped as an entry. The open folders are the builder's, the root first.
    std::vector<std::span<const quint32>> open{tree.children(root->id)};
    while (!open.empty()) {
        std::span<const quint32>& folder = open.back();
        if (folder.empty()) {
            open.pop_back();
            builder.closeFolder();
            continue;
        }
        PlacesRow& row = rows[folder.front()];
        folder = folder.subspan(1);
        const bool isRoot = open.size() == 1;
        if (row.id == root->id ||
            (isRoot && (row.fixed == FixedFolder::Tags ||
                        (row.fixed == FixedFolder::Mobile && !tree.hasChildren(row.id)))))
            continue;
        addEntry(builder, row, isRoot ? rootName(row) : std::move(row.title),
                 row.type == Bookmark ? tree.detailsOf(row.place) : nullptr);
        if (row.type == Folder)
            open.push_back(tree.children(row.id));
    }
    return builder.finish();
}

} // namespace orvalink
