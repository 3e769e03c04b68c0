#include "windows/window_settings.h"

#include "model/job.h"
#include "platform/file_helpers.h"
#include "settings/program_settings.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>
#include <optional>

namespace orvalink {

namespace {

const QString kSettings = QStringLiteral("Settings");
// Histories keep five entries.
constexpr int kHistoryLength = 5;

template <typename Control> Control* find(const QWidget& window, const QString& name)
{
    return window.findChild<Control*>(name);
}

QString arrayName(const QString& name, int index)
{
    return name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

// Check boxes store their state: 0 unchecked, 1 checked, 2 partly checked.
void loadCheckBox(SettingsReader& reader, const QWidget& window, const QString& name,
                  const QString& key, qint32 fallback)
{
    auto* box = find<QCheckBox>(window, name);
    if (!box)
        return;
    const std::optional<qint32> value = reader.integer(kSettings, key, fallback);
    if (!value)
        return;
    if (*value == 0)
        box->setCheckState(Qt::Unchecked);
    else if (*value == 1)
        box->setCheckState(Qt::Checked);
    else if (*value == 2)
        box->setCheckState(Qt::PartiallyChecked);
}

void saveCheckBox(SettingsWriter& writer, const QWidget& window, const QString& name,
                  const QString& key)
{
    if (const auto* box = find<QCheckBox>(window, name))
        writer.integer(kSettings, key,
                       box->checkState() == Qt::PartiallyChecked ? 2
                       : box->isChecked()                        ? 1
                                                                 : 0);
}

// Option buttons: any value but 0 selects. Clearing one is possible even in an exclusive
// group, so that a file saying "none of them" is shown as it says.
void setOptionButton(QAbstractButton& button, bool selected)
{
    if (button.isChecked() == selected)
        return;
    if (selected) {
        button.setChecked(true);
        return;
    }
    QButtonGroup* group = button.group();
    const bool groupExclusive = group && group->exclusive();
    const bool autoExclusive = button.autoExclusive();
    if (groupExclusive)
        group->setExclusive(false);
    button.setAutoExclusive(false);
    button.setChecked(false);
    button.setAutoExclusive(autoExclusive);
    if (groupExclusive)
        group->setExclusive(true);
}

void loadOptionButton(SettingsReader& reader, const QWidget& window, const QString& name,
                      const QString& key, qint32 fallback)
{
    auto* button = find<QAbstractButton>(window, name);
    if (!button)
        return;
    if (const std::optional<qint32> value = reader.integer(kSettings, key, fallback))
        setOptionButton(*button, *value != 0);
}

void saveOptionButton(SettingsWriter& writer, const QWidget& window, const QString& name,
                      const QString& key)
{
    if (const auto* button = find<QAbstractButton>(window, name))
        writer.integer(kSettings, key, button->isChecked() ? -1 : 0);
}

void loadFavoritesLocation(SettingsReader& reader, Job& job)
{
    const std::optional<QString> location = reader.text(kSettings, QStringLiteral("FavLocation"));
    if (location && FolderExists(*location))
        job.IELocation = *location;
}

void saveFavoritesLocation(SettingsWriter& writer, const QWidget& window)
{
    if (const auto* field = find<QLineEdit>(window, QStringLiteral("txtIELoc")))
        writer.text(kSettings, QStringLiteral("FavLocation"), field->text());
}

// The options the Favorites export window and the Firefox-Opera window share.
void loadWriterOptions(SettingsReader& reader, const QWidget& window)
{
    loadCheckBox(reader, window, QStringLiteral("chkBackup"), QStringLiteral("Backup"), 1);
    loadCheckBox(reader, window, QStringLiteral("chkLinksBefore"), QStringLiteral("LinksBefore"),
                 0);
    loadOptionButton(reader, window, QStringLiteral("optOldErase"), QStringLiteral("OldErase"), 0);
    loadOptionButton(reader, window, QStringLiteral("optOldMerge"), QStringLiteral("OldMerge"), -1);
    for (int i = 0; i <= 1; ++i)
        loadOptionButton(reader, window, arrayName(QStringLiteral("optWhere"), i),
                         QString::number(i) + QStringLiteral("Where"), -i);
}

void saveWriterOptions(SettingsWriter& writer, const QWidget& window)
{
    saveCheckBox(writer, window, QStringLiteral("chkBackup"), QStringLiteral("Backup"));
    saveCheckBox(writer, window, QStringLiteral("chkLinksBefore"), QStringLiteral("LinksBefore"));
    saveOptionButton(writer, window, QStringLiteral("optOldErase"), QStringLiteral("OldErase"));
    saveOptionButton(writer, window, QStringLiteral("optOldMerge"), QStringLiteral("OldMerge"));
    for (int i = 0; i <= 1; ++i)
        saveOptionButton(writer, window, arrayName(QStringLiteral("optWhere"), i),
                         QString::number(i) + QStringLiteral("Where"));
}

enum class History { BookmarkFile, Hotlist };

QString historyKey(History history, int index)
{
    return QString::number(index) + (history == History::BookmarkFile
                                         ? QStringLiteral("NNLocation")
                                         : QStringLiteral("OperaHotlist"));
}

// The file of a history entry: a bookmark file entry may read "<profile> path".
QString historyPath(History history, const QString& entry)
{
    if (history == History::Hotlist)
        return entry;
    const qsizetype marker = entry.lastIndexOf(QLatin1Char('>'));
    return marker < 0 ? entry : entry.mid(marker + 2);
}

void loadHistory(History history, QComboBox& list, SettingsReader& reader)
{
    for (int i = 0; i < kHistoryLength; ++i) {
        const std::optional<QString> entry = reader.text(kSettings, historyKey(history, i));
        if (!entry || !FileExists(historyPath(history, *entry)))
            continue;
        list.addItem(*entry);
        if (i == 0)
            list.setCurrentIndex(list.count() - 1);
    }
}

void saveHistory(History history, const QComboBox& list, SettingsWriter& writer)
{
    for (int i = 0; i < kHistoryLength; ++i)
        writer.text(kSettings, historyKey(history, i), QString());
    int written = 0;
    for (int item = 1; item < list.count(); ++item) {
        const QString entry = list.itemText(item);
        // Discovered hotlists are found again at the next start.
        if (history == History::Hotlist && entry.startsWith(QLatin1Char('<')))
            continue;
        writer.text(kSettings, historyKey(history, written++), entry);
    }
}

void loadHistoryInto(History history, const QWidget& window, const QString& listName,
                     SettingsReader& reader)
{
    if (auto* list = find<QComboBox>(window, listName))
        loadHistory(history, *list, reader);
}

void saveHistoryOf(History history, const QWidget& window, const QString& listName,
                   SettingsWriter& writer)
{
    if (const auto* list = find<QComboBox>(window, listName))
        saveHistory(history, *list, writer);
}

History historyOfHotlistWhen(bool hotlist)
{
    return hotlist ? History::Hotlist : History::BookmarkFile;
}

QString menuLocationKey(int index)
{
    return QString::number(index) + QStringLiteral("MenuLocation");
}

void loadMenuHistory(SettingsReader& reader, const QWidget& window, Job& job)
{
    auto* list = find<QComboBox>(window, QStringLiteral("cboDHTMLLoc"));
    if (!list)
        return;
    for (int i = 0; i < kHistoryLength; ++i) {
        const std::optional<QString> entry = reader.text(kSettings, menuLocationKey(i));
        if (!entry || !DestinationPathValid(*entry))
            continue;
        list->addItem(*entry);
        if (i == 0)
            job.MenuFileLocation = *entry;
    }
}

void saveMenuHistory(const QWidget& window, SettingsWriter& writer)
{
    const auto* list = find<QComboBox>(window, QStringLiteral("cboDHTMLLoc"));
    if (!list)
        return;
    for (int i = 0; i < kHistoryLength; ++i)
        writer.text(kSettings, menuLocationKey(i),
                    i < list->count() ? list->itemText(i) : QString());
}

// The menu window's check boxes, with their keys and first-start values.
struct MenuOption
{
    const char16_t* control;
    const char16_t* key;
    qint32 fallback;
};

constexpr MenuOption kMenuOptions[] = {
    {u"chkOpenNew", u"OpenInNewWin", 1},      {u"chkShowUrl", u"ShowURL", 1},
    {u"chkVertical", u"Vertical", 0},         {u"chkShadows", u"Shadows", 1},
    {u"chkShowStatistics", u"Statistics", 0}, {u"chkMaxItems", u"BreakVertical", 1},
    {u"chkShowBrowser", u"ShowInBrowser", 1},
};

// The preset chosen last: the menu window lists its presets in "cboMenuColor" before it loads
// its options, and selecting the entry applies the preset. A name no entry has exactly (a
// preset deleted since) selects "<Custom>".
void loadColorPreset(SettingsReader& reader, const QWidget& window)
{
    auto* presets = find<QComboBox>(window, QStringLiteral("cboMenuColor"));
    if (!presets)
        return;
    const std::optional<QString> name = reader.text(kSettings, QStringLiteral("ColorPreset"));
    if (!name)
        return;
    const int entry = presets->findText(*name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    presets->setCurrentIndex(entry >= 0 ? entry : 0);
}

void loadMenuOptions(SettingsReader& reader, const QWidget& window)
{
    loadColorPreset(reader, window);
    for (const MenuOption& option : kMenuOptions)
        loadCheckBox(reader, window, QString::fromUtf16(option.control),
                     QString::fromUtf16(option.key), option.fallback);
    if (auto* title = find<QLineEdit>(window, QStringLiteral("txtPageTitle"))) {
        if (const auto text = reader.text(kSettings, QStringLiteral("PageTitle"),
                                          QStringLiteral("Bookmarks By Orvalink")))
            title->setText(*text);
    }
    if (auto* breakAfter = find<QLineEdit>(window, QStringLiteral("txtMaxItems"))) {
        if (const auto items = reader.integer(kSettings, QStringLiteral("BreakAfter"), 25))
            breakAfter->setText(QString::number(*items));
    }
}

void saveMenuOptions(SettingsWriter& writer, const QWidget& window)
{
    if (const auto* presets = find<QComboBox>(window, QStringLiteral("cboMenuColor")))
        writer.text(kSettings, QStringLiteral("ColorPreset"), presets->currentText());
    for (const MenuOption& option : kMenuOptions)
        saveCheckBox(writer, window, QString::fromUtf16(option.control),
                     QString::fromUtf16(option.key));
    if (const auto* title = find<QLineEdit>(window, QStringLiteral("txtPageTitle")))
        writer.text(kSettings, QStringLiteral("PageTitle"), title->text());
    // A text that is no 16-bit number (empty) leaves the value saved before.
    if (const auto* breakAfter = find<QLineEdit>(window, QStringLiteral("txtMaxItems"))) {
        bool number = false;
        const short items = breakAfter->text().trimmed().toShort(&number);
        if (number)
            writer.integer(kSettings, QStringLiteral("BreakAfter"), items);
    }
}

SavedWindow savedWindow(int windowIndex)
{
    switch (windowIndex) {
    case 1:
        return SavedWindow::Main;
    case 3:
        return SavedWindow::Selection;
    default:
        return SavedWindow::Export;
    }
}

} // namespace

void LoadWindowSettings(ProgramSettings& settings, int windowIndex, QWidget& window, Job& job)
{
    SettingsReader reader(settings);
    LoadWindowPosition(savedWindow(windowIndex), window, reader);
    const QString fromList = QStringLiteral("cboFromLoc");
    const QString toList = QStringLiteral("cboNNLoc");
    switch (windowIndex) {
    case 2:
    case 7:
        loadFavoritesLocation(reader, job);
        loadWriterOptions(reader, window);
        loadHistoryInto(historyOfHotlistWhen(windowIndex == 7), window, toList, reader);
        break;
    case 4:
    case 9: {
        loadFavoritesLocation(reader, job);
        auto* root = find<QAbstractButton>(window, QStringLiteral("NNoptWhere(0)"));
        auto* newFolder = find<QAbstractButton>(window, QStringLiteral("NNoptWhere(1)"));
        if (root) {
            if (const auto value = reader.integer(kSettings, QStringLiteral("WhereRoot"), 0))
                setOptionButton(*root, *value != 0);
            if (newFolder)
                setOptionButton(*newFolder, !root->isChecked());
        }
        loadHistoryInto(historyOfHotlistWhen(windowIndex == 9), window, toList, reader);
        break;
    }
    case 5:
    case 6:
    case 11:
        if (windowIndex == 5)
            loadFavoritesLocation(reader, job);
        else
            loadHistoryInto(historyOfHotlistWhen(windowIndex == 11), window, toList, reader);
        loadMenuHistory(reader, window, job);
        loadMenuOptions(reader, window);
        break;
    case 8:
    case 10:
        loadWriterOptions(reader, window);
        loadHistoryInto(historyOfHotlistWhen(windowIndex == 10), window, fromList, reader);
        loadHistoryInto(historyOfHotlistWhen(windowIndex == 8), window, toList, reader);
        break;
    default:
        // The main window and the selection window keep only their position.
        break;
    }
}

void SaveWindowSettings(ProgramSettings& settings, int windowIndex, QWidget& window)
{
    SettingsWriter writer(settings);
    SaveWindowPosition(savedWindow(windowIndex), window, writer);
    const QString fromList = QStringLiteral("cboFromLoc");
    const QString toList = QStringLiteral("cboNNLoc");
    switch (windowIndex) {
    case 2:
    case 7:
        saveFavoritesLocation(writer, window);
        saveWriterOptions(writer, window);
        saveHistoryOf(historyOfHotlistWhen(windowIndex == 7), window, toList, writer);
        break;
    case 4:
    case 9:
        saveFavoritesLocation(writer, window);
        saveOptionButton(writer, window, QStringLiteral("NNoptWhere(0)"),
                         QStringLiteral("WhereRoot"));
        saveOptionButton(writer, window, QStringLiteral("NNoptWhere(1)"),
                         QStringLiteral("WhereNew"));
        saveHistoryOf(historyOfHotlistWhen(windowIndex == 9), window, toList, writer);
        break;
    case 5:
    case 6:
    case 11:
        if (windowIndex == 5)
            saveFavoritesLocation(writer, window);
        else
            saveHistoryOf(historyOfHotlistWhen(windowIndex == 11), window, toList, writer);
        saveMenuHistory(window, writer);
        saveMenuOptions(writer, window);
        break;
    case 8:
    case 10:
        saveWriterOptions(writer, window);
        saveHistoryOf(historyOfHotlistWhen(windowIndex == 10), window, fromList, writer);
        saveHistoryOf(historyOfHotlistWhen(windowIndex == 8), window, toList, writer);
        break;
    default:
        break;
    }
}

void LoadBookmarkFileHistory(ProgramSettings& settings, QComboBox& list)
{
    SettingsReader reader(settings);
    loadHistory(History::BookmarkFile, list, reader);
}

void SaveBookmarkFileHistory(ProgramSettings& settings, const QComboBox& list)
{
    SettingsWriter writer(settings);
    saveHistory(History::BookmarkFile, list, writer);
}

void LoadHotlistHistory(ProgramSettings& settings, QComboBox& list)
{
    SettingsReader reader(settings);
    loadHistory(History::Hotlist, list, reader);
}

void SaveHotlistHistory(ProgramSettings& settings, const QComboBox& list)
{
    SettingsWriter writer(settings);
    saveHistory(History::Hotlist, list, writer);
}

void LoadMenuLocationHistory(ProgramSettings& settings, QWidget& window, Job& job)
{
    SettingsReader reader(settings);
    loadMenuHistory(reader, window, job);
}

void SaveMenuLocationHistory(ProgramSettings& settings, QWidget& window)
{
    SettingsWriter writer(settings);
    saveMenuHistory(window, writer);
}

} // namespace orvalink
