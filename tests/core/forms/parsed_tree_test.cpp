// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/parsed_tree.h"

#include <gtest/gtest.h>

namespace orvalink {
namespace {

TEST(TreeToTables, KeepsNamesAsReadAndWhatEachEntryKeeps)
{
    ParsedTree tree(QStringLiteral("Header"));
    const int toolbar = tree.addFolder(0, QStringLiteral("Mail"));
    tree.node(toolbar).role = FolderRole::Toolbar;
    tree.node(toolbar).dates.added = BookmarkTime::fromSeconds(1700000000);
    tree.editDetails(toolbar).description = QStringLiteral("Bar");
    const int link = tree.addLink(toolbar, QStringLiteral("Mail"), QStringLiteral("u:mail"));
    tree.node(link).dates.visited = BookmarkTime::fromSeconds(-5);
    tree.node(link).onToolbar = true;
    tree.editDetails(link).keyword = QStringLiteral("m");
    tree.addSeparator(0);
    // Names that once had to be numbered to tell them apart stay as they are.
    tree.addLink(0, QStringLiteral("Mail"), QStringLiteral("u:other"));
    tree.addFolder(0, QStringLiteral("Mail"));

    auto model = TreeToTables(tree, FormId::Hotlist, QStringLiteral("h.adr"));
    ASSERT_EQ(model->folderCount(), 3);
    const FolderRecord& root = model->folder(0);
    ASSERT_EQ(root.entryCount(), 4);
    const LinkRecord& first = model->link(root.FirstLink);
    EXPECT_TRUE(first.isSubfolder());
    EXPECT_EQ(first.IconIndex, IconIndex::HotlistFolder);
    EXPECT_TRUE(model->link(root.FirstLink + 1).isSeparator());
    EXPECT_EQ(model->link(root.FirstLink + 2).Name, QStringLiteral("Mail"));
    EXPECT_EQ(model->link(root.FirstLink + 2).IconIndex, IconIndex::HotlistLink);
    EXPECT_EQ(model->folder(2).Name, QStringLiteral("Mail"));
    EXPECT_EQ(model->folder(2).entryCount(), 0);

    const FolderRecord& bar = model->folder(first.SubfolderRow);
    EXPECT_EQ(bar.Role, FolderRole::Toolbar);
    EXPECT_EQ(model->entryDates(root.FirstLink).added, BookmarkTime::fromSeconds(1700000000));
    EXPECT_EQ(model->entryDetails(root.FirstLink).description, QStringLiteral("Bar"));
    const LinkRecord& inside = model->link(bar.FirstLink);
    EXPECT_TRUE(inside.OnToolbar);
    EXPECT_EQ(inside.Dates.visited.seconds(), -5);
    EXPECT_FALSE(inside.Dates.added.isKnown());
    EXPECT_EQ(model->details(inside.Details).keyword, QStringLiteral("m"));
    EXPECT_EQ(model->link(root.FirstLink + 2).Details, NoDetails);
}

} // namespace
} // namespace orvalink
