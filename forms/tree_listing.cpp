#include "forms/tree_listing.h"

#include "forms/indentation.h"
#include "platform/atomic_text_file.h"

#include <QByteArray>
#include <algorithm>
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
    ListingOutput& operator<<(int number)
    {
        m_output.buffer() += QByteArray::number(number);
        return flushed();
    }
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

} // namespace

void writeTreeListing(BookmarkModel& model, QIODevice& out)
{
    ListingOutput output(out);
    output << "[0] " << model.tree().node(0).caption << '\n';
    std::vector<OpenFolder> open{openFolder(model, 0)};
    while (!open.empty()) {
        OpenFolder& current = open.back();
        if (current.nextEntry > model.folder(current.row).LastLink) {
            open.pop_back();
            continue;
        }
        const LinkRecord& entry = model.link(current.nextEntry++);
        output.indent(2 * std::min(static_cast<int>(open.size()), kDeepestIndentLevel));
        if (entry.isSubfolder()) {
            output << '[' << entry.SubfolderRow << "] " << model.folder(entry.SubfolderRow).Name
                   << '\n';
            open.push_back(openFolder(model, entry.SubfolderRow));
        } else {
            output << entry.Name << " <" << entry.URL << ">\n";
        }
    }
}

void writeTreeJson(BookmarkModel& model, QIODevice& out)
{
    ListingOutput output(out);
    output << "{\"title\":" << jsonString(model.tree().node(0).caption) << ",\"children\":[";
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
        if (entry.isSubfolder()) {
            output << "{\"title\":" << jsonString(model.folder(entry.SubfolderRow).Name)
                   << ",\"children\":[";
            open.push_back(openFolder(model, entry.SubfolderRow));
        } else {
            output << "{\"title\":" << jsonString(entry.Name)
                   << ",\"url\":" << jsonString(entry.URL) << '}';
        }
    }
    output << '\n';
}

} // namespace orvalink
