// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/bookmark_model.h"
#include "model/export_options.h"
#include "model/progress.h"
#include "model/result.h"
#include "model/user_message.h"
#include "platform/atomic_text_file.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <fuzzer/FuzzedDataProvider.h>
#include <memory>

// What the harnesses share: reporting a broken invariant, text made from fuzz bytes, and
// comparing loaded tables.
namespace orvalink::fuzz {

// Reports a broken invariant and aborts, so that libFuzzer keeps the input as a reproducer.
[[noreturn]] void fail(const char* invariant, const QString& detail = QString());

inline void check(bool holds, const char* invariant)
{
    if (!holds)
        fail(invariant);
}

// describe() gives the details of a broken invariant; it runs only then.
template <typename Describe> void check(bool holds, const char* invariant, Describe describe)
{
    if (!holds)
        fail(invariant, describe());
}

// The text with every control character, quote and non-ASCII character as an escape, so that
// a report shows exactly what differs.
QString visible(QStringView text);

// The bytes as UTF-16 code units, little-endian; a last odd byte is left out.
QString utf16Units(QByteArrayView bytes);

// Text from fuzz bytes: a flag picks UTF-8 (invalid sequences become U+FFFD) or raw UTF-16 code
// units, which reach what UTF-8 cannot, such as lone surrogates.
QString consumeText(FuzzedDataProvider& data, size_t maxBytes = 64);

struct EntryCounts
{
    int folders = 0;
    int links = 0;
};

// The folders and links below the root, as the fast scanners count them.
EntryCounts countEntries(const BookmarkModel& model);

// Checks that the fast scanner counts the folders and links the tree builder built from the
// text, whether or not someone listens for folder names (it cuts them only then), and names every
// folder.
template <typename Scanner>
void checkScan(QByteArrayView text, const BookmarkModel& tree, const char* invariant)
{
    const EntryCounts built = countEntries(tree);
    Scanner counting;
    counting.scanText(text);
    Scanner naming;
    int named = 0;
    naming.setFolderScanHandler([&](const QString&) { ++named; });
    naming.scanText(text);
    check(counting.nTotalFolders() == built.folders && counting.nTotalLinks() == built.links &&
              naming.nTotalFolders() == built.folders && naming.nTotalLinks() == built.links &&
              named == built.folders,
          invariant, [&] {
              return QStringLiteral("tree %1 folders, %2 links; scan %3, %4; naming scan %5, %6, "
                                    "%7 names")
                  .arg(built.folders)
                  .arg(built.links)
                  .arg(counting.nTotalFolders())
                  .arg(counting.nTotalLinks())
                  .arg(naming.nTotalFolders())
                  .arg(naming.nTotalLinks())
                  .arg(named);
          });
}

// What a merge into a file of these bytes must keep of them: the bytes as they are, or the same
// text as UTF-8 after a UTF-8 byte-order mark when they are UTF-16, as the writers add UTF-8.
QByteArray keptOnMerge(QByteArrayView old);

// Options picked by the input's length, so that every input replays the same way.
FileExportOptions optionsForLength(size_t size);

// A file form as the harnesses write and read it, in memory.
struct FileForm
{
    FormId id;
    Result<void, UserMessage> (*write)(BookmarkModel& model, QByteArrayView old,
                                       const FileExportOptions& options, Progress& progress,
                                       ChunkedOutput& out, const QString& filePath);
    std::unique_ptr<BookmarkModel> (*parse)(QByteArrayView text, const QString& location);
};

// A merge of one link into a new folder of a file of the bytes old, whose tree is oldTree: a
// refused merge writes nothing; otherwise the old links are all still there beside the new folder.
// Answers what was written, empty when refused.
QByteArray checkMerge(const FileForm& form, QByteArrayView old, const BookmarkModel& oldTree);

// How many elements two lists share at their start, and how many more at their end.
struct CommonEnds
{
    qsizetype prefix = 0;
    qsizetype suffix = 0;
};

template <typename List> CommonEnds commonEnds(const List& a, const List& b)
{
    qsizetype prefix = 0;
    while (prefix < a.size() && prefix < b.size() && a[prefix] == b[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < a.size() - prefix && suffix < b.size() - prefix &&
           a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix])
        ++suffix;
    return {prefix, suffix};
}

// The folder row where tables written with these options have the exported root's entries: the
// root, or the new folder, its only entry.
int exportedTop(const BookmarkModel& written, const FileExportOptions& options);

// How a form stores a name or an address: the identity for forms that hold any text.
using TextForm = QString (*)(const QString& text);
// What a form keeps of an entry (a link table row) besides its kind, name and address (dates,
// details, role), as one text in the form's spelling.
using KeptFields = QString (*)(const BookmarkModel& model, int linkRow);

// How two models are compared: names and addresses as text() gives them, the fields fields()
// gives (none when null), and each folder's entries either in order, separators included, or
// without regard to their order and without separators, as the sorted writers write them.
struct Comparison
{
    TextForm text;
    KeptFields fields = nullptr;
    bool inOrder = false;
};

// The dates as one text: "added modified visited", each its seconds or "-" when unknown.
QString datesText(const EntryDates& dates);

// Whether the folder rows a and b hold the same entries, down to the bottom, as compared by how.
// Otherwise describes the difference in difference.
bool sameEntries(const BookmarkModel& modelA, int a, const BookmarkModel& modelB, int b,
                 const Comparison& how, QString& difference);

// The tree written anew into memory and read back: Scanner counts the bytes as their tree, which
// holds the tree's entries as how compares them (in the new folder when the options ask for one,
// and in order when they keep it). Answers the tree read back.
template <typename Scanner>
std::unique_ptr<BookmarkModel> checkRoundTrip(const FileForm& form, BookmarkModel& tree,
                                              const FileExportOptions& options, Comparison how)
{
    Progress quiet;
    QByteArray written;
    ChunkedOutput out(written);
    check(form.write(tree, {}, options, quiet, out, QString()).ok(), "a file can be written");
    std::unique_ptr<BookmarkModel> reread = form.parse(written, QString());
    checkScan<Scanner>(written, *reread, "the scanner counts a written file as its tree");
    how.inOrder = options.keepOrder;
    QString difference;
    check(sameEntries(tree, 0, *reread, exportedTop(*reread, options), how, difference),
          "a written file reads back as its tree", [&] { return difference; });
    return reread;
}

} // namespace orvalink::fuzz
