// SPDX-License-Identifier: GPL-3.0-or-later
// One export at a time per destination: a second one is refused while the first holds the lock,
// whichever way the destination is spelled; nothing is locked where nothing can be written; the
// lock covers the whole export and is gone afterwards.

#include "conversion/destination_lock.h"
#include "conversion/export_run.h"
#include "forms/form_table.h"
#include "tests/support/temp_tree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

namespace orvalink {
namespace {

using namespace std::chrono_literals;
using namespace Qt::StringLiterals;
using Kind = DestinationLock::Kind;

void expectBusy(const Result<void, UserMessage>& result, const QString& destination)
{
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.failure().title, u"Destination In Use"_s);
    EXPECT_EQ(result.failure().lines.value(0), QDir::toNativeSeparators(destination));
    EXPECT_EQ(result.failure().icon, MessageIcon::Exclamation);
}

TEST(DestinationLock, EverySpellingOfOneDestinationMeetsAtOneLock)
{
    test::TempTree dir;
    const QString file = dir.write(u"bookmarks.html"_s, "x");
    const QString link = dir.path(u"link.html"_s);
    ASSERT_TRUE(QFile::link(file, link));
    const QString favorites = dir.mkdir(u"Favorites"_s);
    const QString shortcut = dir.write(u"Favorites/Home.url"_s, "[InternetShortcut]\nURL=a:b\n");
    struct Case
    {
        QString first;
        QString second;
        Kind kind;
    };
    const Case cases[] = {
        {file, link, Kind::File},
        {dir.path(u"Favorites/../new.adr"_s), dir.path(u"new.adr"_s), Kind::File},
        {favorites, favorites + u"/"_s, Kind::Folder},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.second.toStdString());
        std::optional<DestinationLock> first(std::in_place, c.first, c.kind);
        ASSERT_TRUE(first->acquire(0ms).ok());
        const QString lockFile = first->lockFilePath();
        EXPECT_TRUE(QFileInfo::exists(lockFile));
        DestinationLock second(c.second, c.kind);
        expectBusy(second.acquire(50ms), c.second);
        if (c.kind == Kind::Folder) {
            // The lock file inside the folder is no link or folder of it.
            Progress quiet;
            const SourceCounts counts = formOf(FormId::Favorites).count(favorites, quiet);
            EXPECT_EQ(counts.links, 1);
            EXPECT_EQ(counts.folders, 0);
        }
        first.reset();
        EXPECT_FALSE(QFileInfo::exists(lockFile));
        EXPECT_TRUE(second.acquire(0ms).ok());
    }
    EXPECT_TRUE(QFileInfo(shortcut).isFile());
}

TEST(DestinationLock, NoneIsMadeWhereNothingCouldBeWritten)
{
    test::TempTree dir;
    const QString pipe = dir.path(u"pipe"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    const std::pair<QString, Kind> cases[] = {
        {dir.path(u"missing/bookmarks.html"_s), Kind::File},
        {pipe, Kind::File},
        {dir.path(), Kind::File},
        {dir.path(u"missing"_s), Kind::Folder},
        {QString(), Kind::File},
    };
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System);
    for (const auto& [destination, kind] : cases) {
        SCOPED_TRACE(destination.toStdString());
        DestinationLock lock(destination, kind);
        EXPECT_TRUE(lock.acquire(0ms).ok());
        EXPECT_EQ(lock.lockFilePath(), QString());
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System), before);
    }
}

// Tries to take the destination's lock whenever the writer reports a folder written.
class LockProbe : public Progress
{
public:
    LockProbe(const QString& destination, Kind kind)
        : m_destination(destination)
        , m_kind(kind)
    {}
    void status(const QString& text) override
    {
        if (!text.startsWith(u"Exporting From Folder: "_s))
            return;
        ++probes;
        if (DestinationLock(m_destination, m_kind).acquire(0ms).ok())
            ++taken;
    }
    int probes = 0;
    int taken = 0;

private:
    QString m_destination;
    Kind m_kind;
};

TEST(DestinationLock, IsHeldByAnExportFromItsChecksToItsEndForEveryDestination)
{
    test::TempTree dir;
    ProgramSettings settings(dir.path(u"options"_s));
    const QString hotlist =
        dir.write(u"source.adr"_s, "Opera Hotlist version 2.0\n\n#FOLDER\n\tNAME=News\n\n"
                                   "#URL\n\tNAME=Daily\n\tURL=https://daily.example/\n\n-\n");
    for (const ExportMode mode :
         {ExportMode::OperaToFirefox, ExportMode::OperaToIE, ExportMode::OperaToMenu}) {
        SCOPED_TRACE(int(mode));
        Job job;
        job.mode = mode;
        job.SourceFileLocation = hotlist;
        job.IELocation = dir.mkdir(u"Favorites"_s);
        job.MenuFileLocation = dir.path(u"menu.html"_s);
        job.DestinationFileLocation = dir.path(u"bookmarks.html"_s);
        ExportRequest request;
        request.file.exportAll = request.favorites.exportAll = request.menu.exportAll = true;
        const Kind kind = DestIsIE(mode) ? Kind::Folder : Kind::File;
        LockProbe probe(job.destinationLocation(), kind);
        const ExportOutcome outcome =
            RunExport(job, settings, request, ListedProcessTable({}), probe);
        EXPECT_TRUE(outcome.completed()) << outcome.message.text().toStdString();
        EXPECT_GT(probe.probes, 0);
        EXPECT_EQ(probe.taken, 0);
        EXPECT_TRUE(DestinationLock(job.destinationLocation(), kind).acquire(0ms).ok());
    }

    // While another export holds the lock, an export waits, then does nothing.
    Job job;
    job.mode = ExportMode::OperaToFirefox;
    job.SourceFileLocation = hotlist;
    job.DestinationFileLocation = dir.path(u"bookmarks.html"_s);
    const QByteArray before = dir.read(u"bookmarks.html"_s);
    DestinationLock other(job.DestinationFileLocation, Kind::File);
    ASSERT_TRUE(other.acquire(0ms).ok());
    ExportRequest request;
    request.file.merge = request.backup = true;
    Progress quiet;
    const ExportOutcome outcome = RunExport(job, settings, request, ListedProcessTable({}), quiet);
    EXPECT_EQ(outcome.status, ExportOutcome::Status::DestinationBusy);
    expectBusy(Result<void, UserMessage>(outcome.message), job.DestinationFileLocation);
    EXPECT_EQ(dir.read(u"bookmarks.html"_s), before);
    EXPECT_FALSE(QFileInfo::exists(dir.path(u"Backup_of_bookmarks.html"_s)));
}

} // namespace
} // namespace orvalink
