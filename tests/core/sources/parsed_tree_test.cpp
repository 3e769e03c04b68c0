#include "sources/parsed_tree.h"

#include <gtest/gtest.h>

namespace orvalink {
namespace {

QStringList captions(const ParsedTree& tree, int folder)
{
    QStringList result;
    for (int child : tree.node(folder).children)
        result << tree.node(child).caption;
    return result;
}

TEST(DuplicateNames, AreNumberedAmongTheChildrenOfOneFolder)
{
    ParsedTree tree(QStringLiteral("Root"));
    tree.addChild(0, QStringLiteral("Mail"), QStringLiteral("u:1"));
    tree.addChild(0, QStringLiteral("Mail"));
    tree.addChild(0, QStringLiteral("mail"), QStringLiteral("u:2"));
    tree.addChild(0, QStringLiteral("Mail"), QStringLiteral("u:3"));
    tree.addChild(0, QStringLiteral("Page (1)"), QStringLiteral("u:4"));
    tree.addChild(0, QStringLiteral("Page (1)"), QStringLiteral("u:5"));
    tree.addChild(0, QStringLiteral("Page (1)"), QStringLiteral("u:6"));
    // An entry already called like a numbered one pushes the numbering further.
    tree.addChild(0, QStringLiteral("Work(2)"), QStringLiteral("u:7"));
    tree.addChild(0, QStringLiteral("Work"), QStringLiteral("u:8"));
    tree.addChild(0, QStringLiteral("Work"), QStringLiteral("u:9"));
    EXPECT_EQ(captions(tree, 0),
              (QStringList{QStringLiteral("Mail"), QStringLiteral("Mail(2)"),
                           QStringLiteral("mail"), QStringLiteral("Mail(3)"),
                           QStringLiteral("Page (1)"), QStringLiteral("Page (2)(2)"),
                           QStringLiteral("Page (3)(3)"), QStringLiteral("Work(2)"),
                           QStringLiteral("Work"), QStringLiteral("Work(3)")}));
}

TEST(DuplicateNames, NeverCollideAcrossFoldersOrThroughBackslashes)
{
    ParsedTree tree(QStringLiteral("Root"));
    const int a = tree.addChild(0, QStringLiteral("a"));
    const int b = tree.addChild(a, QStringLiteral("b"));
    tree.addChild(b, QStringLiteral("c"), QStringLiteral("u:deep"));
    // Joined with backslashes these would read like the entry above; they stay as they are.
    tree.addChild(0, QStringLiteral("a\\b\\c"), QStringLiteral("u:flat"));
    tree.addChild(a, QStringLiteral("b\\c"), QStringLiteral("u:half"));
    tree.addChild(b, QStringLiteral("a"), QStringLiteral("u:other"));
    EXPECT_EQ(captions(tree, 0), (QStringList{QStringLiteral("a"), QStringLiteral("a\\b\\c")}));
    EXPECT_EQ(captions(tree, a), (QStringList{QStringLiteral("b"), QStringLiteral("b\\c")}));
    EXPECT_EQ(captions(tree, b), (QStringList{QStringLiteral("c"), QStringLiteral("a")}));
}

TEST(DuplicateNames, HundredThousandUntitledEntriesTakeLinearTime)
{
    ParsedTree tree(QStringLiteral("Root"));
    constexpr int count = 100000;
    for (int i = 0; i < count; ++i)
        tree.addChild(0, QString(), QStringLiteral("u:x"));
    const std::vector<int>& children = tree.node(0).children;
    ASSERT_EQ(children.size(), size_t(count));
    EXPECT_EQ(tree.node(children[0]).caption, QString());
    EXPECT_EQ(tree.node(children[1]).caption, QStringLiteral("(2)"));
    EXPECT_EQ(tree.node(children.back()).caption, QStringLiteral("(%1)").arg(count));
}

TEST(TreeToTables, MakesAFolderOfEveryNodeWithChildrenOrWithoutAddress)
{
    ParsedTree tree(QStringLiteral("Header"));
    const int folder = tree.addChild(0, QStringLiteral("Folder"));
    tree.addChild(folder, QStringLiteral("Link"), QStringLiteral("u:link"));
    tree.addChild(0, QStringLiteral("No address"), QString());
    tree.addChild(0, QStringLiteral("Top"), QStringLiteral("u:top"));
    tree.closeFolder(folder);
    auto model = TreeToTables(tree, SourceKind::Hotlist, QStringLiteral("h.adr"));
    ASSERT_EQ(model->folderCount(), 3);
    EXPECT_EQ(model->folder(0).Name, QStringLiteral("Header"));
    EXPECT_EQ(model->folder(2).Name, QStringLiteral("No address"));
    EXPECT_EQ(model->folder(2).entryCount(), 0);
    EXPECT_TRUE(model->folder(2).LinksLoaded);
    const FolderRecord& root = model->folder(0);
    ASSERT_EQ(root.entryCount(), 3);
    EXPECT_EQ(model->link(root.FirstLink).SubfolderRow, 1);
    EXPECT_EQ(model->link(root.FirstLink).IconIndex, IconIndex::HotlistFolder);
    EXPECT_EQ(model->link(root.FirstLink + 1).SubfolderRow, 2);
    EXPECT_EQ(model->link(root.LastLink).IconIndex, IconIndex::HotlistLink);
    EXPECT_EQ(model->SubfolderPath(root.FirstLink), QStringLiteral("Header\\Folder\\"));
    EXPECT_EQ(model->SubfolderPath(root.LastLink), QString());
    EXPECT_EQ(model->link(model->folder(1).FirstLink).URL, QStringLiteral("u:link"));
}

} // namespace
} // namespace orvalink
