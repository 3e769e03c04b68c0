// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/corpus_writers.h"

#include "forms/chromium/chromium_bookmarks.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <vector>

namespace orvalink {

namespace {

// Collects output in large pieces: a bookmark file of a million links has tens of millions of
// small writes.
class ChunkedSaveFile
{
public:
    explicit ChunkedSaveFile(const QString& path)
        : m_file(path)
    {}

    Result<void> open()
    {
        if (!m_file.open(QIODevice::WriteOnly))
            return Failure{QStringLiteral("Cannot create \"%1\": %2")
                               .arg(m_file.fileName(), m_file.errorString())};
        m_buffer.reserve(kChunk + kChunk / 4);
        return {};
    }

    void write(QByteArrayView bytes)
    {
        m_buffer.append(bytes);
        if (m_buffer.size() >= kChunk)
            flush();
    }

    Result<qint64> commit()
    {
        flush();
        if (m_failed || !m_file.commit())
            return Failure{QStringLiteral("Cannot write \"%1\": %2")
                               .arg(m_file.fileName(), m_file.errorString())};
        return m_written;
    }

private:
    static constexpr qsizetype kChunk = 1 << 20;

    void flush()
    {
        if (!m_failed && m_file.write(m_buffer) != m_buffer.size())
            m_failed = true;
        m_written += m_buffer.size();
        m_buffer.clear();
    }

    QSaveFile m_file;
    QByteArray m_buffer;
    qint64 m_written = 0;
    bool m_failed = false;
};

QByteArray indent(int depth)
{
    return QByteArray(4 * depth, ' ');
}

// Firefox's escaping of titles and of every attribute except HREF and ICON_URI.
QByteArray escapeHtml(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    QByteArray escaped;
    escaped.reserve(utf8.size() + 16);
    for (char c : utf8) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&#39;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

// Firefox's escaping of HREF and ICON_URI.
QByteArray escapeUrl(const QByteArray& url)
{
    QByteArray escaped = url;
    return escaped.replace("\"", "%22");
}

class BookmarkFileVisitor : public CorpusTree::Visitor
{
public:
    BookmarkFileVisitor(const CorpusTree& tree, ChunkedSaveFile& out)
        : m_tree(tree)
        , m_out(out)
    {}

    void folderStart(const CorpusTree::Entry& entry, int depth) override
    {
        const CorpusFolder folder = m_tree.folder(int(entry.number));
        m_line = indent(depth);
        m_line += "<DT><H3 ADD_DATE=\"" + QByteArray::number(folder.added) + "\" LAST_MODIFIED=\"" +
                  QByteArray::number(folder.modified) + '"';
        if (folder.role == CorpusFolder::Role::Toolbar)
            m_line += " PERSONAL_TOOLBAR_FOLDER=\"true\"";
        else if (folder.role == CorpusFolder::Role::Unfiled)
            m_line += " UNFILED_BOOKMARKS_FOLDER=\"true\"";
        m_line += '>' + escapeHtml(m_tree.name(entry)) + "</H3>\n";
        m_line += indent(depth) + "<DL><p>\n";
        m_out.write(m_line);
    }

    void folderEnd(const CorpusTree::Entry&, int depth) override
    {
        m_out.write(indent(depth) + "</DL><p>\n");
    }

    void link(const CorpusTree::Entry& entry, int depth) override
    {
        const CorpusLink link = m_tree.link(int(entry.number));
        m_line = indent(depth);
        m_line += "<DT><A HREF=\"" + escapeUrl(link.url) + "\" ADD_DATE=\"" +
                  QByteArray::number(link.added) + "\" LAST_MODIFIED=\"" +
                  QByteArray::number(link.modified) + '"';
        if (!link.icon.isEmpty())
            // A data: URI in base64 holds nothing that needs escaping.
            m_line += " ICON_URI=\"" + escapeUrl(link.iconUri) + "\" ICON=\"" + link.icon + '"';
        if (!link.keyword.isEmpty())
            m_line += " SHORTCUTURL=\"" + escapeHtml(link.keyword) + '"';
        if (!link.tags.isEmpty())
            m_line += " TAGS=\"" + escapeHtml(link.tags) + '"';
        m_line += '>' + escapeHtml(m_tree.name(entry)) + "</A>\n";
        if (!link.description.isEmpty())
            m_line += indent(depth) + "<DD>" + escapeHtml(link.description) + '\n';
        m_out.write(m_line);
    }

    // Firefox ends a separator without a line break: the next entry follows on its line.
    void separator(int depth) override { m_out.write(indent(depth) + "<HR>"); }

private:
    const CorpusTree& m_tree;
    ChunkedSaveFile& m_out;
    QByteArray m_line;
};

class HotlistVisitor : public CorpusTree::Visitor
{
public:
    HotlistVisitor(const CorpusTree& tree, ChunkedSaveFile& out)
        : m_tree(tree)
        , m_out(out)
    {}

    void folderStart(const CorpusTree::Entry& entry, int) override
    {
        const CorpusFolder folder = m_tree.folder(int(entry.number));
        m_record = "#FOLDER\n";
        addField("ID", QByteArray::number(++m_id));
        addField("NAME", m_tree.name(entry).toUtf8());
        addField("CREATED", QByteArray::number(folder.added));
        if (folder.expanded)
            addField("EXPANDED", "YES");
        addField("UNIQUEID", folder.uniqueId);
        m_record += '\n';
        m_out.write(m_record);
    }

    void folderEnd(const CorpusTree::Entry&, int) override { m_out.write("-\n\n"); }

    void link(const CorpusTree::Entry& entry, int) override
    {
        const CorpusLink link = m_tree.link(int(entry.number));
        m_record = "#URL\n";
        addField("ID", QByteArray::number(++m_id));
        addField("NAME", m_tree.name(entry).toUtf8());
        addField("URL", link.url);
        addField("CREATED", QByteArray::number(link.added));
        if (link.visited != 0)
            addField("VISITED", QByteArray::number(link.visited));
        if (!link.description.isEmpty())
            addField("DESCRIPTION", link.description.toUtf8());
        if (!link.keyword.isEmpty())
            addField("SHORT NAME", link.keyword.toUtf8());
        addField("UNIQUEID", link.uniqueId);
        m_record += '\n';
        m_out.write(m_record);
    }

    void separator(int) override
    {
        // Opera spells the record this way.
        m_record = "#SEPERATOR\n";
        addField("ID", QByteArray::number(++m_id));
        m_record += '\n';
        m_out.write(m_record);
    }

private:
    void addField(const char* key, const QByteArray& value)
    {
        m_record += '\t';
        m_record += key;
        m_record += '=';
        m_record += value;
        m_record += '\n';
    }

    const CorpusTree& m_tree;
    ChunkedSaveFile& m_out;
    QByteArray m_record;
    int m_id = 0;
};

class FavoritesVisitor : public CorpusTree::Visitor
{
public:
    FavoritesVisitor(const CorpusTree& tree, const QString& root)
        : m_tree(tree)
    {
        m_path.push_back(root);
    }

    void folderStart(const CorpusTree::Entry& entry, int) override
    {
        const QString path = m_path.back() + u'/' + m_tree.fileName(entry);
        if (m_failure.message.isEmpty() && !QDir().mkdir(path))
            m_failure = Failure{QStringLiteral("Cannot create the folder \"%1\".").arg(path)};
        m_path.push_back(path);
    }

    void folderEnd(const CorpusTree::Entry&, int) override { m_path.pop_back(); }

    void link(const CorpusTree::Entry& entry, int) override
    {
        const CorpusLink link = m_tree.link(int(entry.number));
        writeFile(m_path.back() + u'/' + m_tree.fileName(entry),
                  "[InternetShortcut]\r\nURL=" + link.url + "\r\n", link.modified);
    }

    void separator(int) override {}

    // Windows keeps the Favorites folder's display name in this file; readers must pass it by.
    void writeDesktopIni()
    {
        writeFile(m_path.front() + QStringLiteral("/desktop.ini"),
                  "[.ShellClassInfo]\r\n"
                  "LocalizedResourceName=@%SystemRoot%\\system32\\shell32.dll,-21796\r\n",
                  1072915200);
    }

    qint64 written() const { return m_written; }
    const Failure& failure() const { return m_failure; }

private:
    // The content is flushed before the time is set: a later write would set it to now.
    void writeFile(const QString& path, const QByteArray& content, qint64 modified)
    {
        if (!m_failure.message.isEmpty())
            return;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) ||
            file.write(content) != content.size() || !file.flush() ||
            !file.setFileTime(QDateTime::fromSecsSinceEpoch(modified, Qt::UTC),
                              QFileDevice::FileModificationTime)) {
            m_failure =
                Failure{QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString())};
            return;
        }
        file.close();
        m_written += content.size();
    }

    const CorpusTree& m_tree;
    std::vector<QString> m_path;
    qint64 m_written = 0;
    Failure m_failure;
};

// Chromium's Bookmarks file. The first walk only computes the checksum, which comes first.
class ChromiumVisitor : public CorpusTree::Visitor
{
public:
    ChromiumVisitor(const CorpusTree& tree, ChunkedSaveFile* out)
        : m_tree(tree)
        , m_out(out)
    {}

    QByteArray checksum() const { return m_checksum.hex(); }

    void folderStart(const CorpusTree::Entry& entry, int depth) override
    {
        const QByteArray id = QByteArray::number(m_nextId++);
        m_ids.push_back(id);
        m_checksum.addFolder(id, m_tree.name(entry));
        if (!m_out)
            return;
        m_record.clear();
        open();
        indent(depth + 3);
        m_record += "\"children\": [ ";
        m_hadChild.push_back(false);
        m_out->write(m_record);
    }

    void folderEnd(const CorpusTree::Entry& entry, int depth) override
    {
        const QByteArray id = m_ids.back();
        m_ids.pop_back();
        if (!m_out)
            return;
        m_hadChild.pop_back();
        const CorpusFolder folder = m_tree.folder(int(entry.number));
        m_record = " ],\n";
        member(depth + 3, "date_added", time(folder.added));
        member(depth + 3, "date_last_used", "0");
        member(depth + 3, "date_modified", time(folder.modified));
        member(depth + 3, "guid", guid(folder.uniqueId));
        member(depth + 3, "id", id);
        text(depth + 3, "name", m_tree.name(entry));
        indent(depth + 3);
        m_record += "\"type\": \"folder\"\n";
        indent(depth + 2);
        m_record += '}';
        m_out->write(m_record);
    }

    void link(const CorpusTree::Entry& entry, int depth) override
    {
        const QByteArray id = QByteArray::number(m_nextId++);
        const CorpusLink link = m_tree.link(int(entry.number));
        m_checksum.addLink(id, m_tree.name(entry), link.url);
        if (!m_out)
            return;
        m_record.clear();
        open();
        member(depth + 3, "date_added", time(link.added));
        member(depth + 3, "date_last_used", time(link.visited));
        member(depth + 3, "guid", guid(link.uniqueId));
        member(depth + 3, "id", id);
        m_record += QByteArray(3 * (depth + 3), ' ') + "\"meta_info\": {\n" +
                    QByteArray(3 * (depth + 4), ' ') + "\"power_bookmark_meta\": \"\"\n" +
                    QByteArray(3 * (depth + 3), ' ') + "},\n";
        text(depth + 3, "name", m_tree.name(entry));
        member(depth + 3, "type", "url");
        indent(depth + 3);
        m_record += "\"url\": ";
        quoted(QString::fromUtf8(link.url));
        m_record += '\n';
        indent(depth + 2);
        m_record += '}';
        m_out->write(m_record);
    }

    void separator(int) override {}

    // The permanent folders' ids come first; the mobile folder's is taken last.
    void startRoot(QByteArrayView id, QStringView name) { m_checksum.addFolder(id, name); }

private:
    // An entry of the list open now begins.
    void open()
    {
        if (m_hadChild.back())
            m_record += ", ";
        m_hadChild.back() = true;
        m_record += "{\n";
    }

    void indent(int level) { m_record.append(3 * level, ' '); }

    void member(int level, QByteArrayView key, QByteArrayView value)
    {
        indent(level);
        m_record += '"' + key.toByteArray() + "\": \"" + value.toByteArray() + "\",\n";
    }

    void text(int level, QByteArrayView key, const QString& value)
    {
        indent(level);
        m_record += '"' + key.toByteArray() + "\": ";
        quoted(value);
        m_record += ",\n";
    }

    void quoted(const QString& value)
    {
        m_record += '"';
        for (const char c : value.toUtf8()) {
            if (c == '"' || c == '\\') {
                m_record += '\\';
                m_record += c;
            } else if (c == '<') {
                m_record += "\\u003C";
            } else if (static_cast<unsigned char>(c) < 0x20) {
                m_record += "\\u00" + QByteArray::number(c, 16).rightJustified(2, '0');
            } else {
                m_record += c;
            }
        }
        m_record += '"';
    }

    static QByteArray time(qint64 seconds)
    {
        return seconds == 0 ? QByteArray("0")
                            : QByteArray::number(unixSecondsToChromiumTime(seconds));
    }

    // A guid of the entry's unique id, lower-case hex as Chromium writes it.
    static QByteArray guid(const QByteArray& uniqueId)
    {
        const QByteArray hex = QCryptographicHash::hash(uniqueId, QCryptographicHash::Md5).toHex();
        return hex.first(8) + '-' + hex.sliced(8, 4) + '-' + hex.sliced(12, 4) + '-' +
               hex.sliced(16, 4) + '-' + hex.sliced(20, 12);
    }

    const CorpusTree& m_tree;
    ChunkedSaveFile* m_out;
    ChromiumChecksum m_checksum;
    qint64 m_nextId = 4;
    std::vector<QByteArray> m_ids;
    // For each list open, "Other bookmarks"' first: whether an entry was written into it.
    std::vector<bool> m_hadChild{false};
    QByteArray m_record;
};

} // namespace

Result<qint64> writeCorpusBookmarkFile(const CorpusTree& tree, const QString& path)
{
    ChunkedSaveFile out(path);
    if (Result<void> opened = out.open(); !opened)
        return opened.failure();
    out.write("<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
              "<!-- This is an automatically generated file.\n"
              "     It will be read and overwritten.\n"
              "     DO NOT EDIT! -->\n"
              "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
              "<meta http-equiv=\"Content-Security-Policy\"\n"
              "      content=\"default-src 'self'; script-src 'none'; img-src data: *; "
              "object-src 'none'\"></meta>\n"
              "<TITLE>Bookmarks</TITLE>\n"
              "<H1>Bookmarks Menu</H1>\n"
              "\n"
              "<DL><p>\n");
    BookmarkFileVisitor visitor(tree, out);
    tree.walk(visitor);
    out.write("</DL>\n");
    return out.commit();
}

Result<qint64> writeCorpusHotlist(const CorpusTree& tree, const QString& path)
{
    ChunkedSaveFile out(path);
    if (Result<void> opened = out.open(); !opened)
        return opened.failure();
    out.write("Opera Hotlist version 2.0\n"
              "Options: encoding = utf8, version=3\n"
              "\n");
    HotlistVisitor visitor(tree, out);
    tree.walk(visitor);
    return out.commit();
}

Result<qint64> writeCorpusChromiumBookmarks(const CorpusTree& tree, const QString& path)
{
    const auto& roots = kChromiumRoots;
    auto rootName = [&](ChromiumRoot root) { return roots[size_t(root)].shownName; };
    ChromiumVisitor summing(tree, nullptr);
    summing.startRoot(roots[0].id, rootName(ChromiumRoot::Bar));
    summing.startRoot(roots[1].id, rootName(ChromiumRoot::Other));
    tree.walk(summing);
    summing.startRoot(roots[2].id, rootName(ChromiumRoot::Synced));

    ChunkedSaveFile out(path);
    if (Result<void> opened = out.open(); !opened)
        return opened.failure();
    const qint64 created = unixSecondsToChromiumTime(1700000000);
    auto root = [&](ChromiumRoot which, bool last) {
        const ChromiumRootInfo& info = roots[size_t(which)];
        return QByteArray(" ],\n         \"date_added\": \"") + QByteArray::number(created) +
               "\",\n         \"date_last_used\": \"0\",\n         \"date_modified\": \"0\",\n"
               "         \"guid\": \"" +
               info.guid.toByteArray() + "\",\n         \"id\": \"" + info.id.toByteArray() +
               "\",\n         \"name\": \"" + rootName(which).toUtf8() +
               "\",\n         \"type\": \"folder\"\n      }" + (last ? "\n" : ",\n");
    };
    out.write("{\n   \"checksum\": \"" + summing.checksum() +
              "\",\n   \"roots\": {\n      \"bookmark_bar\": {\n         \"children\": [ ");
    out.write(root(ChromiumRoot::Bar, false));
    out.write("      \"other\": {\n         \"children\": [ ");
    ChromiumVisitor writing(tree, &out);
    tree.walk(writing);
    out.write(root(ChromiumRoot::Other, false));
    out.write("      \"synced\": {\n         \"children\": [ ");
    out.write(root(ChromiumRoot::Synced, true));
    out.write("   },\n   \"version\": 1\n}\n");
    return out.commit();
}

Result<qint64> writeCorpusFavorites(const CorpusTree& tree, const QString& folder)
{
    const QString target = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QString partial = target + QStringLiteral(".partial");
    if (QFileInfo::exists(partial) && !QDir(partial).removeRecursively())
        return Failure{QStringLiteral("Cannot remove the unfinished \"%1\".").arg(partial)};
    if (!QDir().mkpath(partial))
        return Failure{QStringLiteral("Cannot create the folder \"%1\".").arg(partial)};

    FavoritesVisitor visitor(tree, partial);
    visitor.writeDesktopIni();
    tree.walk(visitor);
    if (!visitor.failure().message.isEmpty())
        return visitor.failure();

    if (QFileInfo::exists(target) && !QDir(target).removeRecursively())
        return Failure{QStringLiteral("Cannot remove the old \"%1\".").arg(target)};
    if (!QDir().rename(partial, target))
        return Failure{QStringLiteral("Cannot rename \"%1\" to \"%2\".").arg(partial, target)};
    return visitor.written();
}

} // namespace orvalink
