// SPDX-License-Identifier: GPL-3.0-or-later
// Any names, addresses and page title in a menu page: every line of the menu script is one
// well-formed call whose string arguments no text can leave, so nothing ends the script or starts
// markup, and the title stays text.
//
// The input builds the tree: links, separators, folders opened and closed, and the page's
// options. The page is written into memory.
#include "forms/menu_page/menu_page_generator.h"
#include "model/model_builder.h"
#include "tests/fuzz/fuzz_support.h"

#include <QRegularExpression>

namespace orvalink::fuzz {

namespace {

// Reads a single-quoted script string from pos (just after its opening quote) and returns the
// position after its closing quote, or -1 when it is not well-formed: an unknown escape, or a
// raw line break or "<" inside it.
qsizetype afterStringLiteral(QStringView line, qsizetype pos)
{
    while (pos < line.size()) {
        const QChar c = line.at(pos++);
        if (c == u'\'')
            return pos;
        if (c == u'\n' || c == u'\r' || c == u'<')
            return -1;
        if (c != u'\\')
            continue;
        if (pos >= line.size())
            return -1;
        const QChar escaped = line.at(pos++);
        if (escaped == u'x') {
            static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{2}"));
            if (!hex.match(line.sliced(pos)).hasMatch())
                return -1;
            pos += 2;
        } else if (!QStringView(u"\\'nr").contains(escaped)) {
            return -1;
        }
    }
    return -1;
}

// " addItem('text', 'target', type[, '', width]);"
bool isAddItem(QStringView line)
{
    static const QStringView start = u" addItem('";
    static const QRegularExpression tail(
        QStringLiteral("^', ('sm:'|'js:'|'nw:'|'')(, '', \\d+)?\\);$"));
    if (!line.startsWith(start))
        return false;
    const qsizetype text = afterStringLiteral(line, start.size());
    if (text < 0 || !line.sliced(text).startsWith(u", '"))
        return false;
    const qsizetype target = afterStringLiteral(line, text + 3);
    return target >= 0 && tail.match(line.sliced(target - 1)).hasMatch();
}

bool isScriptLine(QStringView line)
{
    static const QRegularExpression startMenu(
        QStringLiteral("^startMenu\\('[A-Za-z0-9_]+', (true|false), -?\\d+, -?\\d+, \\d+, "
                       "(subM|hBar)\\);$"));
    return line.isEmpty() || isAddItem(line) || startMenu.match(line).hasMatch();
}

void checkPage(const QByteArray& page, int itemsWritten)
{
    const QStringList lines = QString::fromUtf8(page).split(QStringLiteral("\r\n"));
    const qsizetype menuStart = lines.indexOf(QStringLiteral("with (pMenu)"));
    const qsizetype menuEnd = lines.indexOf(QStringLiteral("hideDelay=1500;"));
    check(menuStart >= 0 && menuEnd > menuStart && lines.value(menuStart + 1) == u"{",
          "the page builds its menu in one block");
    int items = 0;
    for (qsizetype i = menuStart + 2; i < menuEnd; ++i) {
        check(isScriptLine(lines[i]), "every menu script line is a well-formed call",
              [&] { return visible(lines[i]); });
        items += lines[i].startsWith(u" addItem(") ? 1 : 0;
    }
    check(items == itemsWritten, "every item written is one line of its own",
          [&] { return QStringLiteral("%1 lines for %2 items").arg(items).arg(itemsWritten); });
    for (const QString& line : lines) {
        if (line.startsWith(u"<title>")) {
            check(line.endsWith(u"</title>") && !line.sliced(7, line.size() - 15).contains(u'<'),
                  "the page title is text", [&] { return visible(line); });
        }
    }
}

std::unique_ptr<BookmarkModel> treeOf(FuzzedDataProvider& data)
{
    ModelBuilder tree(FormId::BookmarkFile, QStringLiteral("fuzz"), QStringLiteral("Bookmarks"));
    for (int entries = 0; data.remaining_bytes() > 0 && entries < 200; ++entries) {
        switch (data.ConsumeIntegralInRange(0, 4)) {
        case 0:
            tree.openFolder(consumeText(data));
            break;
        case 1:
            tree.closeFolder();
            break;
        case 2:
            tree.addSeparator();
            break;
        default: {
            const QString name = consumeText(data);
            QString url = consumeText(data, 128);
            if (url.isEmpty())
                url = QStringLiteral("about:blank");
            tree.addLink(name, url);
            break;
        }
        }
    }
    return tree.finish();
}

} // namespace

} // namespace orvalink::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace orvalink;
    using namespace orvalink::fuzz;
    FuzzedDataProvider provider(data, size);
    MenuPageOptions options;
    options.date = QDate(2024, 3, 5);
    options.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    options.vertical = provider.ConsumeBool();
    options.openInNewWindow = provider.ConsumeBool();
    options.showUrl = provider.ConsumeBool();
    options.shadows = provider.ConsumeBool();
    options.showStatistics = provider.ConsumeBool();
    options.exportAll = provider.ConsumeBool();
    options.keepOrder = provider.ConsumeBool();
    if (provider.ConsumeBool())
        options.breakAfter = provider.ConsumeIntegralInRange(2, 99);
    else
        options.breakAfter.reset();
    options.pageTitle = consumeText(provider);
    const std::vector<bool> checks = [&] {
        std::vector<bool> folders;
        for (int i = 0; i < 32; ++i)
            folders.push_back(provider.ConsumeBool());
        return folders;
    }();

    const std::unique_ptr<BookmarkModel> tree = treeOf(provider);
    BookmarkModel& model = *tree;
    if (!options.exportAll) {
        for (int row = 1; row < model.folderCount(); ++row) {
            if (checks[static_cast<size_t>(row) % checks.size()])
                model.ApplyFolderCheck(row, true);
        }
    }
    Progress quiet;
    QByteArray page;
    ChunkedOutput out(page);
    const int items = writeMenuPage(model, options, quiet, out);
    checkPage(page, items);
    return 0;
}
