// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/check_failure.h"
#include "model/result.h"
#include "model/user_message.h"

#include <QByteArrayView>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

namespace orvalink {

// The database file a Firefox source names: a profile folder stands for its places.sqlite, any
// other path for itself.
QString placesDatabasePath(const QString& location);

// Whether bytes start with the 16-byte header of an SQLite database, "SQLite format 3" and NUL.
bool hasSqliteHeader(QByteArrayView bytes);
// Whether the database path of location (see placesDatabasePath()) is a regular file that starts
// so; never blocks on a pipe or device.
bool holdsSqliteDatabase(const QString& location);

// The messages of a Firefox source that cannot be read as one. All name the database file.
// "Not a Firefox Bookmark Database": not an SQLite database, or one without Firefox's bookmark
// tables.
UserMessage notAFirefoxDatabase(const QString& path);
// "Unknown Firefox Bookmark Database": Firefox's tables, but not the columns this reader needs.
UserMessage unknownFirefoxDatabase(const QString& path);
// "Unreadable Firefox Bookmark Database": damaged or cut off; reason is SQLite's.
UserMessage unreadableFirefoxDatabase(const QString& path, const QString& reason);

// Refuses a bookmark file destination that is, or would become, a Firefox bookmark database: a
// ".sqlite" name, an SQLite database, or a profile folder holding places.sqlite. Firefox takes
// bookmarks in through a bookmark file; its database is never written.
std::optional<CheckFailure> refuseDatabaseDestination(const QString& location);

// A private, read-only copy of a Firefox bookmark database.
//
// A running Firefox holds places.sqlite under an exclusive lock and keeps its newest changes in
// places.sqlite-wal until it quits: opening the file in place fails with "database is locked",
// even read-only, and an immutable open misses what only the log holds. A copy of both files
// (never the shared-memory index, which belongs to the running process) opened in a folder of
// our own sees the current bookmarks, blocks nobody, and works where the profile folder itself
// is read-only. The copy goes when the snapshot does.
class PlacesSnapshot
{
public:
    // Copies and opens the database of location (see placesDatabasePath()), then checks that it
    // holds the tables and columns the reader asks for.
    static Result<std::unique_ptr<PlacesSnapshot>, UserMessage> open(const QString& location);
    ~PlacesSnapshot();
    PlacesSnapshot(const PlacesSnapshot&) = delete;
    PlacesSnapshot& operator=(const PlacesSnapshot&) = delete;

    sqlite3* handle() const { return m_database; }
    // The database file the snapshot was taken of.
    const QString& path() const { return m_path; }
    // SQLite's text of the connection's last error.
    QString lastError() const;

private:
    explicit PlacesSnapshot(QString path);
    Result<void, UserMessage> checkSchema() const;

    QString m_path;
    QTemporaryDir m_folder;
    sqlite3* m_database = nullptr;
};

// One prepared statement of a snapshot, finalised when it goes.
class PlacesStatement
{
public:
    PlacesStatement(const PlacesSnapshot& snapshot, const char* sql);
    ~PlacesStatement();
    PlacesStatement(const PlacesStatement&) = delete;
    PlacesStatement& operator=(const PlacesStatement&) = delete;

    // False when the statement could not be prepared (see PlacesSnapshot::lastError()).
    bool isValid() const { return m_statement != nullptr; }
    void bindText(int parameter, const QByteArray& text);
    // Moves to the next row: true while there is one. Check failed() once it is false.
    bool next();
    bool failed() const { return m_failed; }

    bool isNull(int column) const;
    qint64 integer(int column) const;
    // UTF-8 text; a null QString for NULL.
    QString text(int column) const;
    // The same as SQLite holds it, valid until the statement moves on; a null view for NULL.
    QByteArrayView utf8(int column) const;

private:
    sqlite3_stmt* m_statement = nullptr;
    bool m_failed = false;
};

} // namespace orvalink
