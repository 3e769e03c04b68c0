// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/tree_listing.h"

#include "forms/indentation.h"
#include "platform/atomic_text_file.h"

#include <QByteArray>
#include <algorithm>
#include <array>
#include <vector>

namespace orvalink {

namespace {

// The listing's text, gathered in large pieces before it reaches the device.
class ListingOutput
{
public:
    explicit ListingOutput(QIODevice& device)
        : m_output(device)
    {}
    ~ListingOutput() { m_output.flush(); }

    ListingOutput& operator<<(const QString& text)
    {
        appendUtf8(m_output.buffer(), text, 0, [](char*&, char16_t, char16_t) { return false; });
        return flushed();
    }
    ListingOutput& operator<<(const char* text)
    {
        m_output.append(text);
        return flushed();
    }
    ListingOutput& operator<<(char c)
    {
        m_output.buffer() += c;
        return flushed();
    }
    ListingOutput& operator<<(qint64 number)
    {
        m_output.buffer() += QByteArray::number(number);
        return flushed();
    }
    ListingOutput& operator<<(int number) { return *this << qint64(number); }
    void indent(int spaces) { m_output.buffer().append(spaces, ' '); }

private:
    ListingOutput& flushed()
    {
        m_output.flushIfFull();
        return *this;
    }

    ChunkedOutput m_output;
};

// Where the walk stands in one open folder: the next entry row to visit.
struct OpenFolder
{
    int row;
    int nextEntry;
};

OpenFolder openFolder(BookmarkModel& model, int row)
{
    model.ensureListed(row);
    return OpenFolder{row, model.folder(row).FirstLink};
}

QString jsonString(const QString& text)
{
    QString quoted;
    quoted.reserve(text.size() + 2);
    quoted += QLatin1Char('"');
    for (QChar c : text) {
        switch (c.unicode()) {
        case '"':
            quoted += QLatin1String("\\\"");
            break;
        case '\\':
            quoted += QLatin1String("\\\\");
            break;
        case '\n':
            quoted += QLatin1String("\\n");
            break;
        case '\r':
            quoted += QLatin1String("\\r");
            break;
        case '\t':
            quoted += QLatin1String("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                quoted += c;
        }
    }
    quoted += QLatin1Char('"');
    return quoted;
}

// One thing an entry keeps besides its name and address.
struct Field
{
    enum Kind { Time, Flag, Text };
    const char* name;
    Kind kind;
    qint64 seconds = 0;
    QString text{};
};

// What a link or folder keeps besides its name and address, in the order the listings show it.
class Fields
{
public:
    Fields(const EntryDates& dates, FolderRole role, bool onToolbar, const EntryDetails& details)
    {
        addTime("added", dates.added);
        addTime("modified", dates.modified);
        addTime("visited", dates.visited);
        if (role == FolderRole::Toolbar)
            m_fields[m_count++] = Field{"toolbar", Field::Flag};
        if (role == FolderRole::OtherBookmarks)
            m_fields[m_count++] = Field{"otherBookmarks", Field::Flag};
        if (role == FolderRole::Mobile)
            m_fields[m_count++] = Field{"mobile", Field::Flag};
        if (onToolbar)
            m_fields[m_count++] = Field{"onToolbar", Field::Flag};
        addText("keyword", details.keyword);
        addText("postData", details.postData);
        addText("tags", details.tags);
        addText("description", details.description);
        addText("icon", QString::fromUtf8(details.icon));
        addText("iconUri", details.iconUri);
        addText("charset", details.charset);
    }

    const Field* begin() const { return m_fields.data(); }
    const Field* end() const { return m_fields.data() + m_count; }
    bool isEmpty() const { return m_count == 0; }

private:
    void addTime(const char* name, BookmarkTime time)
    {
        if (time.isKnown())
            m_fields[m_count++] = Field{name, Field::Time, time.seconds()};
    }
    void addText(const char* name, const QString& text)
    {
        if (!text.isEmpty())
            m_fields[m_count++] = Field{name, Field::Text, 0, text};
    }

    std::array<Field, 13> m_fields{};
    size_t m_count = 0;
};

Fields folderFields(const BookmarkModel& model, int row)
{
    const FolderRecord& folder = model.folder(row);
    return Fields(folder.Dates, folder.Role, false, model.details(folder.Details));
}

Fields linkFields(const BookmarkModel& model, const LinkRecord& link)
{
    return Fields(link.Dates, FolderRole::Ordinary, link.OnToolbar, model.details(link.Details));
}

// " {key=value ...}" after a listing's line; nothing when there are no fields.
void writeListedFields(ListingOutput& output, const Fields& fields)
{
    if (fields.isEmpty())
        return;
    output << " {";
    bool first = true;
    for (const Field& field : fields) {
        output << (first ? "" : " ") << field.name;
        first = false;
        if (field.kind == Field::Time)
            output << '=' << field.seconds;
        else if (field.kind == Field::Text)
            output << '=' << jsonString(field.text);
    }
    output << '}';
}

// ,"key":value for each field.
void writeJsonFields(ListingOutput& output, const Fields& fields)
{
    for (const Field& field : fields) {
        output << ",\"" << field.name << "\":";
        if (field.kind == Field::Time)
            output << field.seconds;
        else if (field.kind == Field::Flag)
            output << "true";
        else
            output << jsonString(field.text);
    }
}

} // namespace

void writeTreeListing(BookmarkModel& model, QIODevice& out)
{
    ListingOutput output(out);
    output << "[0] " << model.tree().node(0).caption;
    writeListedFields(output, folderFields(model, 0));
    output << '\n';
    std::vector<OpenFolder> open{openFolder(model, 0)};
    while (!open.empty()) {
        OpenFolder& current = open.back();
        if (current.nextEntry > model.folder(current.row).LastLink) {
            open.pop_back();
            continue;
        }
        const LinkRecord& entry = model.link(current.nextEntry++);
        output.indent(2 * std::min(static_cast<int>(open.size()), kDeepestIndentLevel));
        switch (entry.Kind) {
        case EntryKind::Folder:
            output << '[' << entry.SubfolderRow << "] " << model.folder(entry.SubfolderRow).Name;
            writeListedFields(output, folderFields(model, entry.SubfolderRow));
            output << '\n';
            open.push_back(openFolder(model, entry.SubfolderRow));
            break;
        case EntryKind::Link:
            output << entry.Name << " <" << entry.URL << '>';
            writeListedFields(output, linkFields(model, entry));
            output << '\n';
            break;
        case EntryKind::Separator:
            output << "----\n";
            break;
        }
    }
}

void writeTreeJson(BookmarkModel& model, QIODevice& out)
{
    ListingOutput output(out);
    // Each folder carries its row, the number a selection of folders names it by.
    output << "{\"title\":" << jsonString(model.tree().node(0).caption) << ",\"row\":0";
    writeJsonFields(output, folderFields(model, 0));
    output << ",\"children\":[";
    std::vector<OpenFolder> open{openFolder(model, 0)};
    while (!open.empty()) {
        OpenFolder& current = open.back();
        const FolderRecord& folder = model.folder(current.row);
        if (current.nextEntry > folder.LastLink) {
            output << "]}";
            open.pop_back();
            continue;
        }
        if (current.nextEntry > folder.FirstLink)
            output << ',';
        const LinkRecord& entry = model.link(current.nextEntry++);
        switch (entry.Kind) {
        case EntryKind::Folder:
            output << "{\"title\":" << jsonString(model.folder(entry.SubfolderRow).Name)
                   << ",\"row\":" << entry.SubfolderRow;
            writeJsonFields(output, folderFields(model, entry.SubfolderRow));
            output << ",\"children\":[";
            open.push_back(openFolder(model, entry.SubfolderRow));
            break;
        case EntryKind::Link:
            output << "{\"title\":" << jsonString(entry.Name)
                   << ",\"url\":" << jsonString(entry.URL);
            writeJsonFields(output, linkFields(model, entry));
            output << '}';
            break;
        case EntryKind::Separator:
            output << "{\"separator\":true}";
            break;
        }
    }
    output << '\n';
}

} // namespace orvalink
