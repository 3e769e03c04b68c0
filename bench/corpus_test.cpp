// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/corpus_tree.h"
#include "bench/corpus_writers.h"
#include "cli/cli.h"
#include "tests/support/temp_tree.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDirIterator>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace orvalink {
namespace {

using test::TempTree;

QString text(const char16_t* utf16)
{
    return QString::fromUtf16(utf16);
}

TEST(CorpusFileNames, KeysIgnoreCaseAndComposition)
{
    EXPECT_EQ(fileNameKey(text(u"ÉCOLE.url")), fileNameKey(text(u"école.URL")));
    // "é" written as e + combining acute, as macOS stores it.
    EXPECT_EQ(fileNameKey(text(u"cafe\u0301")), fileNameKey(text(u"café")));
    EXPECT_NE(fileNameKey(text(u"cafe")), fileNameKey(text(u"café")));
}

// Walks a tree and checks what every form relies on.
class ShapeChecker : public CorpusTree::Visitor
{
public:
    explicit ShapeChecker(const CorpusTree& tree)
        : m_tree(tree)
        , m_seenLinks(size_t(tree.linkCount()))
    {
        checkFolder(0);
    }

    void folderStart(const CorpusTree::Entry& folder, int depth) override
    {
        ++folders;
        maxDepth = std::max(maxDepth, depth);
        if (m_tree.entries(int(folder.number)).empty())
            ++emptyFolders;
        checkFolder(int(folder.number));
    }
    void folderEnd(const CorpusTree::Entry&, int) override {}
    void link(const CorpusTree::Entry& link, int) override
    {
        ASSERT_LT(link.number, m_seenLinks.size());
        EXPECT_FALSE(m_seenLinks[link.number]) << "link " << link.number << " twice";
        m_seenLinks[link.number] = true;
        ++links;
    }
    void separator(int) override {}

    int folders = 0;
    int links = 0;
    int emptyFolders = 0;
    int maxDepth = 0;

private:
    void checkFolder(int folder)
    {
        const std::span<const CorpusTree::Entry> entries = m_tree.entries(folder);
        if (!entries.empty()) {
            EXPECT_NE(entries.back().kind, CorpusTree::EntryKind::Separator) << "folder " << folder;
        }
        QSet<QString> keys;
        for (const CorpusTree::Entry& entry : entries) {
            if (entry.kind == CorpusTree::EntryKind::Separator)
                continue;
            const QString file = fileNameKey(m_tree.fileName(entry));
            // A link "abc" and a folder "abc.url" would be one file.
            const QString bare = entry.kind == CorpusTree::EntryKind::Link ? file.chopped(4) : file;
            EXPECT_FALSE(keys.contains(file) || keys.contains(bare))
                << "folder " << folder << ": " << m_tree.fileName(entry).toStdString();
            keys.insert(file);
            keys.insert(bare);
        }
    }

    const CorpusTree& m_tree;
    std::vector<bool> m_seenLinks;
};

TEST(CorpusTree, HoldsEveryLinkOnceInUniquelyNamedFoldersOfVaryingDepth)
{
    for (int size : {0, 1, 19, 300, 4000}) {
        SCOPED_TRACE(size);
        const CorpusTree tree(size);
        ShapeChecker checker(tree);
        tree.walk(checker);
        EXPECT_EQ(checker.links, size);
        EXPECT_EQ(checker.folders, tree.folderCount());
        EXPECT_LE(checker.maxDepth, CorpusTree::kMaxDepth);
    }
    const CorpusTree large(4000);
    ShapeChecker checker(large);
    large.walk(checker);
    EXPECT_GE(large.folderCount(), 150);
    EXPECT_LE(large.folderCount(), 250);
    EXPECT_GE(checker.maxDepth, 5);
    EXPECT_GT(checker.emptyFolders, 0);
    EXPECT_GT(large.separatorCount(), 0);
}

QString htmlUnescape(QString text)
{
    text.replace(QLatin1StringView("&lt;"), QLatin1StringView("<"));
    text.replace(QLatin1StringView("&gt;"), QLatin1StringView(">"));
    text.replace(QLatin1StringView("&quot;"), QLatin1StringView("\""));
    text.replace(QLatin1StringView("&#39;"), QLatin1StringView("'"));
    return text.replace(QLatin1StringView("&amp;"), QLatin1StringView("&"));
}

class CorpusFiles : public ::testing::Test
{
protected:
    static constexpr int kLinks = 300;

    void SetUp() override
    {
        ASSERT_TRUE(writeCorpusBookmarkFile(tree, html()).ok());
        ASSERT_TRUE(writeCorpusHotlist(tree, adr()).ok());
        ASSERT_TRUE(writeCorpusFavorites(tree, favorites()).ok());
        ASSERT_TRUE(writeCorpusPlacesDatabase(tree, places()).ok());
    }

    QString html() const { return dir.path(QStringLiteral("bookmarks.html")); }
    QString adr() const { return dir.path(QStringLiteral("bookmarks.adr")); }
    QString favorites() const { return dir.path(QStringLiteral("Favorites")); }
    QString places() const { return dir.path(QStringLiteral("places.sqlite")); }

    const CorpusTree tree{kLinks};
    TempTree dir;
};

TEST_F(CorpusFiles, BookmarkFileAndHotlistHoldTheSameEntries)
{
    const QString page = QString::fromUtf8(dir.read(QStringLiteral("bookmarks.html")));
    const QString hotlist = QString::fromUtf8(dir.read(QStringLiteral("bookmarks.adr")));
    EXPECT_TRUE(page.startsWith(QLatin1StringView("<!DOCTYPE NETSCAPE-Bookmark-file-1>\n")));
    EXPECT_TRUE(page.endsWith(QLatin1StringView("\n</DL>\n")));
    EXPECT_TRUE(hotlist.startsWith(
        QLatin1StringView("Opera Hotlist version 2.0\nOptions: encoding = utf8, version=3\n\n")));
    EXPECT_FALSE(page.contains(u'\r'));
    EXPECT_FALSE(hotlist.contains(u'\r'));

    // Separators as Firefox writes them: the next entry follows on the same line.
    EXPECT_EQ(page.count(QLatin1StringView("<HR>")), tree.separatorCount());
    EXPECT_EQ(page.count(QRegularExpression(QStringLiteral("<HR> *<DT>"))), tree.separatorCount());

    // Names in file order: the bookmark file's, unescaped, are the hotlist's.
    const QRegularExpression htmlEntry(QStringLiteral("<DT><(?:H3|A) [^>]*>([^<]*)</(H3|A)>"));
    const QRegularExpression adrEntry(QStringLiteral("^#(FOLDER|URL)\n\tID=\\d+\n\tNAME=(.*)$"),
                                      QRegularExpression::MultilineOption);
    QStringList htmlNames;
    QStringList htmlKinds;
    for (const QRegularExpressionMatch& m : htmlEntry.globalMatch(page)) {
        htmlNames << htmlUnescape(m.captured(1));
        htmlKinds << (m.captured(2) == QLatin1StringView("A") ? QStringLiteral("URL")
                                                              : QStringLiteral("FOLDER"));
    }
    QStringList adrNames;
    QStringList adrKinds;
    for (const QRegularExpressionMatch& m : adrEntry.globalMatch(hotlist)) {
        adrNames << m.captured(2);
        adrKinds << m.captured(1);
    }
    EXPECT_EQ(htmlKinds.count(QStringLiteral("FOLDER")), tree.folderCount());
    EXPECT_EQ(htmlKinds.count(QStringLiteral("URL")), kLinks);
    EXPECT_EQ(htmlKinds, adrKinds);
    EXPECT_EQ(htmlNames, adrNames);
    // Every folder is closed.
    EXPECT_EQ(hotlist.count(
                  QRegularExpression(QStringLiteral("^-$"), QRegularExpression::MultilineOption)),
              tree.folderCount());
    EXPECT_EQ(page.count(QLatin1StringView("</DL><p>")), tree.folderCount());
}

TEST_F(CorpusFiles, FavoritesHoldTheSameLinksUnderSafeNames)
{
    const QString hotlist = QString::fromUtf8(dir.read(QStringLiteral("bookmarks.adr")));
    QStringList adrUrls;
    const QRegularExpression urlLine(QStringLiteral("^\tURL=(.*)$"),
                                     QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch& m : urlLine.globalMatch(hotlist))
        adrUrls << m.captured(1);

    int folders = 0;
    QStringList urls;
    QHash<QString, QSet<QString>> keysByFolder;
    const QRegularExpression shortcut(QStringLiteral("^\\[InternetShortcut\\]\r\nURL=(.+)\r\n$"));
    QDirIterator it(favorites(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.nextFileInfo());
        const QString name = info.fileName();
        SCOPED_TRACE(name.toStdString());
        QString base = info.isDir() ? name : name.chopped(4);
        base.remove(QRegularExpression(QStringLiteral(" \\(\\d+\\)$")));
        EXPECT_LE(base.toUcs4().size(), kCorpusFileNameRules.maxCharacters);
        EXPECT_LE(name.toUtf8().size(), kMaxFileNameBytes);
        EXPECT_FALSE(
            name.contains(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"))));
        EXPECT_FALSE(name.endsWith(u'.') || name.endsWith(u' '));
        QSet<QString>& keys = keysByFolder[info.path()];
        EXPECT_FALSE(keys.contains(fileNameKey(name)));
        keys.insert(fileNameKey(name));
        if (info.isDir()) {
            ++folders;
        } else if (name.endsWith(QLatin1StringView(".url"))) {
            QFile file(info.filePath());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QRegularExpressionMatch m = shortcut.match(QString::fromLatin1(file.readAll()));
            ASSERT_TRUE(m.hasMatch());
            urls << m.captured(1);
            // The link's own date (2004 to 2023), not the time of writing.
            EXPECT_LE(info.lastModified().toSecsSinceEpoch(), 1704067200);
        }
    }
    EXPECT_EQ(folders, tree.folderCount());
    EXPECT_EQ(urls.size(), kLinks);
    urls.sort();
    adrUrls.sort();
    EXPECT_EQ(urls, adrUrls);
}

TEST_F(CorpusFiles, ReadersCountTheSameInEveryForm)
{
    struct Source
    {
        const char* form;
        QString path;
        int folders;
    };
    // Firefox's database shows its menu as a folder of its own beside the toolbar and "Other
    // Bookmarks", which a bookmark file keeps in its root.
    const Source sources[] = {{"firefox", html(), tree.folderCount()},
                              {"opera", adr(), tree.folderCount()},
                              {"ie", favorites(), tree.folderCount()},
                              {"firefox", places(), tree.folderCount() + 1}};
    ProgramSettings settings(dir.path(QStringLiteral("options")));
    for (const auto& [form, path, folders] : sources) {
        const QString expected = QStringLiteral("%1 Folders & %2 Links\n").arg(folders).arg(kLinks);
        QBuffer out;
        QBuffer err;
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        const int exit = runCli(
            {QStringLiteral("count"), QStringLiteral("--from"), QString::fromLatin1(form), path},
            out, err, settings, ListedProcessTable({}));
        const QString counted = QString::fromUtf8(out.data());
        if (counted.startsWith(QLatin1StringView("-1 ")))
            GTEST_SKIP() << form << " reader not in place yet";
        EXPECT_EQ(exit, ExitSuccess) << form << ": " << err.data().toStdString();
        EXPECT_EQ(counted, expected) << form;
    }
}

// A digest of every file below a folder: relative path, content, and for the shortcut files the
// modification time the generator gives them.
QByteArray digestOf(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QString& path : files) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QString relative = path.mid(folder.size());
        hash.addData(relative.toUtf8());
        hash.addData(file.readAll());
        if (relative.endsWith(QLatin1StringView(".url"))) {
            hash.addData(QByteArray::number(
                file.fileTime(QFileDevice::FileModificationTime).toSecsSinceEpoch()));
        }
    }
    return hash.result().toHex();
}

TEST(CorpusProgram, WritesTheSameBytesWhateverTheLocaleZoneOrHashing)
{
    TempTree first;
    TempTree second;
    const auto generate = [](const QString& out, const QStringList& environment) {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString& setting : environment)
            env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        program.setProcessEnvironment(env);
        program.start(
            QStringLiteral(ORVALINK_CORPUS_PROGRAM),
            {QStringLiteral("--links"), QStringLiteral("250"), QStringLiteral("--out"), out});
        EXPECT_TRUE(program.waitForFinished(120000));
        EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    };
    generate(first.path(), {QStringLiteral("LC_ALL=C"), QStringLiteral("TZ=UTC"),
                            QStringLiteral("QT_HASH_SEED=1")});
    // Turkish cases its i differently; Kiritimati is fourteen hours ahead of UTC.
    generate(second.path(),
             {QStringLiteral("LC_ALL=tr_TR.UTF-8"), QStringLiteral("TZ=Pacific/Kiritimati"),
              QStringLiteral("QT_HASH_SEED=2")});
    EXPECT_EQ(digestOf(first.path()), digestOf(second.path()));
}

} // namespace
} // namespace orvalink
