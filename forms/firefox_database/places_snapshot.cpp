// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/firefox_database/places_snapshot.h"

#include "forms/form_checks.h"
#include "platform/file_helpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>
#include <sqlite3.h>

#ifdef Q_OS_LINUX
#include <sys/sendfile.h>
#include <unistd.h>
#endif

namespace orvalink {

namespace {

constexpr QByteArrayView kSqliteHeader("SQLite format 3\0", 16);

// What the reader asks of each table. Firefox's schema version is not consulted: it rises with
// every migration, most of which touch nothing read here, so these columns decide instead.
struct RequiredTable
{
    const char* name;
    // Without it the file is no Firefox bookmark database at all.
    bool makesTheForm;
    std::array<const char*, 9> columns;
};

constexpr std::array<RequiredTable, 3> kRequiredTables{{
    {"moz_bookmarks",
     true,
     {"id", "type", "fk", "parent", "position", "title", "dateAdded", "lastModified", "guid"}},
    {"moz_places", true, {"id", "url"}},
    {"moz_keywords", false, {"keyword", "place_id", "post_data"}},
}};

// Whether the database file is shorter than its header says. The size in the header counts only
// when the header marks it as current (the version it is valid for is the change counter).
bool isCutOff(QFile& file, QByteArrayView header)
{
    if (header.size() < 100)
        return true;
    auto number = [&](qsizetype at, int bytes) {
        quint64 value = 0;
        for (int i = 0; i < bytes; ++i)
            value = value << 8 | static_cast<quint8>(header[at + i]);
        return value;
    };
    const quint64 pageSize = number(16, 2) == 1 ? 65536 : number(16, 2);
    const quint64 pages = number(28, 4);
    if (number(92, 4) != number(24, 4) || pages == 0)
        return false;
    return static_cast<quint64>(file.size()) < pageSize * pages;
}

// Copies a file into folder under the same name; a missing file is not copied. The copy lives
// only as long as the snapshot, so it is never forced onto the disk (QFile::copy() syncs it, which
// would write the whole database out on every read); deleted soon after, most of it never reaches
// the disk at all.
bool copyInto(const QString& file, const QString& folder)
{
    QFile source(file);
    if (!source.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return !source.exists();
    QFile copy(folder + u'/' + QFileInfo(file).fileName());
    if (!copy.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return false;
#ifdef Q_OS_LINUX
    // In the kernel, without passing the bytes through this process; what it cannot copy (a file
    // system that refuses) continues below from where it stopped.
    constexpr size_t kMostPerCall = 0x7ffff000;
    ssize_t sent = 0;
    do
        sent = sendfile(copy.handle(), source.handle(), nullptr, kMostPerCall);
    while (sent > 0);
    if (sent == 0)
        return true;
    source.seek(lseek(source.handle(), 0, SEEK_CUR));
    copy.seek(lseek(copy.handle(), 0, SEEK_CUR));
#endif
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 read = source.read(chunk.data(), chunk.size());
        if (read <= 0)
            return read == 0;
        if (copy.write(chunk.constData(), read) != read)
            return false;
    }
}

} // namespace

QString placesDatabasePath(const QString& location)
{
    if (FolderExists(location))
        return QDir(location).filePath(QStringLiteral("places.sqlite"));
    return location;
}

bool hasSqliteHeader(QByteArrayView bytes)
{
    return bytes.startsWith(kSqliteHeader);
}

bool holdsSqliteDatabase(const QString& location)
{
    QFile file;
    return openRegularFileForReading(file, placesDatabasePath(location)).ok() &&
           hasSqliteHeader(file.read(kSqliteHeader.size()));
}

UserMessage notAFirefoxDatabase(const QString& path)
{
    return UserMessage{
        QCoreApplication::translate("orvalink::PlacesSnapshot", "Not a Firefox Bookmark Database"),
        {QDir::toNativeSeparators(path),
         QCoreApplication::translate("orvalink::PlacesSnapshot",
                                     "The Selected File Is Not a Firefox Bookmark Database."),
         QCoreApplication::translate("orvalink::PlacesSnapshot",
                                     "Please, Select a Firefox Profile's places.sqlite.")},
        MessageIcon::Exclamation};
}

UserMessage unknownFirefoxDatabase(const QString& path)
{
    return UserMessage{QCoreApplication::translate("orvalink::PlacesSnapshot",
                                                   "Unknown Firefox Bookmark Database"),
                       {QDir::toNativeSeparators(path),
                        QCoreApplication::translate(
                            "orvalink::PlacesSnapshot",
                            "This Firefox Bookmark Database Is of a Version Orvalink Cannot Read."),
                        QCoreApplication::translate(
                            "orvalink::PlacesSnapshot",
                            "Please, Export the Bookmarks From Firefox to an HTML File and Select "
                            "That File.")},
                       MessageIcon::Exclamation};
}

UserMessage unreadableFirefoxDatabase(const QString& path, const QString& reason)
{
    return UserMessage{
        QCoreApplication::translate("orvalink::PlacesSnapshot",
                                    "Unreadable Firefox Bookmark Database"),
        {QDir::toNativeSeparators(path),
         QCoreApplication::translate("orvalink::PlacesSnapshot",
                                     "The Selected Firefox Bookmark Database Cannot Be Read."),
         reason},
        MessageIcon::Critical};
}

std::optional<CheckFailure> refuseDatabaseDestination(const QString& location)
{
    if (!location.endsWith(u".sqlite", Qt::CaseInsensitive) && !holdsSqliteDatabase(location))
        return std::nullopt;
    return checkFailure(
        ExportCheck::DestinationIsDatabase,
        QCoreApplication::translate("orvalink::PlacesSnapshot", "Firefox Bookmark Database"),
        {QDir::toNativeSeparators(location),
         QCoreApplication::translate("orvalink::PlacesSnapshot",
                                     "Orvalink Never Writes Firefox's Bookmark Database."),
         QCoreApplication::translate(
             "orvalink::PlacesSnapshot",
             "Please, Select a Bookmark File (.html) and Import It in Firefox.")},
        WindowFix::FocusFileCombo);
}

PlacesSnapshot::PlacesSnapshot(QString path)
    : m_path(std::move(path))
{}

PlacesSnapshot::~PlacesSnapshot()
{
    sqlite3_close(m_database);
}

QString PlacesSnapshot::lastError() const
{
    return QString::fromUtf8(sqlite3_errmsg(m_database));
}

Result<std::unique_ptr<PlacesSnapshot>, UserMessage> PlacesSnapshot::open(const QString& location)
{
    const QString path = placesDatabasePath(location);
    {
        QFile file;
        if (Result<void> opened = openRegularFileForReading(file, path); !opened)
            return UserMessage{QCoreApplication::translate("orvalink::PlacesSnapshot", "Error"),
                               {opened.error()},
                               MessageIcon::Critical};
        const QByteArray header = file.read(100);
        if (!hasSqliteHeader(header))
            return notAFirefoxDatabase(path);
        if (isCutOff(file, header))
            return unreadableFirefoxDatabase(
                path, QCoreApplication::translate("orvalink::PlacesSnapshot",
                                                  "The Database File Is Cut Off."));
    }
    std::unique_ptr<PlacesSnapshot> snapshot(new PlacesSnapshot(path));
    const QString folder = snapshot->m_folder.path();
    // The log first: should Firefox fold it into the database meanwhile, the database copied
    // after it holds those pages already, and the copied log only repeats them.
    if (!snapshot->m_folder.isValid() || !copyInto(path + QStringLiteral("-wal"), folder) ||
        !copyInto(path, folder))
        return unreadableFirefoxDatabase(
            path,
            QCoreApplication::translate("orvalink::PlacesSnapshot",
                                        "The Database Could Not Be Copied to a Temporary Folder."));
    const QByteArray copy =
        QFile::encodeName(folder + QStringLiteral("/") + QFileInfo(path).fileName());
    if (sqlite3_open_v2(copy.constData(), &snapshot->m_database,
                        SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK)
        return unreadableFirefoxDatabase(path, snapshot->lastError());
    if (Result<void, UserMessage> checked = snapshot->checkSchema(); !checked)
        return checked.failure();
    return snapshot;
}

Result<void, UserMessage> PlacesSnapshot::checkSchema() const
{
    PlacesStatement columns(*this, "SELECT name FROM pragma_table_info(?1)");
    if (!columns.isValid())
        return unreadableFirefoxDatabase(m_path, lastError());
    for (const RequiredTable& table : kRequiredTables) {
        columns.bindText(1, table.name);
        QStringList found;
        while (columns.next())
            found << columns.text(0);
        if (columns.failed())
            return unreadableFirefoxDatabase(m_path, lastError());
        if (found.isEmpty() && table.makesTheForm)
            return notAFirefoxDatabase(m_path);
        for (const char* column : table.columns) {
            if (column && !found.contains(QLatin1String(column), Qt::CaseInsensitive))
                return unknownFirefoxDatabase(m_path);
        }
    }
    return {};
}

PlacesStatement::PlacesStatement(const PlacesSnapshot& snapshot, const char* sql)
{
    if (sqlite3_prepare_v2(snapshot.handle(), sql, -1, &m_statement, nullptr) != SQLITE_OK) {
        sqlite3_finalize(m_statement);
        m_statement = nullptr;
    }
}

PlacesStatement::~PlacesStatement()
{
    sqlite3_finalize(m_statement);
}

void PlacesStatement::bindText(int parameter, const QByteArray& text)
{
    sqlite3_reset(m_statement);
    m_failed = false;
    sqlite3_bind_text(m_statement, parameter, text.constData(), static_cast<int>(text.size()),
                      SQLITE_TRANSIENT);
}

bool PlacesStatement::next()
{
    const int stepped = sqlite3_step(m_statement);
    m_failed = stepped != SQLITE_ROW && stepped != SQLITE_DONE;
    return stepped == SQLITE_ROW;
}

bool PlacesStatement::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

qint64 PlacesStatement::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

QByteArrayView PlacesStatement::utf8(int column) const
{
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
    if (!bytes)
        return QByteArrayView();
    return QByteArrayView(bytes, sqlite3_column_bytes(m_statement, column));
}

QString PlacesStatement::text(int column) const
{
    const QByteArrayView bytes = utf8(column);
    return bytes.isNull() ? QString() : QString::fromUtf8(bytes);
}

} // namespace orvalink
