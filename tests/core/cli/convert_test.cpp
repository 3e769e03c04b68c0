// SPDX-License-Identifier: GPL-3.0-or-later
// orvalink-cli convert, run in process and as the real program: what each conversion writes,
// what its options change, what it refuses, and that a refusal writes nothing.

#include "cli/cli.h"
#include "forms/menu_page/menu_scripts.h"
#include "settings/csetting.h"
#include "tests/core/cli/cli_runner.h"
#include "tests/support/listing_fields.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temp_tree.h"

#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

namespace orvalink {
namespace {

using namespace Qt::StringLiterals;
using test::CliRun;
using test::runInProcess;
using test::treeOf;
using test::words;

const QString kIe = u"ie"_s;
const QString kFirefox = u"firefox"_s;
const QString kOpera = u"opera"_s;
const QString kMenu = u"menu"_s;

QStringList convertArguments(const QString& from, const QString& source, const QString& to,
                             const QString& dest, const QStringList& options = {})
{
    return QStringList{u"convert"_s, u"--from"_s, from, source, u"--to"_s, to, dest} + options;
}

CliRun convert(const QString& from, const QString& source, const QString& to, const QString& dest,
               const QStringList& options = {})
{
    return runInProcess(convertArguments(from, source, to, dest, options));
}

// The same small source in each form: three folders (one of them empty, one nested) and four
// links, one with "&" in its address.
const QStringList kSmallTree{u"Empty/"_s,
                             u"Home <https://home.example/>"_s,
                             u"News/"_s,
                             u"News/Daily <https://daily.example/>"_s,
                             u"News/Local/"_s,
                             u"News/Local/Town <https://town.example/>"_s,
                             u"News/Weekly <https://weekly.example/?a=1&b=2>"_s};
const QString kSmallDone = u"3 Folders & 4 Links Exported Successfully.\n"_s;
const QString kTakeIntoFirefox =
    u"orvalink-cli: To Take It Into Firefox, Choose \"Import and Backup\" → "
    "\"Import Bookmarks from HTML…\" in Its Library.\n"_s;

// The small source as a hotlist and as a bookmark file.
const QByteArray kSmallHotlist = test::readFixture(u"samples/small.adr"_s);
const QByteArray kSmallBookmarkFile = test::readFixture(u"samples/small.html"_s);

// What an existing destination holds before a conversion into it.
const QStringList kOldTree{u"Old/"_s, u"Old/Kept <https://kept.example/>"_s};
const QByteArray kOldHotlist = test::readFixture(u"samples/old.adr"_s);
const QByteArray kOldBookmarkFile = test::readFixture(u"samples/old.html"_s);

void writeShortcut(const test::TempTree& dir, const QString& relative, const QByteArray& url)
{
    dir.write(relative, "[InternetShortcut]\r\nURL=" + url + "\r\n");
}

// Writes the small source in the given form; returns its path.
QString writeSmallSource(const test::TempTree& dir, const QString& form)
{
    if (form == kOpera)
        return dir.write(u"source.adr"_s, kSmallHotlist);
    if (form == kFirefox)
        return dir.write(u"source.html"_s, kSmallBookmarkFile);
    writeShortcut(dir, u"Source/News/Daily.url"_s, "https://daily.example/");
    writeShortcut(dir, u"Source/News/Weekly.url"_s, "https://weekly.example/?a=1&b=2");
    writeShortcut(dir, u"Source/News/Local/Town.url"_s, "https://town.example/");
    writeShortcut(dir, u"Source/Home.url"_s, "https://home.example/");
    dir.mkdir(u"Source/Empty"_s);
    return dir.path(u"Source"_s);
}

// A destination of the given form that does not exist yet (a Favorites folder always exists).
QString newDestination(const test::TempTree& dir, const QString& form)
{
    if (form == kIe)
        return dir.mkdir(u"Favorites"_s);
    return dir.path(form == kOpera  ? u"dest.adr"_s
                    : form == kMenu ? u"menu.html"_s
                                    : u"dest.html"_s);
}

// A destination that holds kOldTree.
QString oldDestination(const test::TempTree& dir, const QString& form)
{
    if (form == kOpera)
        return dir.write(u"dest.adr"_s, kOldHotlist);
    if (form == kFirefox)
        return dir.write(u"dest.html"_s, kOldBookmarkFile);
    writeShortcut(dir, u"Favorites/Old/Kept.url"_s, "https://kept.example/");
    return dir.path(u"Favorites"_s);
}

QStringList sorted(QStringList entries)
{
    std::sort(entries.begin(), entries.end());
    return entries;
}

// The entries as they stand inside a folder of this name.
QStringList inFolder(const QString& folder, const QStringList& entries)
{
    QStringList inside{folder + u'/'};
    for (const QString& entry : entries)
        inside << folder + u'/' + entry;
    return sorted(inside);
}

std::string text(const QStringList& entries)
{
    return entries.join(u'\n').toStdString();
}

// The new folder's name the conversion proposes for a source form.
QString defaultFolderName(const QString& from)
{
    const QString source = from == kIe ? u"IE"_s : from == kFirefox ? u"FF"_s : u"Opera"_s;
    return u"Imported from %1 (%2)"_s.arg(
        source, QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

qint32 storedTotal()
{
    return test::cliSettings()
        .optionsStore()
        .GetSettingInt(u"Settings"_s, u"TotalItemsExported"_s, 0)
        .value();
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
}

// Every folder and file below root with its bytes, one per line: two snapshots are equal when
// nothing was written, created or removed.
std::string snapshot(const QString& root)
{
    QStringList lines;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString relative = QDir(root).relativeFilePath(info.filePath());
        lines << (info.isDir()
                      ? relative + u'/'
                      : relative + u' ' + QString::fromLatin1(readBytes(it.filePath()).toHex()));
    }
    return text(sorted(lines));
}

// The listing of a source below its root line, whose caption names the user, without the
// fields after each line (a Favorites source's dates are its files' times).
QString listingBelowRoot(const QString& form, const QString& path)
{
    const QString listing = runInProcess({u"list"_s, u"--from"_s, form, path}).out;
    return test::withoutFields(listing.mid(listing.indexOf(u'\n') + 1));
}

// The folder row that "list" prints before a folder's name.
QString folderRow(const QString& form, const QString& path, const QString& name)
{
    const QString listing = runInProcess({u"list"_s, u"--from"_s, form, path}).out;
    return QRegularExpression(u"\\[(\\d+)\\] "_s + name + u"( \\{[^\\n]*\\})?\n"_s)
        .match(listing)
        .captured(1);
}

// What each form holds after a conversion is the round-trip scenario's; here, what the command
// adds: a new file is written whole, at its top level and without backup, whatever the options;
// Favorites go into a new folder named after the source, whose date loses the "/" a folder name
// cannot hold; sorted with --links-before, each folder's links come before its subfolders; --only
// writes just the chosen folders, one whose parent is left out moving up to the top level; a menu
// page counts its items; every conversion adds what it wrote to the total.
TEST(ConvertCommand, ANewDestinationGetsTheSourceOrTheChosenFoldersAndAddsThemToTheTotal)
{
    const QStringList ignored[] = {words("--overwrite"), words("--top-level"), words("--folder X")};
    const std::tuple<QString, QString, bool> conversions[] = {
        {kIe, kFirefox, false}, {kFirefox, kOpera, false}, {kOpera, kFirefox, false},
        {kOpera, kIe, false},   {kIe, kMenu, false},       {kOpera, kFirefox, true},
        {kIe, kOpera, true},    {kFirefox, kIe, true},     {kIe, kMenu, true}};
    int conversion = 0;
    for (const auto& [from, to, only] : conversions) {
        SCOPED_TRACE(from.toStdString() + " to " + to.toStdString() + (only ? " --only" : ""));
        test::TempTree dir;
        const QString source = writeSmallSource(dir, from);
        const QString dest = newDestination(dir, to);
        const qint32 totalBefore = storedTotal();
        QStringList options;
        if (to == kFirefox || to == kOpera)
            options = ignored[conversion++ % 3] + words("--links-before");
        if (only) {
            options = {u"--only"_s, folderRow(from, source, u"Local"_s), u"--only"_s,
                       folderRow(from, source, u"Empty"_s)};
            ASSERT_FALSE(options[1].isEmpty() || options[3].isEmpty());
            if (to == kIe)
                options << u"--where"_s << u"root"_s;
        }
        const CliRun run = convert(from, source, to, dest, options);
        EXPECT_EQ(run.exitCode, ExitSuccess) << run.err.toStdString();
        EXPECT_EQ(run.out, only ? u"2 Folders & 1 Links Exported Successfully.\n"_s : kSmallDone);
        EXPECT_EQ(run.err, to == kFirefox ? kTakeIntoFirefox : QString());
        if (to == kMenu) {
            const QByteArray html = readBytes(dest);
            EXPECT_TRUE(html.contains("addItem('Town'"));
            EXPECT_EQ(html.contains("addItem('Home'"), !only);
            EXPECT_EQ(html.contains("addItem('Weekly', 'https://weekly.example/?a=1&b=2', 'nw:');"),
                      !only);
            EXPECT_TRUE(html.contains("addItem('(Empty)', '#'"));
            // The root item, the root's three entries, News's three, Town and "(Empty)"; with
            // --only, Empty, Local and their items.
            EXPECT_EQ(html.count("\r\n addItem('"), only ? 4 : 9);
            EXPECT_EQ(storedTotal() - totalBefore, html.count("\r\n addItem('"));
            continue;
        }
        QStringList expected = kSmallTree;
        if (only)
            expected = {u"Empty/"_s, u"Local/"_s, u"Local/Town <https://town.example/>"_s};
        else if (to == kIe)
            expected = inFolder(defaultFolderName(from).replace(u'/', u'-'), kSmallTree);
        EXPECT_EQ(text(treeOf(to, dest)), text(expected));
        if (to != kIe) {
            EXPECT_EQ(QDir(dir.path()).entryList({u"*dest*"_s}),
                      QStringList{QFileInfo(dest).fileName()});
            if (!only) {
                EXPECT_EQ(listingBelowRoot(to, dest),
                          u"  Home <https://home.example/>\n"
                          "  [1] Empty\n"
                          "  [2] News\n"
                          "    Daily <https://daily.example/>\n"
                          "    Weekly <https://weekly.example/?a=1&b=2>\n"
                          "    [3] Local\n"
                          "      Town <https://town.example/>\n"_s);
            }
        }
        EXPECT_EQ(storedTotal() - totalBefore, only ? 3 : 3 + 4);
    }
}

TEST(ConvertCommand, AnExistingFileIsMergedIntoANewFolderOrOverwrittenAndBackedUpFirst)
{
    struct Case
    {
        QStringList options;
        QString folder; // the folder the source goes into, "" for the top level
        bool keepsOld;
        bool backup;
    };
    for (const QString& to : {kFirefox, kOpera}) {
        const QString from = to == kOpera ? kFirefox : kOpera;
        const Case cases[] = {
            {{}, defaultFolderName(from), true, true},
            {{u"--folder"_s, u"Mine & <Yours>"_s}, u"Mine & <Yours>"_s, true, true},
            {words("--top-level --no-backup"), {}, true, false},
            {words("--overwrite"), {}, false, true},
            {words("--overwrite --no-backup"), {}, false, false},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(to.toStdString() + " " + text(c.options));
            test::TempTree dir;
            const QString dest = oldDestination(dir, to);
            const QByteArray oldBytes = readBytes(dest);
            const QString backup = dir.write(u"Backup_of_"_s + QFileInfo(dest).fileName(), "stale");
            const CliRun run = convert(from, writeSmallSource(dir, from), to, dest, c.options);
            EXPECT_EQ(run.exitCode, ExitSuccess) << run.err.toStdString();
            EXPECT_EQ(run.out, kSmallDone);
            QStringList expected = c.folder.isEmpty() ? kSmallTree : inFolder(c.folder, kSmallTree);
            if (c.keepsOld)
                expected += kOldTree;
            EXPECT_EQ(text(treeOf(to, dest)), text(sorted(expected)));
            // A backup replaces an older one; without one the older one stays.
            EXPECT_EQ(readBytes(backup), c.backup ? oldBytes : QByteArray("stale"));
        }
    }
}

TEST(ConvertCommand, FavoritesGoIntoTheRootANewFolderOrAnExistingSubfolder)
{
    const std::pair<QStringList, QString> cases[] = {
        {words("--where root"), {}},
        {{u"--where"_s, u"new"_s, u"--folder"_s, u"Mine: new?"_s}, u"Mine- new-"_s},
        {words("--folder Mine"), u"Mine"_s},
        {words("--where existing --existing Sub/Deeper"), u"Sub/Deeper"_s},
    };
    for (const auto& [options, folder] : cases) {
        SCOPED_TRACE(text(options));
        test::TempTree dir;
        const QString favorites = oldDestination(dir, kIe);
        dir.mkdir(u"Favorites/Sub/Deeper"_s);
        const CliRun run = convert(kOpera, writeSmallSource(dir, kOpera), kIe, favorites, options);
        EXPECT_EQ(run.exitCode, ExitSuccess) << run.err.toStdString();
        EXPECT_EQ(run.out, kSmallDone);
        QStringList expected = kOldTree + QStringList{u"Sub/"_s, u"Sub/Deeper/"_s};
        expected += folder.isEmpty() ? kSmallTree : inFolder(folder, kSmallTree);
        expected.removeDuplicates();
        EXPECT_EQ(text(treeOf(kIe, favorites)), text(sorted(expected)));
    }
}

TEST(ConvertCommand, MenuPageOptionsShowInThePage)
{
    test::TempTree dir;
    const QString source = writeSmallSource(dir, kOpera);
    const QString plainPage = dir.path(u"plain.html"_s);
    const QString page = dir.path(u"page.html"_s);
    ASSERT_EQ(convert(kOpera, source, kMenu, plainPage).exitCode, ExitSuccess);
    const CliRun run =
        convert(kOpera, source, kMenu, page,
                words("--layout vertical --same-window --no-show-url --no-shadows --stats "
                      "--max-items 2 --preset iCE")
                    << u"--title"_s << u"Links & <Things>"_s);
    ASSERT_EQ(run.exitCode, ExitSuccess) << run.err.toStdString();
    const QByteArray plain = readBytes(plainPage);
    const QByteArray html = readBytes(page);
    const QByteArray shadows = menuScriptLines(MenuScript::Shadows);
    ASSERT_FALSE(shadows.isEmpty());

    // Each mark stands in the page with no options (true) or in the one with every option.
    const std::pair<const char*, bool> marks[] = {
        {"startMenu('root', false, 10, 0, 17, hBar);", true},
        {"startMenu('root', true, 0, 16, 230, hBar);", false},
        {"addItem('Daily', 'https://daily.example/', 'nw:');", true},
        {"addItem('Daily', 'https://daily.example/', '');", false},
        {"pMenu.onmouseover", true},
        {"This page has been created the ", false},
        {"(3 folders and 4 links).", false},
        {"addItem('more...'", false},
        {"<title>Bookmarks By Orvalink</title>", true},
        {"<title>Links &amp; &lt;Things&gt;</title>", false},
        // "<Custom>" colours, then those of "Ice": page background, menu bar, item text.
        {"bgcolor='#418AC7'", true},
        {"bgcolor='#FFFFFF'", false},
        {"bgcolor='#8090AE'", false},
        {"color: #333344 }", false},
        {shadows.constData(), true},
    };
    for (const auto& [mark, inPlain] : marks) {
        EXPECT_EQ(plain.contains(mark), inPlain) << mark;
        EXPECT_EQ(html.contains(mark), !inPlain) << mark;
    }
    // The top of the range is taken as well.
    EXPECT_EQ(convert(kOpera, source, kMenu, page, words("--max-items 99")).exitCode, ExitSuccess);
}

// Every command's refusal of its arguments: one line, then where to read how it is used.
TEST(ConvertCommand, BadArgumentsOfEveryCommandExitTwoWithOneLineAndWriteNothing)
{
    test::TempTree dir;
    const QString source = writeSmallSource(dir, kOpera);
    const QString file = oldDestination(dir, kFirefox);
    const QString favorites = oldDestination(dir, kIe);
    const QString page = dir.path(u"menu.html"_s);
    const auto args = [&](const QString& to, const QString& dest, const char* options = "") {
        return convertArguments(kOpera, source, to, dest, words(options));
    };
    const char* range = "Please, insert a number in range [2-99]";
    struct Case
    {
        QStringList arguments;
        const char* problem; // a part of the first line
        const char* help = "convert --help";
    };
    const Case cases[] = {
        {words(""), "", "--help"},
        {words("frobnicate"), "", "--help"},
        {words("help frobnicate"), "", "--help"},
        {words("count x.adr"), "", "count --help"},
        {words("count --from chrome x"), "", "count --help"},
        {words("list --from opera"), "", "list --help"},
        {words("list --from opera a b"), "", "list --help"},
        {words("list --stats --from opera a"), "", "list --help"},
        {words("discover x"), "", "discover --help"},
        {words("convert --title"), ""},
        {args(kOpera, dir.path(u"x.adr"_s)), "same form"},
        // A Favorites folder is never a stream.
        {convertArguments(kIe, u"-"_s, kFirefox, dir.path(u"x.html"_s)),
         "standard input or standard output"},
        {convertArguments(kFirefox, file, kIe, u"-"_s), "standard input or standard output"},
        {{u"convert"_s, u"--from"_s, kOpera, source, file}, "--to"},
        {args(kFirefox, file, "extra"), "source and a destination"},
        {args(u"chrome"_s, file), "--to"},
        {args(kFirefox, file, "--folder X --overwrite"), "--folder"},
        {args(kFirefox, file, "--folder X --top-level"), "--folder"},
        {args(kFirefox, file, "--where root"), "--where"},
        {args(kFirefox, file, "--stats"), "--stats"},
        {args(kIe, favorites, "--overwrite"), "--overwrite"},
        {args(kIe, favorites, "--keep-order"), "--keep-order"},
        {args(kIe, favorites, "--where existing"), "--existing"},
        {args(kIe, favorites, "--existing Old"), "--existing"},
        {args(kIe, favorites, "--where root --folder X"), "--folder"},
        {args(kIe, favorites, "--where elsewhere"), "--where"},
        {args(kMenu, page, "--no-backup"), "--no-backup"},
        {args(kMenu, page, "--stats --no-stats"), "contradict"},
        {args(kMenu, page, "--layout diagonal"), "--layout"},
        {args(kMenu, page, "--max-items 1"), range},
        {args(kMenu, page, "--max-items 100"), range},
        {args(kMenu, page, "--max-items many"), range},
        {args(kMenu, page, "--preset Sunset"), "Ice, Steel"},
        {args(kFirefox, file, "--only 99"), "--only 99"},
        {args(kFirefox, file, "--only -1"), "--only -1"},
        {args(kFirefox, file, "--only 1 --only News"), "--only News"},
    };
    const std::string before = snapshot(dir.path());
    const qint32 totalBefore = storedTotal();
    for (const Case& c : cases) {
        SCOPED_TRACE(text(c.arguments));
        const CliRun run = runInProcess(c.arguments);
        EXPECT_EQ(run.exitCode, ExitUsage);
        EXPECT_EQ(run.out, QString());
        const QStringList lines = run.err.split(u'\n');
        ASSERT_EQ(lines.size(), 3) << run.err.toStdString();
        EXPECT_TRUE(lines[0].startsWith(u"orvalink-cli: "_s) &&
                    lines[0].contains(QLatin1String(c.problem)))
            << run.err.toStdString();
        EXPECT_EQ(lines[1], u"Try 'orvalink-cli %1'."_s.arg(QLatin1String(c.help)));
        EXPECT_EQ(snapshot(dir.path()), before);
    }
    EXPECT_EQ(storedTotal(), totalBefore);
}

// Each check's message is the checks' own to test; here, that the command passes on a refusal by
// the checks or by the writer with its title and exit status, and writes nothing.
TEST(ConvertCommand, AFailedCheckOrWriteExitsOneWithItsMessageAndWritesNothing)
{
    test::TempTree dir;
    const QString hotlist = writeSmallSource(dir, kOpera);
    const QString file = oldDestination(dir, kFirefox);
    const QString favorites = oldDestination(dir, kIe);
    dir.mkdir(u"Outside"_s);
    const QString missingFolder = dir.path(u"missing/dest.html"_s);
    // An old file to merge into that is no bookmark file is left alone, and not even backed up.
    const QString notes = dir.write(u"notes.html"_s, "just notes");
    const QString oldHotlist = oldDestination(dir, kOpera);
    dir.write(u"Backup_of_dest.adr"_s, "an older backup");
    struct Case
    {
        QStringList arguments;
        const char* title;
        const char* line;
    };
    const Case cases[] = {
        {convertArguments(kOpera, dir.path(u"gone.adr"_s), kFirefox, file),
         "Bookmark File Does Not Exist", "The Selected Bookmark File Does Not Exist Anymore."},
        {convertArguments(kIe, dir.path(u"Gone"_s), kFirefox, file),
         "Selected Folder Does Not Exist", "The Selected Folder Does Not Exist."},
        {convertArguments(kOpera, hotlist, kIe, favorites,
                          words("--where existing --existing Old/../../Outside")),
         "Selected Subfolder Does Not Exist",
         "The Selected Subfolder Where To Export The Bookmarks"},
        {convertArguments(kOpera, hotlist, kFirefox, notes), "Not a Bookmark File",
         "The Selected File Is Not a Bookmark File."},
        // A source of another form: the hotlist it was to go into and that one's backup stay.
        {convertArguments(kFirefox, hotlist, kOpera, oldHotlist), "Not a Bookmark File",
         "The Selected File Is Not a Bookmark File."},
        {{u"count"_s, u"--from"_s, kFirefox, hotlist},
         "Not a Bookmark File",
         "The Selected File Is Not a Bookmark File."},
    };
    const std::string before = snapshot(dir.path());
    const qint32 totalBefore = storedTotal();
    for (const Case& c : cases) {
        SCOPED_TRACE(text(c.arguments));
        const CliRun run = runInProcess(c.arguments);
        EXPECT_EQ(run.exitCode, ExitFailure);
        EXPECT_EQ(run.out, QString());
        EXPECT_TRUE(run.err.startsWith(u"orvalink-cli: "_s + QLatin1String(c.title) + u'\n'))
            << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String(c.line))) << run.err.toStdString();
        EXPECT_FALSE(run.err.contains(u"Try "_s));
        EXPECT_EQ(snapshot(dir.path()), before);
    }
    // The path that is not there comes first.
    const CliRun run = convert(kOpera, hotlist, kFirefox, missingFolder);
    EXPECT_EQ(run.exitCode, ExitFailure);
    // The whole message, each line after the program's name.
    EXPECT_EQ(run.err, u"orvalink-cli: Warning\norvalink-cli: "_s + missingFolder +
                           u"\norvalink-cli: The Path of the Selected Bookmark File Does Not "
                           "Exists.\norvalink-cli: Please, Select Another Destination.\n"_s);
    EXPECT_EQ(snapshot(dir.path()), before);
    EXPECT_EQ(storedTotal(), totalBefore);
}

TEST(ConvertCommand, WhatCouldNotBeWrittenFailsTheConversion)
{
    // A shortcut without an address is counted by the scan but cannot be written.
    test::TempTree dir;
    const QString source = writeSmallSource(dir, kIe);
    dir.write(u"Source/News/Blank.url"_s, "[InternetShortcut]\r\n");
    const qint32 totalBefore = storedTotal();
    const CliRun run = convert(kIe, source, kOpera, newDestination(dir, kOpera));
    EXPECT_EQ(run.exitCode, ExitFailure);
    EXPECT_EQ(run.out, u"3 Folders & 4 Links Exported.\n"_s);
    // The message's lines are the export's to test.
    EXPECT_TRUE(run.err.startsWith(u"orvalink-cli: Exporting Incomplete\n"_s));
    EXPECT_EQ(storedTotal(), totalBefore + 7);
}

TEST(ConvertCommand, DiscoverListsEachFormsFilesAndTakesThemApartInJson)
{
    test::TempTree home;
    const test::ScopedEnvironment environment("HOME", home.path());
    const test::ScopedEnvironment noXdg("XDG_CONFIG_HOME", QString());
    const test::ScopedEnvironment noChromeHome("CHROME_CONFIG_HOME", QString());
    const CliRun nothing = runInProcess({u"discover"_s});
    EXPECT_EQ(nothing.exitCode, ExitSuccess);
    EXPECT_EQ(nothing.out + nothing.err, QString());

    // Each form's files in turn; the order of profiles is discovery's own to test.
    home.write(u".mozilla/firefox/profiles.ini"_s,
               "[Profile0]\nName=work\nIsRelative=1\nPath=w.work\n");
    const QString work =
        home.write(u".mozilla/firefox/w.work/bookmarks.html"_s, kSmallBookmarkFile);
    const QString hotlist = home.write(u".opera/bookmarks.adr"_s, kSmallHotlist);
    home.write(u".opera/operaprefs.ini"_s,
               "[User Prefs]\nHot List File Ver2=" + hotlist.toUtf8() + "\n");
    const QString places = home.write(
        u".mozilla/firefox/w.work/places.sqlite"_s,
        test::readFixture(
            u"firefox-profile/home/.config/mozilla/firefox/2r0y743k.orvalink/places.sqlite"_s));
    home.write(u".config/chromium/Local State"_s,
               R"({"profile":{"info_cache":{"Default":{"name":"Person 1"}}}})");
    const QString bookmarks =
        home.write(u".config/chromium/Default/Bookmarks"_s,
                   test::readFixture(u"chromium-profile/Default/Bookmarks"_s));
    const CliRun run = runInProcess({u"discover"_s});
    EXPECT_EQ(run.exitCode, ExitSuccess);
    EXPECT_EQ(run.out, u"<work> "_s + work + u'\n' + hotlist + u"\n<work> "_s + places +
                           u"\n<Chromium: Person 1> "_s + bookmarks + u'\n');
    EXPECT_EQ(run.err, QString());

    // The same, each entry taken apart; a browser without profiles has none.
    const CliRun json = runInProcess({u"discover"_s, u"--json"_s});
    EXPECT_EQ(json.exitCode, ExitSuccess);
    const auto entry = [](const char* browser, QJsonValue profile, const char* form,
                          const QString& path) {
        return QJsonObject{{u"browser"_s, QString::fromUtf8(browser)},
                           {u"profile"_s, profile},
                           {u"form"_s, QString::fromUtf8(form)},
                           {u"path"_s, path}};
    };
    EXPECT_EQ(QJsonDocument::fromJson(json.out.toUtf8()).array(),
              (QJsonArray{entry("Firefox", u"work"_s, "firefox", work),
                          entry("Opera", QJsonValue::Null, "opera", hotlist),
                          entry("Firefox", u"work"_s, "firefox", places),
                          entry("Chromium", u"Person 1"_s, "chromium", bookmarks)}));
}

// The real program in a folder of its own (its channels and exit statuses are the streams test's).
TEST(ConvertCommand, TheRealProgramTakesRelativePathsAndNamesBeyondAscii)
{
    test::TempTree dir;
    writeSmallSource(dir, kIe);
    // Relative paths start from the working directory; names are not limited to ASCII. (The real
    // program looks for running browsers, and a Firefox may be open where the tests run: this run
    // writes a hotlist.)
    const QString name = u"Lesezeichen \u00dcbersicht.adr"_s;
    const test::ProgramRun run =
        test::runProgram(convertArguments(kIe, u"Source"_s, kOpera, name), {}, false, dir.path());
    EXPECT_EQ(run.exitCode, ExitSuccess) << run.err.toStdString();
    EXPECT_EQ(text(treeOf(kOpera, dir.path(name))), text(kSmallTree));
}

// A Firefox profile folder is read as its bookmark database; the database, or a profile folder, is
// never a destination.
TEST(ConvertCommand, AFirefoxProfileIsASourceAndNeverADestination)
{
    test::TempTree dir;
    const QString profile =
        test::fixturePath(u"firefox-profile/home/.config/mozilla/firefox/2r0y743k.orvalink"_s);
    const CliRun toOpera = convert(kFirefox, profile, kOpera, dir.path(u"out.adr"_s));
    EXPECT_EQ(toOpera.exitCode, ExitSuccess) << toOpera.err.toStdString();
    EXPECT_EQ(toOpera.out, u"11 Folders & 18 Links Exported Successfully.\n"_s);

    const QString copy = dir.write(
        u"profile/places.sqlite"_s,
        test::readFixture(
            u"firefox-profile/home/.config/mozilla/firefox/2r0y743k.orvalink/places.sqlite"_s));
    const std::string before = snapshot(dir.path());
    for (const QString& dest : {copy, dir.path(u"profile"_s), dir.path(u"new.sqlite"_s)}) {
        SCOPED_TRACE(dest.toStdString());
        const CliRun run = convert(kOpera, dir.path(u"out.adr"_s), kFirefox, dest);
        EXPECT_EQ(run.exitCode, ExitFailure);
        EXPECT_TRUE(run.err.startsWith(u"orvalink-cli: Firefox Bookmark Database\n"_s))
            << run.err.toStdString();
        EXPECT_EQ(snapshot(dir.path()), before);
    }
}

} // namespace
} // namespace orvalink
