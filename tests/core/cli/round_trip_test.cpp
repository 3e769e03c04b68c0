// A source carried through every form by orvalink-cli convert comes back with every folder,
// link, name and address it had.

#include "cli/cli.h"
#include "tests/core/cli/cli_runner.h"
#include "tests/support/temp_tree.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace orvalink {
namespace {

using namespace Qt::StringLiterals;

using test::CliRun;

// Links as "Folder/Name" TAB "URL": the names here hold " <" themselves.
QStringList treeOf(const QString& form, const QString& path)
{
    return test::treeOf(form, path, test::LinkFormat::Tab);
}

std::string text(const QStringList& entries)
{
    return entries.join(u'\n').toStdString();
}

// The tree as a Favorites folder holds it: a file name cannot hold < > or ", which become "-".
QStringList asFavorites(const QStringList& entries)
{
    QStringList cleaned;
    for (const QString& entry : entries) {
        const qsizetype tab = entry.indexOf(u'\t');
        QString path = tab < 0 ? entry : entry.left(tab);
        for (const QChar refused : {u'<', u'>', u'"'})
            path.replace(refused, u'-');
        cleaned << (tab < 0 ? path : path + entry.mid(tab));
    }
    std::sort(cleaned.begin(), cleaned.end());
    return cleaned;
}

const QString kCompletion = u"9 Folders & 15 Links Exported Successfully.\n"_s;

// Converts the source into each destination in turn, each destination the next one's source, and
// compares every destination with the tree it should hold.
void roundTrip(QString from, QString source, const std::vector<std::pair<QString, QString>>& steps)
{
    const QStringList original = treeOf(from, source);
    // The source is what it is meant to be: nested and empty folders, names in many scripts.
    ASSERT_EQ(std::count_if(original.begin(), original.end(),
                            [](const QString& entry) { return entry.endsWith(u'/'); }),
              9);
    ASSERT_EQ(original.size(), 9 + 15);
    ASSERT_TRUE(original.contains(u"Café & Crème 'Brûlée'/Nested 1/Nested 2/Nested 3/"_s));
    ASSERT_TRUE(original.contains(u"Tags <b> & \"quotes\"\thttps://tags.example/?q=<b>&r=\"s\""_s));
    bool passedFavorites = false;
    for (const auto& [to, dest] : steps) {
        SCOPED_TRACE(from.toStdString() + " to " + to.toStdString());
        QStringList arguments{u"convert"_s, u"--from"_s, from, source, u"--to"_s, to, dest};
        if (to == u"ie")
            arguments << u"--where"_s << u"root"_s;
        const CliRun run = test::runInProcess(arguments);
        ASSERT_EQ(run.exitCode, ExitSuccess) << run.err.toStdString();
        EXPECT_EQ(run.out, kCompletion);
        passedFavorites = passedFavorites || to == u"ie";
        EXPECT_EQ(text(treeOf(to, dest)), text(passedFavorites ? asFavorites(original) : original));
        from = to;
        source = dest;
    }
}

TEST(RoundTrip, EachSourceThroughEveryFormAndBackKeepsEverything)
{
    const QString hotlist = test::fixturePath(u"convert/round_trip/source.adr"_s);
    const QString bookmarkFile = test::fixturePath(u"convert/round_trip/source.html"_s);
    // Both sources hold the same tree, so each carries all of it through every form.
    EXPECT_EQ(text(treeOf(u"opera"_s, hotlist)), text(treeOf(u"firefox"_s, bookmarkFile)));
    test::TempTree dir;
    roundTrip(u"opera"_s, hotlist,
              {{u"firefox"_s, dir.path(u"bookmarks.html"_s)},
               {u"ie"_s, dir.mkdir(u"Favorites"_s)},
               {u"opera"_s, dir.path(u"back.adr"_s)}});
    roundTrip(u"firefox"_s, bookmarkFile,
              {{u"opera"_s, dir.path(u"hotlist.adr"_s)},
               {u"ie"_s, dir.mkdir(u"Favorites2"_s)},
               {u"firefox"_s, dir.path(u"back.html"_s)}});
}

} // namespace
} // namespace orvalink
