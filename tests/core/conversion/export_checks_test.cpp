// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversion/export_checks.h"
#include "platform/file_helpers.h"
#include "tests/support/temp_tree.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace orvalink {
namespace {

QString u8(const char* text)
{
    return QString::fromUtf8(text);
}

// A process table that counts how often it is read.
class CountingProcessTable : public ListedProcessTable
{
public:
    using ListedProcessTable::ListedProcessTable;
    QStringList executableNames() const override
    {
        ++reads;
        return ListedProcessTable::executableNames();
    }
    mutable int reads = 0;
};

class ExportChecksTest : public ::testing::Test
{
protected:
    // A job whose every location exists.
    Job job(ExportMode mode) const
    {
        Job job;
        job.mode = mode;
        tree.mkdir(u8("Favorites/Links"));
        job.IELocation = tree.path(u8("Favorites"));
        job.SourceFileLocation = tree.write(u8("source.html"), "");
        job.DestinationFileLocation = tree.write(u8("destination.adr"), "");
        job.MenuFileLocation = tree.path(u8("menu.html"));
        return job;
    }

    Result<void, CheckFailure> check(const Job& job, bool sourceOnly = false) const
    {
        return ValidateExport(job, inputs, sourceOnly, processes);
    }

    QString readOnlyFile(const QString& name) const
    {
        const QString path = tree.write(name, "x");
        EXPECT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadOther));
        return path;
    }

    test::TempTree tree;
    ExportCheckInputs inputs;
    CountingProcessTable processes{QStringList()};
};

// The failed check, its title, the fix the window applies and, where the message names a path
// on its first line, that path (the rest of each message is its text as written in the checks).
void expectFailure(const Result<void, CheckFailure>& result, ExportCheck check, const char* title,
                   WindowFix fix = WindowFix::None, const QString& namedPath = {})
{
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.failure().check, check);
    EXPECT_EQ(result.failure().message.title, u8(title));
    EXPECT_EQ(result.failure().message.icon, MessageIcon::Exclamation);
    EXPECT_EQ(result.failure().fix, fix);
    if (!namedPath.isEmpty()) {
        EXPECT_EQ(result.failure().message.lines.value(0), namedPath);
    }
}

TEST_F(ExportChecksTest, EveryConversionPassesWhenAllIsInPlace)
{
    for (int mode : {2, 4, 5, 6, 7, 8, 9, 10, 11}) {
        EXPECT_TRUE(check(job(ExportMode(mode))).ok()) << mode;
        EXPECT_TRUE(check(job(ExportMode(mode)), true).ok()) << mode;
    }
}

TEST_F(ExportChecksTest, SourceIsCheckedFirstAndSourceOnlyStopsThere)
{
    Job fromFile = job(ExportMode::FirefoxToOpera);
    // The destination is broken too, and Opera runs: only the source is reported.
    fromFile.DestinationFileLocation = tree.path(u8("missing/bookmarks.adr"));
    processes = CountingProcessTable({u8("opera")});
    EXPECT_TRUE(check(fromFile, true).ok());

    fromFile.SourceFileLocation = tree.path(u8("gone.html"));
    expectFailure(check(fromFile), ExportCheck::SourceFileMissing, "Bookmark File Does Not Exist",
                  WindowFix::ResetFileComboAndWhat);
    // A folder is no bookmark file.
    fromFile.SourceFileLocation = tree.path();
    EXPECT_EQ(check(fromFile, true).failure().check, ExportCheck::SourceFileMissing);

    Job fromFavorites = job(ExportMode::IEToMenu);
    fromFavorites.IELocation = tree.path(u8("NoFavorites"));
    expectFailure(check(fromFavorites, true), ExportCheck::SourceFolderMissing,
                  "Selected Folder Does Not Exist");
    EXPECT_EQ(processes.reads, 0);
}

TEST_F(ExportChecksTest, FavoritesDestinationAndItsExistingSubfolder)
{
    Job toFavorites = job(ExportMode::FirefoxToIE);
    const QString favorites = toFavorites.IELocation;
    toFavorites.IELocation = tree.path(u8("NoFavorites"));
    expectFailure(check(toFavorites), ExportCheck::DestinationFolderMissing,
                  "Selected Subfolder Does Not Exist");

    toFavorites.IELocation = favorites;
    inputs.intoExistingSubfolder = true;
    for (const char* inside : {"Links", "./Links/", "Links/../Links", ""}) {
        inputs.existingSubfolder = u8(inside);
        EXPECT_TRUE(check(toFavorites).ok()) << inside;
    }
    // The Favorites folder itself may be a link the user chose.
    ASSERT_TRUE(QFile::link(favorites, tree.path(u8("FavoritesLink"))));
    toFavorites.IELocation = tree.path(u8("FavoritesLink"));
    inputs.existingSubfolder = u8("Links");
    EXPECT_TRUE(check(toFavorites).ok());

    // Folders that exist, but not inside the Favorites folder, are as good as missing; so are
    // links below it, which may lead anywhere.
    toFavorites.IELocation = favorites;
    tree.mkdir(u8("outside"));
    ASSERT_TRUE(QFile::link(tree.path(u8("outside")), favorites + u8("/Links/Out")));
    for (const QString& elsewhere : {u8("Gone"), tree.path(u8("outside")), u8("../outside"),
                                     u8("Links/../../outside"), u8(".."), u8("Links/Out")}) {
        inputs.existingSubfolder = elsewhere;
        expectFailure(check(toFavorites), ExportCheck::DestinationSubfolderMissing,
                      "Selected Subfolder Does Not Exist");
    }
    inputs.intoExistingSubfolder = false;
    EXPECT_TRUE(check(toFavorites).ok());
}

TEST_F(ExportChecksTest, MenuPageAndBookmarkFileDestinationsInCheckOrder)
{
    Job toMenu = job(ExportMode::OperaToMenu);
    toMenu.MenuFileLocation = tree.path(u8("missing/menu.html"));
    expectFailure(check(toMenu), ExportCheck::MenuPathInvalid, "Warning", WindowFix::FocusMenuCombo,
                  toMenu.MenuFileLocation);
    toMenu.MenuFileLocation = readOnlyFile(u8("menu.html"));
    expectFailure(check(toMenu), ExportCheck::MenuFileReadOnly, "Read-Only Bookmark File");

    Job toOpera = job(ExportMode::IEToOpera);
    toOpera.DestinationFileLocation = readOnlyFile(u8("locked.adr"));
    inputs.merge = true;
    expectFailure(check(toOpera), ExportCheck::DestinationFileReadOnly, "Read-Only Bookmark File");
    // A merge into a file whose folder is missing too reports the file, not the path.
    toOpera.DestinationFileLocation = tree.path(u8("missing/bookmarks.adr"));
    expectFailure(check(toOpera), ExportCheck::MergeFileMissing, "Bookmark File Does Not Exist",
                  WindowFix::ResetFileCombo);
    inputs.merge = false;
    expectFailure(check(toOpera), ExportCheck::DestinationPathInvalid, "Warning",
                  WindowFix::FocusFileCombo, toOpera.DestinationFileLocation);
    toOpera.DestinationFileLocation = tree.path(u8("new.adr"));
    EXPECT_TRUE(check(toOpera).ok());
}

TEST_F(ExportChecksTest, OnlyARegularFileMayStandWhereAFileIsWrittenOrBackedUp)
{
    const QString pipe = tree.path(u8("pipe"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    const QString regular = tree.write(u8("regular.html"), "x");
    const QString pipeLink = tree.path(u8("pipe-link"));
    const QString regularLink = tree.path(u8("regular-link"));
    ASSERT_TRUE(QFile::link(pipe, pipeLink) && QFile::link(regular, regularLink));
    const QString folder = tree.mkdir(u8("folder"));

    Job toMenu = job(ExportMode::IEToMenu);
    Job toFirefox = job(ExportMode::IEToFirefox);
    const QString bookmarks = toFirefox.DestinationFileLocation;
    inputs.backup = true;
    for (const QString& path : {pipe, pipeLink, folder}) {
        SCOPED_TRACE(path.toStdString());
        toMenu.MenuFileLocation = path;
        expectFailure(check(toMenu), ExportCheck::MenuNotAFile, "Warning",
                      WindowFix::FocusMenuCombo, path);
        toFirefox.DestinationFileLocation = path;
        expectFailure(check(toFirefox), ExportCheck::DestinationNotAFile, "Warning",
                      WindowFix::FocusFileCombo, path);

        // The backup of the (regular) destination would go where the pipe or folder is.
        const QString backup = tree.path(u8("Backup_of_destination.adr"));
        QFile::remove(backup);
        ASSERT_TRUE(QFile::link(path, backup));
        toFirefox.DestinationFileLocation = bookmarks;
        expectFailure(check(toFirefox), ExportCheck::BackupNotAFile, "Warning", WindowFix::None,
                      backup);
        inputs.backup = false;
        EXPECT_TRUE(check(toFirefox).ok());
        inputs.backup = true;
        QFile::remove(backup);
    }
    // A link to a regular file is as good as the file.
    toMenu.MenuFileLocation = regularLink;
    toFirefox.DestinationFileLocation = regularLink;
    EXPECT_TRUE(check(toMenu).ok());
    EXPECT_TRUE(check(toFirefox).ok());
}

TEST_F(ExportChecksTest, OnlyTheDestinationBrowserMustBeClosed)
{
    processes = CountingProcessTable({u8("bash"), u8("opera")});
    expectFailure(check(job(ExportMode::FirefoxToOpera)), ExportCheck::OperaRunning,
                  "Opera is running");
    EXPECT_TRUE(check(job(ExportMode::OperaToFirefox)).ok());

    processes = CountingProcessTable({u8("FIREFOX.EXE")});
    expectFailure(check(job(ExportMode::OperaToFirefox)), ExportCheck::FirefoxRunning,
                  "Firefox is running");
    EXPECT_TRUE(check(job(ExportMode::FirefoxToOpera)).ok());
    EXPECT_TRUE(check(job(ExportMode::OperaToMenu)).ok());
}

TEST_F(ExportChecksTest, ReadOnlyMeansTheOwnerMayNotWrite)
{
    // Permission bits decide, not whether this process could write: root included.
    EXPECT_TRUE(IsReadOnly(readOnlyFile(u8("r.html"))));
    const QString othersMayWrite = tree.write(u8("others.html"), "x");
    ASSERT_TRUE(
        QFile::setPermissions(othersMayWrite, QFileDevice::ReadOwner | QFileDevice::WriteOther));
    EXPECT_TRUE(IsReadOnly(othersMayWrite));
    EXPECT_FALSE(IsReadOnly(tree.write(u8("w.html"), "x")));
    EXPECT_FALSE(IsReadOnly(tree.path(u8("missing.html"))));
}

} // namespace
} // namespace orvalink
