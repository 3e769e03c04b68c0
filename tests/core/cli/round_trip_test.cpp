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

CliRun cli(const QStringList& arguments)
{
    return test::runInProcess(arguments);
}

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

QString completion(const QStringList& entries)
{
    const auto folders = std::count_if(entries.begin(), entries.end(),
                                       [](const QString& entry) { return entry.endsWith(u'/'); });
    return u"%1 Folders & %2 Links Exported Successfully.\n"_s.arg(folders).arg(entries.size() -
                                                                                folders);
}

struct Step
{
    QString from;
    QString to;
    QString dest;
};

// Converts the source through each step in turn, each step's destination the next one's source,
// and compares every destination with the tree it should hold.
void roundTrip(const QString& form, const QString& source, const std::vector<Step>& steps)
{
    const QStringList original = treeOf(form, source);
    // The source is what it is meant to be: nested and empty folders, names in many scripts.
    ASSERT_EQ(completion(original), u"9 Folders & 15 Links Exported Successfully.\n"_s);
    ASSERT_TRUE(original.contains(u"Café & Crème 'Brûlée'/Nested 1/Nested 2/Nested 3/"_s));
    ASSERT_TRUE(original.contains(u"Tags <b> & \"quotes\"\thttps://tags.example/?q=<b>&r=\"s\""_s));

    QString from = source;
    bool passedFavorites = false;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.from.toStdString() + " to " + step.to.toStdString());
        QStringList options;
        if (step.to == u"ie")
            options << u"--where"_s << u"root"_s;
        const CliRun run = cli(
            QStringList{u"convert"_s, u"--from"_s, step.from, from, u"--to"_s, step.to, step.dest} +
            options);
        ASSERT_EQ(run.exitCode, ExitSuccess) << run.err.toStdString();
        EXPECT_EQ(run.out, completion(original));
        passedFavorites = passedFavorites || step.to == u"ie";
        EXPECT_EQ(text(treeOf(step.to, step.dest)),
                  text(passedFavorites ? asFavorites(original) : original));
        from = step.dest;
    }
}

TEST(RoundTrip, BothSourcesHoldTheSameTree)
{
    EXPECT_EQ(text(treeOf(u"opera"_s, test::fixturePath(u"convert/round_trip/source.adr"_s))),
              text(treeOf(u"firefox"_s, test::fixturePath(u"convert/round_trip/source.html"_s))));
}

TEST(RoundTrip, HotlistToBookmarkFileToFavoritesToHotlistKeepsEverything)
{
    test::TempTree dir;
    roundTrip(u"opera"_s, test::fixturePath(u"convert/round_trip/source.adr"_s),
              {{u"opera"_s, u"firefox"_s, dir.path(u"bookmarks.html"_s)},
               {u"firefox"_s, u"ie"_s, dir.mkdir(u"Favorites"_s)},
               {u"ie"_s, u"opera"_s, dir.path(u"back.adr"_s)}});
}

TEST(RoundTrip, BookmarkFileToHotlistToFavoritesToBookmarkFileKeepsEverything)
{
    test::TempTree dir;
    roundTrip(u"firefox"_s, test::fixturePath(u"convert/round_trip/source.html"_s),
              {{u"firefox"_s, u"opera"_s, dir.path(u"hotlist.adr"_s)},
               {u"opera"_s, u"ie"_s, dir.mkdir(u"Favorites"_s)},
               {u"ie"_s, u"firefox"_s, dir.path(u"back.html"_s)}});
}

} // namespace
} // namespace orvalink
