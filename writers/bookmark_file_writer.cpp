#include "writers/bookmark_file_writer.h"

#include "platform/user_name.h"
#include "sources/source_loader.h"
#include "writers/export_walk.h"
#include "writers/html_text.h"
#include "writers/indentation.h"

#include <QByteArrayView>
#include <QFile>
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
    BookmarkFileVisitor(const BookmarkModel& model, ChunkedOutput& out)
        : m_tree(model.tree())
        , m_out(out)
    {}

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

    void closeFolder(int) override
    {
        --m_level;
        indent();
        m_out.buffer() += kListEnd;
        m_out.flushIfFull();
    }

private:
    void indent() { m_out.buffer().append(4 * std::min(m_level, kDeepestIndentLevel), ' '); }

    const FolderTree& m_tree;
    ChunkedOutput& m_out;
    int m_level = 0;
};

// Where a merge cuts the old file: its last "</DL>" in any case, the end of its top-level list.
// Firefox ends its file with a bare "</DL>", others with "</DL><p>".
qsizetype lastListEnd(QByteArrayView text)
{
    constexpr QByteArrayView tag = "</dl>";
    for (qsizetype i = text.size() - tag.size(); i >= 0; --i) {
        qsizetype k = 0;
        while (k < tag.size()) {
            char c = text[i + k];
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
            if (c != tag[k])
                break;
            ++k;
        }
        if (k == tag.size())
            return i;
    }
    return -1;
}

UserMessage notABookmarkFile()
{
    return UserMessage{QStringLiteral("Not a Bookmark File"),
                       {QStringLiteral("The Selected File Is Not a Bookmark File."),
                        QStringLiteral("Please, Select Another Bookmark File.")},
                       MessageIcon::Exclamation};
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

void WriteBookmarkFolder(BookmarkModel& model, int node, const FileExportOptions& options,
                         Progress& progress, ChunkedOutput& out)
{
    BookmarkFileVisitor visitor(model, out);
    walkExportedFolders(model, node, options, progress, visitor);
}

Result<void, UserMessage> WriteBookmarkFile(Job& job, const QString& filePath,
                                            const FileExportOptions& options, Progress& progress)
{
    Result<BookmarkModel*> source = loadedSource(job, progress);
    if (!source)
        return UserMessage{QStringLiteral("Error"), {source.error()}, MessageIcon::Critical};
    BookmarkModel& model = *source.value();
    if (job.UserName.isEmpty())
        job.UserName = GetLogonUserName();

    // The old file is read whole before anything is written: the new file replaces it.
    QByteArray kept;
    if (options.merge) {
        QFile old(filePath);
        if (!old.open(QIODevice::ReadOnly))
            return fileWriteFailure(filePath, old.errorString());
        kept = old.readAll();
        if (old.error() != QFileDevice::NoError)
            return fileWriteFailure(filePath, old.errorString());
        const qsizetype cut = lastListEnd(kept);
        if (cut < 0)
            return notABookmarkFile();
        kept.truncate(cut);
    }

    AtomicTextFile file(filePath);
    if (Result<void, UserMessage> opened = file.open(); !opened)
        return opened;
    ChunkedOutput& out = file.output();
    if (options.merge) {
        out.writeThrough(kept);
        kept = QByteArray();
        out.append("\r\n");
    } else {
        appendHeader(out.buffer(), job.UserName);
    }
    out.append(kListStart);
    if (options.intoNewFolder) {
        out.append(kFolderStart);
        appendHtmlText(out.buffer(), options.newFolderName);
        out.append(kFolderEnd);
        out.append(kListStart);
    }
    if (!model.tree().isEmpty())
        WriteBookmarkFolder(model, FolderTree::root(), options, progress, out);
    if (options.intoNewFolder)
        out.append(kListEnd);
    out.append(kListEnd);
    return file.commit();
}

} // namespace orvalink
