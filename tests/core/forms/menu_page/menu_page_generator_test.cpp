// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/menu_page/menu_page_generator.h"
#include "forms/menu_page/menu_scripts.h"
#include "forms/menu_page/text_width.h"
#include "model/model_builder.h"
#include "tests/core/forms/writer_test_support.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

// Pages show as text when a comparison fails.
static void PrintTo(const QByteArray& bytes, std::ostream* out)
{
    *out << '\n' << bytes.toStdString();
}

namespace orvalink {
namespace {

using test::crlf;
using test::TempTree;

using test::u8;

// A whole page as written under tests/fixtures/written, its lines ended by CR LF, where
// "@Engine@", "@Shadows@" and "@Events@" lines stand for those scripts (they are their files'
// own test's) and "$" at a line's end for a blank that editors would strip.
QByteArray expectedPage(const char* name)
{
    QByteArray page =
        test::readFixture(u8("written/") + u8(name)).replace("$\n", " \n").replace("\n", "\r\n");
    for (const auto& [mark, script] : {std::pair{"@Engine@\r\n", MenuScript::Engine},
                                       {"@Shadows@\r\n", MenuScript::Shadows},
                                       {"@Events@\r\n", MenuScript::Events}})
        page.replace(mark, menuScriptLines(script));
    return page;
}

// A page on a fixed day in a fixed locale, so that every run writes the same bytes.
MenuPageOptions fixedOptions()
{
    MenuPageOptions options;
    options.date = QDate(2024, 3, 5);
    options.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    return options;
}

ModelBuilder builderOf(const QString& rootCaption)
{
    return ModelBuilder(FormId::BookmarkFile, QStringLiteral("b.html"), rootCaption);
}

// Bookmarks (node 1)
//   News (node 2): Daily
//   Empty (node 3)
//   Search <find.htm>
std::unique_ptr<BookmarkModel> smallTree()
{
    ModelBuilder built = builderOf(QStringLiteral("Bookmarks"));
    built.openFolder(QStringLiteral("News"));
    built.addLink(QStringLiteral("Daily"), QStringLiteral("http://daily.example/"));
    built.closeFolder();
    built.openFolder(QStringLiteral("Empty"));
    built.closeFolder();
    built.addLink(QStringLiteral("Search"), QStringLiteral("find.htm"));
    return built.finish();
}

// Adds count links named "Link 001", "Link 002"... (sorting keeps that order).
void addLinks(ModelBuilder& built, int count)
{
    for (int i = 1; i <= count; ++i) {
        built.addLink(QStringLiteral("Link %1").arg(i, 3, 10, QLatin1Char('0')),
                      QStringLiteral("http://example.org/%1").arg(i));
    }
}

class MenuPageTest : public ::testing::Test
{
protected:
    // Writes the page and returns its bytes; the page must be written.
    QByteArray write(std::unique_ptr<BookmarkModel> model, const MenuPageOptions& options,
                     int* itemsWritten = nullptr)
    {
        const Result<int, UserMessage> written =
            CreateMenuPage(*model, pagePath(), options, progress);
        EXPECT_TRUE(written.ok());
        if (written.ok() && itemsWritten)
            *itemsWritten = written.value();
        return dir.read(QStringLiteral("menu.html"));
    }

    QString pagePath() const { return dir.path(QStringLiteral("menu.html")); }

    // The script lines between the root menu and "hideDelay".
    static QByteArray menus(const QByteArray& page)
    {
        const qsizetype start = page.indexOf("startMenu('root'");
        const qsizetype end = page.indexOf("hideDelay=1500;");
        return page.mid(start, end - start);
    }

    TempTree dir;
    test::RecordingProgress progress;
};

// A page across the top without shadows or addresses in the status bar, and one down the side
// with every other option.
TEST_F(MenuPageTest, WritesTheWholePage)
{
    MenuPageOptions acrossTheTop = fixedOptions();
    acrossTheTop.shadows = false;
    acrossTheTop.showUrl = false;
    MenuPageOptions downTheSide = fixedOptions();
    downTheSide.vertical = true;
    downTheSide.openInNewWindow = false;
    downTheSide.showStatistics = true;
    downTheSide.folderCount = 2;
    downTheSide.linkCount = 3;
    downTheSide.pageTitle = u8("Tom & Jerry's <b>Links</b> \"Ü\"");
    for (int slot = 0; slot < MenuColorSlotCount; ++slot)
        downTheSide.colors[static_cast<size_t>(slot)] =
            0x111111u * static_cast<MenuColor>(slot + 1);
    for (const auto& [options, fixture] : {std::pair{acrossTheTop, "menu_across_the_top.html"},
                                           std::pair{downTheSide, "menu_down_the_side.html"}}) {
        SCOPED_TRACE(fixture);
        progress.statuses.clear();
        int items = 0;
        EXPECT_EQ(write(smallTree(), options, &items), expectedPage(fixture));
        EXPECT_EQ(items, 6);
        EXPECT_EQ(progress.statuses, QStringList({u8("Exporting From Folder: Bookmarks"),
                                                  u8("Exporting From Folder: Empty"),
                                                  u8("Exporting From Folder: News")}));
    }
}

TEST_F(MenuPageTest, NamesAndAddressesCannotLeaveTheirScriptStrings)
{
    ModelBuilder built = builderOf(u8("R's \\ <b>"));
    built.addLink(u8("</script><b>x"), u8("http://x.example/?q=<b>&r='1'"));
    built.addLink(u8("Two\r\nlines"), u8("C:\\Pages\\Tom's.htm"));
    built.addLink(u8("Bookmarklet"), u8("JavaScript:alert('hi')"));
    built.addLink(u8("Not script"), u8("javascrip:x"));
    built.addLink(u8("Grüße 日本"), u8("http://例え.jp/"));
    const QByteArray page = write(built.finish(), fixedOptions());
    // Script addresses run in the page, even with new windows asked for.
    for (const char* item :
         {"addItem('R\\'s \\\\ \\x3Cb\\x3E', 'm1', 'sm:');",
          "addItem('\\x3C/script\\x3E\\x3Cb\\x3Ex', 'http://x.example/?q=\\x3Cb\\x3E&r=\\'1\\'', "
          "'nw:');",
          "addItem('Two\\r\\nlines', 'C:\\\\Pages\\\\Tom\\'s.htm', 'nw:');",
          "addItem('Bookmarklet', 'JavaScript:alert(\\'hi\\')', 'js:');",
          "addItem('Not script', 'javascrip:x', 'nw:');",
          "addItem('Grüße 日本', 'http://例え.jp/', 'nw:');"})
        EXPECT_TRUE(page.contains("\r\n " + QByteArray(item) + "\r\n")) << item;
    // No item ends the element that holds the menus: its end is the first after them.
    EXPECT_EQ(page.count("</script"), 4);
    EXPECT_GT(page.indexOf("</script", page.indexOf("\r\nwith (pMenu)\r\n")),
              page.indexOf("hideDelay=1500;"));
}

TEST(MenuItemText, IsShortenedOnlyWhenWiderThanTheItem)
{
    // 210 pixels in bold Verdana fit, 211 do not.
    const QString fits = u8("News Programming Programming");
    ASSERT_EQ(textWidth(fits), 210);
    EXPECT_EQ(FitItemText(fits, 230, true), fits);
    const QString tooWide = u8("Programming Documentation Mail");
    ASSERT_EQ(textWidth(tooWide), 211);
    const QString fitted = FitItemText(tooWide, 230, true);
    ASSERT_TRUE(fitted.endsWith(u8("...")));
    const QString kept = fitted.chopped(3);
    EXPECT_TRUE(tooWide.startsWith(kept));
    EXPECT_LE(textWidth(kept), 210);
    EXPECT_GT(kept.size(), 20);

    // The cut never falls inside a character: a family emoji is eight code units, and a letter
    // keeps its accent.
    const QString family = u8("\U0001F468\u200D\U0001F469\u200D\U0001F467");
    EXPECT_EQ(FitItemText(family.repeated(6), 230, true), family.repeated(4) + u8("..."));
    for (int prefix = 0; prefix < 4; ++prefix) {
        const QString accented = QString(prefix, u'a') + u8("e\u0301\u0323").repeated(40);
        const QString keptLetters = FitItemText(accented, 230, true).chopped(3);
        ASSERT_TRUE(accented.startsWith(keptLetters));
        EXPECT_LE(textWidth(keptLetters), 210);
        EXPECT_NE(accented[keptLetters.size()].category(), QChar::Mark_NonSpacing) << prefix;
    }
}

TEST_F(MenuPageTest, WritesCheckedFoldersUnderUncheckedOnesWhereTheyShow)
{
    // Root (1)
    //   News Photos (2), checked
    //     Hidden (3)
    //       Zebra (4), checked
    //     Alpha (5), checked
    //   Hidden Too (6)
    //     Programming Weather Software (7), checked
    //   News Reference (8), checked
    const auto build = [] {
        ModelBuilder built = builderOf(u8("Root"));
        built.openFolder(u8("News Photos"));
        built.openFolder(u8("Hidden"));
        built.openFolder(u8("Zebra"));
        built.addLink(u8("Z1"), u8("z:1"));
        built.closeFolder();
        built.closeFolder();
        built.openFolder(u8("Alpha"));
        built.addLink(u8("A1"), u8("a:1"));
        built.addLink(u8("A2"), u8("a:2"));
        built.closeFolder();
        built.addLink(u8("P1"), u8("p:1"));
        built.closeFolder();
        built.openFolder(u8("Hidden Too"));
        built.openFolder(u8("Programming Weather Software"));
        built.closeFolder();
        built.closeFolder();
        built.openFolder(u8("News Reference"));
        return built.finish();
    };
    std::unique_ptr<BookmarkModel> model = build();
    ASSERT_EQ(model->folderCount(), 8);
    for (int row : {1, 3, 4, 6, 7})
        model->ApplyFolderCheck(row, true);
    // An unchecked link of a checked folder stays out.
    model->ApplyEntryCheck(4, model->folder(4).FirstLink + 1, false);

    MenuPageOptions options = fixedOptions();
    options.exportAll = false;
    int items = 0;
    QByteArray page = write(std::move(model), options, &items);
    // Root items of 200, 80 and 100 pixels; half-way widths go to the even neighbour.
    EXPECT_EQ(rootItemWidth(81, false), 122);
    EXPECT_EQ(rootItemWidth(83, false), 124);
    EXPECT_EQ(menus(page), crlf(R"(startMenu('root', false, 10, 0, 17, hBar);
 addItem('Programming Weather Software', 'm7', 'sm:', '', 230);
 addItem('News Photos', 'm2', 'sm:');
 addItem('News Reference', 'm8', 'sm:', '', 150);

startMenu('m7', true, 0, 20, 230, subM);
 addItem('(Empty)', '#', 'nw:');

startMenu('m2', true, 0, 20, 230, subM);
 addItem('Alpha', 'm5', 'sm:');
 addItem('Zebra', 'm4', 'sm:');
 addItem('P1', 'p:1', 'nw:');

startMenu('m5', true, 227, 0, 230, subM);
 addItem('A1', 'a:1', 'nw:');

startMenu('m4', true, 227, 0, 230, subM);
 addItem('Z1', 'z:1', 'nw:');

startMenu('m8', true, 0, 20, 230, subM);
 addItem('(Empty)', '#', 'nw:');
)"));
    EXPECT_EQ(items, 10);

    // Nothing checked: an empty bar.
    page = write(build(), options, &items);
    EXPECT_EQ(menus(page), crlf(R"(startMenu('root', false, 10, 0, 17, hBar);
)"));
    EXPECT_EQ(items, 0);
}

// The items of the submenu that starts with "startMenu('m" + name + "'": its lines up to the
// next empty line or the end of the menus, the continuation menus included.
QList<QByteArray> submenuLines(const QByteArray& page, const QByteArray& name)
{
    const qsizetype start = page.indexOf("startMenu('m" + name + "'");
    qsizetype end = page.indexOf("\r\n\r\n", start);
    const qsizetype hide = page.indexOf("hideDelay", start);
    if (end < 0 || end > hide)
        end = hide;
    QList<QByteArray> result = page.mid(start, end - start).trimmed().split('\n');
    for (QByteArray& line : result)
        line = line.trimmed();
    return result;
}

TEST_F(MenuPageTest, BreaksLongSubmenusIntoChains)
{
    const auto build = [] {
        ModelBuilder built = builderOf(u8("Root"));
        for (const auto& [name, links] :
             {std::pair{u8("Many"), 25}, std::pair{u8("Ten"), 10}, std::pair{u8("Four"), 4}}) {
            built.openFolder(name);
            addLinks(built, links);
            built.closeFolder();
        }
        return built.finish();
    };

    MenuPageOptions options = fixedOptions();
    options.breakAfter = 10;
    QByteArray page = write(build(), options);
    QList<QByteArray> expected = {"startMenu('m2', true, 227, 0, 230, subM);"};
    for (int i = 1; i <= 25; ++i) {
        expected << QStringLiteral("addItem('Link %1', 'http://example.org/%2', 'nw:');")
                        .arg(i, 3, 10, QLatin1Char('0'))
                        .arg(i)
                        .toLatin1();
        if (i == 9) {
            expected << "addItem('more...', 'mmo2_8', 'sm:');"
                     << "startMenu('mmo2_8', true, 227, -189, 230, subM);";
        } else if (i == 18) {
            expected << "addItem('more...', 'mmo2_17', 'sm:');"
                     << "startMenu('mmo2_17', true, 227, -126, 230, subM);";
        }
    }
    EXPECT_EQ(submenuLines(page, "2"), expected);
    // One entry left over takes the place of "more...".
    EXPECT_EQ(submenuLines(page, "3").size(), 11);
    EXPECT_FALSE(submenuLines(page, "3").join().contains("more..."));

    options.breakAfter = 2;
    page = write(build(), options);
    EXPECT_EQ(submenuLines(page, "4"), (QList<QByteArray>{
                                           "startMenu('m4', true, 227, 0, 230, subM);",
                                           "addItem('Link 001', 'http://example.org/1', 'nw:');",
                                           "addItem('more...', 'mmo4_0', 'sm:');",
                                           "startMenu('mmo4_0', true, 227, -21, 230, subM);",
                                           "addItem('Link 002', 'http://example.org/2', 'nw:');",
                                           "addItem('more...', 'mmo4_1', 'sm:');",
                                           "startMenu('mmo4_1', true, 227, -21, 230, subM);",
                                           "addItem('Link 003', 'http://example.org/3', 'nw:');",
                                           "addItem('Link 004', 'http://example.org/4', 'nw:');",
                                       }));

    options.breakAfter.reset();
    page = write(build(), options);
    EXPECT_FALSE(page.contains("more..."));
}

TEST_F(MenuPageTest, GivesEveryMenuItsOwnName)
{
    // Without a separator the continuation of node 1 after entry 98 and that of node 19 after
    // entry 8 would both be called "mmo198".
    ModelBuilder built = builderOf(u8("Root"));
    addLinks(built, 120);
    for (int i = 2; i <= 19; ++i) {
        built.closeFolder();
        built.openFolder(QStringLiteral("Folder %1").arg(i, 2, 10, QLatin1Char('0')));
    }
    addLinks(built, 12);
    std::unique_ptr<BookmarkModel> model = built.finish();
    ASSERT_EQ(model->tree().node(18).caption, u8("Folder 19"));

    MenuPageOptions options = fixedOptions();
    options.breakAfter = 10;
    const QByteArray page = write(std::move(model), options);
    EXPECT_TRUE(page.contains("startMenu('mmo1_98'"));
    EXPECT_TRUE(page.contains("startMenu('mmo19_8'"));
    QSet<QByteArray> names;
    const QRegularExpression startMenu(QStringLiteral("startMenu\\('([^']*)'"));
    for (const QRegularExpressionMatch& match : startMenu.globalMatch(QString::fromUtf8(page))) {
        const QByteArray name = match.captured(1).toLatin1();
        EXPECT_FALSE(names.contains(name)) << name.constData();
        names.insert(name);
    }
    // Every "sm:" item opens a menu that exists.
    const QRegularExpression opener(QStringLiteral("addItem\\('[^']*', '([^']*)', 'sm:'"));
    for (const QRegularExpressionMatch& match : opener.globalMatch(QString::fromUtf8(page)))
        EXPECT_TRUE(names.contains(match.captured(1).toLatin1())) << qPrintable(match.captured(1));
}

TEST_F(MenuPageTest, WritesTenThousandNestedFolders)
{
    const auto build = [] {
        ModelBuilder built = builderOf(u8("Root"));
        for (int depth = 1; depth <= 10000; ++depth)
            built.openFolder(QStringLiteral("Level %1").arg(depth));
        built.addLink(u8("Bottom"), u8("http://bottom.example/"));
        return built.finish();
    };
    std::unique_ptr<BookmarkModel> model = build();
    model->ApplyFolderCheck(model->folderCount() - 1, true);

    int items = 0;
    QByteArray page = write(build(), fixedOptions(), &items);
    EXPECT_EQ(items, 10002);
    EXPECT_TRUE(page.contains("startMenu('m10001', true, 227, 0, 230, subM);\r\n"
                              " addItem('Bottom', 'http://bottom.example/', 'nw:');\r\n"));

    MenuPageOptions onlyChecked = fixedOptions();
    onlyChecked.exportAll = false;
    page = write(std::move(model), onlyChecked, &items);
    EXPECT_EQ(menus(page), crlf(R"(startMenu('root', false, 10, 0, 17, hBar);
 addItem('Level 10000', 'm10001', 'sm:');

startMenu('m10001', true, 0, 20, 230, subM);
 addItem('Bottom', 'http://bottom.example/', 'nw:');
)"));
}

TEST_F(MenuPageTest, LeavesTheOldPageWhenTheNewOneCannotBeWritten)
{
    const Result<int, UserMessage> failed = CreateMenuPage(
        *smallTree(), dir.path(u8("no/such/folder/menu.html")), fixedOptions(), progress);
    ASSERT_FALSE(failed.ok());
    // The second line says what the system reported.
    EXPECT_FALSE(failed.failure().lines.value(1).isEmpty());

    // A disk that fills up half-way through the page.
    dir.write(u8("menu.html"), "old page");
    const int outcome = test::inChild([&] {
        if (!test::limitFileSize(600))
            return 10;
        const Result<int, UserMessage> result =
            CreateMenuPage(*smallTree(), pagePath(), fixedOptions(), progress);
        if (result.ok())
            return 11;
        return result.failure().lines.value(0) == u8("Error Writing the Menu Page.") ? 0 : 12;
    });
    EXPECT_EQ(outcome, 0);
    EXPECT_EQ(dir.read(u8("menu.html")), QByteArray("old page"));
}

TEST(MenuScripts, AreTheFilesOfTheSourceTreeWithCrLfLineEnds)
{
    const std::pair<MenuScript, const char*> scripts[] = {{MenuScript::Engine, "engine.js"},
                                                          {MenuScript::Events, "events.js"},
                                                          {MenuScript::Shadows, "shadows.js"}};
    for (const auto& [script, name] : scripts) {
        QFile file(QStringLiteral(ORVALINK_TEST_DATA_DIR "/../../resources/menu/") +
                   QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray source = file.readAll();
        EXPECT_EQ(menuScriptSource(script), source) << name;
        QByteArray expected = source;
        expected.replace("\r\n", "\n").replace("\n", "\r\n");
        if (!expected.isEmpty() && !expected.endsWith("\r\n"))
            expected += "\r\n";
        EXPECT_EQ(menuScriptLines(script), expected) << name;
    }
}

} // namespace
} // namespace orvalink
