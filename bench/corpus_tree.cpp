// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/corpus_tree.h"

#include "bench/corpus_random.h"
#include "bench/corpus_text.h"

#include <QSet>
#include <algorithm>

namespace orvalink {

namespace {

// Fixed start values of the independent streams. Changing one changes the corpus.
constexpr std::uint64_t kShapeStream = 0x4F7276616C696E6BULL;
constexpr std::uint64_t kFolderStream = 0x466F6C646572ULL;
constexpr std::uint64_t kLinkStream = 0x4C696E6BULL;
// Titles have a stream of their own so that a name costs no more than the title.
constexpr std::uint64_t kTitleStream = 0x5469746C65ULL;
constexpr std::uint64_t kIconStream = 0x49636F6E4C656EULL;

// Dates between 2004-01-01 and 2024-01-01, so nothing depends on today's date.
constexpr qint64 kFirstDate = 1072915200;
constexpr qint64 kLastDate = 1704067200;

constexpr int kLinksPerFolder = 20;
// Percent of links with a favicon; with icons of 200 to 400 characters this puts 100,000 links
// at about 39 MB, the size of a large real bookmark file.
constexpr std::uint32_t kIconPercent = 57;
constexpr std::uint32_t kSeparatorPercent = 2;
constexpr std::uint32_t kEmptyFolderPercent = 3;

QByteArray uniqueId(CorpusRandom& random)
{
    QByteArray id = QByteArray::number(random.next(), 16).rightJustified(16, '0') +
                    QByteArray::number(random.next(), 16).rightJustified(16, '0');
    return id.toUpper();
}

void addDates(CorpusRandom& random, qint64& added, qint64& modified)
{
    added = random.between(kFirstDate, kLastDate - 1);
    modified = std::min(kLastDate, added + random.between(0, 3 * 365 * 86400));
}

} // namespace

QString fileNameKey(const QString& fileName)
{
    return fileName.normalized(QString::NormalizationForm_C).toCaseFolded();
}

CorpusTree::CorpusTree(int links)
    : m_links(std::max(0, links))
{
    build();
}

std::span<const CorpusTree::Entry> CorpusTree::entries(int folder) const
{
    const FolderShape& shape = m_folders[size_t(folder)];
    return std::span<const Entry>(m_entries).subspan(shape.firstEntry, shape.entryCount);
}

void CorpusTree::build()
{
    CorpusRandom random(kShapeStream);
    const int folderTotal = (m_links + kLinksPerFolder / 2) / kLinksPerFolder;
    const bool specialFolders = folderTotal >= 3;

    // Shape: each folder hangs below the root, below any earlier folder, or below the folder
    // made just before it, which builds chains of varying depth.
    m_folders.resize(size_t(folderTotal) + 1);
    std::vector<std::vector<std::int32_t>> children(m_folders.size());
    for (int f = 1; f <= folderTotal; ++f) {
        std::int32_t parent = 0;
        if (!(specialFolders && f <= 2)) {
            const std::uint32_t roll = random.below(100);
            if (roll < 25 || f == 1)
                parent = 0;
            else if (roll < 60)
                parent = std::int32_t(1 + random.below(std::uint32_t(f - 1)));
            else
                parent = f - 1;
            // A chain that reaches the deepest level starts again some levels higher, so that
            // folders do not pile up at that level.
            if (m_folders[size_t(parent)].depth >= kMaxDepth) {
                for (auto up = random.between(1, kMaxDepth); up > 0 && parent != 0; --up)
                    parent = m_folders[size_t(parent)].parent;
            }
        }
        m_folders[size_t(f)].parent = parent;
        m_folders[size_t(f)].depth = m_folders[size_t(parent)].depth + 1;
        children[size_t(parent)].push_back(f);
    }

    // Links: each folder draws a weight, about twenty on average, some none; links fall into
    // folders in proportion to their weights.
    std::vector<std::uint64_t> weightSums(m_folders.size());
    std::uint64_t weightTotal = 0;
    for (size_t f = 0; f < m_folders.size(); ++f) {
        const bool empty = f != 0 && random.chance(kEmptyFolderPercent);
        weightTotal += empty ? 0 : std::uint64_t(random.between(1, 2 * kLinksPerFolder - 1));
        weightSums[f] = weightTotal;
    }
    std::vector<std::uint32_t> linksIn(m_folders.size());
    for (int l = 0; l < m_links; ++l) {
        const std::uint64_t target = random.next() % weightTotal;
        const auto at = std::upper_bound(weightSums.begin(), weightSums.end(), target);
        ++linksIn[size_t(at - weightSums.begin())];
    }

    // Entries of each folder: subfolders first, or subfolders and links mixed; a separator
    // now and then, never as a folder's last entry.
    std::uint32_t nextLink = 0;
    std::vector<Entry> own;
    std::vector<Entry> last;
    for (size_t f = 0; f < m_folders.size(); ++f) {
        own.clear();
        last.clear();
        for (std::int32_t child : children[f]) {
            // Firefox writes the toolbar and "Other Bookmarks" after the menu's own entries.
            const bool special = specialFolders && child <= 2;
            (special ? last : own).push_back({EntryKind::Folder, 1, std::uint32_t(child)});
        }
        for (std::uint32_t l = 0; l < linksIn[f]; ++l)
            own.push_back({EntryKind::Link, 1, nextLink++});
        if (random.chance(40)) {
            for (size_t i = own.size(); i > 1; --i)
                std::swap(own[i - 1], own[random.below(std::uint32_t(i))]);
        }
        own.insert(own.end(), last.begin(), last.end());
        numberClashingNames(own);

        FolderShape& shape = m_folders[f];
        shape.firstEntry = std::uint32_t(m_entries.size());
        for (const Entry& entry : own) {
            if (random.chance(kSeparatorPercent)) {
                m_entries.push_back({EntryKind::Separator, 1, 0});
                ++m_separators;
            }
            m_entries.push_back(entry);
        }
        shape.entryCount = std::uint32_t(m_entries.size()) - shape.firstEntry;
    }
}

void CorpusTree::numberClashingNames(std::span<Entry> entries) const
{
    // A link "abc" and a folder "abc.url" would both be the file "abc.url", and a folder and a
    // link of one name would be numbered by a reader: so both the bare name and the file name
    // of every entry are taken.
    QSet<QString> taken;
    for (Entry& entry : entries) {
        const QString name = generatedName(entry);
        const QStringView extension =
            entry.kind == EntryKind::Link ? QStringView(u".url") : QStringView();
        for (std::uint32_t number = 1;; ++number) {
            const QString bare =
                fileNameKey(safeFileName(name, int(number), QStringView(), kCorpusFileNameRules));
            const QString full =
                fileNameKey(safeFileName(name, int(number), extension, kCorpusFileNameRules));
            if (!taken.contains(bare) && !taken.contains(full)) {
                taken.insert(bare);
                taken.insert(full);
                entry.nameNumber = number;
                break;
            }
        }
    }
}

CorpusFolder CorpusTree::folder(int number) const
{
    CorpusRandom random = CorpusRandom::forItem(kFolderStream, std::uint64_t(number));
    CorpusFolder folder;
    const bool special = folderCount() >= 3 && number <= 2;
    if (special && number == 1) {
        folder.name = QStringLiteral("Bookmarks Toolbar");
        folder.role = CorpusFolder::Role::Toolbar;
    } else if (special) {
        folder.name = QStringLiteral("Other Bookmarks");
        folder.role = CorpusFolder::Role::Unfiled;
    } else {
        folder.name = makeFolderName(random);
    }
    addDates(random, folder.added, folder.modified);
    folder.expanded = random.chance(30);
    folder.uniqueId = uniqueId(random);
    return folder;
}

CorpusLink CorpusTree::link(int number) const
{
    CorpusRandom random = CorpusRandom::forItem(kLinkStream, std::uint64_t(number));
    CorpusLink link;
    link.title = linkTitle(number);

    // Half the links go to a few popular hosts, as in real collections.
    const std::uint32_t hosts = std::uint32_t(std::max(16, m_links / 8));
    const std::uint32_t host =
        random.chance(50) ? random.below(hosts / 20 + 1) : random.below(hosts);
    const QByteArray hostName = makeHostName(host);
    link.url = makeUrl(random, hostName);
    addDates(random, link.added, link.modified);
    if (random.chance(30))
        link.visited = link.modified;
    if (random.chance(kIconPercent)) {
        CorpusRandom lengths = CorpusRandom::forItem(kIconStream, host);
        link.iconUri = "https://" + hostName + "/favicon.ico";
        link.icon = makeIconData(host, int(lengths.between(200, 400)));
    }
    if (random.chance(3))
        link.description = makeDescription(random);
    if (random.chance(1))
        link.keyword = QStringLiteral("kw%1").arg(number);
    if (random.chance(4)) {
        link.tags = makeFolderName(random).toLower();
        if (random.chance(50))
            link.tags += u',' + makeFolderName(random).toLower();
    }
    link.uniqueId = uniqueId(random);
    return link;
}

QString CorpusTree::linkTitle(int number)
{
    CorpusRandom random = CorpusRandom::forItem(kTitleStream, std::uint64_t(number));
    return makeLinkTitle(random);
}

QString CorpusTree::generatedName(const Entry& entry) const
{
    switch (entry.kind) {
    case EntryKind::Folder:
        return folder(int(entry.number)).name;
    case EntryKind::Link:
        return linkTitle(int(entry.number));
    case EntryKind::Separator:
        break;
    }
    return QString();
}

QString CorpusTree::name(const Entry& entry) const
{
    const QString generated = generatedName(entry);
    return entry.nameNumber > 1 ? QStringLiteral("%1 (%2)").arg(generated).arg(entry.nameNumber)
                                : generated;
}

QString CorpusTree::fileName(const Entry& entry) const
{
    const QStringView extension =
        entry.kind == EntryKind::Link ? QStringView(u".url") : QStringView();
    return safeFileName(generatedName(entry), int(entry.nameNumber), extension,
                        kCorpusFileNameRules);
}

void CorpusTree::walk(Visitor& visitor) const
{
    struct Open
    {
        Entry folder;
        std::uint32_t next = 0;
    };
    std::vector<Open> stack;
    stack.push_back({Entry{EntryKind::Folder, 1, 0}, 0});
    while (!stack.empty()) {
        Open& open = stack.back();
        const std::span<const Entry> list = entries(int(open.folder.number));
        const int depth = int(stack.size());
        if (open.next == list.size()) {
            const Entry done = open.folder;
            stack.pop_back();
            if (!stack.empty())
                visitor.folderEnd(done, depth - 1);
            continue;
        }
        const Entry& entry = list[open.next++];
        switch (entry.kind) {
        case EntryKind::Folder:
            visitor.folderStart(entry, depth);
            stack.push_back({entry, 0});
            break;
        case EntryKind::Link:
            visitor.link(entry, depth);
            break;
        case EntryKind::Separator:
            visitor.separator(depth);
            break;
        }
    }
}

} // namespace orvalink
