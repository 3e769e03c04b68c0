// orvalink-cli convert, run in process and as the real program: what each conversion writes,
// what its options change, what it refuses, and that a refusal writes nothing.

#include "cli/cli.h"
#include "menu/menu_scripts.h"
#include "settings/csetting.h"
#include "tests/core/cli/cli_runner.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temp_tree.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <algorithm>
#include <gtest/gtest.h>

namespace orvalink {
namespace {

using namespace Qt::StringLiterals;

using test::CliRun;

CliRun cli(const QStringList& arguments)
{
    return test::runInProcess(arguments);
}

CliRun convert(const QString& from, const QString& source, const QString& to, const QString& dest,
               const QStringList& options = {})
{
    return cli(QStringList{u"convert"_s, u"--from"_s, from, source, u"--to"_s, to, dest} + options);
}

// The same small source in each form: three folders (one of them empty, one nested) and four
// links, one with "&" in its address.
const QStringList kSmallTree{
    u"Empty/"_s,
    u"Home <https://home.example/>"_s,
    u"News/"_s,
    u"News/Daily <https://daily.example/>"_s,
    u"News/Local/"_s,
    u"News/Local/Town <https://town.example/>"_s,
    u"News/Weekly <https://weekly.example/?a=1&b=2>"_s,
};
const QString kSmallCounts = u"3 Folders & 4 Links"_s;

const QByteArray
    kHotlistHeader("Opera Hotlist version 2.0\nOptions: encoding = utf8, version=3\n\n");
const QByteArray kSmallHotlist = kHotlistHeader +
                                 "#FOLDER\n\tNAME=News\n\n"
                                 "#URL\n\tNAME=Daily\n\tURL=https://daily.example/\n\n"
                                 "#URL\n\tNAME=Weekly\n\tURL=https://weekly.example/?a=1&b=2\n\n"
                                 "#FOLDER\n\tNAME=Local\n\n"
                                 "#URL\n\tNAME=Town\n\tURL=https://town.example/\n\n"
                                 "-\n\n-\n\n"
                                 "#FOLDER\n\tNAME=Empty\n\n-\n\n"
                                 "#URL\n\tNAME=Home\n\tURL=https://home.example/\n\n";

const QByteArray kBookmarkFileHeader("<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
                                     "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; "
                                     "charset=UTF-8\">\n<TITLE>Bookmarks</TITLE>\n"
                                     "<H1>Bookmarks</H1>\n<DL><p>\n");
const QByteArray kSmallBookmarkFile =
    kBookmarkFileHeader + "    <DT><H3>News</H3>\n    <DL><p>\n"
                          "        <DT><A HREF=\"https://daily.example/\">Daily</A>\n"
                          "        <DT><A HREF=\"https://weekly.example/?a=1&amp;b=2\">Weekly</A>\n"
                          "        <DT><H3>Local</H3>\n        <DL><p>\n"
                          "            <DT><A HREF=\"https://town.example/\">Town</A>\n"
                          "        </DL><p>\n    </DL><p>\n"
                          "    <DT><H3>Empty</H3>\n    <DL><p>\n    </DL><p>\n"
                          "    <DT><A HREF=\"https://home.example/\">Home</A>\n</DL><p>\n";

// What an existing destination holds before a conversion into it.
const QStringList kOldTree{u"Old/"_s, u"Old/Kept <https://kept.example/>"_s};
const QByteArray kOldHotlist =
    kHotlistHeader + "#FOLDER\n\tNAME=Old\n\n#URL\n\tNAME=Kept\n\tURL=https://kept.example/\n\n-\n";
const QByteArray kOldBookmarkFile = kBookmarkFileHeader +
                                    "    <DT><H3>Old</H3>\n    <DL><p>\n"
                                    "        <DT><A HREF=\"https://kept.example/\">Kept</A>\n"
                                    "    </DL><p>\n</DL><p>\n";

void writeShortcut(const test::TempTree& dir, const QString& relative, const QByteArray& url)
{
    dir.write(relative, "[InternetShortcut]\r\nURL=" + url + "\r\n");
}

// Writes the small source in the given form; returns its path.
QString writeSmallSource(const test::TempTree& dir, const QString& form)
{
    if (form == u"opera")
        return dir.write(u"source.adr"_s, kSmallHotlist);
    if (form == u"firefox")
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
    if (form == u"ie")
        return dir.mkdir(u"Favorites"_s);
    if (form == u"menu")
        return dir.path(u"menu.html"_s);
    return dir.path(form == u"opera" ? u"dest.adr"_s : u"dest.html"_s);
}

// A destination that holds kOldTree.
QString oldDestination(const test::TempTree& dir, const QString& form)
{
    if (form == u"opera")
        return dir.write(u"dest.adr"_s, kOldHotlist);
    if (form == u"firefox")
        return dir.write(u"dest.html"_s, kOldBookmarkFile);
    writeShortcut(dir, u"Favorites/Old/Kept.url"_s, "https://kept.example/");
    return dir.path(u"Favorites"_s);
}

QStringList sorted(QStringList entries)
{
    std::sort(entries.begin(), entries.end());
    return entries;
}

using test::treeOf;

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
    const QString source = from == u"ie" ? u"IE"_s : from == u"firefox" ? u"FF"_s : u"Opera"_s;
    return u"Imported from %1 (%2)"_s.arg(
        source, QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

qint32 storedTotal()
{
    CSetting store;
    store.Init(qEnvironmentVariable("XDG_CONFIG_HOME") + u"/orvalink/Orvalink.ini"_s);
    return store.GetSettingInt(u"Settings"_s, u"TotalItemsExported"_s, 0).value();
}

// Every folder and file below root with a digest of its bytes, one per line: two snapshots are
// equal when nothing was written, created or removed.
std::string snapshot(const QString& root)
{
    QStringList lines;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString relative = QDir(root).relativeFilePath(info.filePath());
        if (info.isDir()) {
            lines << relative + u'/';
            continue;
        }
        QFile file(info.filePath());
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : "unreadable";
        lines << relative + u' ' +
                     QString::fromLatin1(
                         QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
    }
    return text(sorted(lines));
}

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString completion(const QString& counts)
{
    return counts + u" Exported Successfully.\n"_s;
}

TEST(ConvertCommand, EachBrowserToEachOtherWritesTheWholeTreeAndAddsToTheTotal)
{
    const qint32 totalBefore = storedTotal();
    const std::pair<QString, QString> conversions[] = {
        {u"ie"_s, u"firefox"_s},    {u"ie"_s, u"opera"_s}, {u"firefox"_s, u"ie"_s},
        {u"firefox"_s, u"opera"_s}, {u"opera"_s, u"ie"_s}, {u"opera"_s, u"firefox"_s},
    };
    for (const auto& [from, to] : conversions) {
        SCOPED_TRACE(from.toStdString() + " to " + to.toStdString());
        test::TempTree dir;
        const QString dest = newDestination(dir, to);
        const CliRun run = convert(from, writeSmallSource(dir, from), to, dest);
        EXPECT_EQ(run.exitCode, ExitSuccess);
        EXPECT_EQ(run.out, completion(kSmallCounts));
        EXPECT_EQ(run.err, QString());
        // A new bookmark file or hotlist gets the source at its top level; Favorites go into a
        // new folder named after the source, whose date loses the "/" a folder name cannot hold.
        const QStringList expected =
            to == u"ie" ? inFolder(defaultFolderName(from).replace(u'/', u'-'), kSmallTree)
                        : kSmallTree;
        EXPECT_EQ(text(treeOf(to, dest)), text(expected));
    }
    EXPECT_EQ(storedTotal() - totalBefore, 6 * (3 + 4));
}

TEST(ConvertCommand, EachBrowserToAMenuPageWritesEveryLinkAndAddsThePageItemsToTheTotal)
{
    for (const QString& from : {u"ie"_s, u"firefox"_s, u"opera"_s}) {
        SCOPED_TRACE(from.toStdString());
        test::TempTree dir;
        const QString page = newDestination(dir, u"menu"_s);
        const qint32 totalBefore = storedTotal();
        const CliRun run = convert(from, writeSmallSource(dir, from), u"menu"_s, page);
        EXPECT_EQ(run.exitCode, ExitSuccess);
        EXPECT_EQ(run.out, completion(kSmallCounts));
        EXPECT_EQ(run.err, QString());

        const QString html = readText(page);
        for (const char* item :
             {"addItem('Daily', 'https://daily.example/', 'nw:');",
              "addItem('Weekly', 'https://weekly.example/?a=1&b=2', 'nw:');",
              "addItem('Town', 'https://town.example/', 'nw:');",
              "addItem('Home', 'https://home.example/', 'nw:');", "addItem('(Empty)', '#'"}) {
            EXPECT_TRUE(html.contains(QLatin1String(item))) << item;
        }
        // The root item, the root's three entries, News's three, Town and "(Empty)".
        const int items = static_cast<int>(html.count(u"\r\n addItem('"_s));
        EXPECT_EQ(items, 9);
        EXPECT_EQ(storedTotal() - totalBefore, items);
    }
}

TEST(ConvertCommand, AnExistingFileIsMergedIntoANewFolderOrOverwrittenAndBackedUpFirst)
{
    struct Case
    {
        QStringList options;
        // The folder the source goes into, "" for the top level.
        QString folder;
        bool keepsOld;
        bool backup;
    };
    for (const QString& to : {u"firefox"_s, u"opera"_s}) {
        const QString from = to == u"opera" ? u"firefox"_s : u"opera"_s;
        const Case cases[] = {
            {{}, defaultFolderName(from), true, true},
            {{u"--folder"_s, u"Mine & <Yours>"_s}, u"Mine & <Yours>"_s, true, true},
            {{u"--top-level"_s, u"--no-backup"_s}, {}, true, false},
            {{u"--overwrite"_s}, {}, false, true},
            {{u"--overwrite"_s, u"--no-backup"_s}, {}, false, false},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(to.toStdString() + " " + text(c.options));
            test::TempTree dir;
            const QString dest = oldDestination(dir, to);
            const QByteArray oldBytes = readBytes(dest);
            const QString backup = dir.write(u"Backup_of_"_s + QFileInfo(dest).fileName(), "stale");
            const CliRun run = convert(from, writeSmallSource(dir, from), to, dest, c.options);
            EXPECT_EQ(run.exitCode, ExitSuccess) << run.err.toStdString();
            EXPECT_EQ(run.out, completion(kSmallCounts));

            QStringList expected = c.folder.isEmpty() ? kSmallTree : inFolder(c.folder, kSmallTree);
            if (c.keepsOld)
                expected += kOldTree;
            EXPECT_EQ(text(treeOf(to, dest)), text(sorted(expected)));

            // A backup replaces an older one; without one the older one stays.
            EXPECT_EQ(readBytes(backup), c.backup ? oldBytes : QByteArray("stale"));
        }
    }
}

TEST(ConvertCommand, ANewFileIsWrittenWholeAtItsTopLevelWithoutBackupWhateverTheOptions)
{
    const QStringList optionSets[] = {
        {u"--overwrite"_s},
        {u"--top-level"_s},
        {u"--folder"_s, u"Ignored"_s},
    };
    for (const QString& to : {u"firefox"_s, u"opera"_s}) {
        for (const QStringList& options : optionSets) {
            SCOPED_TRACE(to.toStdString() + " " + text(options));
            test::TempTree dir;
            const QString source = writeSmallSource(dir, u"ie"_s);
            const QString dest = newDestination(dir, to);
            const CliRun run = convert(u"ie"_s, source, to, dest, options);
            EXPECT_EQ(run.exitCode, ExitSuccess) << run.err.toStdString();
            EXPECT_EQ(text(treeOf(to, dest)), text(kSmallTree));
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
                      QStringList{QFileInfo(dest).fileName()});
        }
    }
}

// The listing of a source below its root line, whose caption names the user.
QString listingBelowRoot(const QString& form, const QString& path)
{
    const QString listing = cli({u"list"_s, u"--from"_s, form, path}).out;
    return listing.mid(listing.indexOf(u'\n') + 1);
}

TEST(ConvertCommand, LinksBeforePutsEachFoldersLinksBeforeItsSubfoldersAlsoInANewFile)
{
    for (const QString& to : {u"firefox"_s, u"opera"_s}) {
        SCOPED_TRACE(to.toStdString());
        test::TempTree dir;
        const QString source = writeSmallSource(dir, u"ie"_s);
        const QString plain = dir.path(u"plain."_s + to);
        const QString linksFirst = dir.path(u"links-first."_s + to);
        ASSERT_EQ(convert(u"ie"_s, source, to, plain).exitCode, ExitSuccess);
        ASSERT_EQ(convert(u"ie"_s, source, to, linksFirst, {u"--links-before"_s}).exitCode,
                  ExitSuccess);
        EXPECT_EQ(listingBelowRoot(to, plain), u"  [1] Empty\n"
                                               "  [2] News\n"
                                               "    [3] Local\n"
                                               "      Town <https://town.example/>\n"
                                               "    Daily <https://daily.example/>\n"
                                               "    Weekly <https://weekly.example/?a=1&b=2>\n"
                                               "  Home <https://home.example/>\n"_s);
        EXPECT_EQ(listingBelowRoot(to, linksFirst), u"  Home <https://home.example/>\n"
                                                    "  [1] Empty\n"
                                                    "  [2] News\n"
                                                    "    Daily <https://daily.example/>\n"
                                                    "    Weekly <https://weekly.example/?a=1&b=2>\n"
                                                    "    [3] Local\n"
                                                    "      Town <https://town.example/>\n"_s);
    }
}

TEST(ConvertCommand, FavoritesGoIntoTheRootANewFolderOrAnExistingSubfolder)
{
    struct Case
    {
        QStringList options;
        QString folder;
    };
    const Case cases[] = {
        {{u"--where"_s, u"root"_s}, {}},
        {{u"--where"_s, u"new"_s, u"--folder"_s, u"Mine: new?"_s}, u"Mine- new-"_s},
        {{u"--folder"_s, u"Mine"_s}, u"Mine"_s},
        {{u"--where"_s, u"existing"_s, u"--existing"_s, u"Sub/Deeper"_s}, u"Sub/Deeper"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(text(c.options));
        test::TempTree dir;
        const QString favorites = oldDestination(dir, u"ie"_s);
        dir.mkdir(u"Favorites/Sub/Deeper"_s);
        const CliRun run =
            convert(u"opera"_s, writeSmallSource(dir, u"opera"_s), u"ie"_s, favorites, c.options);
        EXPECT_EQ(run.exitCode, ExitSuccess) << run.err.toStdString();
        EXPECT_EQ(run.out, completion(kSmallCounts));

        QStringList expected = kOldTree + QStringList{u"Sub/"_s, u"Sub/Deeper/"_s};
        expected += c.folder.isEmpty() ? kSmallTree : inFolder(c.folder, kSmallTree);
        expected.removeDuplicates();
        EXPECT_EQ(text(treeOf(u"ie"_s, favorites)), text(sorted(expected)));
    }
}

// The folder row of each folder as "list" prints it, by name.
QHash<QString, QString> folderRows(const QString& form, const QString& path)
{
    static const QRegularExpression folderLine(u"^\\s*\\[(\\d+)\\] (.*)$"_s);
    QHash<QString, QString> rows;
    for (const QString& line : cli({u"list"_s, u"--from"_s, form, path}).out.split(u'\n')) {
        const QRegularExpressionMatch match = folderLine.match(line);
        if (match.hasMatch())
            rows.insert(match.captured(2), match.captured(1));
    }
    return rows;
}

TEST(ConvertCommand, OnlyExportsTheChosenFoldersAndCountsThem)
{
    const std::pair<QString, QString> conversions[] = {
        {u"opera"_s, u"firefox"_s},
        {u"ie"_s, u"opera"_s},
        {u"firefox"_s, u"ie"_s},
        {u"ie"_s, u"menu"_s},
    };
    for (const auto& [from, to] : conversions) {
        SCOPED_TRACE(from.toStdString() + " to " + to.toStdString());
        test::TempTree dir;
        const QString source = writeSmallSource(dir, from);
        const QHash<QString, QString> rows = folderRows(from, source);
        ASSERT_TRUE(rows.contains(u"Local"_s) && rows.contains(u"Empty"_s));
        const QString dest = newDestination(dir, to);
        const qint32 totalBefore = storedTotal();
        QStringList options{u"--only"_s, rows[u"Local"_s], u"--only"_s, rows[u"Empty"_s]};
        if (to == u"ie")
            options << u"--where"_s << u"root"_s;
        const CliRun run = convert(from, source, to, dest, options);
        EXPECT_EQ(run.exitCode, ExitSuccess) << run.err.toStdString();
        EXPECT_EQ(run.out, completion(u"2 Folders & 1 Links"_s));

        if (to == u"menu") {
            const QString html = readText(dest);
            EXPECT_TRUE(html.contains(u"addItem('Town'"_s));
            EXPECT_FALSE(html.contains(u"addItem('Daily'"_s));
            EXPECT_FALSE(html.contains(u"addItem('Home'"_s));
            EXPECT_EQ(storedTotal() - totalBefore, html.count(u"\r\n addItem('"_s));
            continue;
        }
        // Local, whose parent is not exported, moves up to the top level.
        EXPECT_EQ(text(treeOf(to, dest)),
                  text({u"Empty/"_s, u"Local/"_s, u"Local/Town <https://town.example/>"_s}));
        EXPECT_EQ(storedTotal() - totalBefore, 3);
    }
}

TEST(ConvertCommand, MenuPageOptionsShowInThePage)
{
    test::TempTree dir;
    const QString source = writeSmallSource(dir, u"opera"_s);
    const QString plainPage = dir.path(u"plain.html"_s);
    const QString page = dir.path(u"page.html"_s);
    ASSERT_EQ(convert(u"opera"_s, source, u"menu"_s, plainPage).exitCode, ExitSuccess);
    const CliRun run =
        convert(u"opera"_s, source, u"menu"_s, page,
                {u"--layout"_s, u"vertical"_s, u"--same-window"_s, u"--no-show-url"_s,
                 u"--no-shadows"_s, u"--stats"_s, u"--max-items"_s, u"2"_s, u"--title"_s,
                 u"Links & <Things>"_s, u"--preset"_s, u"iCE"_s});
    ASSERT_EQ(run.exitCode, ExitSuccess) << run.err.toStdString();
    const QString plain = readText(plainPage);
    const QString html = readText(page);
    const QString shadows = QString::fromUtf8(menuScriptLines(MenuScript::Shadows));
    ASSERT_FALSE(shadows.isEmpty());

    struct Mark
    {
        const char* text;
        bool inPlain;
        bool inOptions;
    };
    const Mark marks[] = {
        {"startMenu('root', false, 10, 0, 17, hBar);", true, false},
        {"startMenu('root', true, 0, 16, 230, hBar);", false, true},
        {"addItem('Daily', 'https://daily.example/', 'nw:');", true, false},
        {"addItem('Daily', 'https://daily.example/', '');", false, true},
        {"pMenu.onmouseover", true, false},
        {"This page has been created the ", false, true},
        {"(3 folders and 4 links).", false, true},
        {"addItem('more...'", false, true},
        {"<title>Bookmarks By Orvalink</title>", true, false},
        {"<title>Links &amp; &lt;Things&gt;</title>", false, true},
        // "<Custom>" colours, then those of "Ice": page background, menu bar, item text.
        {"bgcolor='#418AC7'", true, false},
        {"bgcolor='#FFFFFF'", false, true},
        {"bgcolor='#8090AE'", false, true},
        {"color: #333344 }", false, true},
    };
    for (const Mark& mark : marks) {
        EXPECT_EQ(plain.contains(QLatin1String(mark.text)), mark.inPlain) << mark.text;
        EXPECT_EQ(html.contains(QLatin1String(mark.text)), mark.inOptions) << mark.text;
    }
    EXPECT_TRUE(plain.contains(shadows));
    EXPECT_FALSE(html.contains(shadows));

    // The top of the range is taken as well.
    EXPECT_EQ(convert(u"opera"_s, source, u"menu"_s, page, {u"--max-items"_s, u"99"_s}).exitCode,
              ExitSuccess);
}

TEST(ConvertCommand, BadArgumentsExitTwoWithUsageAndWriteNothing)
{
    test::TempTree dir;
    const QString source = writeSmallSource(dir, u"opera"_s);
    const QString file = oldDestination(dir, u"firefox"_s);
    const QString favorites = oldDestination(dir, u"ie"_s);
    const QString page = dir.path(u"menu.html"_s);
    const QString opera = u"opera"_s;
    const QString firefox = u"firefox"_s;
    const QString ie = u"ie"_s;
    const QString menu = u"menu"_s;

    struct Case
    {
        QStringList arguments;
        const char* problem;
    };
    const auto args = [&](const QString& to, const QString& dest, const QStringList& options) {
        return QStringList{u"convert"_s, u"--from"_s, opera, source, u"--to"_s, to, dest} + options;
    };
    const Case cases[] = {
        {args(opera, dir.path(u"x.adr"_s), {}), "same form"},
        {{u"convert"_s, u"--from"_s, opera, source, file}, "--to"},
        {args(firefox, file, {u"extra"_s}), "source and a destination"},
        {args(u"chrome"_s, file, {}), "--to"},
        {args(firefox, file, {u"--folder"_s, u"X"_s, u"--overwrite"_s}), "--folder"},
        {args(firefox, file, {u"--folder"_s, u"X"_s, u"--top-level"_s}), "--folder"},
        {args(firefox, file, {u"--where"_s, u"root"_s}), "--where"},
        {args(firefox, file, {u"--stats"_s}), "--stats"},
        {args(ie, favorites, {u"--overwrite"_s}), "--overwrite"},
        {args(ie, favorites, {u"--where"_s, u"existing"_s}), "--existing"},
        {args(ie, favorites, {u"--existing"_s, u"Old"_s}), "--existing"},
        {args(ie, favorites, {u"--where"_s, u"root"_s, u"--folder"_s, u"X"_s}), "--folder"},
        {args(ie, favorites, {u"--where"_s, u"elsewhere"_s}), "--where"},
        {args(menu, page, {u"--no-backup"_s}), "--no-backup"},
        {args(menu, page, {u"--stats"_s, u"--no-stats"_s}), "contradict"},
        {args(menu, page, {u"--layout"_s, u"diagonal"_s}), "--layout"},
        {args(menu, page, {u"--max-items"_s, u"1"_s}), "Please, insert a number in range [2-99]"},
        {args(menu, page, {u"--max-items"_s, u"100"_s}), "Please, insert a number in range [2-99]"},
        {args(menu, page, {u"--max-items"_s, u"many"_s}),
         "Please, insert a number in range [2-99]"},
        {args(menu, page, {u"--preset"_s, u"Sunset"_s}), "Ice, Steel"},
        {args(firefox, file, {u"--only"_s, u"99"_s}), "--only 99"},
        {args(firefox, file, {u"--only"_s, u"-1"_s}), "--only -1"},
        {args(firefox, file, {u"--only"_s, u"1"_s, u"--only"_s, u"News"_s}), "--only News"},
    };
    const std::string before = snapshot(dir.path());
    const qint32 totalBefore = storedTotal();
    for (const Case& c : cases) {
        SCOPED_TRACE(text(c.arguments.mid(5)));
        const CliRun run = cli(c.arguments);
        EXPECT_EQ(run.exitCode, ExitUsage);
        EXPECT_EQ(run.out, QString());
        EXPECT_TRUE(run.err.contains(u"Usage:"_s));
        EXPECT_TRUE(run.err.contains(QLatin1String(c.problem))) << run.err.toStdString();
        EXPECT_EQ(snapshot(dir.path()), before);
    }
    EXPECT_EQ(storedTotal(), totalBefore);
}

TEST(ConvertCommand, AFailedCheckExitsOneWithItsTitleAndWritesNothing)
{
    test::TempTree dir;
    const QString hotlist = writeSmallSource(dir, u"opera"_s);
    const QString file = oldDestination(dir, u"firefox"_s);
    const QString favorites = oldDestination(dir, u"ie"_s);
    dir.mkdir(u"Outside"_s);
    const QString readOnlyFile = dir.write(u"locked.adr"_s, kOldHotlist);
    const QString readOnlyPage = dir.write(u"locked.html"_s, "<html></html>");
    for (const QString& path : {readOnlyFile, readOnlyPage})
        ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    const QString missingFolder = dir.path(u"missing/dest.html"_s);

    const QString opera = u"opera"_s;
    const QString firefox = u"firefox"_s;
    const QString ie = u"ie"_s;
    const QString menu = u"menu"_s;
    const auto args = [](const QString& from, const QString& source, const QString& to,
                         const QString& dest, const QStringList& options = {}) {
        return QStringList{u"convert"_s, u"--from"_s, from, source, u"--to"_s, to, dest} + options;
    };
    const auto inExisting = [&](const QString& subfolder) {
        return args(opera, hotlist, ie, favorites,
                    {u"--where"_s, u"existing"_s, u"--existing"_s, subfolder});
    };
    struct Case
    {
        QStringList arguments;
        const char* title;
        const char* line;
    };
    const char* subfolderMissing = "Selected Subfolder Does Not Exist";
    const char* subfolderLine = "The Selected Subfolder Where To Export The Bookmarks";
    const Case cases[] = {
        {args(opera, dir.path(u"gone.adr"_s), firefox, file), "Bookmark File Does Not Exist",
         "The Selected Bookmark File Does Not Exist Anymore."},
        {args(ie, dir.path(u"Gone"_s), firefox, file), "Selected Folder Does Not Exist",
         "The Selected Folder Does Not Exist."},
        {args(firefox, file, opera, readOnlyFile), "Read-Only Bookmark File",
         "The Selected Bookmark File is Read-Only."},
        {args(opera, hotlist, menu, readOnlyPage), "Read-Only Bookmark File",
         "The Selected DHTML Menu File is Read-Only."},
        {args(opera, hotlist, firefox, missingFolder), "Warning",
         "The Path of the Selected Bookmark File Does Not Exists."},
        {args(opera, hotlist, menu, dir.path(u"missing/menu.html"_s)), "Warning",
         "The Path of the Selected DHTML Menu File Does Not Exists."},
        {args(opera, hotlist, ie, dir.path(u"Gone"_s)), subfolderMissing,
         "The Selected Folder Where To Export The Bookmarks"},
        {inExisting(u"Missing"_s), subfolderMissing, subfolderLine},
        {inExisting(u"../Outside"_s), subfolderMissing, subfolderLine},
        {inExisting(u"Old/../../Outside"_s), subfolderMissing, subfolderLine},
        {inExisting(dir.path(u"Outside"_s)), subfolderMissing, subfolderLine},
    };
    const std::string before = snapshot(dir.path());
    const qint32 totalBefore = storedTotal();
    for (const Case& c : cases) {
        SCOPED_TRACE(text(c.arguments));
        const CliRun run = cli(c.arguments);
        EXPECT_EQ(run.exitCode, ExitFailure);
        EXPECT_EQ(run.out, QString());
        EXPECT_TRUE(run.err.startsWith(QLatin1String(c.title) + u'\n')) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String(c.line))) << run.err.toStdString();
        EXPECT_FALSE(run.err.contains(u"Usage:"_s));
        EXPECT_EQ(snapshot(dir.path()), before);
    }
    // The path that is not there comes first.
    EXPECT_EQ(convert(opera, hotlist, firefox, missingFolder).err,
              u"Warning\n"_s + missingFolder +
                  u"\nThe Path of the Selected Bookmark File Does Not Exists.\n"
                  "Please, Select Another Destination.\n"_s);
    EXPECT_EQ(storedTotal(), totalBefore);
}

TEST(ConvertCommand, AFailedBackupOrWriteExitsOneAndLeavesTheDestination)
{
    test::TempTree dir;
    const QString bookmarkFile = writeSmallSource(dir, u"firefox"_s);
    const QString hotlist = writeSmallSource(dir, u"opera"_s);
    const QString hotlistDest = oldDestination(dir, u"opera"_s);
    // A folder where the backup goes cannot be replaced by a copy, nor one where the new file
    // goes by the file.
    dir.mkdir(u"Backup_of_dest.adr"_s);
    const QString folder = dir.mkdir(u"folder.html"_s);
    // An old file to merge into that is no bookmark file is left alone.
    const QString notes = dir.write(u"notes.html"_s, "just notes");

    struct Case
    {
        QString from;
        QString source;
        QString to;
        QString dest;
        QStringList options;
        const char* message;
    };
    const Case cases[] = {
        {u"firefox"_s, bookmarkFile, u"opera"_s, hotlistDest, {}, "Backup Failed"},
        {u"opera"_s, hotlist, u"firefox"_s, folder, {}, "Error Writing the Bookmark File."},
        {u"opera"_s, hotlist, u"menu"_s, folder, {}, "Error Writing the Menu Page."},
        {u"opera"_s, hotlist, u"firefox"_s, notes, {u"--no-backup"_s}, "Not a Bookmark File"},
    };
    const std::string before = snapshot(dir.path());
    const qint32 totalBefore = storedTotal();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const CliRun run = convert(c.from, c.source, c.to, c.dest, c.options);
        EXPECT_EQ(run.exitCode, ExitFailure);
        EXPECT_EQ(run.out, QString());
        EXPECT_TRUE(run.err.contains(QLatin1String(c.message))) << run.err.toStdString();
        EXPECT_EQ(snapshot(dir.path()), before);
    }
    EXPECT_EQ(storedTotal(), totalBefore);
}

// A Favorites folder where a file stands in the way of the folder "News": its two links and the
// link of "Local" below it cannot be written.
struct BlockedFavorites
{
    test::TempTree dir;
    QString source = writeSmallSource(dir, u"opera"_s);
    QString favorites = dir.mkdir(u"Favorites"_s);
    QString blocker = dir.write(u"Favorites/News"_s, "not a folder");
};

TEST(ConvertCommand, SkippedFavoritesAreReportedAndFailTheConversion)
{
    BlockedFavorites blocked;
    const CliRun run =
        convert(u"opera"_s, blocked.source, u"ie"_s, blocked.favorites, {u"--where"_s, u"root"_s});
    EXPECT_EQ(run.exitCode, ExitFailure);
    EXPECT_EQ(run.out, completion(kSmallCounts));
    EXPECT_TRUE(run.err.contains(u"3 Links Could Not Be Written."_s)) << run.err.toStdString();
    EXPECT_EQ(readBytes(blocked.blocker), QByteArray("not a folder"));
    EXPECT_EQ(text(treeOf(u"ie"_s, blocked.favorites)),
              text({u"Empty/"_s, u"Home <https://home.example/>"_s}));
}

TEST(ConvertCommand, DiscoverListsFirefoxProfilesInSectionOrderThenTheHotlist)
{
    test::TempTree home;
    const test::ScopedEnvironment environment("HOME", home.path());
    {
        const CliRun run = cli({u"discover"_s});
        EXPECT_EQ(run.exitCode, ExitSuccess);
        EXPECT_EQ(run.out, QString());
        EXPECT_EQ(run.err, QString());
    }
    const QString elsewhere = home.mkdir(u"elsewhere/d.default"_s);
    home.write(u".mozilla/firefox/profiles.ini"_s,
               "[General]\nStartWithLastProfile=1\n\n"
               "[Profile1]\nName=work\nIsRelative=1\nPath=Profiles/w.work\n\n"
               "[Profile2]\nName=unused\nIsRelative=1\nPath=Profiles/u.unused\n\n"
               "[Profile0]\nName=default\nIsRelative=0\nPath=" +
                   elsewhere.toUtf8() + "\nDefault=1\n");
    const QString work =
        home.write(u".mozilla/firefox/Profiles/w.work/bookmarks.html"_s, kSmallBookmarkFile);
    home.mkdir(u".mozilla/firefox/Profiles/u.unused"_s);
    const QString other = home.write(u"elsewhere/d.default/bookmarks.html"_s, kSmallBookmarkFile);
    const QString hotlist = home.write(u".opera/bookmarks.adr"_s, kSmallHotlist);
    home.write(u".opera/operaprefs.ini"_s,
               "[User Prefs]\nHot List File Ver2=" + hotlist.toUtf8() + "\n");

    const CliRun run = cli({u"discover"_s});
    EXPECT_EQ(run.exitCode, ExitSuccess);
    EXPECT_EQ(run.out, u"<work> "_s + work + u"\n<default> "_s + other + u'\n' + hotlist + u'\n');
    EXPECT_EQ(run.err, QString());
}

struct ProgramRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ProgramRun runProgram(const QStringList& arguments, const QString& workingDirectory = {})
{
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.start(QStringLiteral(ORVALINK_CLI_PATH), arguments);
    ProgramRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << "orvalink-cli did not finish";
        return run;
    }
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

TEST(ConvertCommand, TheRealProgramPrintsOnlyTheCompletionOnStandardOutput)
{
    test::TempTree dir;
    const QString source = writeSmallSource(dir, u"ie"_s);
    const QString dest = dir.path(u"dest.adr"_s);
    const QStringList arguments{u"convert"_s, u"--from"_s, u"ie"_s, source,
                                u"--to"_s,    u"opera"_s,  dest};

    ProgramRun run = runProgram(arguments);
    EXPECT_EQ(run.exitCode, ExitSuccess);
    EXPECT_EQ(run.out, QByteArray("3 Folders & 4 Links Exported Successfully.\n"));
    EXPECT_EQ(run.err, QByteArray());

    // A check that fails: the message goes to standard error alone.
    ASSERT_TRUE(QFile::setPermissions(dest, QFileDevice::ReadOwner));
    run = runProgram(arguments);
    EXPECT_EQ(run.exitCode, ExitFailure);
    EXPECT_EQ(run.out, QByteArray());
    EXPECT_TRUE(run.err.contains("Read-Only Bookmark File")) << run.err.toStdString();

    run = runProgram(arguments + QStringList{u"--layout"_s, u"vertical"_s});
    EXPECT_EQ(run.exitCode, ExitUsage);
    EXPECT_EQ(run.out, QByteArray());
    EXPECT_TRUE(run.err.contains("Usage:"));

    // Relative paths start from the working directory; names are not limited to ASCII.
    run = runProgram({u"convert"_s, u"--from"_s, u"ie"_s, u"Source"_s, u"--to"_s, u"firefox"_s,
                      u"Lesezeichen \u00dcbersicht.html"_s},
                     dir.path());
    EXPECT_EQ(run.exitCode, ExitSuccess) << run.err.toStdString();
    EXPECT_EQ(text(treeOf(u"firefox"_s, dir.path(u"Lesezeichen \u00dcbersicht.html"_s))),
              text(kSmallTree));

    BlockedFavorites blocked;
    run = runProgram({u"convert"_s, u"--from"_s, u"opera"_s, blocked.source, u"--to"_s, u"ie"_s,
                      blocked.favorites, u"--where"_s, u"root"_s});
    EXPECT_EQ(run.exitCode, ExitFailure);
    EXPECT_EQ(run.out, QByteArray("3 Folders & 4 Links Exported Successfully.\n"));
    EXPECT_TRUE(run.err.contains("3 Links Could Not Be Written.")) << run.err.toStdString();
}

} // namespace
} // namespace orvalink
