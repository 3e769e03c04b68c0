// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/bookmark_model.h"
#include "model/model_builder.h"
#include "model/shared_blocks.h"
#include "model/text_order.h"
#include "tests/support/fixture_cases.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <numeric>
#include <random>

namespace orvalink {
namespace {

using namespace Qt::StringLiterals;

// Everything the selection rules promise, recomputed from scratch.
void expectConsistent(const BookmarkModel& model)
{
    int checkedFolders = 0;
    int checkedLinks = 0;
    std::vector<bool> hasCheckedLinkBelow(static_cast<size_t>(model.folderCount()), false);
    for (int r = model.folderCount() - 1; r >= 0; --r) {
        const FolderRecord& folder = model.folder(r);
        int selected = 0;
        for (int l = folder.FirstLink; l <= folder.LastLink; ++l)
            selected += !model.link(l).isSubfolder() && model.link(l).Selected;
        EXPECT_EQ(folder.SelectedLinks, selected) << "row " << r;
        checkedLinks += selected;
        if (r != 0 && model.isChecked(r))
            ++checkedFolders;
        if (selected > 0) {
            EXPECT_TRUE(model.isChecked(r)) << "row " << r << " has checked links";
            for (int a = r; a != -1; a = model.folder(a).Parent)
                hasCheckedLinkBelow[static_cast<size_t>(a)] = true;
        }
    }
    for (int r = 0; r < model.folderCount(); ++r)
        EXPECT_EQ(model.isBold(r), hasCheckedLinkBelow[static_cast<size_t>(r)]) << "row " << r;
    EXPECT_EQ(model.SelectedFolderCount(), checkedFolders);
    EXPECT_EQ(model.SelectedLinkCount(), checkedLinks);
}

// What each command checks, with the counts it leaves, is the selection window's test; here no
// sequence of commands may break the rules.
TEST(SelectionRules, NoSequenceOfCommandsBreaksTheCounters)
{
    std::mt19937 random(20261206);
    ModelBuilder built(FormId::Hotlist, QStringLiteral("h.adr"), QStringLiteral("Root"));
    for (int i = 0; i < 60; ++i) {
        const unsigned what = random() % 6;
        if (what < 2)
            built.openFolder(QStringLiteral("F%1").arg(i));
        else if (what == 2)
            built.closeFolder();
        else
            built.addLink(QStringLiteral("L%1").arg(i), QStringLiteral("about:%1").arg(i));
    }
    auto model = built.finish();
    const auto coin = [&] { return random() % 2 == 1; };
    // Some entries of the folder, any of them a subfolder entry.
    const auto someEntries = [&](int folder) {
        std::vector<int> rows;
        for (int r = model->folder(folder).FirstLink; r <= model->folder(folder).LastLink; ++r) {
            if (coin())
                rows.push_back(r);
        }
        return rows;
    };
    const std::function<void(int)> commands[] = {
        [&](int f) { model->ApplyFolderCheck(f, coin()); },
        [&](int f) {
            for (int r : someEntries(f))
                model->ApplyEntryCheck(f, r, coin());
        },
        [&](int f) { model->CheckEntries(f, someEntries(f), coin()); },
        [&](int f) { model->CheckFolderAndAllSubs(f); },
        [&](int f) { model->UncheckFolderAndAllSubs(f); },
        [&](int f) { model->CheckAllLinks(f); },
        [&](int f) { model->UncheckAllLinks(f); },
        [&](int) { model->CheckAllFolders(); },
        [&](int) { model->UncheckAllFolders(); },
    };
    for (int step = 0; step < 2000; ++step) {
        const int folder = static_cast<int>(random() % static_cast<unsigned>(model->folderCount()));
        // The commands on every folder at once only now and then, or nothing would stay mixed.
        const size_t command = random() % std::size(commands);
        if (command < 7 || random() % 10 == 0)
            commands[command](folder);
        expectConsistent(*model);
        if (::testing::Test::HasFailure())
            FAIL() << "after step " << step;
    }
}

// Keys are lowered in place, character by character: the ASCII letters' edges, the characters
// just beside them, every other character (the one that lowers to two apart) and texts beyond
// ASCII must all order as their lowered texts do.
TEST(CaseBlindOrder, OrdersAsTheLowerCasedTexts)
{
    std::vector<QString> texts{
        u"Zeta"_s,  u"@home"_s, u"[x]"_s,           u"a"_s,        u"`q"_s,   u"{z}"_s, u"A"_s,
        u"Émile"_s, u"émile"_s, u"\u0130stanbul"_s, u"istanbul"_s, u"zeta"_s, u""_s,    u"Z"_s};
    // Keys that share their first units, or begin one another, a NUL unit among them, and runs of
    // ASCII broken by other characters.
    texts.insert(texts.end(), {u"abcdEFGHi"_s, u"ABCDefghH"_s, u"abcd"_s, u"abc"_s, u"ABCD"_s,
                               u"ab"_s + QChar(0), u"ab"_s, u"NEWSLETTER\u00c9t\u00c9"_s,
                               u"newsletter\u00e9t"_s, u"\u65e5\u672c ABCDEFGHIJ"_s});
    QString everyCharacter;
    for (char32_t c = 0x80; c < 0x110000; ++c) {
        if (c != 0x130 && !(c >= 0xD800 && c < 0xE000))
            everyCharacter += QString::fromUcs4(&c, 1);
    }
    texts.push_back(everyCharacter);
    CaseBlindKeys keys;
    for (const QString& text : texts)
        keys.add(text);
    std::vector<int> expected(texts.size());
    std::iota(expected.begin(), expected.end(), 0);
    std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
        return texts[size_t(a)].toLower() < texts[size_t(b)].toLower();
    });
    for (size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(keys[i], texts[i].toLower()) << texts[i].toStdString();
    EXPECT_EQ(keys.order(), expected);
    EXPECT_EQ(caseBlindOrder(texts), expected);
}

TEST(ModelBuilder, KeepsEachFolderEntriesTogetherAndWhatEachEntryKeeps)
{
    ModelBuilder built(FormId::Hotlist, QStringLiteral("h.adr"), QStringLiteral("Header"));
    built.addLink(QStringLiteral("Early"), QStringLiteral("u:early"));
    FolderRecord& bar = built.folder(built.openFolder(QStringLiteral("Mail")));
    bar.Role = FolderRole::Toolbar;
    bar.Dates.added = BookmarkTime::fromSeconds(1700000000);
    built.editDetails(bar.Details).description = QStringLiteral("Bar");
    LinkRecord& inside = built.addLink(QStringLiteral("Mail"), QStringLiteral("u:mail"));
    inside.Dates.visited = BookmarkTime::fromSeconds(-5);
    built.editDetails(inside.Details).keyword = QStringLiteral("m");
    built.closeFolder();
    // A surplus close at the root is ignored.
    built.closeFolder();
    built.addSeparator();
    // Names that once had to be numbered to tell them apart stay as they are.
    built.addLink(QStringLiteral("Mail"), QStringLiteral("u:other"));
    built.openFolder(QStringLiteral("Mail"));
    built.openFolder(QStringLiteral("Left open"));
    auto model = built.finish();

    EXPECT_EQ(test::listing(*model).toStdString(), std::string(R"([0] Header
  Early <u:early>
  [1] Mail {added=1700000000 toolbar description="Bar"}
    Mail <u:mail> {visited=-5 keyword="m"}
  ----
  Mail <u:other>
  [2] Mail
    [3] Left open
)"));
    for (int row = 0; row < model->folderCount(); ++row)
        EXPECT_TRUE(model->folder(row).LinksLoaded);
    EXPECT_EQ(model->link(model->folder(0).FirstLink + 1).IconIndex, IconIndex::HotlistFolder);
    EXPECT_EQ(model->link(model->folder(0).FirstLink).IconIndex, IconIndex::HotlistLink);
}

TEST(SharedBlocks, KeptBytesStayIndependentAndOutliveTheirBlocksAndSource)
{
    QByteArray first;
    QByteArray second;
    QByteArray copyOfSecond;
    QByteArray view;
    QByteArray fromRaw;
    {
        SharedBlocks blocks;
        first = blocks.keep("data:one");
        second = blocks.keep("data:two");
        // More than a block holds, and one string too long to share a block.
        for (int i = 0; i < 5000; ++i)
            blocks.keep(QByteArray(300, 'x'));
        EXPECT_EQ(blocks.keep(QByteArray(1 << 20, 'y')).size(), 1 << 20);
        copyOfSecond = second;

        // Part of a shared source is a view of it, which keeps it alive; raw bytes are copied.
        QByteArray source("<A ICON=\"data:icon\">");
        blocks.share(source);
        view = blocks.keep(QByteArrayView(source).sliced(9, 9));
        EXPECT_EQ(view.constData(), source.constData() + 9);
        static const char raw[] = "data:raw";
        const QByteArray rawSource = QByteArray::fromRawData(raw, sizeof raw - 1);
        blocks.share(rawSource);
        fromRaw = blocks.keep(rawSource);
        EXPECT_NE(fromRaw.constData(), raw);
    }
    EXPECT_EQ(first, "data:one");
    EXPECT_EQ(first.constData()[first.size()], '\0');
    first.append("+more");
    second[0] = 'D';
    EXPECT_EQ(first, "data:one+more");
    EXPECT_EQ(second, "Data:two");
    EXPECT_EQ(copyOfSecond, "data:two");
    EXPECT_EQ(view, "data:icon");
    view[0] = 'D';
    EXPECT_EQ(view, "Data:icon");
    EXPECT_EQ(fromRaw, "data:raw");
}

// Text decoded into a block reads as QString::fromUtf8() makes it, whatever the bytes, and ends
// where its own characters do.
TEST(SharedBlocks, DecodesUtf8AsQtDoes)
{
    SharedBlocks blocks;
    const QByteArray cases[] = {"",
                                "plain",
                                "caf\xc3\xa9 \xe2\x80\x94 \xf0\x9f\x94\x96",
                                "\xef\xbb\xbfmarked",
                                "cut \xe2\x80",
                                "\xc0\xafover\xff\xfelong\xed\xa0\x80",
                                QByteArray("nul\0in", 6),
                                QByteArray(70000, '\xc3').replace(1, 1, "\xa9"),
                                QByteArray(70000, 'a') + "\xc3\xa9"};
    for (const QByteArray& bytes : cases) {
        const QString decoded = blocks.fromUtf8(bytes);
        EXPECT_EQ(decoded, QString::fromUtf8(bytes)) << bytes.left(40).toHex().toStdString();
        EXPECT_EQ(decoded.constData()[decoded.size()], u'\0');
    }
}

} // namespace
} // namespace orvalink
