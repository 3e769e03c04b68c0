// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/favorites/favorites_reader.h"
#include "platform/file_helpers.h"
#include "tests/core/forms/writer_test_support.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace orvalink {
namespace {

using test::rowNamed;
using test::TempTree;

QByteArray shortcut(const QString& url)
{
    return "[InternetShortcut]\r\nURL=" + url.toUtf8() + "\r\n";
}

// Creates each path: a folder when it ends in "/", else a shortcut to "http://" + its name.
void fill(const TempTree& tree, std::initializer_list<QAnyStringView> paths)
{
    for (QAnyStringView path : paths) {
        const QString relative = path.toString();
        if (relative.endsWith(QLatin1Char('/')))
            tree.mkdir(relative);
        else
            tree.write(relative, shortcut(QStringLiteral("http://") + relative.section(u'/', -1)));
    }
}

std::unique_ptr<BookmarkModel> load(const QString& folder, int expected = 0)
{
    Progress silent;
    Result<std::unique_ptr<BookmarkModel>> loaded = LoadFavorites(folder, expected, silent);
    EXPECT_TRUE(loaded.ok()) << (loaded.ok() ? std::string() : loaded.error().toStdString());
    return loaded.ok() ? std::move(loaded.value()) : nullptr;
}

// The folder's entries in row order: "name" for a link, "name/" for a subfolder entry.
QString entryNames(BookmarkModel& model, int row)
{
    model.ensureListed(row);
    QStringList names;
    const FolderRecord& folder = model.folder(row);
    for (int r = folder.FirstLink; r <= folder.LastLink; ++r) {
        const LinkRecord& entry = model.link(r);
        names << (entry.isSubfolder() ? entry.Name + QLatin1Char('/') : entry.Name);
    }
    return names.join(QLatin1Char(','));
}

// The scanner, the loader and the lister see the same tree; the lister leaves out the links
// without an address, which the scanner counts without reading them.
void expectAgreement(const QString& folder, int folders, int links)
{
    cFastScanning scanner;
    scanner.Scan(folder);
    EXPECT_EQ(scanner.nFolder(), folders);
    EXPECT_EQ(scanner.nLink(), links);
    std::unique_ptr<BookmarkModel> model = load(folder, scanner.nFolder());
    ASSERT_TRUE(model);
    EXPECT_EQ(model->folderCount(), folders + 1);
    int listed = 0;
    for (int row = 0; row < model->folderCount(); ++row) {
        model->ensureListed(row);
        listed += static_cast<int>(model->GetFolderLinks(row, true).size());
    }
    EXPECT_EQ(listed + model->skippedLinkCount(), links);
}

#ifdef Q_OS_UNIX
QByteArray nativePath(const QString& path)
{
    return QFile::encodeName(path);
}
#endif

TEST(FavoritesReader, ScansAndLoadsDepthFirstAndListsEachFolderWhenNeeded)
{
    TempTree tree;
    fill(tree, {"beta/x.url", "Alpha/Inner/y.url", "alpha/", "Gamma/", "b.url", "A.url", "a.URL",
                "Site.URL", ".hidden.url", "notes.url.txt", "readme.txt"});
    const QDateTime noon(QDate(2021, 3, 14), QTime(12, 0));
    QFile siteFile(tree.path(QStringLiteral("Site.URL")));
    ASSERT_TRUE(siteFile.open(QIODevice::ReadWrite) &&
                siteFile.setFileTime(noon, QFileDevice::FileModificationTime));
    siteFile.close();
#ifdef Q_OS_UNIX
    // Qt sets the times of files only.
    const timespec times[2] = {{noon.toSecsSinceEpoch(), 0}, {noon.toSecsSinceEpoch(), 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, nativePath(tree.path(QStringLiteral("Gamma"))), times, 0), 0);
#endif

    cFastScanning scanner;
    QStringList raised;
    scanner.setFolderScanHandler([&](const QString& path, const QString& name) {
        raised << path.sliced(tree.path().size()) + name;
    });
    scanner.Scan(tree.path());
    EXPECT_EQ(raised.join(u','), QStringLiteral("/Alpha,/Alpha/Inner,/alpha,/beta,/Gamma"));
    expectAgreement(tree.path(), 5, 7);
    // Nothing to scan counts nothing; an empty location is never the file system's root.
    for (const QString& nothing : {tree.path(QStringLiteral("missing")), QString()}) {
        cFastScanning empty;
        empty.Scan(nothing);
        EXPECT_EQ(empty.nFolder() + empty.nLink(), 0);
    }

    class Recorder : public Progress
    {
    public:
        void start(int total) override { calls << QStringLiteral("start %1").arg(total); }
        void step(int done) override { calls << QString::number(done); }
        void finish() override { calls << QStringLiteral("finish"); }
        QStringList calls;
    } progress;
    Result<std::unique_ptr<BookmarkModel>> loaded = LoadFavorites(tree.path(), 3, progress);
    ASSERT_TRUE(loaded.ok());
    BookmarkModel& model = *loaded.value();
    // The scan's count is older than the tree: the bar stops at its end.
    EXPECT_EQ(progress.calls.join(QLatin1Char(' ')), QStringLiteral("start 3 1 2 3 3 3 finish"));

    EXPECT_EQ(model.location(), tree.path() + QLatin1Char('/'));
    QStringList rows;
    for (int row = 1; row < model.folderCount(); ++row)
        rows << model.folder(row).Name;
    // Siblings without regard to case, ties by the exact name.
    EXPECT_EQ(rows.join(QLatin1Char(',')), QStringLiteral("Alpha,Inner,alpha,beta,Gamma"));
    EXPECT_EQ(model.folder(2).Parent, 1);

    EXPECT_EQ(model.LinkCount(), 0);
    EXPECT_EQ(entryNames(model, 0),
              QStringLiteral(".hidden,A,a,Alpha/,alpha/,b,beta/,Gamma/,Site"));
    EXPECT_FALSE(model.folder(rowNamed(model, QStringLiteral("beta"))).LinksLoaded);
    // Listing a listed folder again adds nothing.
    const int listed = model.LinkCount();
    EXPECT_TRUE(model.ensureListed(0));
    ListFolderEntries(model, 0);
    EXPECT_EQ(model.LinkCount(), listed);

    const LinkRecord& site = model.link(model.folder(0).LastLink);
    EXPECT_EQ(site.URL, QStringLiteral("http://Site.URL"));
    EXPECT_EQ(localDate(model.shownDate(model.folder(0).LastLink)), QDate(2021, 3, 14));
    const LinkRecord& gamma = model.link(model.folder(0).LastLink - 1);
    EXPECT_EQ(gamma.SubfolderRow, rowNamed(model, QStringLiteral("Gamma")));
#ifdef Q_OS_UNIX
    EXPECT_EQ(localDate(model.shownDate(model.folder(0).LastLink - 1)), QDate(2021, 3, 14));
#endif

    // The free lister reads the same directory as the installed one.
    const int beta = rowNamed(model, QStringLiteral("beta"));
    ListFolderEntries(model, beta);
    EXPECT_EQ(model.link(model.GetFolderLinks(beta, true).front()).URL,
              QStringLiteral("http://x.url"));
}

TEST(FavoritesReader, MissingAndUnreadableFolders)
{
    TempTree tree;
    Progress silent;
    Result<std::unique_ptr<BookmarkModel>> missing =
        LoadFavorites(tree.path(QStringLiteral("missing")), 0, silent);
    ASSERT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error().contains(QStringLiteral("does not exist")));
    EXPECT_FALSE(LoadFavorites(tree.write(QStringLiteral("file"), "x"), 0, silent).ok());
    EXPECT_FALSE(LoadFavorites(QString(), 0, silent).ok());

#ifdef Q_OS_UNIX
    // An unreadable folder is a folder with nothing in it; the rest reads as usual.
    fill(tree,
         {"Top.url", "Locked/Inside.url", "Locked/Deeper/More.url", "Private.url", "Closed/"});
    for (const char* name : {"Locked", "Private.url", "Closed"})
        ASSERT_EQ(::chmod(nativePath(tree.path(QLatin1String(name))), 0), 0);
    const QString root = tree.path();
    // The temporary folder is private to its owner; the unprivileged child must enter it.
    ASSERT_EQ(::chmod(nativePath(root), 0755), 0);
    // The child's failures are reported by the child; its status says whether there were any.
    const int status = test::inChild([&] {
        if (!test::unprivileged())
            return 90;
        cFastScanning scanner;
        scanner.Scan(root);
        EXPECT_EQ(scanner.nFolder(), 2);
        EXPECT_EQ(scanner.nLink(), 2);
        std::unique_ptr<BookmarkModel> model = load(root);
        if (!model)
            return 2;
        EXPECT_EQ(model->folderCount(), 3);
        EXPECT_FALSE(model->ensureListed(rowNamed(*model, QStringLiteral("Locked"))));
        EXPECT_EQ(entryNames(*model, 0), QStringLiteral("Closed/,Locked/,Top"));
        EXPECT_EQ(model->skippedLinkCount(), 1);
        EXPECT_FALSE(FileExists(root + QStringLiteral("/Private.url")));
        Result<std::unique_ptr<BookmarkModel>> closed =
            LoadFavorites(root + QStringLiteral("/Closed"), 0, silent);
        EXPECT_TRUE(!closed.ok() && closed.error().contains(QStringLiteral("cannot be read")));
        return ::testing::Test::HasFailure() ? 1 : 0;
    });
    EXPECT_EQ(status, 0);
    for (const char* name : {"Locked", "Closed"})
        ::chmod(nativePath(tree.path(QLatin1String(name))), 0755);
#endif
}

// A folder is listed once, while loading; its shortcuts are read when it is first needed, and
// what happened to them in between is what the lister meets.
TEST(FavoritesReader, ShortcutsAreReadWhenTheirFolderIsNeeded)
{
    TempTree tree;
    fill(tree, {"Work/Changed.url", "Work/Gone.url", "Work/Kept.url", "Work/Pipe.url"});
    std::unique_ptr<BookmarkModel> model = load(tree.path());
    ASSERT_TRUE(model);
    tree.write(QStringLiteral("Work/Changed.url"), shortcut(QStringLiteral("http://new")));
    ASSERT_TRUE(QFile::remove(tree.path(QStringLiteral("Work/Gone.url"))));
#ifdef Q_OS_UNIX
    // Listed as a plain file, now a pipe that would block a reader that waits for it.
    const QString pipe = tree.path(QStringLiteral("Work/Pipe.url"));
    ASSERT_TRUE(QFile::remove(pipe));
    ASSERT_EQ(::mkfifo(nativePath(pipe), 0644), 0);
#endif
    const int work = rowNamed(*model, QStringLiteral("Work"));
#ifdef Q_OS_UNIX
    EXPECT_EQ(entryNames(*model, work), QStringLiteral("Changed,Kept"));
    EXPECT_EQ(model->skippedLinkCount(), 1);
#else
    EXPECT_EQ(entryNames(*model, work), QStringLiteral("Changed,Kept,Pipe"));
#endif
    EXPECT_EQ(model->link(model->folder(work).FirstLink).URL, QStringLiteral("http://new"));
}

// Missing files and folders are the export checks' test's; here what else is at a path.
TEST(FileHelpers, PathsFoldersAndFiles)
{
    TempTree tree;
    EXPECT_EQ(AddBackslash(QStringLiteral("/a/")), QStringLiteral("/a/"));
    const QString folder = tree.mkdir(QStringLiteral("Folder"));
    EXPECT_FALSE(FolderExists(tree.write(QStringLiteral("file"), "x")) || FolderExists(QString()));
    EXPECT_FALSE(FileExists(folder) || FileExists(QString()));
    EXPECT_TRUE(DestinationPathValid(QStringLiteral("/new.html")));
    EXPECT_FALSE(DestinationPathValid(QStringLiteral("new.html")));
#ifdef Q_OS_UNIX
    ASSERT_TRUE(QFile::link(folder, tree.path(QStringLiteral("Link"))));
    ASSERT_EQ(::mkfifo(nativePath(tree.path(QStringLiteral("fifo"))), 0644), 0);
    EXPECT_TRUE(FolderExists(tree.path(QStringLiteral("Link"))));
    EXPECT_FALSE(FileExists(tree.path(QStringLiteral("fifo"))));
#endif
}

// Files read together come out as files read one after the other: across batches, and for
// every way a listed file can fail by the time it is read.
TEST(FileHelpers, ListedFilesReadTogetherAsOneByOne)
{
    TempTree tree;
    for (int size = 0; size < 70; ++size)
        tree.write(QStringLiteral("f%1").arg(size, 2, 10, QLatin1Char('0')), QByteArray(size, 'x'));
    tree.write(QStringLiteral("large"), QByteArray(100, 'x'));
    const QString gone = tree.write(QStringLiteral("gone"), "x");
    const QString pipe = tree.write(QStringLiteral("pipe"), "x");
    const DirectoryHandle dir = DirectoryHandle::open(tree.path());
    const std::vector<DirectoryEntry> listed = dir.entries().value();
    ASSERT_TRUE(QFile::remove(gone) && QFile::remove(pipe));
#ifdef Q_OS_UNIX
    ASSERT_EQ(::mkfifo(nativePath(pipe), 0644), 0);
#endif

    QStringList outcomes;
    for (ListedFileReader::Method method :
         {ListedFileReader::Method::Batched, ListedFileReader::Method::OneByOne}) {
        std::vector<DirectoryEntry> entries = listed;
        std::vector<DirectoryEntry*> files;
        for (DirectoryEntry& entry : entries)
            files.push_back(&entry);
        ListedFileReader reader(method);
        reader.read(dir, files, 80);
        QStringList outcome;
        for (size_t index = 0; index < files.size(); ++index) {
            const std::optional<QByteArrayView> contents = reader.contents(index);
            outcome << files[index]->name + QLatin1Char(' ') +
                           (contents && *contents == QByteArray(contents->size(), 'x') &&
                                    files[index]->writeTime
                                ? QString::number(contents->size())
                                : QString::fromLocal8Bit(std::strerror(reader.error(index))));
        }
        outcomes << outcome.join(u',');
    }
    EXPECT_EQ(outcomes[0], outcomes[1]);
    EXPECT_TRUE(outcomes[0].startsWith(QStringLiteral("f00 0,f01 1,")));
    EXPECT_TRUE(outcomes[0].contains(QStringLiteral(",f69 69,")));
    for (int error : {ENOENT, EFBIG})
        EXPECT_TRUE(outcomes[0].contains(QString::fromLocal8Bit(std::strerror(error))));
}

// Symbolic links, FIFOs, permissions and names that are not text: what POSIX systems have.
#ifdef Q_OS_UNIX

TEST(FavoritesReader, FollowsFolderLinksOnceAndNeverInLoops)
{
    TempTree tree;
    fill(tree, {"Favs/Sub/In.url", "Outside/Out.url"});
    const QString favs = tree.path(QStringLiteral("Favs"));
    const QString outside = tree.path(QStringLiteral("Outside"));
    ASSERT_TRUE(QFile::link(outside, favs + QStringLiteral("/Out")));
    ASSERT_TRUE(QFile::link(outside, favs + QStringLiteral("/Sub/Out")));
    ASSERT_TRUE(QFile::link(favs, favs + QStringLiteral("/Sub/Up")));
    ASSERT_TRUE(QFile::link(favs + QStringLiteral("/Sub"), favs + QStringLiteral("/Sub/Self")));
    ASSERT_TRUE(QFile::link(tree.path(QStringLiteral("nowhere")), favs + QStringLiteral("/X.url")));
    // A FIFO named like a shortcut is a link without an address; reading it must not block.
    ASSERT_EQ(::mkfifo(nativePath(favs + QStringLiteral("/Pipe.url")), 0644), 0);

    // Folders Out and Sub (Sub/Out leads where Out already led); links In, Out, the dangling X
    // and the FIFO.
    expectAgreement(favs, 2, 4);
    std::unique_ptr<BookmarkModel> model = load(favs);
    ASSERT_TRUE(model);
    EXPECT_EQ(entryNames(*model, rowNamed(*model, QStringLiteral("Sub"))), QStringLiteral("In"));
    EXPECT_EQ(entryNames(*model, 0), QStringLiteral("Out/,Sub/"));
}

TEST(FavoritesReader, LinksThatFanOutAreWalkedOnce)
{
    // Each level links twice to the next: followed link by link, 30 levels would be walked 2^30
    // times over. A third link at the top leads into the middle of the chain.
    TempTree tree;
    const int levels = 30;
    const QString favs = tree.mkdir(QStringLiteral("Favs"));
    QString from = favs;
    for (int i = 0; i < levels; ++i) {
        fill(tree, {QStringLiteral("Kept/%1/L.url").arg(i)});
        const QString level = tree.path(QStringLiteral("Kept/%1").arg(i));
        for (const char* name : {"/a", "/b"})
            ASSERT_TRUE(QFile::link(level, from + QLatin1String(name)));
        from = level;
    }
    ASSERT_TRUE(QFile::link(tree.path(QStringLiteral("Kept/5")), favs + QStringLiteral("/c")));

    expectAgreement(favs, levels, levels);
    std::unique_ptr<BookmarkModel> model = load(favs);
    ASSERT_TRUE(model);
    EXPECT_EQ(entryNames(*model, 0), QStringLiteral("a/"));
    EXPECT_EQ(entryNames(*model, 1), QStringLiteral("a/,L"));
    EXPECT_EQ(entryNames(*model, levels), QStringLiteral("L"));
}

TEST(FavoritesReader, NamesThatAreNotValidTextStillReachTheirFolders)
{
    TempTree tree;
    const QByteArray root = nativePath(tree.path());
    ASSERT_EQ(::mkdir(root + "/Bad\xff", 0755), 0);
    ASSERT_EQ(::mkdir(root + "/Two\nLines", 0755), 0);
    for (const QByteArray& file : {root + "/Bad\xff/In\xe9.url", root + "/Two\nLines/x.url"}) {
        const int fd = ::open(file.constData(), O_WRONLY | O_CREAT, 0644);
        const QByteArray text = shortcut(QStringLiteral("http://odd/"));
        ASSERT_EQ(::write(fd, text.constData(), static_cast<size_t>(text.size())), text.size());
        ::close(fd);
    }

    expectAgreement(tree.path(), 2, 2);
    std::unique_ptr<BookmarkModel> model = load(tree.path());
    ASSERT_TRUE(model);
    const int bad = rowNamed(*model, QStringLiteral("Bad\u00FF"));
    EXPECT_EQ(entryNames(*model, bad), QStringLiteral("In\u00E9"));
    EXPECT_EQ(model->link(model->GetFolderLinks(bad, true).front()).URL,
              QStringLiteral("http://odd/"));
    EXPECT_EQ(entryNames(*model, rowNamed(*model, QStringLiteral("Two\nLines"))),
              QStringLiteral("x"));

    // Qt cannot name these to remove them.
    ::unlink(root + "/Bad\xff/In\xe9.url");
    ::rmdir(root + "/Bad\xff");
}

TEST(FavoritesReader, TenThousandNestedFoldersLoadAndList)
{
    // In memory where the system offers it: on a disk, creating the folders alone takes seconds.
    QTemporaryDir inMemory(QStringLiteral("/dev/shm/orvalink-XXXXXX"));
    TempTree onDisk;
    const QString root = inMemory.isValid() ? inMemory.path() : onDisk.path();
    // Built and removed relative to descriptors: no path to the bottom fits the system's limit.
    const auto descend = [](int& fd, const char* name) {
        const int next = ::openat(fd, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::close(fd);
        fd = next;
    };
    const int depth = 10000;
    int level = ::open(nativePath(root).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (int i = 0; i < depth && level >= 0; ++i) {
        if (i % 100 == 0)
            ::close(::openat(level, "l.url", O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
        ::mkdirat(level, "d", 0755);
        descend(level, "d");
    }
    ASSERT_GE(level, 0);

    expectAgreement(root, depth, depth / 100);

    for (int i = depth - 1; i >= 0 && level >= 0; --i) {
        descend(level, "..");
        ::unlinkat(level, "d", AT_REMOVEDIR);
        if (i % 100 == 0)
            ::unlinkat(level, "l.url", 0);
    }
    ::close(level);
}

TEST(FavoritesReader, WalksBackUpThroughLongPathsOfFolders)
{
    // Every level holds its way down ("a", first in order) and a folder after it ("z") with a
    // link, so each level is needed again after everything below it. In the second tree the way
    // down is a link to a folder kept elsewhere, which ".." does not lead back from.
    for (bool throughLinks : {false, true}) {
        TempTree tree;
        QString level = QStringLiteral("Favs");
        for (int i = 0; i < 150; ++i) {
            fill(tree, {level + QStringLiteral("/z/z.url")});
            const QString kept = QStringLiteral("Kept/%1").arg(i);
            if (throughLinks) {
                ASSERT_TRUE(QFile::link(tree.mkdir(kept), tree.path(level + QStringLiteral("/a"))));
            }
            level = throughLinks ? kept : level + QStringLiteral("/a");
        }
        tree.mkdir(level);
        expectAgreement(tree.path(QStringLiteral("Favs")), 2 * 150, 150);
    }
}

#endif

} // namespace
} // namespace orvalink
