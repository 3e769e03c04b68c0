// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/bookmark_file/bookmark_file_writer.h"

#include "forms/bookmark_file/bookmark_file_merge.h"
#include "forms/bookmark_file/bookmark_file_reader.h"
#include "forms/export_walk.h"
#include "forms/html_text.h"
#include "forms/indentation.h"
#include "platform/user_name.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QDir>
#include <algorithm>

namespace orvalink {

namespace {

constexpr QByteArrayView kLineEnd = "\r\n";
constexpr QByteArrayView kListStart = "<DL><p>\r\n";
constexpr QByteArrayView kListEnd = "</DL><p>\r\n";
constexpr QByteArrayView kFolderStart = "<DT><H3 FOLDED ADD_DATE=\"";
constexpr QByteArrayView kFolderEnd = "</H3>\r\n";

void appendTime(QByteArray& out, QByteArrayView attribute, BookmarkTime time)
{
    if (!time.isKnown())
        return;
    out += attribute;
    out += time.toText();
    out += '"';
}

template <typename Text>
void appendText(QByteArray& out, QByteArrayView attribute, const Text& text)
{
    if (text.isEmpty())
        return;
    out += attribute;
    appendHtmlAttribute(out, text);
    out += '"';
}

// A folder line, its added date empty when unknown, as this program has always written it.
void appendFolderLine(QByteArray& out, QStringView name, const EntryDates& dates, FolderRole role)
{
    out += kFolderStart;
    out += dates.added.toText();
    out += '"';
    appendTime(out, " LAST_MODIFIED=\"", dates.modified);
    appendTime(out, " LAST_VISIT=\"", dates.visited);
    if (role == FolderRole::Toolbar)
        out += " PERSONAL_TOOLBAR_FOLDER=\"true\"";
    else if (role == FolderRole::OtherBookmarks)
        out += " UNFILED_BOOKMARKS_FOLDER=\"true\"";
    out += '>';
    appendHtmlText(out, name);
    out += kFolderEnd;
}

class BookmarkFileVisitor final : public ExportVisitor
{
public:
    BookmarkFileVisitor(const BookmarkModel& model, int start, ChunkedOutput& out)
        : m_model(model)
        , m_start(start)
        , m_out(out)
    {}

    // Whether the folder the walk started from was exported, and so its list end written.
    bool closedStart() const { return m_closedStart; }

    void openFolder(int node) override
    {
        // The root's list is the one the file opens itself.
        if (node != FolderTree::root()) {
            const FolderRecord& folder = m_model.folder(m_model.tree().node(node).tag);
            QByteArray& out = m_out.buffer();
            indent();
            appendFolderLine(out, m_model.tree().node(node).caption, folder.Dates, folder.Role);
            appendDescription(m_model.details(folder.Details));
            indent();
            out += kListStart;
            m_out.flushIfFull();
        }
        ++m_level;
    }

    void writeLink(int linkRow) override
    {
        const LinkRecord& link = m_model.link(linkRow);
        const EntryDetails& details = m_model.details(link.Details);
        QByteArray& out = m_out.buffer();
        indent();
        out += "<DT><A HREF=\"";
        appendHtmlAttribute(out, link.URL);
        out += '"';
        appendTime(out, " ADD_DATE=\"", link.Dates.added);
        appendTime(out, " LAST_MODIFIED=\"", link.Dates.modified);
        appendTime(out, " LAST_VISIT=\"", link.Dates.visited);
        appendText(out, " ICON_URI=\"", details.iconUri);
        appendText(out, " ICON=\"", details.icon);
        appendText(out, " SHORTCUTURL=\"", details.keyword);
        appendText(out, " POST_DATA=\"", details.postData);
        appendText(out, " LAST_CHARSET=\"", details.charset);
        appendText(out, " TAGS=\"", details.tags);
        out += '>';
        appendHtmlText(out, link.Name);
        out += "</A>\r\n";
        appendDescription(details);
        m_out.flushIfFull();
    }

    void writeSeparator() override
    {
        indent();
        m_out.buffer() += "<HR>\r\n";
        m_out.flushIfFull();
    }

    void closeFolder(int node) override
    {
        m_closedStart = m_closedStart || node == m_start;
        --m_level;
        indent();
        m_out.buffer() += kListEnd;
        m_out.flushIfFull();
    }

private:
    void indent() { m_out.buffer().append(4 * std::min(m_level, kDeepestIndentLevel), ' '); }

    void appendDescription(const EntryDetails& details)
    {
        if (details.description.isEmpty())
            return;
        QByteArray& out = m_out.buffer();
        indent();
        out += "<DD>";
        appendHtmlText(out, details.description);
        out += kLineEnd;
    }

    const BookmarkModel& m_model;
    int m_start;
    ChunkedOutput& m_out;
    int m_level = 0;
    bool m_closedStart = false;
};

UserMessage incompleteBookmarkFile(const QString& filePath, const QString& problem)
{
    return UserMessage{
        QCoreApplication::translate("orvalink::BookmarkFileWriter", "Incomplete Bookmark File"),
        {QDir::toNativeSeparators(filePath), problem,
         QCoreApplication::translate("orvalink::BookmarkFileWriter",
                                     "The Bookmark File Was Not Changed.")},
        MessageIcon::Exclamation};
}

// Where the new lists go in the old file's text, or why they cannot go anywhere.
Result<MergePoint, UserMessage> mergePointOf(const QString& filePath, QByteArrayView old)
{
    if (!isBookmarkFileContent(old))
        return notABookmarkFile(filePath);
    const MergePoint point = findMergePoint(old);
    switch (point.kind) {
    case MergePoint::Kind::ListEnd:
    case MergePoint::Kind::ListsOpen:
        return point;
    case MergePoint::Kind::EndsInsideMarkup:
        return incompleteBookmarkFile(
            filePath, QCoreApplication::translate(
                          "orvalink::BookmarkFileWriter",
                          "The Selected Bookmark File Ends Inside a Tag or a Comment."));
    case MergePoint::Kind::NoList:
        break;
    }
    return incompleteBookmarkFile(
        filePath,
        QCoreApplication::translate("orvalink::BookmarkFileWriter",
                                    "The Selected Bookmark File Holds No List of Bookmarks."));
}

void appendHeader(QByteArray& out, QStringView userName)
{
    out += "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n"
           "<!-- This is an automatically generated file (by Orvalink).\r\n"
           "It will be read and overwritten.\r\n"
           "Do Not Edit! -->\r\n"
           "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\r\n"
           "<TITLE>Bookmarks for ";
    appendHtmlText(out, userName);
    out += "</TITLE>\r\n<H1>Bookmarks for ";
    appendHtmlText(out, userName);
    out += "</H1>\r\n\r\n";
}

} // namespace

bool WriteBookmarkFolder(BookmarkModel& model, int node, const FileExportOptions& options,
                         Progress& progress, ChunkedOutput& out)
{
    BookmarkFileVisitor visitor(model, node, out);
    walkExportedFolders(model, node, options, progress, visitor);
    return visitor.closedStart();
}

namespace {

// The old file's text and where the new lists go in it, found before anything is written.
struct MergeTarget
{
    QByteArray converted;
    QByteArrayView text;
    MergePoint point;
};

Result<void, UserMessage> findMergeTarget(QByteArrayView oldBytes, const QString& filePath,
                                          MergeTarget& target)
{
    target.text = textToMergeInto(oldBytes, target.converted);
    const Result<MergePoint, UserMessage> found = mergePointOf(filePath, target.text);
    if (!found)
        return found.failure();
    target.point = found.value();
    return {};
}

// The whole text, new or merged into target.
void writeText(BookmarkModel& model, const MergeTarget* target, const FileExportOptions& options,
               Progress& progress, ChunkedOutput& out)
{
    if (target) {
        out.writeThrough(target->text.first(target->point.position));
        out.append(kLineEnd);
        // A file cut off inside folders: they are closed, and the new lists go into the top list.
        for (int open = target->point.openLists; open > 1; --open)
            out.append(kListEnd);
    } else {
        appendHeader(out.buffer(),
                     options.userName.isEmpty() ? GetLogonUserName() : options.userName);
    }
    out.append(kListStart);
    if (options.intoNewFolder) {
        appendFolderLine(out.buffer(), options.newFolderName, EntryDates{}, FolderRole::Ordinary);
        out.append(kListStart);
    }
    // The root's list end closes the innermost list opened above.
    const bool rootClosedList =
        !model.tree().isEmpty() &&
        WriteBookmarkFolder(model, FolderTree::root(), options, progress, out);
    if (options.intoNewFolder)
        out.append(kListEnd);
    if (target) {
        if (!rootClosedList)
            out.append(kListEnd);
        // The old file goes on as it was; one that was cut off gets its top list closed.
        if (target->point.kind == MergePoint::Kind::ListEnd)
            out.writeThrough(target->text.sliced(target->point.position));
        else
            out.append(kListEnd);
    } else {
        // Written anew, the file always ends with this list end, one more than it opened when
        // the root was exported: the layout this program has always written, read by everyone.
        out.append(kListEnd);
    }
}

} // namespace

Result<void, UserMessage> CanMergeIntoBookmarkFile(const QString& filePath)
{
    const Result<QByteArray, UserMessage> old = readFileToMerge(filePath);
    if (!old)
        return old.failure();
    MergeTarget target;
    return findMergeTarget(old.value(), filePath, target);
}

Result<void, UserMessage> writeBookmarkFile(BookmarkModel& model, QByteArrayView old,
                                            const FileExportOptions& options, Progress& progress,
                                            ChunkedOutput& out, const QString& filePath)
{
    MergeTarget target;
    if (options.merge) {
        if (Result<void, UserMessage> found = findMergeTarget(old, filePath, target); !found)
            return found;
    }
    writeText(model, options.merge ? &target : nullptr, options, progress, out);
    return {};
}

Result<void, UserMessage> WriteBookmarkFile(BookmarkModel& model, const QString& filePath,
                                            const FileExportOptions& options, Progress& progress)
{
    // The old file is read whole before anything is written: the new file replaces it.
    QByteArray old;
    MergeTarget target;
    if (options.merge) {
        Result<QByteArray, UserMessage> read = readFileToMerge(filePath);
        if (!read)
            return read.failure();
        old = std::move(read.value());
        if (Result<void, UserMessage> found = findMergeTarget(old, filePath, target); !found)
            return found;
    }
    AtomicTextFile file(filePath);
    if (Result<void, UserMessage> opened = file.open(); !opened)
        return opened;
    writeText(model, options.merge ? &target : nullptr, options, progress, file.output());
    return file.commit();
}

} // namespace orvalink
