// SPDX-License-Identifier: GPL-3.0-or-later
// What an export reports when the disk lets it down (full, read-only, a folder removed while it is
// written) and when Favorites hold shortcuts without an address: each checks what is on disk, the
// box the user sees and the exported-items total.

#include "conversion/export_run.h"
#include "forms/form_table.h"
#include "platform/file_helpers.h"
#include "settings/exported_items.h"
#include "tests/core/forms/writer_test_support.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <csignal>
#include <optional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace orvalink {
namespace {

using namespace Qt::StringLiterals;

// A small tmpfs over a folder, seen by this test process alone: it mounts in a mount namespace
// of its own, so nothing stays mounted whatever becomes of the test. Unmounted when it goes.
class ScopedTmpfs
{
public:
    ScopedTmpfs(const QString& folder, const char* options, unsigned long flags = 0)
    {
        const QByteArray target = QFile::encodeName(folder);
        if (::unshare(CLONE_NEWNS) == 0 &&
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
            ::mount("tmpfs", target.constData(), "tmpfs", flags, options) == 0)
            m_target = target;
    }
    ScopedTmpfs(const ScopedTmpfs&) = delete;
    ScopedTmpfs& operator=(const ScopedTmpfs&) = delete;
    ~ScopedTmpfs()
    {
        if (isMounted())
            ::umount2(m_target.constData(), MNT_DETACH);
    }
    bool isMounted() const { return !m_target.isEmpty(); }

private:
    QByteArray m_target;
};

// This process writes no file beyond bytes while it lives: a longer write fails as on a full
// disk, SIGXFSZ being ignored meanwhile. Only the soft limit moves, so it can be put back.
class ScopedFileSizeLimit
{
public:
    explicit ScopedFileSizeLimit(rlim_t bytes)
    {
        m_set = ::getrlimit(RLIMIT_FSIZE, &m_old) == 0 && bytes <= m_old.rlim_max;
        if (m_set) {
            m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{bytes, m_old.rlim_max};
            m_set = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
        }
    }
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;
    ~ScopedFileSizeLimit()
    {
        if (m_set) {
            ::setrlimit(RLIMIT_FSIZE, &m_old);
            std::signal(SIGXFSZ, m_oldHandler);
        }
    }
    bool isSet() const { return m_set; }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = SIG_DFL;
    bool m_set = false;
};

class ExportRunFaults : public ::testing::Test
{
protected:
    // Exports everything of test::twoFolders() into the Favorites folder "fav".
    ExportOutcome exportSource(FavoritesWhere where, Progress& progress)
    {
        Job job;
        job.mode = ExportMode::FirefoxToIE;
        job.SourceFileLocation = m_dir.path(u"bookmarks.html"_s);
        job.IELocation = favorites();
        ExportRequest request;
        request.favorites.where = where;
        request.favorites.newFolderName = u"New"_s;
        return RunExport(job, m_settings, request, m_processes, progress);
    }

    QString favorites() const { return m_dir.path(u"fav"_s); }

    // Every entry below the Favorites folder, the filler aside.
    QString onDisk() const { return test::entriesBelow(favorites(), u"filler"_s); }

    void SetUp() override
    {
        m_dir.write(u"bookmarks.html"_s, test::twoFolders());
        m_dir.mkdir(u"fav"_s);
        m_totalBefore = AddTotalItemsExported(m_settings, 0);
    }

    static QString reason(int error) { return u"Reason: "_s + systemErrorText(error) + u'.'; }
    qint32 totalAdded() { return AddTotalItemsExported(m_settings, 0) - m_totalBefore; }

    test::TempTree m_dir;
    ProgramSettings m_settings{m_dir.path(u"options"_s)};
    ListedProcessTable m_processes{QStringList()};
    qint32 m_totalBefore = 0;
};

TEST_F(ExportRunFaults, FullDiskKeepsWhatFitAndEveryOldFileWhole)
{
    // Room for one more page beside an old shortcut, the filler and the export's lock file; the
    // old shortcut's page comes free again when its replacement is in place: Home and Wiki fit,
    // Bottom does not. Without a mount, a file size limit lets the short ones through.
    ScopedTmpfs disk(favorites(), "size=16k");
    const QString home = m_dir.write(u"fav/Home.URL"_s, "old");
    std::optional<ScopedFileSizeLimit> limit;
    int error = ENOSPC;
    if (disk.isMounted()) {
        m_dir.write(u"fav/filler"_s, QByteArray(4096, 'x'));
    } else {
        error = EFBIG;
        if (!limit.emplace(64).isSet())
            GTEST_SKIP() << "Neither a tmpfs mount nor a file size limit is permitted here.";
    }
    Progress quiet;
    const ExportOutcome outcome = exportSource(FavoritesWhere::Root, quiet);
    limit.reset();

    EXPECT_EQ(outcome.status, ExportOutcome::Status::Incomplete);
    EXPECT_EQ(outcome.message.title, u"Exporting Incomplete"_s);
    EXPECT_EQ(outcome.message.lines,
              QStringList({u"2 Folders & 2 Links Exported."_s, u"1 Links Could Not Be Written."_s,
                           reason(error)}));
    EXPECT_EQ(outcome.message.icon, MessageIcon::Exclamation);
    EXPECT_EQ(onDisk(), u"Home.URL,Work/,Work/Deep/,Work/Wiki.URL"_s);
    EXPECT_EQ(m_dir.read(u"fav/Home.URL"_s),
              QByteArray("[InternetShortcut]\r\nURL=http://home/\r\n"));
    EXPECT_EQ(totalAdded(), 4);

    // A disk with no room at all: the old file stays as it was.
    if (disk.isMounted()) {
        QDir(favorites() + u"/Work"_s).removeRecursively();
        QFile::remove(home);
        m_dir.write(u"fav/Home.URL"_s, "old");
        m_dir.write(u"fav/more"_s, QByteArray(4096, 'x'));
        const ExportOutcome full = exportSource(FavoritesWhere::Root, quiet);
        EXPECT_EQ(full.message.lines,
                  QStringList({u"2 Folders & 0 Links Exported."_s,
                               u"3 Links Could Not Be Written."_s, reason(error)}));
        EXPECT_EQ(m_dir.read(u"fav/Home.URL"_s), QByteArray("old"));
    }
}

TEST_F(ExportRunFaults, ReadOnlyFavoritesGetNothingAndTheExportFails)
{
    ScopedTmpfs readOnly(favorites(), "size=16k", MS_RDONLY);
    int error = EROFS;
    if (!readOnly.isMounted()) {
        // As root, permissions stop no write.
        if (::geteuid() == 0)
            GTEST_SKIP() << "Root cannot mount a read-only folder here, and permissions do not "
                            "stop root.";
        ASSERT_EQ(::chmod(QFile::encodeName(favorites()).constData(), 0555), 0);
        error = EACCES;
    }
    // Into the folder itself, and into a new folder that cannot be made.
    for (const FavoritesWhere where : {FavoritesWhere::Root, FavoritesWhere::NewFolder}) {
        Progress quiet;
        const ExportOutcome outcome = exportSource(where, quiet);
        EXPECT_EQ(outcome.status, ExportOutcome::Status::WriteFailed);
        EXPECT_EQ(outcome.message.title, u"Exporting Failed"_s);
        EXPECT_EQ(outcome.message.lines,
                  QStringList({u"Nothing Was Exported."_s, u"3 Links Could Not Be Written."_s,
                               u"2 Folders Could Not Be Created."_s, reason(error)}));
        EXPECT_EQ(outcome.message.icon, MessageIcon::Critical);
    }
    EXPECT_EQ(onDisk(), QString());
    EXPECT_EQ(totalAdded(), 0);
}

TEST_F(ExportRunFaults, FolderRemovedWhileWrittenLosesWhatWentIntoIt)
{
    test::OnFolder removeWork(
        u"Work"_s, [this] { EXPECT_TRUE(QDir(favorites() + u"/Work"_s).removeRecursively()); });
    const ExportOutcome outcome = exportSource(FavoritesWhere::Root, removeWork);
    EXPECT_EQ(outcome.status, ExportOutcome::Status::Incomplete);
    EXPECT_EQ(outcome.message.lines,
              QStringList({u"1 Folders & 1 Links Exported."_s, u"2 Links Could Not Be Written."_s,
                           u"1 Folders Could Not Be Created."_s, reason(ENOENT)}));
    EXPECT_EQ(onDisk(), u"Home.URL"_s);
    EXPECT_EQ(totalAdded(), 2);
}

TEST(ExportRun, FavoritesWithoutAnAddressAreNotWrittenToAnyForm)
{
    // A shortcut without "URL=", a pipe and a dangling link: the scan counts five links.
    test::TempTree dir;
    const QString favorites = test::favoritesJob(dir, {"Home.url", "Work/Wiki.url"}).IELocation;
    dir.write(u"fav/Work/Blank.url"_s, "[InternetShortcut]\r\n");
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.path(u"fav/Work/Pipe.url"_s)).constData(), 0644), 0);
    ASSERT_TRUE(QFile::link(dir.path(u"gone"_s), dir.path(u"fav/Dangling.url"_s)));
    Progress quiet;
    const SourceCounts counts = formOf(FormId::Favorites).count(favorites, quiet);
    ASSERT_EQ(counts.links, 5);

    const ListedProcessTable processes{QStringList()};
    ProgramSettings settings(dir.path(u"options"_s));
    for (const ExportMode mode :
         {ExportMode::IEToFirefox, ExportMode::IEToOpera, ExportMode::IEToMenu}) {
        Job job;
        job.mode = mode;
        job.IELocation = favorites;
        job.UserName = u"anna"_s;
        job.TotalFolderCount = counts.folders;
        job.TotalLinkCount = counts.links;
        job.DestinationFileLocation = dir.path(u"out%1"_s.arg(int(mode)));
        job.MenuFileLocation = job.DestinationFileLocation;
        const qint32 totalBefore = AddTotalItemsExported(settings, 0);
        const ExportOutcome outcome = RunExport(job, settings, ExportRequest{}, processes, quiet);
        EXPECT_EQ(outcome.status, ExportOutcome::Status::Incomplete);
        EXPECT_EQ(outcome.message.title, u"Exporting Incomplete"_s);
        EXPECT_EQ(
            outcome.message.lines,
            QStringList({u"1 Folders & 2 Links Exported."_s, u"3 Links Could Not Be Written."_s,
                         u"Reason: Their Internet Shortcuts Have No Address."_s}));
        const QByteArray written = dir.read(u"out%1"_s.arg(int(mode)));
        EXPECT_TRUE(written.contains("about:Wiki"));
        EXPECT_FALSE(written.contains("Blank") || written.contains("Pipe") ||
                     written.contains("Dangling"));
        // A menu page counts the items it holds.
        if (mode != ExportMode::IEToMenu) {
            EXPECT_EQ(AddTotalItemsExported(settings, 0) - totalBefore, 3);
        }
    }
}

} // namespace
} // namespace orvalink
