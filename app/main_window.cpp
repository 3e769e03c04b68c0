// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/main_window.h"

#include "app/help_page.h"
#include "forms/form_table.h"
#include "model/job.h"
#include "ui/about_window.h"
#include "ui/dialogs.h"
#include "ui/icons.h"
#include "ui/themed_button.h"
#include "ui/window_placement.h"
#include "windows/favorites_export_window.h"
#include "windows/favorites_import_window.h"
#include "windows/firefox_opera_window.h"
#include "windows/menu_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QWindow>
#include <optional>
#include <utility>
#include <vector>

namespace orvalink {

namespace {

// The tags of the first level and of the back button. A tag is compared as it stands here and
// shown translated.
const QString kTagFromIE = QStringLiteral(
    QT_TRANSLATE_NOOP("orvalink::Form1", "Export Favorites from Internet Explorer to ..."));
const QString kTagFromFirefox =
    QStringLiteral(QT_TRANSLATE_NOOP("orvalink::Form1", "Export Bookmarks from Firefox to ..."));
const QString kTagFromOpera =
    QStringLiteral(QT_TRANSLATE_NOOP("orvalink::Form1", "Export Bookmarks from Opera to ..."));
const QString kTagFromChromium =
    QStringLiteral(QT_TRANSLATE_NOOP("orvalink::Form1", "Export Bookmarks from Chromium to ..."));
const QString kTagBack =
    QStringLiteral(QT_TRANSLATE_NOOP("orvalink::Form1", "Go Back to Main Window"));
// Button 3's tag once the first level is back: a tag no click acts on.
const QString kTagLastSelection =
    QStringLiteral(QT_TRANSLATE_NOOP("orvalink::Form1", "(Last Selection)"));

// One button of the panel: its tag, the short caption under its picture (the tag in the status
// bar says the rest), and the conversion it opens, if any.
struct PanelButton
{
    QString tag;
    const char* caption;
    std::optional<ExportMode> mode;
};

// The buttons by index. The Chromium family came after the first thirteen, which keep theirs.
const std::array<PanelButton, Form1::kButtonCount> kPanelButtons{{
    {kTagFromIE, QT_TRANSLATE_NOOP("orvalink::Form1", "IE Favorites"), std::nullopt},
    {kTagFromFirefox, QT_TRANSLATE_NOOP("orvalink::Form1", "Firefox"), std::nullopt},
    {kTagFromOpera, QT_TRANSLATE_NOOP("orvalink::Form1", "Opera"), std::nullopt},
    {kTagBack, QT_TRANSLATE_NOOP("orvalink::Form1", "Back"), std::nullopt},
    {QStringLiteral(QT_TRANSLATE_NOOP("orvalink::Form1",
                                      "Export Favorites from Internet Explorer to Firefox")),
     QT_TRANSLATE_NOOP("orvalink::Form1", "Firefox"), ExportMode::IEToFirefox},
    {QStringLiteral(
         QT_TRANSLATE_NOOP("orvalink::Form1", "Export Favorites from Internet Explorer to Opera")),
     QT_TRANSLATE_NOOP("orvalink::Form1", "Opera"), ExportMode::IEToOpera},
    {QStringLiteral(QT_TRANSLATE_NOOP("orvalink::Form1", "Export Favorites in a Cascading Menu")),
     QT_TRANSLATE_NOOP("orvalink::Form1", "Menu Page"), ExportMode::IEToMenu},
    {QStringLiteral(QT_TRANSLATE_NOOP("orvalink::Form1",
                                      "Export Bookmarks from Firefox to Internet Explorer")),
     QT_TRANSLATE_NOOP("orvalink::Form1", "IE Favorites"), ExportMode::FirefoxToIE},
    {QStringLiteral(QT_TRANSLATE_NOOP("orvalink::Form1", "Export Bookmarks from Firefox to Opera")),
     QT_TRANSLATE_NOOP("orvalink::Form1", "Opera"), ExportMode::FirefoxToOpera},
    {QStringLiteral(
         QT_TRANSLATE_NOOP("orvalink::Form1", "Export Firefox Bookmarks in a Cascading Menu")),
     QT_TRANSLATE_NOOP("orvalink::Form1", "Menu Page"), ExportMode::FirefoxToMenu},
    {QStringLiteral(
         QT_TRANSLATE_NOOP("orvalink::Form1", "Export Bookmarks from Opera to Internet Explorer")),
     QT_TRANSLATE_NOOP("orvalink::Form1", "IE Favorites"), ExportMode::OperaToIE},
    {QStringLiteral(QT_TRANSLATE_NOOP("orvalink::Form1", "Export Bookmarks from Opera to Firefox")),
     QT_TRANSLATE_NOOP("orvalink::Form1", "Firefox"), ExportMode::OperaToFirefox},
    {QStringLiteral(
         QT_TRANSLATE_NOOP("orvalink::Form1", "Export Opera Bookmarks in a Cascading Menu")),
     QT_TRANSLATE_NOOP("orvalink::Form1", "Menu Page"), ExportMode::OperaToMenu},
    {kTagFromChromium, QT_TRANSLATE_NOOP("orvalink::Form1", "Chromium"), std::nullopt},
    {QStringLiteral(QT_TRANSLATE_NOOP("orvalink::Form1",
                                      "Export Favorites from Internet Explorer to Chromium")),
     QT_TRANSLATE_NOOP("orvalink::Form1", "Chromium"), ExportMode::IEToChromium},
    {QStringLiteral(
         QT_TRANSLATE_NOOP("orvalink::Form1", "Export Bookmarks from Firefox to Chromium")),
     QT_TRANSLATE_NOOP("orvalink::Form1", "Chromium"), ExportMode::FirefoxToChromium},
    {QStringLiteral(
         QT_TRANSLATE_NOOP("orvalink::Form1", "Export Bookmarks from Opera to Chromium")),
     QT_TRANSLATE_NOOP("orvalink::Form1", "Chromium"), ExportMode::OperaToChromium},
    {QStringLiteral(QT_TRANSLATE_NOOP("orvalink::Form1",
                                      "Export Bookmarks from Chromium to Internet Explorer")),
     QT_TRANSLATE_NOOP("orvalink::Form1", "IE Favorites"), ExportMode::ChromiumToIE},
    {QStringLiteral(
         QT_TRANSLATE_NOOP("orvalink::Form1", "Export Bookmarks from Chromium to Firefox")),
     QT_TRANSLATE_NOOP("orvalink::Form1", "Firefox"), ExportMode::ChromiumToFirefox},
    {QStringLiteral(
         QT_TRANSLATE_NOOP("orvalink::Form1", "Export Bookmarks from Chromium to Opera")),
     QT_TRANSLATE_NOOP("orvalink::Form1", "Opera"), ExportMode::ChromiumToOpera},
    {QStringLiteral(
         QT_TRANSLATE_NOOP("orvalink::Form1", "Export Chromium Bookmarks in a Cascading Menu")),
     QT_TRANSLATE_NOOP("orvalink::Form1", "Menu Page"), ExportMode::ChromiumToMenu},
}};

// The four source families: the first-level button, in the column of its place in this table,
// and its conversions' buttons, left to right: the browsers in first-level order, then the menu
// page.
struct Family
{
    FormId form;
    int button;
    std::array<int, 4> conversions;
};

const std::array<Family, 4> kFamilies{{
    {FormId::Favorites, 0, {4, 5, 14, 6}},
    {FormId::BookmarkFile, 1, {7, 8, 15, 9}},
    {FormId::Hotlist, 2, {10, 11, 16, 12}},
    {FormId::Chromium, 13, {17, 18, 19, 20}},
}};

constexpr int kBackButton = 3;
// The back button stands right of a family's conversions.
constexpr int kBackColumn = 4;

std::optional<ExportMode> conversionOf(const QString& tag)
{
    for (const PanelButton& button : kPanelButtons) {
        if (button.mode && button.tag == tag)
            return button.mode;
    }
    return std::nullopt;
}

const Family* familyOf(const QString& tag)
{
    for (const Family& family : kFamilies) {
        if (kPanelButtons[static_cast<size_t>(family.button)].tag == tag)
            return &family;
    }
    return nullptr;
}

// The family whose conversions read a source of form: the family of its form, or the family
// whose form shares the command-line name (Firefox's database is read with its bookmark file).
const Family* familyReading(const StorageForm& form)
{
    for (const Family& family : kFamilies) {
        for (const StorageForm* member : sourceFamily(formOf(family.form))) {
            if (member == &form)
                return &family;
        }
    }
    return nullptr;
}

// Why a file given to the program cannot be opened.
UserMessage unopenableSourceMessage(const QString& path)
{
    if (!QFileInfo::exists(path))
        return UserMessage{
            QCoreApplication::translate("orvalink::Form1", "Bookmark File Does Not Exist"),
            {path, QCoreApplication::translate("orvalink::Form1",
                                               "The Selected Bookmark File Does Not Exist.")}};
    return UserMessage{QCoreApplication::translate("orvalink::Form1", "Unknown Bookmark File"),
                       {path, QCoreApplication::translate(
                                  "orvalink::Form1",
                                  "The Selected File Is Not a Bookmark File Orvalink Can Read.")}};
}

QIcon pictureOf(int index)
{
    if (index == kBackButton)
        return backIcon();
    const PanelButton& button = kPanelButtons[static_cast<size_t>(index)];
    if (button.mode)
        return conversionIcon(*button.mode);
    const Family* family = familyOf(button.tag);
    return family ? formIcon(family->form) : QIcon();
}

// The column of a button in the grid its level fills.
int columnOf(int index)
{
    if (index == kBackButton)
        return kBackColumn;
    for (size_t column = 0; column < kFamilies.size(); ++column) {
        const Family& family = kFamilies[column];
        if (family.button == index)
            return int(column);
        for (size_t place = 0; place < family.conversions.size(); ++place) {
            if (family.conversions[place] == index)
                return int(place);
        }
    }
    return 0;
}

QString tagOf(const QAbstractButton* button)
{
    return button->property("Tag").toString();
}

// The tag as the status bar shows it, in the user's language.
QString shownTagOf(const QAbstractButton* button)
{
    return QCoreApplication::translate("orvalink::Form1", tagOf(button).toUtf8().constData());
}

// Panel geometry in logical pixels.
constexpr int kPanelMargin = 8;
constexpr int kButtonSpacing = 6;
constexpr int kMinimumButtonSide = 81;
constexpr int kPictureSide = 40;
// Room around a caption inside its button, and around the status bar's text.
constexpr int kCaptionPadding = 12;
constexpr int kStatusTextPadding = 24;

} // namespace

Form1::Form1(Job& job, ProgramSettings& settings, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent)
    , m_job(job)
    , m_settings(settings)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Orvalink"));
    setAcceptDrops(true);

    // The panel the buttons stand on takes the focus after a click, so that no button keeps a
    // focus frame. It is not in the Tab chain: Tab from it goes on to the buttons.
    m_picture1 = new QWidget(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setFocusPolicy(Qt::ClickFocus);
    setCentralWidget(m_picture1);
    createButtons(m_picture1);
    createMenus();

    m_statusBar1 = new QStatusBar(this);
    m_statusBar1->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar1->setSizeGripEnabled(false);
    setStatusBar(m_statusBar1);
    m_statusBar1->showMessage(tr("Ready"));

    connect(&m_cat, &cCaptureTheMouse::MouseEnter, this, &Form1::cat_MouseEnter);
    connect(&m_cat, &cCaptureTheMouse::MouseExit, this, &Form1::cat_MouseExit);
    for (QPushButton* button : m_buttons)
        m_cat.watch(button);

    showLevel(kFirstLevel);
    // No button starts with a focus frame either.
    m_picture1->setFocus();
    // The first level's tag of the back button, which is out of sight until a source is chosen.
    m_buttons[kBackButton]->setProperty("Tag", kTagBack);
    SettingsReader reader(m_settings);
    LoadWindowPosition(SavedWindow::Main, *this, reader);
}

Form1::~Form1()
{
    // Export windows are top-level windows of their own (see own()), so they go explicitly.
    for (QPointer<ConversionWindow>& window : m_exportWindows)
        delete window.data();
}

QPushButton* Form1::cmdInizio(int index) const
{
    return index >= 0 && index < kButtonCount ? m_buttons[static_cast<size_t>(index)] : nullptr;
}

void Form1::createButtons(QWidget* panel)
{
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(kPanelMargin, kPanelMargin, kPanelMargin, kPanelMargin);
    grid->setSpacing(kButtonSpacing);

    const QFontMetrics metrics(font());
    int side = kMinimumButtonSide;
    for (const PanelButton& button : kPanelButtons)
        side = std::max(side, metrics.horizontalAdvance(tr(button.caption)) + 2 * kCaptionPadding);
    side = std::max(side, kPictureSide + metrics.height() + 3 * kCaptionPadding);

    for (int index = 0; index < kButtonCount; ++index) {
        const PanelButton& entry = kPanelButtons[static_cast<size_t>(index)];
        auto* button = new QPushButton(tr(entry.caption), panel);
        button->setObjectName(QStringLiteral("cmdInizio(%1)").arg(index));
        button->setProperty("Tag", entry.tag);
        button->setAccessibleDescription(tr(entry.tag.toUtf8().constData()));
        button->setIcon(pictureOf(index));
        button->setIconSize(QSize(kPictureSide, kPictureSide));
        button->setMinimumSize(side, side);
        // The width a caption asks for is ignored, so that a level's buttons share the panel's
        // width evenly instead of the longer captions taking more of it.
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        button->setAutoDefault(false);
        ApplyButtonTheme(button);
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, index] { cmdInizio_Click(index); });
        m_buttons[static_cast<size_t>(index)] = button;
        // Each family's conversions take the places of the first level's buttons.
        grid->addWidget(button, 0, columnOf(index));
    }
    // Tab goes through the buttons of a level from left to right, then to the back button.
    const auto chain = [this](const std::vector<int>& indexes) {
        for (size_t i = 1; i < indexes.size(); ++i)
            setTabOrder(m_buttons[static_cast<size_t>(indexes[i - 1])],
                        m_buttons[static_cast<size_t>(indexes[i])]);
    };
    std::vector<int> firstLevel;
    for (const Family& family : kFamilies) {
        firstLevel.push_back(family.button);
        std::vector<int> secondLevel(family.conversions.begin(), family.conversions.end());
        secondLevel.push_back(kBackButton);
        chain(secondLevel);
    }
    chain(firstLevel);
}

void Form1::createMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));

    // Each family's conversions, in the order of its buttons; an item's name keeps the number
    // it was given when it came, "mnuFileIE(4)" after "mnuFileIE(3)".
    struct Item
    {
        QString caption;
        int number;
        int button;
    };
    struct Submenu
    {
        int subIndex;
        QString caption;
        QString itemName;
        std::array<Item, 4> items;
    };
    const QString toIE = tr("To Internet Explorer");
    const QString toFirefox = tr("To Firefox");
    const QString toOpera = tr("To Opera");
    const QString toChromium = tr("To Chromium");
    const QString toMenu = tr("To DHTML Menu");
    const std::array<Submenu, 4> submenus{{
        {1,
         tr("Export From Internet Explorer To..."),
         QStringLiteral("mnuFileIE"),
         {{{toFirefox, 1, 4}, {toOpera, 2, 5}, {toChromium, 4, 14}, {toMenu, 3, 6}}}},
        {2,
         tr("Export From Firefox To..."),
         QStringLiteral("mnuFileNN"),
         {{{toIE, 1, 7}, {toOpera, 2, 8}, {toChromium, 4, 15}, {toMenu, 3, 9}}}},
        {3,
         tr("Export From Opera To..."),
         QStringLiteral("mnuFileOp"),
         {{{toIE, 1, 10}, {toFirefox, 2, 11}, {toChromium, 4, 16}, {toMenu, 3, 12}}}},
        {4,
         tr("Export From Chromium To..."),
         QStringLiteral("mnuFileCr"),
         {{{toIE, 1, 17}, {toFirefox, 2, 18}, {toOpera, 3, 19}, {toMenu, 4, 20}}}},
    }};
    for (const Submenu& submenu : submenus) {
        QMenu* menu = file->addMenu(submenu.caption);
        menu->setObjectName(QStringLiteral("mnuFileSub(%1)").arg(submenu.subIndex));
        for (const Item& item : submenu.items) {
            QAction* action = menu->addAction(item.caption);
            action->setObjectName(QStringLiteral("%1(%2)").arg(submenu.itemName).arg(item.number));
            // The menu acts through the buttons' tags, so it opens a conversion from either
            // level of the panel.
            const int button = item.button;
            connect(action, &QAction::triggered, this, [this, button] { cmdInizio_Click(button); });
        }
    }
    file->addSeparator()->setObjectName(QStringLiteral("mnuFileSub(5)"));
    QAction* exit = file->addAction(tr("&Exit"));
    exit->setObjectName(QStringLiteral("mnuFileSub(6)"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* helpPage = help->addAction(tr("&Help..."));
    helpPage->setObjectName(QStringLiteral("mnuHelpSub(1)"));
    connect(helpPage, &QAction::triggered, this, &Form1::showHelp);
    help->addSeparator()->setObjectName(QStringLiteral("mnuHelpSub(3)"));
    QAction* about = help->addAction(tr("&About..."));
    about->setObjectName(QStringLiteral("mnuHelpSub(4)"));
    connect(about, &QAction::triggered, this, &Form1::showAbout);
}

int Form1::levelWidth(bool secondLevel) const
{
    // Enough for the buttons and for the longest tag the status bar shows at that level, and
    // never narrower than the designed widths and their proportion.
    const QFontMetrics status(m_statusBar1->font());
    const auto neededFor = [&](size_t buttons, const std::vector<int>& tagged) {
        int needed = 2 * kPanelMargin + int(buttons) * m_buttons[0]->minimumWidth() +
                     int(buttons - 1) * kButtonSpacing;
        for (int index : tagged)
            needed =
                std::max(needed, status.horizontalAdvance(shownTagOf(m_buttons[size_t(index)])) +
                                     kStatusTextPadding);
        return needed;
    };
    std::vector<int> firstLevel;
    std::vector<int> conversions;
    for (const Family& family : kFamilies) {
        firstLevel.push_back(family.button);
        conversions.insert(conversions.end(), family.conversions.begin(), family.conversions.end());
    }
    const int first = std::max(kFirstLevelWidth, neededFor(kFamilies.size(), firstLevel));
    if (!secondLevel)
        return first;
    const int proportional = (first * kSecondLevelWidth + kFirstLevelWidth / 2) / kFirstLevelWidth;
    return std::max({kSecondLevelWidth, proportional,
                     neededFor(kFamilies.front().conversions.size() + 1, conversions),
                     status.horizontalAdvance(kTagBack) + kStatusTextPadding});
}

void Form1::applyLevelSize(bool secondLevel)
{
    if (QLayout* panel = m_picture1->layout())
        panel->activate();
    setFixedSize(levelWidth(secondLevel), sizeHint().height());
    // The second level is wider: a window near the screen's right edge would reach past it.
    if (isVisible())
        KeepOnScreen(*this);
}

void Form1::showLevel(int family)
{
    const bool secondLevel = family != kFirstLevel;
    m_shownFamily = family;
    // A given file waits for a conversion of its own family only.
    if (family != m_givenFamily)
        m_givenSource.clear();
    for (size_t column = 0; column < kFamilies.size(); ++column) {
        m_buttons[static_cast<size_t>(kFamilies[column].button)]->setVisible(!secondLevel);
        for (int index : kFamilies[column].conversions)
            m_buttons[static_cast<size_t>(index)]->setVisible(int(column) == family);
    }
    // The first level leaves no room for the back button: it is out of reach, as it would lie
    // outside the window.
    m_buttons[kBackButton]->setProperty("Tag", secondLevel ? kTagBack : kTagLastSelection);
    m_buttons[kBackButton]->setVisible(secondLevel);
    applyLevelSize(secondLevel);
}

void Form1::cmdInizio_Click(int index)
{
    const QPushButton* button = cmdInizio(index);
    if (!button)
        return;
    const QString tag = tagOf(button);
    bool openWindow = false;
    // Where a keyboard user's focus goes: into the level a family button opens, back to the
    // family's button from that level.
    QPushButton* keyboardFocus = nullptr;
    if (const Family* family = familyOf(tag)) {
        showLevel(int(family - kFamilies.data()));
        keyboardFocus = m_buttons[size_t(family->conversions.front())];
    } else if (const std::optional<ExportMode> mode = conversionOf(tag)) {
        openExportWindow(*mode);
        openWindow = true;
    } else if (tag == kTagBack) {
        const int leftFamily = m_shownFamily;
        showLevel(kFirstLevel);
        if (leftFamily != kFirstLevel)
            keyboardFocus = m_buttons[size_t(kFamilies[size_t(leftFamily)].button)];
    }

    if (std::exchange(m_pressedByKeyboard, false) && keyboardFocus)
        keyboardFocus->setFocus(Qt::TabFocusReason);
    else
        m_picture1->setFocus();
    m_cat.Release();
    if (openWindow && m_activeExportWindow) {
        EnableMainWindow(false);
        m_activeExportWindow->show();
        m_activeExportWindow->raise();
        m_activeExportWindow->activateWindow();
        handOverGivenSource();
    }
}

void Form1::openSource(const QString& path)
{
    m_givenSource.clear();
    const StorageForm* form =
        QFileInfo(path).isDir() ? &formOf(FormId::Favorites) : formClaiming(path);
    const Family* family = form ? familyReading(*form) : nullptr;
    if (!family) {
        m_givenFamily = kFirstLevel;
        showLevel(kFirstLevel);
        m_dialogs.message(this, unopenableSourceMessage(path));
        return;
    }
    m_givenFamily = int(family - kFamilies.data());
    showLevel(m_givenFamily);
    m_givenSource = path;
}

namespace {

// The first local file or folder a drag carries; empty when it carries none.
QString droppedPath(const QMimeData* data)
{
    if (data) {
        for (const QUrl& url : data->urls()) {
            if (url.isLocalFile())
                return url.toLocalFile();
        }
    }
    return {};
}

} // namespace

void Form1::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedPath(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void Form1::dropEvent(QDropEvent* event)
{
    const QString path = droppedPath(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    openSource(path);
}

void Form1::handOverGivenSource()
{
    if (m_givenSource.isEmpty() || !m_activeExportWindow ||
        familyReading(sourceForm(m_job.mode)) != &kFamilies[size_t(m_givenFamily)])
        return;
    const QString path = std::exchange(m_givenSource, QString());
    m_activeExportWindow->startWithSource(path);
}

bool Form1::EnableMainWindow(bool enabled)
{
    setEnabled(enabled);
    update();
    for (QPushButton* button : m_buttons) {
        button->setEnabled(enabled);
        button->update();
    }
    return enabled;
}

Form1::ExportWindowSlot Form1::slotOf(ExportMode mode)
{
    // Each export window serves the conversions between the kinds of forms it was made for.
    const StorageForm& source = sourceForm(mode);
    const StorageForm& destination = destinationForm(mode);
    if (destination.optionsPart() == OptionsPart::MenuPage)
        return MenuPage;
    if (destination.isFolder())
        return FavoritesImport;
    return source.isFolder() ? FavoritesExport : FirefoxOpera;
}

void Form1::openExportWindow(ExportMode mode)
{
    m_job.mode = mode;
    const ExportWindowSlot slot = slotOf(mode);
    QPointer<ConversionWindow>& window = m_exportWindows[slot];
    if (!window) {
        ConversionWindow* created = nullptr;
        switch (slot) {
        case FavoritesExport:
            created = new Form2(m_job, m_settings, m_dialogs);
            break;
        case FavoritesImport:
            created = new Form4(m_job, m_settings, m_dialogs);
            break;
        case MenuPage:
            created = new Form5(m_job, m_settings, m_dialogs);
            break;
        case FirefoxOpera:
            created = new Form6(m_job, m_settings, m_dialogs);
            break;
        }
        own(*created);
        connect(created, &ExportWindow::closed, this,
                [this, created] { exportWindowClosed(created); });
        window = created;
    }
    m_activeExportWindow = window;
}

void Form1::exportWindowClosed(ConversionWindow* window)
{
    // The window deletes itself once closed; the next choice of its conversion makes a new one.
    for (QPointer<ConversionWindow>& slot : m_exportWindows) {
        if (slot == window)
            slot = nullptr;
    }
    if (m_activeExportWindow == window)
        m_activeExportWindow = nullptr;
    EnableMainWindow(true);
    // Back to the launcher, ready for the next conversion.
    activateWindow();
}

void Form1::own(QWidget& window)
{
    winId();
    window.winId();
    if (QWindow* handle = window.windowHandle())
        handle->setTransientParent(windowHandle());
}

void Form1::showHelp()
{
    m_dialogs.openExternally(helpPagePath(QCoreApplication::applicationDirPath()));
}

void Form1::showAbout()
{
    EnableMainWindow(false);
    {
        frmAbout about(m_settings, m_dialogs);
        own(about);
        about.exec();
    }
    EnableMainWindow(true);
}

void Form1::bringToFront()
{
    for (QWidget* window :
         {static_cast<QWidget*>(this), static_cast<QWidget*>(m_activeExportWindow.data())}) {
        if (!window)
            continue;
        if (window->isMinimized())
            window->showNormal();
        else
            window->show();
        window->raise();
        window->activateWindow();
    }
}

void Form1::cat_MouseEnter(QWidget* control)
{
    // The hover picture is the themed button's own hot look.
    for (QPushButton* button : m_buttons) {
        if (button == control) {
            m_statusBar1->showMessage(shownTagOf(button));
            return;
        }
    }
}

void Form1::cat_MouseExit(QWidget* control)
{
    for (QPushButton* button : m_buttons) {
        if (button == control) {
            m_statusBar1->showMessage(tr("Ready"));
            return;
        }
    }
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::Shortcut:
        m_pressedByKeyboard = true;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        m_pressedByKeyboard = false;
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool Form1::event(QEvent* event)
{
    // The status bar is the buttons' alone: menu items passing under the pointer would
    // otherwise blank it.
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

void Form1::closeEvent(QCloseEvent* event)
{
    // While a conversion runs its window owns the job; the main window is disabled and cannot
    // go before it (a desktop may still send it a close request).
    for (const QPointer<ConversionWindow>& window : m_exportWindows) {
        if (window) {
            event->ignore();
            bringToFront();
            return;
        }
    }
    SettingsWriter writer(m_settings);
    SaveWindowPosition(SavedWindow::Main, *this, writer);
    event->accept();
}

} // namespace orvalink
