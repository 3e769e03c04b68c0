#include "model/bookmark_model.h"
#include "model/entry_order.h"
#include "sources/parsed_tree.h"

#include <gtest/gtest.h>
#include <random>

namespace orvalink {
namespace {

// Root
//   Home <about:home>
//   Work
//     Wiki <about:wiki>
//     Mail <about:mail>
//     Old
//       Archive <about:archive>
//   Empty
class SelectionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ParsedTree parsed(QStringLiteral("Root"));
        parsed.addChild(0, QStringLiteral("Home"), QStringLiteral("about:home"));
        const int work = parsed.addChild(0, QStringLiteral("Work"));
        parsed.addChild(work, QStringLiteral("Wiki"), QStringLiteral("about:wiki"));
        parsed.addChild(work, QStringLiteral("Mail"), QStringLiteral("about:mail"));
        const int old = parsed.addChild(work, QStringLiteral("Old"));
        parsed.addChild(old, QStringLiteral("Archive"), QStringLiteral("about:archive"));
        parsed.addChild(0, QStringLiteral("Empty"));
        model = TreeToTables(parsed, SourceKind::BookmarkFile, QStringLiteral("b.html"));
    }

    int row(const char* name) const
    {
        for (int r = 0; r < model->folderCount(); ++r) {
            if (model->folder(r).Name == QLatin1String(name))
                return r;
        }
        ADD_FAILURE() << "no folder " << name;
        return 0;
    }
    int linkRow(int folder, const char* name) const
    {
        const FolderRecord& record = model->folder(folder);
        for (int r = record.FirstLink; r <= record.LastLink; ++r) {
            if (model->link(r).Name == QLatin1String(name))
                return r;
        }
        ADD_FAILURE() << "no entry " << name;
        return 0;
    }

    std::unique_ptr<BookmarkModel> model;
};

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

TEST_F(SelectionTest, RootIsNeverCountedAndCheckAllCountsEveryOtherFolder)
{
    model->ApplyFolderCheck(0, true);
    EXPECT_EQ(model->SelectedFolderCount(), 0);
    EXPECT_EQ(model->SelectedLinkCount(), 1);
    model->CheckAllFolders();
    EXPECT_EQ(model->SelectedFolderCount(), 3);
    EXPECT_EQ(model->SelectedLinkCount(), 4);
    // Checking again what is already checked never counts twice.
    model->CheckAllLinks(0);
    model->CheckAllLinks(row("Work"));
    model->CheckFolderAndAllSubs(0);
    EXPECT_EQ(model->SelectedFolderCount(), 3);
    expectConsistent(*model);
    model->UncheckAllFolders();
    EXPECT_EQ(model->SelectedFolderCount(), 0);
    EXPECT_EQ(model->SelectedLinkCount(), 0);
    expectConsistent(*model);
}

TEST_F(SelectionTest, OneLinkChecksItsFolderAndTheLastUncheckedOneUnchecksIt)
{
    const int work = row("Work");
    const int wiki = linkRow(work, "Wiki");
    model->ApplyEntryCheck(work, wiki, true);
    EXPECT_TRUE(model->isChecked(work));
    EXPECT_FALSE(model->link(linkRow(work, "Mail")).Selected);
    EXPECT_EQ(model->SelectedFolderCount(), 1);
    EXPECT_TRUE(model->isBold(work));
    EXPECT_TRUE(model->isBold(0));
    expectConsistent(*model);

    model->ApplyEntryCheck(work, wiki, false);
    EXPECT_FALSE(model->isChecked(work));
    EXPECT_EQ(model->SelectedFolderCount(), 0);
    EXPECT_FALSE(model->isBold(work));
    EXPECT_FALSE(model->isBold(0));
    expectConsistent(*model);
}

TEST_F(SelectionTest, EmptyFolderCountsButIsNotBold)
{
    const int empty = row("Empty");
    model->ApplyFolderCheck(empty, true);
    EXPECT_EQ(model->SelectedFolderCount(), 1);
    EXPECT_EQ(model->SelectedLinkCount(), 0);
    EXPECT_FALSE(model->isBold(empty));
}

TEST_F(SelectionTest, LinksCheckedOnlyBelowMakeAnUncheckedFolderBold)
{
    const int work = row("Work");
    model->ApplyFolderCheck(row("Old"), true);
    EXPECT_FALSE(model->isChecked(work));
    EXPECT_TRUE(model->isBold(work));
    // A subfolder entry's check box is its folder's.
    const int oldEntry = linkRow(work, "Old");
    EXPECT_TRUE(model->entryChecked(oldEntry));
    model->ApplyEntryCheck(work, oldEntry, false);
    EXPECT_FALSE(model->isChecked(row("Old")));
    EXPECT_FALSE(model->isBold(work));
    expectConsistent(*model);
}

TEST_F(SelectionTest, SubtreeCommandsCountEachFolderOnce)
{
    const int work = row("Work");
    model->ApplyFolderCheck(row("Old"), true);
    model->ApplyFolderCheck(row("Empty"), true);
    model->CheckFolderAndAllSubs(work);
    EXPECT_EQ(model->SelectedFolderCount(), 3);
    EXPECT_EQ(model->SelectedLinkCount(), 3);
    model->UncheckFolderAndAllSubs(work);
    EXPECT_EQ(model->SelectedFolderCount(), 1);
    EXPECT_EQ(model->SelectedLinkCount(), 0);
    expectConsistent(*model);
}

TEST_F(SelectionTest, CheckSelectedEntriesHandlesLinksAndSubfoldersAlike)
{
    const int work = row("Work");
    model->CheckEntries(work, {linkRow(work, "Mail"), linkRow(work, "Old")}, true);
    EXPECT_TRUE(model->link(linkRow(work, "Mail")).Selected);
    EXPECT_TRUE(model->isChecked(row("Old")));
    EXPECT_EQ(model->SelectedLinkCount(), 2);
    model->UncheckAllLinks(work);
    EXPECT_EQ(model->SelectedLinkCount(), 1);
    expectConsistent(*model);
}

TEST(SelectionRules, NoSequenceOfCommandsBreaksTheCounters)
{
    std::mt19937 random(20261206);
    ParsedTree parsed(QStringLiteral("Root"));
    std::vector<int> folders{0};
    for (int i = 0; i < 60; ++i) {
        const int parent = folders[random() % folders.size()];
        if (random() % 3 == 0)
            folders.push_back(parsed.addChild(parent, QStringLiteral("F%1").arg(i)));
        else
            parsed.addChild(parent, QStringLiteral("L%1").arg(i),
                            QStringLiteral("about:%1").arg(i));
    }
    auto model = TreeToTables(parsed, SourceKind::Hotlist, QStringLiteral("h.adr"));
    for (int step = 0; step < 2000; ++step) {
        const int folder = static_cast<int>(random() % static_cast<unsigned>(model->folderCount()));
        const FolderRecord& record = model->folder(folder);
        switch (random() % 9) {
        case 0:
            model->ApplyFolderCheck(folder, random() % 2);
            break;
        case 1:
            if (record.entryCount() > 0)
                model->ApplyEntryCheck(
                    folder,
                    record.FirstLink +
                        static_cast<int>(random() % static_cast<unsigned>(record.entryCount())),
                    random() % 2);
            break;
        case 2:
            model->CheckFolderAndAllSubs(folder);
            break;
        case 3:
            model->UncheckFolderAndAllSubs(folder);
            break;
        case 4:
            model->CheckAllLinks(folder);
            break;
        case 5:
            model->UncheckAllLinks(folder);
            break;
        case 6:
            if (random() % 10 == 0)
                model->CheckAllFolders();
            break;
        case 7:
            if (random() % 10 == 0)
                model->UncheckAllFolders();
            break;
        default: {
            std::vector<int> rows;
            for (int r = record.FirstLink; r <= record.LastLink; ++r) {
                if (random() % 2)
                    rows.push_back(r);
            }
            model->CheckEntries(folder, rows, random() % 2);
        }
        }
        expectConsistent(*model);
        if (::testing::Test::HasFailure())
            FAIL() << "after step " << step;
    }
}

TEST(GetFolderLinks, SortsWithoutRegardToCaseAndLeavesOutSubfoldersAndUncheckedLinks)
{
    ParsedTree parsed(QStringLiteral("Root"));
    parsed.addChild(0, QStringLiteral("b"), QStringLiteral("u:b"));
    parsed.addChild(0, QStringLiteral("Sub"));
    parsed.addChild(0, QStringLiteral("A"), QStringLiteral("u:A"));
    parsed.addChild(0, QStringLiteral("a"), QStringLiteral("u:a"));
    const int only = parsed.addChild(0, QStringLiteral("OnlyFolders"));
    parsed.addChild(only, QStringLiteral("Inner"));
    auto model = TreeToTables(parsed, SourceKind::BookmarkFile, QStringLiteral("b.html"));

    const std::vector<NameUrlPair> all = model->GetFolderLinks(0, true);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].name.toLower(), QStringLiteral("a"));
    EXPECT_EQ(all[1].name.toLower(), QStringLiteral("a"));
    EXPECT_EQ(all[2].name, QStringLiteral("b"));
    EXPECT_EQ(all[2].url, QStringLiteral("u:b"));
    EXPECT_TRUE(model->GetFolderLinks(0, false).empty());
    EXPECT_TRUE(
        model->GetFolderLinks(model->link(model->folder(0).LastLink).SubfolderRow, true).empty());

    model->ApplyEntryCheck(0, 0, true);
    const std::vector<NameUrlPair> checked = model->GetFolderLinks(0, false);
    ASSERT_EQ(checked.size(), 1u);
    EXPECT_EQ(checked[0].name, QStringLiteral("b"));
}

TEST(GetFolderLinks, KeepsEveryLinkOfALargeFolder)
{
    ParsedTree parsed(QStringLiteral("Root"));
    for (int i = 0; i < 250; ++i)
        parsed.addChild(0, QStringLiteral("L%1").arg(i, 3, 10, QLatin1Char('0')),
                        QStringLiteral("u:%1").arg(i));
    auto model = TreeToTables(parsed, SourceKind::BookmarkFile, QStringLiteral("b.html"));
    const std::vector<NameUrlPair> links = model->GetFolderLinks(0, true);
    ASSERT_EQ(links.size(), 250u);
    EXPECT_EQ(links.front().name, QStringLiteral("L000"));
    EXPECT_EQ(links.back().url, QStringLiteral("u:249"));
}

TEST(EntryOrder, SubfoldersLeadByNameAndTrailByDate)
{
    ParsedTree parsed(QStringLiteral("Root"));
    parsed.addChild(0, QStringLiteral("beta"), QStringLiteral("http://b"));
    parsed.addChild(0, QStringLiteral("Zeta folder"));
    parsed.addChild(0, QStringLiteral("Alpha"), QStringLiteral("http://c"));
    parsed.addChild(0, QStringLiteral("alpha folder"));
    auto model = TreeToTables(parsed, SourceKind::BookmarkFile, QStringLiteral("b.html"));
    auto names = [&](const std::vector<int>& rows) {
        QStringList result;
        for (int r : rows)
            result << model->link(r).Name;
        return result.join(QLatin1Char(','));
    };
    EXPECT_EQ(names(sortedEntryRows(*model, 0, EntryColumn::LinkName, false)),
              QStringLiteral("alpha folder,Zeta folder,Alpha,beta"));
    EXPECT_EQ(names(sortedEntryRows(*model, 0, EntryColumn::LinkName, true)),
              QStringLiteral("beta,Alpha,Zeta folder,alpha folder"));
    EXPECT_EQ(names(sortedEntryRows(*model, 0, EntryColumn::URL, false)),
              QStringLiteral("Zeta folder,alpha folder,beta,Alpha"));
    // File sources have no dates: the links keep their row order, the subfolders follow.
    EXPECT_EQ(names(sortedEntryRows(*model, 0, EntryColumn::CreationDate, false)),
              QStringLiteral("beta,Alpha,Zeta folder,alpha folder"));
}

TEST(Paths, FollowParentsNotNamesSoABackslashInANameCannotMisplaceAFolder)
{
    ParsedTree parsed(QStringLiteral("Root"));
    const int a = parsed.addChild(0, QStringLiteral("a"));
    const int b = parsed.addChild(a, QStringLiteral("b"));
    parsed.addChild(b, QStringLiteral("deep"), QStringLiteral("u:deep"));
    const int tricky = parsed.addChild(0, QStringLiteral("a\\b"));
    parsed.addChild(tricky, QStringLiteral("shallow"), QStringLiteral("u:shallow"));
    auto model = TreeToTables(parsed, SourceKind::BookmarkFile, QStringLiteral("b.html"));
    ASSERT_EQ(model->folderCount(), 4);
    EXPECT_EQ(model->folder(3).Name, QStringLiteral("a\\b"));
    EXPECT_EQ(model->folder(3).Parent, 0);
    EXPECT_EQ(model->tree().node(3).parent, 0);
    EXPECT_EQ(model->Path(2), QStringLiteral("Root\\a\\"));
    EXPECT_EQ(model->key(2), QStringLiteral("Root\\a\\b\\"));
    EXPECT_EQ(model->key(0), QStringLiteral("Root\\"));
    EXPECT_EQ(model->Path(0), QStringLiteral("Root\\"));
    EXPECT_EQ(model->GetFolderLinks(3, true).front().name, QStringLiteral("shallow"));
}

} // namespace
} // namespace orvalink
