// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/corpus_places_schema.h"
#include "bench/corpus_writers.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QUrl>
#include <algorithm>
#include <memory>
#include <sqlite3.h>
#include <vector>

namespace orvalink {

namespace {

// The rows Firefox makes in a new profile: the root and its five folders, with the internal
// names the table keeps.
struct PlacesRoot
{
    int id;
    const char* guid;
    const char* title;
};
constexpr PlacesRoot kPlacesRoots[] = {
    {1, "root________", ""},     {2, "menu________", "menu"},    {3, "toolbar_____", "toolbar"},
    {4, "tags________", "tags"}, {5, "unfiled_____", "unfiled"}, {6, "mobile______", "mobile"}};
constexpr int kMenu = 2;
constexpr int kToolbar = 3;
constexpr int kTags = 4;
constexpr int kUnfiled = 5;
constexpr qint64 kRootsAdded = 1700000000LL * 1000000;

qint64 microseconds(qint64 seconds)
{
    return seconds * 1000000;
}

// Firefox's twelve-character guids: base64url of a hash of the row's kind and id, which makes
// them unique as the table demands.
QByteArray placesGuid(const char* kind, qint64 id)
{
    return QCryptographicHash::hash(kind + QByteArray::number(id), QCryptographicHash::Md5)
        .first(9)
        .toBase64(QByteArray::Base64UrlEncoding);
}

// The host reversed with a dot after it, as moz_places.rev_host keeps it.
QByteArray reversedHost(const QByteArray& url)
{
    QByteArray host = QUrl::fromEncoded(url).host().toUtf8();
    std::reverse(host.begin(), host.end());
    return host + '.';
}

struct StatementDeleter
{
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

struct DatabaseCloser
{
    void operator()(sqlite3* database) const { sqlite3_close(database); }
};

// Fills the tables one prepared insert per row, inside one transaction; the first SQLite failure
// is kept and every later step skipped.
class PlacesWriter : public CorpusTree::Visitor
{
public:
    PlacesWriter(const CorpusTree& tree, sqlite3* database)
        : m_tree(tree)
        , m_database(database)
    {}

    bool prepare()
    {
        m_bookmark = prepared("INSERT INTO moz_bookmarks (id, type, fk, parent, position, title, "
                              "dateAdded, lastModified, guid, syncStatus, syncChangeCounter) "
                              "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, 1, 1)");
        m_place = prepared("INSERT INTO moz_places (id, url, title, rev_host, visit_count, "
                           "frecency, last_visit_date, guid, foreign_count) "
                           "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)");
        m_keyword = prepared("INSERT INTO moz_keywords (keyword, place_id) VALUES (?1, ?2)");
        return ok();
    }

    void addRoots()
    {
        for (const PlacesRoot& root : kPlacesRoots) {
            addBookmark(root.id, 2, 0, root.id == 1 ? 0 : 1, root.id == 1 ? 0 : root.id - 2,
                        QString::fromUtf8(root.title), kRootsAdded, kRootsAdded, root.guid);
        }
        m_open.push_back({kMenu, 0});
    }

    void folderStart(const CorpusTree::Entry& entry, int depth) override
    {
        const CorpusFolder folder = m_tree.folder(int(entry.number));
        // The toolbar and "Other Bookmarks" of a bookmark file are Firefox's own root folders.
        if (depth == 1 && folder.role == CorpusFolder::Role::Toolbar) {
            m_open.push_back({kToolbar, 0});
            return;
        }
        if (depth == 1 && folder.role == CorpusFolder::Role::Unfiled) {
            m_open.push_back({kUnfiled, 0});
            return;
        }
        const qint64 id = m_nextId++;
        addBookmark(id, 2, 0, m_open.back().id, m_open.back().next++, m_tree.name(entry),
                    microseconds(folder.added), microseconds(folder.modified),
                    placesGuid("bookmark", id));
        m_open.push_back({id, 0});
    }

    void folderEnd(const CorpusTree::Entry&, int) override { m_open.pop_back(); }

    void link(const CorpusTree::Entry& entry, int) override
    {
        const CorpusLink link = m_tree.link(int(entry.number));
        // A tag named twice tags the link once.
        QStringList tags = link.tags.isEmpty() ? QStringList() : link.tags.split(u',');
        tags.removeDuplicates();
        const qint64 place = ++m_places;
        bind(m_place, 1, place);
        bind(m_place, 2, link.url);
        bind(m_place, 3, link.title);
        bind(m_place, 4, reversedHost(link.url));
        bind(m_place, 5, link.visited ? 1 : 0);
        bind(m_place, 6, link.visited ? 100 : -1);
        if (link.visited)
            bind(m_place, 7, microseconds(link.visited));
        else
            sqlite3_bind_null(m_place.get(), 7);
        bind(m_place, 8, placesGuid("place", place));
        bind(m_place, 9, 1 + tags.size() + (link.keyword.isEmpty() ? 0 : 1));
        step(m_place);

        const qint64 id = m_nextId++;
        addBookmark(id, 1, place, m_open.back().id, m_open.back().next++, m_tree.name(entry),
                    microseconds(link.added), microseconds(link.modified),
                    placesGuid("bookmark", id));
        if (!link.keyword.isEmpty()) {
            bind(m_keyword, 1, link.keyword);
            bind(m_keyword, 2, place);
            step(m_keyword);
        }
        for (const QString& tag : tags) {
            OpenFolder& folder = tagFolder(tag);
            const qint64 tagged = m_nextId++;
            addBookmark(tagged, 1, place, folder.id, folder.next++, QString(),
                        microseconds(link.added), microseconds(link.added),
                        placesGuid("bookmark", tagged));
        }
    }

    void separator(int) override
    {
        const qint64 id = m_nextId++;
        addBookmark(id, 3, 0, m_open.back().id, m_open.back().next++, QString(), kRootsAdded,
                    kRootsAdded, placesGuid("bookmark", id));
    }

    bool ok() const { return m_failure.isEmpty(); }
    const QString& failure() const { return m_failure; }

private:
    struct OpenFolder
    {
        qint64 id;
        int next;
    };

    // The folder under the tags root that holds a tag's entries, made on first use.
    OpenFolder& tagFolder(const QString& tag)
    {
        auto found = m_tagFolders.find(tag);
        if (found != m_tagFolders.end())
            return *found;
        const qint64 id = m_nextId++;
        addBookmark(id, 2, 0, kTags, int(m_tagFolders.size()), tag, kRootsAdded, kRootsAdded,
                    placesGuid("bookmark", id));
        return *m_tagFolders.insert(tag, {id, 0});
    }

    // type 1 link, 2 folder, 3 separator; fk 0 and an empty title are stored as NULL.
    void addBookmark(qint64 id, int type, qint64 fk, qint64 parent, int position,
                     const QString& title, qint64 added, qint64 modified, const QByteArray& guid)
    {
        bind(m_bookmark, 1, id);
        bind(m_bookmark, 2, type);
        if (fk)
            bind(m_bookmark, 3, fk);
        else
            sqlite3_bind_null(m_bookmark.get(), 3);
        bind(m_bookmark, 4, parent);
        bind(m_bookmark, 5, position);
        if (title.isEmpty() && type != 2)
            sqlite3_bind_null(m_bookmark.get(), 6);
        else
            bind(m_bookmark, 6, title);
        bind(m_bookmark, 7, added);
        bind(m_bookmark, 8, modified);
        bind(m_bookmark, 9, guid);
        step(m_bookmark);
    }

    Statement prepared(const char* sql)
    {
        sqlite3_stmt* statement = nullptr;
        if (ok() && sqlite3_prepare_v2(m_database, sql, -1, &statement, nullptr) != SQLITE_OK)
            fail();
        return Statement(statement);
    }

    void bind(const Statement& statement, int index, qint64 value)
    {
        if (ok())
            sqlite3_bind_int64(statement.get(), index, value);
    }

    void bind(const Statement& statement, int index, const QByteArray& value)
    {
        if (ok())
            sqlite3_bind_text(statement.get(), index, value.constData(), int(value.size()),
                              SQLITE_TRANSIENT);
    }

    void bind(const Statement& statement, int index, const QString& value)
    {
        bind(statement, index, value.toUtf8());
    }

    void step(const Statement& statement)
    {
        if (ok() && sqlite3_step(statement.get()) != SQLITE_DONE)
            fail();
        if (statement)
            sqlite3_reset(statement.get());
    }

    void fail() { m_failure = QString::fromUtf8(sqlite3_errmsg(m_database)); }

    const CorpusTree& m_tree;
    sqlite3* m_database;
    Statement m_bookmark;
    Statement m_place;
    Statement m_keyword;
    std::vector<OpenFolder> m_open;
    QHash<QString, OpenFolder> m_tagFolders;
    qint64 m_nextId = 7;
    qint64 m_places = 0;
    QString m_failure;
};

bool execute(sqlite3* database, const QByteArray& sql)
{
    return sqlite3_exec(database, sql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

} // namespace

Result<qint64> writeCorpusPlacesDatabase(const CorpusTree& tree, const QString& path)
{
    const QString partial = path + QStringLiteral(".partial");
    for (const QString& file : {partial, partial + QStringLiteral("-journal")}) {
        if (QFileInfo::exists(file) && !QFile::remove(file))
            return Failure{QStringLiteral("Cannot remove the unfinished \"%1\".").arg(file)};
    }
    sqlite3* opened = nullptr;
    const int openCode = sqlite3_open_v2(QFile::encodeName(partial).constData(), &opened,
                                         SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    std::unique_ptr<sqlite3, DatabaseCloser> database(opened);
    auto failed = [&](const QString& reason) {
        return Failure{QStringLiteral("Cannot write \"%1\": %2").arg(partial, reason)};
    };
    if (openCode != SQLITE_OK)
        return failed(QString::fromUtf8(sqlite3_errstr(openCode)));

    {
        // The statements are finished before the database is closed.
        PlacesWriter writer(tree, database.get());
        const bool ready =
            execute(database.get(), "PRAGMA page_size = " + QByteArray::number(kPlacesPageSize)) &&
            execute(database.get(),
                    "PRAGMA user_version = " + QByteArray::number(kPlacesSchemaVersion)) &&
            execute(database.get(), "BEGIN") && execute(database.get(), kPlacesSchema) &&
            writer.prepare();
        if (!ready)
            return failed(writer.ok() ? QString::fromUtf8(sqlite3_errmsg(database.get()))
                                      : writer.failure());
        writer.addRoots();
        tree.walk(writer);
        if (!writer.ok())
            return failed(writer.failure());
    }
    if (!execute(database.get(), "COMMIT"))
        return failed(QString::fromUtf8(sqlite3_errmsg(database.get())));
    if (sqlite3_close(database.release()) != SQLITE_OK)
        return failed(QStringLiteral("the database could not be closed"));
    if (QFileInfo::exists(path) && !QFile::remove(path))
        return Failure{QStringLiteral("Cannot replace \"%1\".").arg(path)};
    if (!QFile::rename(partial, path))
        return Failure{QStringLiteral("Cannot rename \"%1\" to \"%2\".").arg(partial, path)};
    return QFileInfo(path).size();
}

} // namespace orvalink
