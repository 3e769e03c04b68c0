// SPDX-License-Identifier: GPL-3.0-or-later
// One scenario for every pair of forms: a rich source of form A, converted by orvalink-cli to
// form B with and without --keep-order, comes back from B with everything both forms hold.

#include "cli/cli.h"
#include "tests/core/cli/cli_runner.h"
#include "tests/support/temp_tree.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace orvalink {
namespace {

using namespace Qt::StringLiterals;

// What a form holds besides names, addresses and nesting.
enum Held : unsigned {
    Order = 1u << 0,
    Separators = 1u << 1,
    Added = 1u << 2,
    Modified = 1u << 3,
    Visited = 1u << 4,
    // When the entry last changed: its modified date, or its added date where that is unknown.
    // A Favorites folder keeps only this one, as the file's last write.
    Changed = 1u << 5,
    Keyword = 1u << 6,
    PostData = 1u << 7,
    Tags = 1u << 8,
    Description = 1u << 9,
    Icon = 1u << 10,
    IconUri = 1u << 11,
    Toolbar = 1u << 12,
    OnToolbar = 1u << 13,
};

struct Form
{
    QString name; // as --from and --to spell it
    QString source;
    QString destination; // a file or folder name in the test's temporary folder
    unsigned held;
};

const std::vector<Form>& forms()
{
    static const std::vector<Form> table{
        {u"firefox"_s, test::fixturePath(u"firefox-profile/bookmarks.html"_s), u"out.html"_s,
         Order | Separators | Added | Modified | Visited | Changed | Keyword | PostData | Tags |
             Description | Icon | IconUri | Toolbar},
        {u"opera"_s, test::fixturePath(u"hotlist/opera_linux/input.adr"_s), u"out.adr"_s,
         Order | Separators | Added | Visited | Keyword | Description | Toolbar | OnToolbar},
        {u"ie"_s, test::fixturePath(u"favorites/round_trip"_s), u"Favorites"_s, Changed | IconUri},
    };
    return table;
}

// A name as a Favorites folder can hold it: characters a file name refuses become "-", and a
// link without a name is named.
QString asFileName(QString name)
{
    if (name.isEmpty())
        return u"Untitled"_s;
    for (const QChar refused : u"/\\:*?<>|\""_s)
        name.replace(refused, u'-');
    return name;
}

struct Projection
{
    unsigned fields;
    bool favoritesNames = false; // names as the Favorites folder will hold them
    enum class Order { AsIs, Sorted, Canonical } order = Order::AsIs;
    bool separators = true;
};

QString fieldsText(const QJsonObject& node, unsigned fields)
{
    QStringList kept;
    const auto date = [&](Held held, const char* key) {
        if ((fields & held) && node.contains(QLatin1String(key)))
            kept << QLatin1String(key) + u'=' +
                        QString::number(node[QLatin1String(key)].toInteger());
    };
    date(Added, "added");
    date(Modified, "modified");
    date(Visited, "visited");
    if ((fields & Changed) && (node.contains("modified"_L1) || node.contains("added"_L1))) {
        const QJsonValue changed =
            node.contains("modified"_L1) ? node["modified"_L1] : node["added"_L1];
        kept << u"changed="_s + QString::number(changed.toInteger());
    }
    const auto text = [&](Held held, const char* key) {
        if ((fields & held) && !node[QLatin1String(key)].toString().isEmpty())
            kept << QLatin1String(key) + u'=' + node[QLatin1String(key)].toString();
    };
    text(Keyword, "keyword");
    text(PostData, "postData");
    text(Tags, "tags");
    text(Description, "description");
    text(Icon, "icon");
    text(IconUri, "iconUri");
    if ((fields & Toolbar) && node["toolbar"_L1].toBool())
        kept << u"toolbar"_s;
    if ((fields & OnToolbar) && node["onToolbar"_L1].toBool())
        kept << u"onToolbar"_s;
    return kept.join(u' ');
}

// The tree one line per entry, indented by depth, as the projection sees it.
void outline(const QJsonObject& folder, const Projection& how, const QString& indent,
             QStringList& lines)
{
    std::vector<QJsonObject> children;
    for (const QJsonValue& child : folder["children"_L1].toArray()) {
        if (how.separators || !child["separator"_L1].toBool())
            children.push_back(child.toObject());
    }
    const auto title = [&](const QJsonObject& node) {
        const QString name = node["title"_L1].toString();
        return how.favoritesNames ? asFileName(name) : name;
    };
    // The writers' sorted order: folders, then links, each by name without regard to case.
    if (how.order == Projection::Order::Sorted) {
        std::stable_sort(children.begin(), children.end(), [&](const auto& a, const auto& b) {
            return std::pair(!a.contains("children"_L1), title(a).toLower()) <
                   std::pair(!b.contains("children"_L1), title(b).toLower());
        });
    } else if (how.order == Projection::Order::Canonical) {
        std::stable_sort(children.begin(), children.end(), [&](const auto& a, const auto& b) {
            return std::tuple(!a.contains("children"_L1), title(a), a["url"_L1].toString()) <
                   std::tuple(!b.contains("children"_L1), title(b), b["url"_L1].toString());
        });
    }
    for (const QJsonObject& child : children) {
        const QString fields = fieldsText(child, how.fields);
        const QString braces = fields.isEmpty() ? QString() : u" {"_s + fields + u'}';
        if (child["separator"_L1].toBool())
            lines << indent + u"----"_s;
        else if (child.contains("children"_L1)) {
            lines << indent + u"folder \""_s + title(child) + u'"' + braces;
            outline(child, how, indent + u"  "_s, lines);
        } else {
            lines << indent + u"link \""_s + title(child) + u"\" <"_s + child["url"_L1].toString() +
                         u'>' + braces;
        }
    }
}

std::string outlineText(const QJsonObject& root, const Projection& how)
{
    QStringList lines;
    outline(root, how, QString(), lines);
    return lines.join(u'\n').toStdString() + '\n';
}

// No entry was added after its last change; a Favorites folder written where creation times
// cannot be set once read as added at the time of the export.
void expectAddedNoLaterThanModified(const QJsonObject& node)
{
    if (node.contains("added"_L1) && node.contains("modified"_L1)) {
        EXPECT_LE(node["added"_L1].toInteger(), node["modified"_L1].toInteger())
            << node["title"_L1].toString().toStdString();
    }
    for (const QJsonValue& child : node["children"_L1].toArray())
        expectAddedNoLaterThanModified(child.toObject());
}

QJsonObject listed(const QString& form, const QString& path)
{
    const test::CliRun run = test::runInProcess({u"list"_s, u"--from"_s, form, path, u"--json"_s});
    EXPECT_EQ(run.exitCode, ExitSuccess) << run.err.toStdString();
    const QJsonObject root = QJsonDocument::fromJson(run.out.toUtf8()).object();
    expectAddedNoLaterThanModified(root);
    return root;
}

TEST(RoundTrip, EveryFormThroughEveryFormKeepsWhatBothHold)
{
    for (const Form& from : forms()) {
        const QJsonObject original = listed(from.name, from.source);
        ASSERT_FALSE(original["children"_L1].toArray().isEmpty()) << from.source.toStdString();
        for (const Form& to : forms()) {
            // A conversion into the source's own form is refused.
            if (to.name == from.name)
                continue;
            for (const bool keepOrder : {false, true}) {
                // A Favorites folder holds no order to keep.
                if (keepOrder && !(to.held & Order))
                    continue;
                SCOPED_TRACE(from.name.toStdString() + " to " + to.name.toStdString() +
                             (keepOrder ? " keeping the order" : " sorted"));
                test::TempTree dir;
                const QString destination =
                    to.name == u"ie" ? dir.mkdir(to.destination) : dir.path(to.destination);
                QStringList arguments{u"convert"_s, u"--from"_s, from.name,  from.source,
                                      u"--to"_s,    to.name,     destination};
                if (to.name == u"ie")
                    arguments << u"--where"_s << u"root"_s;
                if (keepOrder)
                    arguments << u"--keep-order"_s;
                const test::CliRun run = test::runInProcess(arguments);
                EXPECT_EQ(run.exitCode, ExitSuccess) << run.err.toStdString();

                const unsigned shared = from.held & to.held;
                Projection expected{shared, to.name == u"ie"};
                Projection actual{shared};
                expected.separators = keepOrder && (shared & Separators);
                actual.separators = expected.separators;
                if (!(to.held & Order)) {
                    expected.order = actual.order = Projection::Order::Canonical;
                } else if (!keepOrder) {
                    expected.order = Projection::Order::Sorted;
                    // The sorted writers write no separators: any would show.
                    actual.separators = true;
                }
                EXPECT_EQ(outlineText(listed(to.name, destination), actual),
                          outlineText(original, expected));
            }
        }
    }
}

} // namespace
} // namespace orvalink
