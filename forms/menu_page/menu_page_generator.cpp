// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/menu_page/menu_page_generator.h"

#include "forms/export_walk.h"
#include "forms/html_text.h"
#include "forms/menu_page/menu_scripts.h"
#include "forms/menu_page/text_width.h"
#include "model/text_order.h"
#include "platform/atomic_text_file.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cstdio>

#ifndef ORVALINK_VERSION
#error "ORVALINK_VERSION must name the program version (forms/menu_page/CMakeLists.txt defines it)"
#endif

namespace orvalink {

namespace {

// Every menu is this wide, and item texts are fitted to it.
constexpr int kMenuWidth = 230;
// A continuation menu is lifted by this much per item, so that its last item stands level with
// the "more..." item that opens it.
constexpr int kContinuationLiftPerItem = 21;
// Submenus without a break still get one after this many entries.
constexpr int kUnbrokenMaxItems = 1000;
// The descriptions go on in a new block after a menu once the block holds this many items. A
// browser parses many small blocks faster than one large one, and it lets the page's script run
// more often between them while the page arrives.
constexpr int kItemsPerDescriptionBlock = 200;

enum class ItemKind { Link = 1, Folder = 2 };

// The escape of a character inside a single-quoted script string, or nullptr when it stands as
// it is. Applying all at once is the same as replacing the backslashes first, then the
// apostrophes, then the rest: the backslashes that the escapes bring are never doubled.
const char* scriptEscape(char16_t c)
{
    switch (c) {
    case u'\\':
        return "\\\\";
    case u'\'':
        return "\\'";
    case u'<':
        return "\\x3C";
    case u'>':
        return "\\x3E";
    case u'\n':
        return "\\n";
    case u'\r':
        return "\\r";
    default:
        return nullptr;
    }
}
constexpr qsizetype kLongestScriptEscape = 4;

template <const char* (*Escape)(char16_t)> bool putEscape(char*& dst, char16_t c, char16_t)
{
    const char* escaped = Escape(c);
    if (!escaped)
        return false;
    while (*escaped)
        *dst++ = *escaped++;
    return true;
}

void appendScriptString(QByteArray& out, QStringView text)
{
    appendUtf8(out, text, kLongestScriptEscape, putEscape<scriptEscape>);
}

QByteArray html(QStringView text)
{
    QByteArray out;
    appendHtmlText(out, text);
    return out;
}

// Writes one page into its output, top to bottom.
class MenuPageGenerator
{
public:
    MenuPageGenerator(BookmarkModel& model, const MenuPageOptions& options, Progress& progress,
                      ChunkedOutput& out)
        : m_model(model)
        , m_tree(model.tree())
        , m_options(options)
        , m_progress(progress)
        , m_out(out)
        , m_isRootItem(static_cast<size_t>(model.tree().size()), false)
        , m_maxItems(options.breakAfter ? std::max(2, *options.breakAfter) : kUnbrokenMaxItems)
    {
        for (size_t slot = 0; slot < m_colorCodes.size(); ++slot)
            m_colorCodes[slot] = ColorToHtml(options.colors[slot]).toLatin1();
        m_date = html(options.locale.toString(options.date, QLocale::ShortFormat));
    }

    // Writes the page and returns the number of items written.
    int writePage();

private:
    const QByteArray& color(MenuColorSlot slot) const { return m_colorCodes[slot]; }
    bool isIncluded(int node) const { return m_options.exportAll || m_tree.node(node).checked; }

    void WritePageLine(QByteArrayView line);
    void WriteCssClass(int number, const QByteArray& colorCode);
    void WriteItemStyle(QByteArrayView name, int length, int spacing, QByteArrayView popupIndicator,
                        int popupPosition, int padding, QByteArrayView outClass,
                        QByteArrayView overClass, QByteArrayView overBorder);
    void writeItemStyles(QByteArrayView overBorder);
    void WriteStartMenu(QByteArrayView name, bool vertical, int left, int top, int width,
                        QByteArrayView style);
    void WriteAddItem(const QString& text, QStringView target, ItemKind kind, int width);
    void writeDescriptions();
    void WriteRootItems(int node);
    void writeRootItem(int node);
    // A submenu's items: folders (their node numbers) and links (their link rows).
    std::vector<ExportedEntry> submenuItems(int node);
    void WriteSubmenus(int node);
    void writeSubmenu(int node);

    BookmarkModel& m_model;
    const FolderTree& m_tree;
    const MenuPageOptions& m_options;
    Progress& m_progress;
    ChunkedOutput& m_out;
    // The colours as the page writes them ("MenuColorCodes").
    std::array<QByteArray, MenuColorSlotCount> m_colorCodes;
    // Which nodes are root items ("RootItemList"): their submenus open below the bar when it
    // runs across the top.
    std::vector<bool> m_isRootItem;
    int m_maxItems;
    QByteArray m_date;
    int m_itemsWritten = 0;
    int m_itemsBeforeBlock = 0; // items written before the current description block
};

int MenuPageGenerator::writePage()
{
    const bool vertical = m_options.vertical;

    WritePageLine("<!-- Page created by Orvalink " ORVALINK_VERSION);
    WritePageLine(QByteArray(13, ' ') + m_date);
    WritePageLine("-->");
    WritePageLine("");
    // The page's own words are English, whatever language the bookmarks' names are in.
    WritePageLine("<html lang=\"en\">");
    WritePageLine("<head>");
    WritePageLine("<meta charset=\"utf-8\">");
    // Without it a phone shows the page zoomed out to a desktop's width, in unreadable text.
    WritePageLine("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">");
    WritePageLine("<title>" + html(m_options.pageTitle) + "</title>");
    WritePageLine("<style type=\"text/css\">");
    WritePageLine("<!--");
    WriteCssClass(1, color(ItemTextColor));
    WriteCssClass(2, color(ItemTextOverColor));
    WriteCssClass(3, color(ItemTextColor));
    WriteCssClass(4, color(ItemTextOverColor));
    WriteCssClass(5, color(ItemBorderColor));
    WriteCssClass(6, color(ItemBorderOverColor));
    WritePageLine("-->");
    WritePageLine("</style></head>");
    WritePageLine("<body marginwidth='0' marginheight='0' style='margin: 0' bgcolor='" +
                  color(PageBackgroundColor) + "'>");
    WritePageLine("");

    WriteMenuEngine(m_out.buffer());
    // Old Netscape and Internet Explorer change the border under the pointer; other browsers
    // keep it, since a border that changes there makes the items jump.
    WritePageLine("if (isNS4 || isIE){");
    writeItemStyles("itemBorderOver");
    WritePageLine("} else {");
    writeItemStyles("itemBorder");
    WritePageLine("} ");
    WritePageLine("var pMenu = new PopupMenu('pMenu');");
    WritePageLine("</script>");
    WritePageLine("<script language=\"JavaScript1.2\"><!--");
    if (m_options.shadows)
        WriteMenuShadows(m_out.buffer());
    WriteMenuEvents(m_out.buffer());
    if (m_options.showUrl) {
        WritePageLine("pMenu.onmouseover = function(mN, iN) { with (this)");
        WritePageLine("{");
        WritePageLine(" with (menu[mN][iN]) if (!type || type=='nw:') status = href;");
        WritePageLine("}};");
        WritePageLine("pMenu.onmouseout = function() { status = '' }");
    }
    WritePageLine("// End Hide -->");
    WritePageLine("</script>");

    if (vertical) {
        WritePageLine("<table border='0' width='100%' height='100%' cellspacing='0' "
                      "cellpadding='0'>");
        WritePageLine("<tr>");
        WritePageLine("<td width='230' height='100%' bgcolor='" + color(MenuBarColor) +
                      "'>&nbsp;</td>");
        WritePageLine("<td valign='top' align='left'>");
    } else {
        WritePageLine("<table bgcolor='" + color(MenuBarColor) +
                      "' width='100%' border='0' cellpadding='0' cellspacing='0'>");
        WritePageLine("<tr><td height='17'><font size='1'>&nbsp;</font></td></tr></table>");
    }
    WritePageLine("<p>&nbsp;<font size='1'>Created by Orvalink " ORVALINK_VERSION "</font><br>");
    WritePageLine("&nbsp;<font size='1'>Menus by Orvalink's own menu engine</font></p>");
    if (m_options.showStatistics) {
        WritePageLine("<p>&nbsp;This page has been created the " + m_date + " <br>&nbsp;(" +
                      QByteArray::number(m_options.folderCount) + " folders and " +
                      QByteArray::number(m_options.linkCount) + " links).");
    }
    WritePageLine("<script language='JavaScript1.2'>if (isNS4) {  document.write('<BR><p>&nbsp;"
                  "Please wait while Netscape is rendering the menu.<BR><font size=\"2\"> "
                  "&nbsp;(Note: this behavior is due to Netscape 4.x limitations handling very "
                  "large menu)</font>'); }</script>");
    if (vertical) {
        WritePageLine("</td>");
        WritePageLine("</tr>");
        WritePageLine("</table>");
    }
    writeDescriptions();
    WritePageLine("</body></html>");
    return m_itemsWritten;
}

// The menu descriptions are data for the engine, not a script the browser compiles: a browser
// takes seconds to compile a hundred thousand calls, the engine reads them as lines in a fraction
// of that. They come last, after everything the page shows, since the engine starts reading them
// while they still arrive: the bars and their first menus appear long before the last lines.
void MenuPageGenerator::writeDescriptions()
{
    WritePageLine("<script type=\"text/x-orvalink-menus\">");
    WritePageLine("with (pMenu)");
    WritePageLine("{");
    WritePageLine("");
    WritePageLine(m_options.vertical ? "startMenu('root', true, 0, 16, 230, hBar);"
                                     : "startMenu('root', false, 10, 0, 17, hBar);");
    if (!m_tree.isEmpty()) {
        WriteRootItems(FolderTree::root());
        WriteSubmenus(FolderTree::root());
    }
    WritePageLine("hideDelay=1500;");
    WritePageLine("};");
    WritePageLine("</script>");
}

void MenuPageGenerator::WritePageLine(QByteArrayView line)
{
    QByteArray& out = m_out.buffer();
    out += line;
    out += "\r\n";
    m_out.flushIfFull();
}

void MenuPageGenerator::WriteCssClass(int number, const QByteArray& colorCode)
{
    static constexpr std::array<QByteArrayView, 6> classes = {
        ".itemText { text-decoration: none; font: 12px Verdana, Arial, Helvetica; color: ",
        ".itemTextOver { text-decoration: none; font: 12px Verdana, Arial, Helvetica; color: ",
        ".itemTextRoot{ text-decoration: none; text-align: center; font: 12px Verdana, Arial, "
        "Helvetica; color: ",
        ".itemTextRootOver{ text-decoration: none; text-align: center; font: 12px Verdana, Arial, "
        "Helvetica; color: ",
        ".itemBorder { border: 1px solid ",
        ".itemBorderOver { border: 1px solid ",
    };
    WritePageLine(classes[static_cast<size_t>(number - 1)].toByteArray() + colorCode + " }");
}

void MenuPageGenerator::WriteItemStyle(QByteArrayView name, int length, int spacing,
                                       QByteArrayView popupIndicator, int popupPosition,
                                       int padding, QByteArrayView outClass,
                                       QByteArrayView overClass, QByteArrayView overBorder)
{
    QByteArray line = "var " + name.toByteArray() + " = new ItemStyle(";
    line += QByteArray::number(length) + ", " + QByteArray::number(spacing) + ", '";
    line += popupIndicator.toByteArray() + "', " + QByteArray::number(popupPosition) + ", ";
    line += QByteArray::number(padding) + ", '" + color(ItemBackgroundColor) + "', '" +
            color(ItemBackgroundOverColor) + "', '";
    line += outClass.toByteArray() + "', '" + overClass.toByteArray() + "', 'itemBorder', '";
    line += overBorder.toByteArray() + "', null, null, 'hand', 'default'); ";
    WritePageLine(line);
}

void MenuPageGenerator::writeItemStyles(QByteArrayView overBorder)
{
    if (m_options.vertical) {
        WriteItemStyle("hBar", 22, 3, "&gt;", -15, 1, "itemText", "itemTextOver", overBorder);
        WriteItemStyle("subM", 22, 0, "&gt;", -15, 1, "itemText", "itemTextOver", overBorder);
    } else {
        WriteItemStyle("hBar", 80, 5, "", 0, 0, "itemTextRoot", "itemTextRootOver", overBorder);
        WriteItemStyle("subM", 22, 0, "&gt;", -15, 2, "itemText", "itemTextOver", overBorder);
    }
}

void MenuPageGenerator::WriteStartMenu(QByteArrayView name, bool vertical, int left, int top,
                                       int width, QByteArrayView style)
{
    QByteArray line = "startMenu('m" + name.toByteArray() + "', ";
    line += vertical ? "true" : "false";
    line += ", " + QByteArray::number(left) + ", " + QByteArray::number(top) + ", " +
            QByteArray::number(width) + ", " + style.toByteArray() + ");";
    WritePageLine(line);
}

void MenuPageGenerator::WriteAddItem(const QString& text, QStringView target, ItemKind kind,
                                     int width)
{
    ++m_itemsWritten;
    QByteArrayView type;
    if (kind == ItemKind::Folder)
        type = "'sm:'";
    else if (target.startsWith(u"javascript:", Qt::CaseInsensitive))
        type = "'js:'";
    else
        type = m_options.openInNewWindow ? "'nw:'" : "''";

    QByteArray& out = m_out.buffer();
    out += " addItem('";
    appendScriptString(out, FitItemText(text, kMenuWidth, true));
    out += "', '";
    if (kind == ItemKind::Folder)
        out += 'm';
    appendScriptString(out, target);
    out += "', ";
    out += type;
    if (width != 0) {
        out += ", '', ";
        out += QByteArray::number(width);
    }
    out += ");\r\n";
    m_out.flushIfFull();
}

void MenuPageGenerator::WriteRootItems(int node)
{
    if (m_options.keepOrder && !isIncluded(node)) {
        for (const ExportedEntry& entry :
             entriesInSourceOrder(m_model, node, m_options.exportAll, false))
            writeRootItem(entry.index);
        return;
    }
    // Depth first in tree order; an included folder's subtree shows in its own submenu.
    std::vector<int> pending{node};
    while (!pending.empty()) {
        const int current = pending.back();
        pending.pop_back();
        if (isIncluded(current)) {
            writeRootItem(current);
            continue;
        }
        const std::vector<int>& children = m_tree.children(current);
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
}

void MenuPageGenerator::writeRootItem(int node)
{
    const QString& caption = m_tree.node(node).caption;
    const int width = rootItemWidth(textWidth(caption, true), m_options.vertical);
    WriteAddItem(caption, QString::number(FolderTree::index(node)), ItemKind::Folder, width);
    m_isRootItem[static_cast<size_t>(node)] = true;
}

void MenuPageGenerator::WriteSubmenus(int node)
{
    for (const int current : m_tree.subtree(node)) {
        if (isIncluded(current))
            writeSubmenu(current);
    }
}

void MenuPageGenerator::writeSubmenu(int node)
{
    const FolderTree::Node& folder = m_tree.node(node);
    m_progress.status(QCoreApplication::translate("orvalink::Progress", "Exporting From Folder: %1")
                          .arg(folder.caption));
    if (m_itemsWritten - m_itemsBeforeBlock >= kItemsPerDescriptionBlock) {
        // The lines go on as they are: the engine reads a block that does not name its set as
        // going on from the block before.
        WritePageLine("</script>");
        WritePageLine("<script type=\"text/x-orvalink-menus\">");
        m_itemsBeforeBlock = m_itemsWritten;
    }
    WritePageLine("");
    const QByteArray index = QByteArray::number(FolderTree::index(node));
    if (!m_options.vertical && m_isRootItem[static_cast<size_t>(node)])
        WriteStartMenu(index, true, 0, 20, kMenuWidth, "subM");
    else
        WriteStartMenu(index, true, 227, 0, kMenuWidth, "subM");

    const std::vector<ExportedEntry> items = submenuItems(node);
    const qsizetype total = static_cast<qsizetype>(items.size());
    if (total == 0) {
        WriteAddItem(QStringLiteral("(Empty)"), u"#", ItemKind::Link, 0);
        return;
    }

    // The "more..." rule: after every MaxItems - 1 entries the menu goes on in a continuation
    // menu, unless a single entry is left, which takes the place "more..." would take.
    for (qsizetype i = 0; i < total; ++i) {
        const ExportedEntry& item = items[static_cast<size_t>(i)];
        if (item.kind == EntryKind::Folder) {
            WriteAddItem(m_tree.node(item.index).caption,
                         QString::number(FolderTree::index(item.index)), ItemKind::Folder, 0);
        } else {
            const LinkRecord& link = m_model.link(item.index);
            WriteAddItem(link.Name, link.URL, ItemKind::Link, 0);
        }
        const qsizetype written = i + 1;
        if (total - written > 1 && written % (m_maxItems - 1) == 0) {
            const qsizetype shown = std::min<qsizetype>(total - written, m_maxItems);
            // The separator keeps names apart that would otherwise run together: node 1 at
            // entry 98 and node 19 at entry 8.
            const QByteArray name = "mo" + index + '_' + QByteArray::number(i);
            WriteAddItem(QStringLiteral("more..."), QString::fromLatin1(name), ItemKind::Folder, 0);
            WriteStartMenu(name, true, 227,
                           static_cast<int>(-kContinuationLiftPerItem * (shown - 1)), kMenuWidth,
                           "subM");
        }
    }
}

std::vector<ExportedEntry> MenuPageGenerator::submenuItems(int node)
{
    const int row = m_tree.node(node).tag;
    // A folder that cannot be listed simply has no links to show.
    m_model.ensureListed(row);
    std::vector<ExportedEntry> items;
    if (m_options.keepOrder) {
        // The menu engine has no separator item: a separator leaves no trace.
        for (const ExportedEntry& entry :
             entriesInSourceOrder(m_model, node, m_options.exportAll, true)) {
            if (entry.kind != EntryKind::Separator)
                items.push_back(entry);
        }
        return items;
    }
    for (const int subfolder : CollectSubfolders(m_tree, node, m_options.exportAll))
        items.push_back({EntryKind::Folder, subfolder});
    for (const int link : m_model.GetFolderLinks(row, m_options.exportAll))
        items.push_back({EntryKind::Link, link});
    return items;
}

} // namespace

Result<int, UserMessage> CreateMenuPage(BookmarkModel& model, const QString& pagePath,
                                        const MenuPageOptions& options, Progress& progress)
{
    AtomicTextFile file(pagePath,
                        QCoreApplication::translate("orvalink::MenuPageGenerator", "Menu Page"));
    if (Result<void, UserMessage> opened = file.open(); !opened)
        return opened.failure();
    const int itemsWritten = writeMenuPage(model, options, progress, file.output());
    if (Result<void, UserMessage> committed = file.commit(); !committed)
        return committed.failure();
    return itemsWritten;
}

int writeMenuPage(BookmarkModel& model, const MenuPageOptions& options, Progress& progress,
                  ChunkedOutput& out)
{
    return MenuPageGenerator(model, options, progress, out).writePage();
}

QString EscapeScriptString(QStringView text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (const char* replacement = scriptEscape(c.unicode()))
            escaped += QLatin1String(replacement);
        else
            escaped += c;
    }
    return escaped;
}

QString FitItemText(const QString& text, int maxWidth, bool bold)
{
    const int limit = maxWidth - 20;
    int width = textWidth(text, bold);
    if (width <= limit)
        return text;
    QString fitted = text;
    while (width > limit && !fitted.isEmpty()) {
        // Cut in proportion to the excess, one character more for the "..." to come.
        const qsizetype keep = std::max<qint64>(0, qint64(limit) * fitted.size() / width) - 1;
        fitted.truncate(characterBoundaryBefore(fitted, keep));
        width = textWidth(fitted, bold);
    }
    return fitted + QStringLiteral("...");
}

QString ColorToHtml(MenuColor color)
{
    char code[8];
    std::snprintf(code, sizeof code, "#%02X%02X%02X", color & 0xFF, (color >> 8) & 0xFF,
                  (color >> 16) & 0xFF);
    return QString::fromLatin1(code);
}

int rootItemWidth(int textWidth, bool vertical)
{
    constexpr int kDefaultLength = 80;
    if (vertical || textWidth <= kDefaultLength)
        return 0;
    // One and a half times the width, rounded half to even: 3w/2 is a whole number or lies
    // exactly half-way, and then goes to the even neighbour.
    const int tripled = 3 * std::min(textWidth, kMenuWidth);
    int width = tripled / 2;
    if (tripled % 2 != 0 && width % 2 != 0)
        ++width;
    return std::min(width, kMenuWidth);
}

std::vector<int> CollectSubfolders(const FolderTree& tree, int node, bool exportAll)
{
    std::vector<int> subfolders;
    std::vector<QString> captions;
    std::vector<int> pending;
    const std::vector<int>& children = tree.children(node);
    pending.assign(children.rbegin(), children.rend());
    while (!pending.empty()) {
        const int current = pending.back();
        pending.pop_back();
        if (exportAll || tree.node(current).checked) {
            subfolders.push_back(current);
            captions.push_back(tree.node(current).caption);
            continue;
        }
        const std::vector<int>& below = tree.children(current);
        pending.insert(pending.end(), below.rbegin(), below.rend());
    }
    std::vector<int> sorted;
    sorted.reserve(subfolders.size());
    for (const int position : caseBlindOrder(captions))
        sorted.push_back(subfolders[static_cast<size_t>(position)]);
    return sorted;
}

} // namespace orvalink
