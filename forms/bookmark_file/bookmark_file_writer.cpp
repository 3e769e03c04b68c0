#include "forms/bookmark_file/bookmark_file_writer.h"

#include "forms/bookmark_file/bookmark_file_merge.h"
#include "forms/bookmark_file/bookmark_file_reader.h"
#include "forms/export_walk.h"
#include "forms/html_text.h"
#include "forms/indentation.h"
#include "platform/user_name.h"

#include <QByteArrayView>
#include <QDir>
#include <algorithm>

namespace orvalink {

namespace {

constexpr QByteArrayView kListStart = "<DL><p>\r\n";
constexpr QByteArrayView kListEnd = "</DL><p>\r\n";
constexpr QByteArrayView kFolderStart = "<DT><H3 FOLDED ADD_DATE=\"\">";
constexpr QByteArrayView kFolderEnd = "</H3>\r\n";

class BookmarkFileVisitor final : public ExportVisitor
{
public:
    BookmarkFileVisitor(const BookmarkModel& model, int start, ChunkedOutput& out)
        : m_tree(model.tree())
        , m_start(start)
        , m_out(out)
    {}

    // Whether the folder the walk started from was exported, and so its list end written.
    bool closedStart() const { return m_closedStart; }

    void openFolder(int node) override
    {
        // The root's list is the one the file opens itself.
        if (node != FolderTree::root()) {
            QByteArray& out = m_out.buffer();
            indent();
            out += kFolderStart;
            appendHtmlText(out, m_tree.node(node).caption);
            out += kFolderEnd;
            indent();
            out += kListStart;
            m_out.flushIfFull();
        }
        ++m_level;
    }

    void writeLinks(const std::vector<NameUrlPair>& links) override
    {
        QByteArray& out = m_out.buffer();
        for (const NameUrlPair& link : links) {
            indent();
            out += "<DT><A HREF=\"";
            appendHtmlAttribute(out, link.url);
            out += "\">";
            appendHtmlText(out, link.name);
            out += "</A>\r\n";
            m_out.flushIfFull();
        }
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

    const FolderTree& m_tree;
    int m_start;
    ChunkedOutput& m_out;
    int m_level = 0;
    bool m_closedStart = false;
};

UserMessage incompleteBookmarkFile(const QString& filePath, const QString& problem)
{
    return UserMessage{QStringLiteral("Incomplete Bookmark File"),
                       {QDir::toNativeSeparators(filePath), problem,
                        QStringLiteral("The Bookmark File Was Not Changed.")},
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
            filePath, QStringLiteral("The Selected Bookmark File Ends Inside a Tag or a Comment."));
    case MergePoint::Kind::NoList:
        break;
    }
    return incompleteBookmarkFile(
        filePath, QStringLiteral("The Selected Bookmark File Holds No List of Bookmarks."));
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

Result<void, UserMessage> CanMergeIntoBookmarkFile(const QString& filePath)
{
    const Result<QByteArray, UserMessage> old = readFileToMerge(filePath);
    if (!old)
        return old.failure();
    if (Result<MergePoint, UserMessage> point = mergePointOf(filePath, old.value()); !point)
        return point.failure();
    return {};
}

Result<void, UserMessage> WriteBookmarkFile(BookmarkModel& model, const QString& filePath,
                                            const FileExportOptions& options, Progress& progress)
{

    // The old file is read whole before anything is written: the new file replaces it.
    QByteArray old;
    MergePoint point;
    if (options.merge) {
        Result<QByteArray, UserMessage> read = readFileToMerge(filePath);
        if (!read)
            return read.failure();
        old = std::move(read.value());
        const Result<MergePoint, UserMessage> found = mergePointOf(filePath, old);
        if (!found)
            return found.failure();
        point = found.value();
    }

    AtomicTextFile file(filePath);
    if (Result<void, UserMessage> opened = file.open(); !opened)
        return opened;
    ChunkedOutput& out = file.output();
    if (options.merge) {
        out.writeThrough(QByteArrayView(old).first(point.position));
        out.append("\r\n");
        // A file cut off inside folders: they are closed, and the new lists go into the top list.
        for (int open = point.openLists; open > 1; --open)
            out.append(kListEnd);
    } else {
        appendHeader(out.buffer(),
                     options.userName.isEmpty() ? GetLogonUserName() : options.userName);
    }
    out.append(kListStart);
    if (options.intoNewFolder) {
        out.append(kFolderStart);
        appendHtmlText(out.buffer(), options.newFolderName);
        out.append(kFolderEnd);
        out.append(kListStart);
    }
    // The root's list end closes the innermost list opened above.
    const bool rootClosedList =
        !model.tree().isEmpty() &&
        WriteBookmarkFolder(model, FolderTree::root(), options, progress, out);
    if (options.intoNewFolder)
        out.append(kListEnd);
    if (options.merge) {
        if (!rootClosedList)
            out.append(kListEnd);
        // The old file goes on as it was; one that was cut off gets its top list closed.
        if (point.kind == MergePoint::Kind::ListEnd)
            out.writeThrough(QByteArrayView(old).sliced(point.position));
        else
            out.append(kListEnd);
    } else {
        // Written anew, the file always ends with this list end, one more than it opened when
        // the root was exported: the layout this program has always written, read by everyone.
        out.append(kListEnd);
    }
    return file.commit();
}

} // namespace orvalink
