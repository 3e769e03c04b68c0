// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/fuzz/fuzz_support.h"

#include "model/model_builder.h"
#include "platform/text_decoding.h"

#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace orvalink::fuzz {

namespace {

// The name of the new folder that writes into one put everything in.
const QString kNewFolderName = QStringLiteral("Fuzzing's own folder");

// Every folder's entries as one text, children before parents (their rows come later); a
// subfolder's entry holds the number its content has in ids, so that equal numbers are equal
// trees and no text grows with the depth. Without order, entries are sorted and separators left
// out. texts receives each folder's text.
std::vector<int> contentIds(const BookmarkModel& model, const Comparison& how,
                            QHash<QString, int>& ids, std::vector<QString>& texts)
{
    std::vector<int> result(static_cast<size_t>(model.folderCount()));
    texts.assign(result.size(), QString());
    for (int n = model.folderCount() - 1; n >= 0; --n) {
        QStringList entries;
        for (int row = model.folder(n).FirstLink; row <= model.folder(n).LastLink; ++row) {
            const LinkRecord& entry = model.link(row);
            const QString fields = QStringLiteral(" {") +
                                   (how.fields ? visible(how.fields(model, row)) : QString()) +
                                   u'}';
            if (entry.isSeparator()) {
                if (how.inOrder)
                    entries << QStringLiteral("separator");
            } else if (entry.isSubfolder()) {
                entries << QStringLiteral("folder \"%1\"%2 #%3")
                               .arg(visible(how.text(entry.Name)), fields)
                               .arg(result[static_cast<size_t>(entry.SubfolderRow)]);
            } else {
                entries << QStringLiteral("link \"%1\" <%2>%3")
                               .arg(visible(how.text(entry.Name)), visible(how.text(entry.URL)),
                                    fields);
            }
        }
        if (!how.inOrder)
            entries.sort();
        QString& text = texts[static_cast<size_t>(n)];
        text = entries.join(u'\n');
        result[static_cast<size_t>(n)] = *ids.insert(text, ids.value(text, int(ids.size())));
    }
    return result;
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

FileExportOptions optionsForLength(size_t size)
{
    FileExportOptions options;
    options.linksBefore = size % 2 == 1;
    options.intoNewFolder = size % 4 >= 2;
    options.keepOrder = size % 8 >= 4;
    options.newFolderName = kNewFolderName;
    return options;
}

QByteArray checkMerge(const FileForm& form, QByteArrayView old, const BookmarkModel& oldTree)
{
    const QString url = QStringLiteral("http://merged.example/fuzzing");
    ModelBuilder added(form.id, QString(), QString());
    added.addLink(QStringLiteral("Merged link"), url);
    const FileExportOptions options{
        .merge = true, .intoNewFolder = true, .newFolderName = kNewFolderName};
    Progress quiet;
    QByteArray after;
    ChunkedOutput out(after);
    if (!form.write(*added.finish(), old, options, quiet, out, QStringLiteral("merged")).ok()) {
        check(after.isEmpty(), "a refused merge writes nothing");
        return after;
    }
    const auto addresses = [](const BookmarkModel& model) {
        QHash<QString, int> counts;
        for (const LinkRecord& entry : model.links()) {
            if (!entry.URL.isEmpty())
                ++counts[entry.URL];
        }
        return counts;
    };
    const std::unique_ptr<BookmarkModel> merged = form.parse(after, QString());
    QHash<QString, int> expected = addresses(oldTree);
    ++expected[url];
    const EntryCounts before = countEntries(oldTree);
    const EntryCounts now = countEntries(*merged);
    check(addresses(*merged) == expected && now.folders == before.folders + 1,
          "a merge keeps every old entry and adds its own", [&] {
              return QStringLiteral("%1 folders, %2 links became %3 folders, %4 links")
                  .arg(before.folders)
                  .arg(before.links)
                  .arg(now.folders)
                  .arg(now.links);
          });
    return after;
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

bool sameEntries(const BookmarkModel& modelA, int a, const BookmarkModel& modelB, int b,
                 const Comparison& how, QString& difference)
{
    QHash<QString, int> ids;
    std::vector<QString> textsA;
    std::vector<QString> textsB;
    const int idA = contentIds(modelA, how, ids, textsA)[static_cast<size_t>(a)];
    const int idB = contentIds(modelB, how, ids, textsB)[static_cast<size_t>(b)];
    if (idA == idB)
        return true;
    // A subfolder shows as the number of its content.
    difference = QStringLiteral("folder \"%1\" holds\n%2\nagainst\n%3")
                     .arg(visible(modelA.folder(a).Name), textsA[static_cast<size_t>(a)].left(4000),
                          textsB[static_cast<size_t>(b)].left(4000));
    return false;
}

} // namespace orvalink::fuzz
