// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/menu_window.h"

#include "forms/form_table.h"
#include "platform/file_helpers.h"
#include "platform/special_folders.h"
#include "ui/icons.h"
#include "windows/location_list.h"
#include "windows/menu_color_widgets.h"
#include "windows/what_to_export.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <functional>

namespace orvalink {

namespace {

// The tab pages.
constexpr int kBookmarksTab = 0;
constexpr int kMenuTab = 1;

// "Break Submenu After" takes 2 to 99 items.
constexpr int kFewestItems = 2;
constexpr int kMostItems = 99;

const char* const kMenuLocationCaption =
    QT_TRANSLATE_NOOP("orvalink::Form5", "Location of the &DHTML Menu:");

// The hover texts of the colour boxes, by slot.
const std::array<const char*, MenuColorSlotCount> kColorTags{
    QT_TRANSLATE_NOOP("orvalink::Form5", "Color of the Menu Item Text"),
    QT_TRANSLATE_NOOP("orvalink::Form5", "Color of the Menu Item Text on MouseOver"),
    QT_TRANSLATE_NOOP("orvalink::Form5", "Background Color of the Menu Items"),
    QT_TRANSLATE_NOOP("orvalink::Form5", "Background Color of the Menu Items on MouseOver"),
    QT_TRANSLATE_NOOP("orvalink::Form5", "Border Color of the Menu Items"),
    QT_TRANSLATE_NOOP("orvalink::Form5", "Border Color of the Menu Items on MouseOver"),
    QT_TRANSLATE_NOOP("orvalink::Form5", "Background Color of the Page"),
    QT_TRANSLATE_NOOP("orvalink::Form5", "Color of the Top Menu Bar"),
};

bool isOn(const QCheckBox* box)
{
    return box->isChecked() && box->isEnabled();
}

// A field that reports when the user leaves it for another control of the window, once it has
// let go of the focus itself (and with it its selection). Losing the focus to another window,
// a message box among them, is no leaving.
class LeavingLineEdit : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;

    std::function<void()> onLeft;

protected:
    void focusOutEvent(QFocusEvent* event) override
    {
        QLineEdit::focusOutEvent(event);
        switch (event->reason()) {
        case Qt::MouseFocusReason:
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
        case Qt::OtherFocusReason:
            if (onLeft)
                onLeft();
            break;
        default:
            break;
        }
    }
};

} // namespace

Form5::Form5(Job& job, ProgramSettings& settings, Dialogs& dialogs,
             std::unique_ptr<ProcessTable> processes, QWidget* owner)
    : ConversionWindow(job, settings, dialogs, std::move(processes), owner)
    , m_presets(settings.colorPresetFile())
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(conversionTitle());
    setWindowIcon(conversionIcon(mode()));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    QTabWidget* tabs =
        createTabStrip({tr("&Bookmarks"), tr("&Menu Properties"), tr("&Page Properties")});
    layout->addWidget(tabs, 1);
    buildBookmarksPage(tabPage(kBookmarksTab));
    buildMenuPage(tabPage(kMenuTab));
    buildPagePage(tabPage(2));
    auto* bottom = new QWidget(central);
    buildButtons(bottom);
    layout->addWidget(bottom);
    setCentralWidget(central);

    // The presets are listed before the saved options are read: those select the preset chosen
    // last.
    m_presets.InstallBuiltInPresets();
    m_presets.LoadColorPresets();
    listPresets(0);
    loadSettings();
    breakAfterToggled();

    if (sourceForm().isFolder()) {
        showFavoritesFolder(m_favorites);
        if (m_favorites->text().isEmpty())
            rescanFavorites();
    } else {
        // The history's latest file is taken over as if chosen.
        m_sources->chooseCurrent();
    }
    choosePageOnLoad();

    if (m_sources) {
        m_sources->combo()->setFocus();
        discoverSources(*m_sources);
        m_sources->fitDropWidth();
    }
    m_pages->fitDropWidth();
    enableHoverHelp();
    // A colour box under the pointer comes to the front, above its neighbours' outlines.
    connect(&cat(), &cCaptureTheMouse::MouseEnter, this, [](QWidget* control) {
        if (qobject_cast<ColorBox*>(control))
            control->raise();
    });
    resize(sizeHint());
}

Form5::~Form5() = default;

QCheckBox* Form5::checkBox(const QString& name, const QString& caption, const QString& tag,
                           QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    setTag(box, tag);
    return box;
}

ColorBox* Form5::colorBox(int slot, QWidget* parent)
{
    auto* box = new ColorBox(parent);
    box->setObjectName(QStringLiteral("picColor(%1)").arg(slot));
    setTag(box, tr(kColorTags[static_cast<size_t>(slot)]));
    m_colorBoxes[static_cast<size_t>(slot)] = box;
    connect(box, &ColorBox::clicked, this, [this, slot] { pickColor(slot); });
    return box;
}

void Form5::buildBookmarksPage(QWidget* page)
{
    auto* location = new QGroupBox(tr("Filenames:"), page);
    location->setObjectName(QStringLiteral("fraLocationIE"));
    auto* grid = new QGridLayout(location);
    grid->setColumnStretch(0, 1);
    grid->setVerticalSpacing(6);

    if (sourceForm().isFolder()) {
        const FavoritesLocation favorites = createFavoritesLocation(
            location,
            {QStringLiteral("imgIE"), QStringLiteral("lblIELoc"), tr("Favorites Folder Location"),
             QStringLiteral("cmdIEBrowse"), QStringLiteral("cmdIEAuto")});
        m_favorites = favorites.field;
        grid->addLayout(favorites.heading, 0, 0, 1, 3);
        grid->addWidget(m_favorites, 1, 0);
        grid->addWidget(favorites.browse, 1, 1);
        grid->addWidget(favorites.autoButton, 1, 2);
        countFavoritesAsEdited(m_favorites);
    } else {
        auto* caption = new QLabel(textFor(sourceForm(), tr("Location of Fi&refox Bookmarks:"),
                                           tr("Location of Opera Hot&list:"),
                                           tr("Location of C&hromium Bookmarks:")),
                                   location);
        caption->setObjectName(QStringLiteral("lblNNLoc"));
        QComboBox* combo = locationCombo(QStringLiteral("cboNNLoc"), 36, location);
        labelField(caption, combo);
        m_sources = new LocationList(combo,
                                     textFor(sourceForm(), tr("- Please Select a Bookmark File -"),
                                             tr("- Please Select an Hotlist File -"),
                                             tr("- Please Select a Chromium Bookmark File -")),
                                     this);
        setSourceList(m_sources);
        auto* browse = browseButton(QStringLiteral("cmdNNBrowse"),
                                    folderIcon(sourceForm().id(), true), location);
        setTag(browse, textFor(sourceForm(), tr("Select the Bookmark File to Export"),
                               tr("Select the Opera Hotlist to Export"),
                               tr("Select the Chromium Bookmark File to Export")));
        grid->addLayout(
            heading(picture(textFor(sourceForm(), QStringLiteral("imgNN"), QStringLiteral("imgOP"),
                                    QStringLiteral("imgChromium")),
                            formIcon(sourceForm().id()), location),
                    caption),
            0, 0, 1, 3);
        grid->addWidget(combo, 1, 0);
        grid->addWidget(browse, 1, 1);

        connect(browse, &QPushButton::clicked, this, &Form5::browseSource);
        connect(m_sources, &LocationList::entryChosen, this, &Form5::sourceChosen);
    }

    m_pageLabel = new QLabel(tr(kMenuLocationCaption), location);
    m_pageLabel->setObjectName(QStringLiteral("Label1"));
    QComboBox* pages = locationCombo(QStringLiteral("cboDHTMLLoc"), 36, location);
    labelField(m_pageLabel, pages);
    m_pages = new LocationList(pages, QString(), this);
    setMenuList(pages);
    auto* browsePages =
        browseButton(QStringLiteral("cmdMenuFilename"), formIcon(destinationForm().id()), location);
    setTag(browsePages, tr("Select Where to Save the DHTML Menu"));
    grid->addLayout(
        heading(picture(QStringLiteral("imgMenu"), formIcon(destinationForm().id()), location),
                m_pageLabel),
        2, 0, 1, 3);
    grid->addWidget(pages, 3, 0);
    grid->addWidget(browsePages, 3, 1);
    connect(browsePages, &QPushButton::clicked, this, &Form5::browsePage);
    connect(m_pages, &LocationList::entryChosen, this, &Form5::pageChosen);

    WhatToExportNames names;
    names.select = QStringLiteral("cmdSelect");
    auto* what = new WhatToExportFrame(*this, names, page);
    setWhatFrame(what);
    if (m_sources)
        what->setSourceChosenTest([this] { return sourceFileChosen(); });

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(location);
    layout->addWidget(what);
    layout->addStretch(1);
}

void Form5::buildMenuPage(QWidget* page)
{
    auto* colorsFrame = new QGroupBox(tr("Menu Colors:"), page);
    colorsFrame->setObjectName(QStringLiteral("fraText"));
    auto* grid = new QGridLayout(colorsFrame);
    grid->setHorizontalSpacing(10);
    const QStringList columns{tr("MouseOut:"), tr("MouseOver:")};
    const QStringList rows{tr("Text:"), tr("Background:"), tr("Border:")};
    for (int column = 0; column < 2; ++column)
        grid->addWidget(new QLabel(columns[column], colorsFrame), 0, column + 1, Qt::AlignHCenter);
    for (int row = 0; row < 3; ++row) {
        grid->addWidget(new QLabel(rows[row], colorsFrame), row + 1, 0);
        for (int column = 0; column < 2; ++column)
            grid->addWidget(colorBox(row * 2 + column, colorsFrame), row + 1, column + 1,
                            Qt::AlignHCenter);
    }
    grid->setColumnStretch(3, 1);

    auto* presetCaption = new QLabel(tr("Menu Color Pr&eset:"), colorsFrame);
    presetCaption->setObjectName(QStringLiteral("Label6"));
    m_presetList = new QComboBox(colorsFrame);
    m_presetList->setObjectName(QStringLiteral("cboMenuColor"));
    setTag(m_presetList, tr("Choose a Menu Color Preset"));
    labelField(presetCaption, m_presetList);
    auto* save = new QPushButton(tr("&Save Preset..."), colorsFrame);
    save->setObjectName(QStringLiteral("cmdPresetSave"));
    save->setAutoDefault(false);
    setTag(save, tr("Save the Current Colors as a Menu Color Preset"));
    m_presetDelete = new QPushButton(tr("&Delete Preset"), colorsFrame);
    m_presetDelete->setObjectName(QStringLiteral("cmdPresetDelete"));
    m_presetDelete->setAutoDefault(false);
    setTag(m_presetDelete, tr("Delete the Selected Menu Color Preset"));
    auto* presetButtons = new QHBoxLayout;
    presetButtons->setSpacing(6);
    presetButtons->addWidget(save);
    presetButtons->addWidget(m_presetDelete);
    presetButtons->addStretch(1);
    grid->addWidget(presetCaption, 4, 0);
    grid->addWidget(m_presetList, 4, 1, 1, 3);
    grid->addLayout(presetButtons, 5, 1, 1, 3);
    grid->setRowMinimumHeight(4, m_presetList->sizeHint().height() + 6);

    m_preview = new MenuPreview(page);

    auto* options = new QWidget(page);
    options->setObjectName(QStringLiteral("fraMenuOptions"));
    auto* optionGrid = new QGridLayout(options);
    optionGrid->setContentsMargins(4, 0, 4, 0);
    m_openNew = checkBox(QStringLiteral("chkOpenNew"), tr("&Open Links in a New Window"),
                         tr("Open the Links in a New Browser Window"), options);
    m_showUrl = checkBox(QStringLiteral("chkShowUrl"), tr("Show &URL in the StatusBar"),
                         tr("Show the Link's URL in the Browser's StatusBar"), options);
    m_vertical = checkBox(QStringLiteral("chkVertical"), tr("&Vertical Menu"),
                          tr("Put the Top Menu Down the Left Side of the Page"), options);
    m_shadows = checkBox(QStringLiteral("chkShadows"), tr("Draw Menu S&hadows"),
                         tr("Draw Shadows Under the Submenus"), options);
    m_breakAfter = checkBox(QStringLiteral("chkMaxItems"), tr("Break Submenu &After"),
                            tr("Continue Long Submenus in a New Submenu"), options);
    m_keepOrder = checkBox(QStringLiteral("chkKeepOrder"), tr("&Keep the Order of the Source"),
                           tr("Keep Folders and Links in the Order of the Source "
                              "Instead of Sorting Them"),
                           options);
    auto* maxItems = new LeavingLineEdit(options);
    // The check runs once the focus has moved on (and a page the user turned to is shown), so
    // that it can bring the focus back. A click on the create button checks by itself.
    maxItems->onLeft = [this] {
        if (m_checkingMaxItems || m_leavingMaxItems)
            return;
        m_leavingMaxItems = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!m_leavingMaxItems)
                    return;
                m_leavingMaxItems = false;
                if (m_maxItems->isEnabled())
                    CheckMaxItems();
            },
            Qt::QueuedConnection);
    };
    m_maxItems = maxItems;
    m_maxItems->setObjectName(QStringLiteral("txtMaxItems"));
    nameByTag(m_maxItems, tr("Number of Items Before a Submenu Continues (2-99)"));
    // Digits only, at most two of them (typing over a selection replaces it).
    m_maxItems->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,2}")), m_maxItems));
    m_maxItems->setAlignment(Qt::AlignRight);
    m_maxItems->setFixedWidth(m_maxItems->fontMetrics().horizontalAdvance(QStringLiteral("000")) +
                              16);
    auto* items = new QLabel(tr("Items"), options);
    items->setObjectName(QStringLiteral("Label11"));
    auto* breakRow = new QHBoxLayout;
    breakRow->addWidget(m_breakAfter);
    breakRow->addWidget(m_maxItems);
    breakRow->addWidget(items);
    breakRow->addStretch(1);
    optionGrid->addWidget(m_openNew, 0, 0);
    optionGrid->addWidget(m_showUrl, 1, 0);
    optionGrid->addLayout(breakRow, 2, 0);
    optionGrid->addWidget(m_vertical, 0, 1);
    optionGrid->addWidget(m_shadows, 1, 1);
    optionGrid->addWidget(m_keepOrder, 2, 1);
    optionGrid->setColumnStretch(0, 1);
    optionGrid->setColumnStretch(1, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(colorsFrame, 3);
    top->addWidget(m_preview, 2);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(options);
    layout->addStretch(1);

    connect(m_presetList, &QComboBox::currentIndexChanged, this, [this](int entry) {
        if (!m_listingPresets)
            presetChosen(entry);
    });
    connect(save, &QPushButton::clicked, this, &Form5::savePreset);
    connect(m_presetDelete, &QPushButton::clicked, this, &Form5::deletePreset);
    connect(m_preview, &MenuPreview::colorClicked, this, &Form5::pickColor);
    connect(m_preview, &MenuPreview::statusText, this, [this](const QString& text) {
        if (text.isEmpty())
            statusBar1()->clearMessage();
        else
            statusBar1()->showMessage(text);
    });
    connect(m_breakAfter, &QCheckBox::toggled, this, &Form5::breakAfterToggled);
}

void Form5::buildPagePage(QWidget* page)
{
    auto* settings = new QGroupBox(tr("Page Settings:"), page);
    settings->setObjectName(QStringLiteral("Frame2"));
    auto* grid = new QGridLayout(settings);
    grid->setVerticalSpacing(8);

    auto* titleCaption = new QLabel(tr("&Title:"), settings);
    m_pageTitle = new QLineEdit(QStringLiteral("Bookmarks By Orvalink"), settings);
    m_pageTitle->setObjectName(QStringLiteral("txtPageTitle"));
    setTag(m_pageTitle, tr("Title of the Page"));
    labelField(titleCaption, m_pageTitle);
    grid->addWidget(titleCaption, 0, 0);
    grid->addWidget(m_pageTitle, 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Background Color:"), settings), 1, 0);
    grid->addWidget(colorBox(PageBackgroundColor, settings), 1, 1, Qt::AlignLeft);
    grid->addWidget(new QLabel(tr("Top Menu Bar Color:"), settings), 2, 0);
    grid->addWidget(colorBox(MenuBarColor, settings), 2, 1, Qt::AlignLeft);
    m_showStatistics = checkBox(QStringLiteral("chkShowStatistics"), tr("Show Page &Informations"),
                                tr("Show the Date and the Number of Folders and Links "
                                   "Below the Menu"),
                                settings);
    m_showBrowser =
        checkBox(QStringLiteral("chkShowBrowser"), tr("&When finished show in web browser"),
                 tr("Open the Page in the Web Browser When It Is Done"), settings);
    grid->addWidget(m_showStatistics, 3, 0, 1, 3);
    grid->addWidget(m_showBrowser, 4, 0, 1, 3);
    grid->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(settings);
    layout->addStretch(1);
}

void Form5::buildButtons(QWidget* bottom)
{
    auto* create = buildActionRow(bottom,
                                  {QStringLiteral("fraButtons"), QStringLiteral("cmdCreaDHTML"),
                                   tr("&Create the Menu"), tr("Create the DHTML Menu Page"),
                                   QStringLiteral("cmdExit")},
                                  {findChild<QPushButton*>(QStringLiteral("cmdIEBrowse")),
                                   findChild<QPushButton*>(QStringLiteral("cmdNNBrowse")),
                                   findChild<QPushButton*>(QStringLiteral("cmdMenuFilename"))});
    connect(create, &QPushButton::clicked, this, &Form5::create);
}

// Source -----------------------------------------------------------------------------------

void Form5::sourceChosen(const QString& entry)
{
    countChosenSource(entry);
}

void Form5::browseSource()
{
    const QString chosen = dialogs().openFile(this, sourceFileDialog());
    if (chosen.isEmpty() || chosen == m_sources->currentEntry())
        return;
    takeBrowsedSource(chosen);
}

// Page file --------------------------------------------------------------------------------

void Form5::pageChosen(const QString& entry)
{
    job().MenuFileLocation = entry;
    m_pages->setChosenPath(entry);
    showPageState();
}

void Form5::browsePage()
{
    const QString chosen = dialogs().saveFile(
        this, destinationFileRequest(destinationForm(), tr("Select Where To Save The DHTML Menu"),
                                     m_pages->currentPath()));
    if (chosen.isEmpty())
        return;
    m_pages->addBrowsed(chosen, BrowsedPlace::First, BrowsedLimit::AllEntries);
    m_pages->chooseEntry(chosen);
}

void Form5::showPageState()
{
    m_pageLabel->setText(tr(kMenuLocationCaption) + (FileExists(job().MenuFileLocation)
                                                         ? tr(" (File Exists)")
                                                         : tr(" (New File)")));
}

void Form5::choosePageOnLoad()
{
    // The history gave the job its page when its latest entry is still usable; otherwise the
    // page goes into the user's documents.
    if (job().MenuFileLocation.isEmpty()) {
        QString documents = GetSpecialFolder(SpecialFolder::Documents);
        if (documents.isEmpty())
            documents = QDir::homePath();
        job().MenuFileLocation = documents + QStringLiteral("/Orvalink_Menu.html");
        m_pages->combo()->addItem(job().MenuFileLocation);
    } else if (m_pages->entryCount() == 0) {
        // The page of the job before, whose folder has gone since.
        m_pages->combo()->addItem(job().MenuFileLocation);
    }
    m_pages->choose(0);
}

// Colours and presets ---------------------------------------------------------------------

MenuColors Form5::colors() const
{
    MenuColors colors{};
    for (size_t slot = 0; slot < colors.size(); ++slot)
        colors[slot] = m_colorBoxes[slot]->color();
    return colors;
}

void Form5::showColors(const MenuColors& colors)
{
    for (size_t slot = 0; slot < colors.size(); ++slot)
        m_colorBoxes[slot]->setColor(colors[slot]);
    m_preview->draw(colors, false);
}

void Form5::listPresets(int selected)
{
    m_listingPresets = true;
    m_presetList->clear();
    for (const MenuColorPresets::Entry& entry : m_presets.entries())
        m_presetList->addItem(entry.name, entry.row);
    m_presetList->setCurrentIndex(selected);
    m_listingPresets = false;
    presetChosen(selected);
}

void Form5::presetChosen(int entry)
{
    if (entry < 0)
        return;
    showColors(m_presets.ApplyColorPreset(m_presetList->itemData(entry).toInt()));
    m_presetDelete->setEnabled(entry != 0);
}

void Form5::pickColor(int slot)
{
    ColorBox* box = m_colorBoxes[static_cast<size_t>(slot)];
    const std::optional<QColor> picked = dialogs().pickColor(this, toQColor(box->color()));
    if (picked && toMenuColor(*picked) != box->color()) {
        box->setColor(toMenuColor(*picked));
        // Colours set by hand are "<Custom>"'s.
        m_presets.StoreCustomColors(colors());
        if (m_presetList->currentIndex() != 0)
            m_presetList->setCurrentIndex(0);
    }
    m_preview->draw(colors(), false);
}

void Form5::savePreset()
{
    const QString name =
        dialogs()
            .input(this, tr("Save Menu Color Preset"),
                   tr("Please, Insert the name of the Menu Color Preset:"), QString())
            .trimmed();
    // Names beginning with "<" are kept for "<Custom>"; a cancelled box gives "".
    if (MenuColorPresets::isRefusedName(name))
        return;
    if (m_presets.entryOverwrittenBy(name) >= 0) {
        const bool overwrite = dialogs().question(
            this, UserMessage{tr("Confirm Overwriting"),
                              {tr("The name %1 already exists.").arg(name),
                               tr("Do You want to overwrite the existing Menu Color "
                                  "Preset?")},
                              MessageIcon::Question});
        if (!overwrite)
            return;
    }
    const Result<int> saved = m_presets.savePreset(name, colors());
    if (saved)
        listPresets(saved.value());
}

void Form5::deletePreset()
{
    const int entry = m_presetList->currentIndex();
    if (entry <= 0)
        return;
    const bool confirmed = dialogs().question(
        this, UserMessage{tr(" Confirm Deleting"),
                          {tr("Really delete the current Menu Color Preset \"%1\"?")
                               .arg(m_presetList->itemText(entry))},
                          MessageIcon::Question});
    if (!confirmed)
        return;
    // A store that refuses still loses the entry until the window opens again.
    static_cast<void>(m_presets.deletePreset(entry));
    listPresets(0);
}

// Options and creating ---------------------------------------------------------------------

void Form5::showSavedOptions(SettingsReader& reader)
{
    const MenuWindowOptions options = LoadOptions<MenuWindowOptions>(reader);
    const int preset = m_presets.findEntry(options.colorPreset);
    m_presetList->setCurrentIndex(preset >= 0 ? preset : 0);
    m_openNew->setChecked(options.openInNewWindow);
    m_showUrl->setChecked(options.showUrl);
    m_vertical->setChecked(options.vertical);
    m_shadows->setChecked(options.shadows);
    m_showStatistics->setChecked(options.showStatistics);
    m_pageTitle->setText(options.pageTitle);
    m_breakAfter->setChecked(options.breakSubmenus);
    m_maxItems->setText(QString::number(options.breakAfter));
    m_shownBreakAfter = options.breakAfter;
    m_showBrowser->setChecked(options.showInBrowser);
    m_keepOrder->setChecked(options.keepOrder);
}

void Form5::saveOptions(SettingsWriter& writer) const
{
    SaveOptions(writer, windowOptions());
}

MenuWindowOptions Form5::windowOptions() const
{
    MenuWindowOptions options;
    options.colorPreset = m_presetList->currentText();
    options.openInNewWindow = m_openNew->isChecked();
    options.showUrl = m_showUrl->isChecked();
    options.vertical = m_vertical->isChecked();
    options.shadows = m_shadows->isChecked();
    options.showStatistics = m_showStatistics->isChecked();
    options.pageTitle = m_pageTitle->text();
    options.breakSubmenus = m_breakAfter->isChecked();
    bool isNumber = false;
    const short items = m_maxItems->text().trimmed().toShort(&isNumber);
    options.breakAfter = isNumber ? items : m_shownBreakAfter;
    options.showInBrowser = m_showBrowser->isChecked();
    options.keepOrder = m_keepOrder->isChecked();
    return options;
}

void Form5::breakAfterToggled()
{
    m_maxItems->setEnabled(m_breakAfter->isChecked());
}

bool Form5::CheckMaxItems()
{
    m_leavingMaxItems = false;
    const int items = m_maxItems->text().trimmed().toInt();
    if (items >= kFewestItems && items <= kMostItems)
        return true;
    m_checkingMaxItems = true;
    if (tabStrip() && !tabStrip()->currentWidget()->isAncestorOf(m_maxItems))
        tabStrip()->setCurrentIndex(kMenuTab);
    m_maxItems->selectAll();
    m_maxItems->setFocus();
    dialogs().message(this, UserMessage{tr("Orvalink"),
                                        {tr("Please, insert a number in range [2-99]")},
                                        MessageIcon::None});
    m_maxItems->setFocus();
    m_checkingMaxItems = false;
    return false;
}

MenuPageOptions Form5::pageOptions() const
{
    MenuPageOptions options;
    options.colors = colors();
    options.vertical = isOn(m_vertical);
    options.openInNewWindow = isOn(m_openNew);
    options.showUrl = isOn(m_showUrl);
    options.shadows = isOn(m_shadows);
    options.showStatistics = isOn(m_showStatistics);
    options.breakAfter = isOn(m_breakAfter)
                             ? std::optional<int>(m_maxItems->text().trimmed().toInt())
                             : std::nullopt;
    options.pageTitle = m_pageTitle->text();
    options.keepOrder = isOn(m_keepOrder);
    options.exportAll = whatFrame()->exportsAll();
    return options;
}

void Form5::create()
{
    // The range is checked even when no break is asked for.
    if (!CheckMaxItems())
        return;
    if (m_sources && m_sources->isPlaceholderShown()) {
        dialogs().message(this, UserMessage{tr("Bookmark File Not Selected"),
                                            {tr("Please, Select A Bookmark File.")},
                                            MessageIcon::Information});
        showFirstTab();
        m_sources->combo()->setFocus();
        return;
    }
    ExportRequest request;
    request.menu = pageOptions();
    runExport(request, isOn(m_showBrowser) ? OnCompletion::OpenResult : OnCompletion::ShowMessage);
    if (FileExists(job().MenuFileLocation))
        showPageState();
}

} // namespace orvalink
