#include "forms/parsed_tree.h"

#include <gtest/gtest.h>

namespace orvalink {
namespace {

QString captions(const ParsedTree& tree, int folder)
{
    QStringList result;
    for (int child : tree.node(folder).children)
        result << tree.node(child).caption;
    return result.join(QLatin1Char(','));
}

TEST(DuplicateNames, AreNumberedAmongTheChildrenOfOneFolder)
{
    ParsedTree tree(QStringLiteral("Root"));
    int i = 0;
    // The second "Mail" is a folder: folders and links share one set of names. An entry already
    // called like a numbered one ("Work(2)") pushes the numbering further.
    for (const char* name : {"Mail", "Mail", "mail", "Mail", "Page (1)", "Page (1)", "Page (1)",
                             "Work(2)", "Work", "Work"})
        tree.addChild(0, QString::fromUtf8(name), i++ == 1 ? QString() : QStringLiteral("u:x"));
    EXPECT_EQ(captions(tree, 0), QStringLiteral("Mail,Mail(2),mail,Mail(3),Page (1),Page (2)(2),"
                                                "Page (3)(3),Work(2),Work,Work(3)"));
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
    EXPECT_EQ(captions(tree, 0), QStringLiteral("a,a\\b\\c"));
    EXPECT_EQ(captions(tree, a), QStringLiteral("b,b\\c"));
    EXPECT_EQ(captions(tree, b), QStringLiteral("c,a"));
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
    auto model = TreeToTables(tree, FormId::Hotlist, QStringLiteral("h.adr"));
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
