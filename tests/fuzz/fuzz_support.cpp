// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/fuzz/fuzz_support.h"

#include "model/model_builder.h"
#include "platform/text_decoding.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <tuple>
#include <utility>
#include <vector>

namespace orvalink::fuzz {

namespace {

// One child as it is compared: its kind, then its name, address and kept fields in the form's
// spelling.
struct ChildKey
{
    EntryKind kind = EntryKind::Link;
    QString name;
    QString url;
    QString fields;
    // Without order, a folder's whole content: it tells folders of one name apart.
    QString content;
    // A folder's row.
    int folder = 0;

    bool operator<(const ChildKey& other) const
    {
        return std::tie(kind, name, url, fields, content) <
               std::tie(other.kind, other.name, other.url, other.fields, other.content);
    }
    bool operator==(const ChildKey& other) const
    {
        return std::tie(kind, name, url, fields, content) ==
               std::tie(other.kind, other.name, other.url, other.fields, other.content);
    }
};

// The child keys of a folder; contents holds each folder's content when order is not kept.
std::vector<ChildKey> childKeys(const BookmarkModel& model, int folder, const Comparison& how,
                                const std::vector<QString>& contents)
{
    std::vector<ChildKey> keys;
    for (int row = model.folder(folder).FirstLink; row <= model.folder(folder).LastLink; ++row) {
        const LinkRecord& entry = model.link(row);
        if (entry.isSeparator() && !how.inOrder)
            continue;
        const int subfolder = entry.SubfolderRow;
        keys.push_back(
            {entry.Kind, how.text(entry.Name), how.text(entry.URL),
             how.fields ? how.fields(model, row) : QString(),
             entry.isSubfolder() && !how.inOrder ? contents[size_t(subfolder)] : QString(),
             subfolder});
    }
    if (!how.inOrder)
        std::sort(keys.begin(), keys.end());
    return keys;
}

// Each folder's content as one text, children before parents (their rows come later), so that
// every subtree is described once; empty when order is kept.
std::vector<QString> folderContents(const BookmarkModel& model, const Comparison& how)
{
    std::vector<QString> contents(static_cast<size_t>(model.folderCount()));
    if (how.inOrder)
        return contents;
    for (int n = model.folderCount() - 1; n >= 0; --n) {
        QString content;
        for (const ChildKey& key : childKeys(model, n, how, contents)) {
            content += QString::number(static_cast<int>(key.kind)) + u'\x1f' + key.name + u'\x1f' +
                       key.url + u'\x1f' + key.fields + u'\x1f' + key.content + u'\x1e';
        }
        contents[static_cast<size_t>(n)] = u'{' + content + u'}';
    }
    return contents;
}

QString describe(const ChildKey& key)
{
    switch (key.kind) {
    case EntryKind::Separator:
        return QStringLiteral("separator");
    case EntryKind::Folder:
        return QStringLiteral("folder \"") + visible(key.name) + QStringLiteral("\" {") +
               visible(key.fields) + u'}';
    case EntryKind::Link:
        break;
    }
    return QStringLiteral("link \"") + visible(key.name) + QStringLiteral("\" <") +
           visible(key.url) + QStringLiteral("> {") + visible(key.fields) + u'}';
}

} // namespace

void fail(const char* invariant, const QString& detail)
{
    std::fprintf(stderr, "\n*** Invariant broken: %s\n%s\n", invariant,
                 detail.toUtf8().constData());
    std::abort();
}

QString visible(QStringView text)
{
    QString shown;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x7F && u != u'\\' && u != u'"')
            shown += c;
        else
            shown += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0'));
    }
    return shown;
}

QString utf16Units(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size() / 2);
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        text += QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                            static_cast<unsigned char>(bytes[i + 1]) << 8));
    }
    return text;
}

QString consumeText(FuzzedDataProvider& data, size_t maxBytes)
{
    const bool utf16 = data.ConsumeBool();
    const std::string bytes = data.ConsumeRandomLengthString(maxBytes);
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return utf16 ? utf16Units(view) : QString::fromUtf8(view);
}

EntryCounts countEntries(const BookmarkModel& model)
{
    EntryCounts counts;
    counts.folders = model.folderCount() - 1;
    for (const LinkRecord& entry : model.links())
        counts.links += entry.isLink();
    return counts;
}

QByteArray keptOnMerge(QByteArrayView old)
{
    if (!isUtf16Text(old))
        return old.toByteArray();
    return kUtf8Bom.toByteArray() + utf8FromUtf16(old);
}

QHash<QString, int> linkAddresses(const BookmarkModel& model)
{
    QHash<QString, int> addresses;
    for (const LinkRecord& entry : model.links()) {
        if (!entry.URL.isEmpty())
            ++addresses[entry.URL];
    }
    return addresses;
}

FileExportOptions optionsForLength(size_t size)
{
    FileExportOptions options;
    options.linksBefore = size % 2 == 1;
    options.intoNewFolder = size % 4 >= 2;
    options.keepOrder = size % 8 >= 4;
    options.newFolderName = kNewFolderName;
    return options;
}

std::pair<Job, FileExportOptions> mergingOneLink(FormId form, const QString& url)
{
    ModelBuilder added(form, QString(), QString());
    added.addLink(QStringLiteral("Merged link"), url);
    FileExportOptions options;
    options.merge = true;
    options.intoNewFolder = true;
    options.newFolderName = kNewFolderName;
    return {jobReading(added.finish()), options};
}

void checkMergeKeepsEntries(const BookmarkModel& oldTree, const BookmarkModel& newTree,
                            const QString& url)
{
    QHash<QString, int> expected = linkAddresses(oldTree);
    ++expected[url];
    const EntryCounts before = countEntries(oldTree);
    const EntryCounts now = countEntries(newTree);
    check(linkAddresses(newTree) == expected && now.folders == before.folders + 1,
          "a merge keeps every old entry and adds its own", [&] {
              return QStringLiteral("%1 folders, %2 links became %3 folders, %4 links")
                  .arg(before.folders)
                  .arg(before.links)
                  .arg(now.folders)
                  .arg(now.links);
          });
}

int exportedTop(const BookmarkModel& written, const FileExportOptions& options)
{
    if (!options.intoNewFolder)
        return 0;
    const FolderRecord& root = written.folder(0);
    check(root.entryCount() == 1 && written.link(root.FirstLink).isSubfolder() &&
              written.link(root.FirstLink).Name == options.newFolderName,
          "everything lands in the new folder");
    return written.link(root.FirstLink).SubfolderRow;
}

QString datesText(const EntryDates& dates)
{
    const auto text = [](BookmarkTime time) {
        return time.isKnown() ? QString::number(time.seconds()) : QStringLiteral("-");
    };
    return text(dates.added) + u' ' + text(dates.modified) + u' ' + text(dates.visited);
}

Job jobReading(std::unique_ptr<BookmarkModel> model)
{
    Job job;
    job.mode =
        model->form() == FormId::Hotlist ? ExportMode::OperaToFirefox : ExportMode::FirefoxToOpera;
    job.setSource(std::move(model));
    return job;
}

bool sameEntries(const BookmarkModel& modelA, int a, const BookmarkModel& modelB, int b,
                 const Comparison& how, QString& difference)
{
    const std::vector<QString> contentsA = folderContents(modelA, how);
    const std::vector<QString> contentsB = folderContents(modelB, how);
    std::vector<std::pair<int, int>> pending{{a, b}};
    while (!pending.empty()) {
        const auto [folderA, folderB] = pending.back();
        pending.pop_back();
        const std::vector<ChildKey> keysA = childKeys(modelA, folderA, how, contentsA);
        const std::vector<ChildKey> keysB = childKeys(modelB, folderB, how, contentsB);
        for (size_t i = 0; i < std::max(keysA.size(), keysB.size()); ++i) {
            const bool inA = i < keysA.size();
            const bool inB = i < keysB.size();
            if (!inA || !inB || !(keysA[i] == keysB[i])) {
                difference = QStringLiteral("in folder \"%1\": %2 against %3")
                                 .arg(visible(modelA.folder(folderA).Name),
                                      inA ? describe(keysA[i]) : QStringLiteral("nothing"),
                                      inB ? describe(keysB[i]) : QStringLiteral("nothing"));
                return false;
            }
            if (keysA[i].kind == EntryKind::Folder)
                pending.emplace_back(keysA[i].folder, keysB[i].folder);
        }
    }
    return true;
}

} // namespace orvalink::fuzz
