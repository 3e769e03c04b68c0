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
#include <QFontMetrics>
#include <QGridLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QWindow>
#include <optional>

namespace orvalink {

namespace {

// The tags of the first level and of the back button.
const QString kTagFromIE = QStringLiteral("Export Favorites from Internet Explorer to ...");
const QString kTagFromFirefox = QStringLiteral("Export Bookmarks from Firefox to ...");
const QString kTagFromOpera = QStringLiteral("Export Bookmarks from Opera to ...");
const QString kTagBack = QStringLiteral("Go Back to Main Window");
// Button 3's tag once the first level is back: a tag no click acts on.
const QString kTagLastSelection = QStringLiteral("(Last Selection)");
const QString kReady = QStringLiteral("Ready");

struct ConversionButton
{
    QString tag;
    ExportMode mode;
};

// The nine conversions, in the order of buttons 4 to 12.
const std::array<ConversionButton, 9> kConversionButtons{{
    {QStringLiteral("Export Favorites from Internet Explorer to Firefox"), ExportMode::IEToFirefox},
    {QStringLiteral("Export Favorites from Internet Explorer to Opera"), ExportMode::IEToOpera},
    {QStringLiteral("Export Favorites in a Cascading Menu"), ExportMode::IEToMenu},
    {QStringLiteral("Export Bookmarks from Firefox to Internet Explorer"), ExportMode::FirefoxToIE},
    {QStringLiteral("Export Bookmarks from Firefox to Opera"), ExportMode::FirefoxToOpera},
    {QStringLiteral("Export Firefox Bookmarks in a Cascading Menu"), ExportMode::FirefoxToMenu},
    {QStringLiteral("Export Bookmarks from Opera to Internet Explorer"), ExportMode::OperaToIE},
    {QStringLiteral("Export Bookmarks from Opera to Firefox"), ExportMode::OperaToFirefox},
    {QStringLiteral("Export Opera Bookmarks in a Cascading Menu"), ExportMode::OperaToMenu},
}};

constexpr int kFirstConversionButton = 4;
constexpr int kBackButton = 3;

std::optional<ExportMode> conversionOf(const QString& tag)
{
    for (const ConversionButton& conversion : kConversionButtons) {
        if (conversion.tag == tag)
            return conversion.mode;
    }
    return std::nullopt;
}

// The short caption under each button's picture; the tag in the status bar says the rest.
const std::array<QString, Form1::kButtonCount> kCaptions{
    QStringLiteral("IE Favorites"), QStringLiteral("Firefox"),      QStringLiteral("Opera"),
    QStringLiteral("Back"),         QStringLiteral("Firefox"),      QStringLiteral("Opera"),
    QStringLiteral("Menu Page"),    QStringLiteral("IE Favorites"), QStringLiteral("Opera"),
    QStringLiteral("Menu Page"),    QStringLiteral("IE Favorites"), QStringLiteral("Firefox"),
    QStringLiteral("Menu Page"),
};

QIcon pictureOf(int index)
{
    switch (index) {
    case 0:
        return formIcon(FormId::Favorites);
    case 1:
        return formIcon(FormId::BookmarkFile);
    case 2:
        return formIcon(FormId::Hotlist);
    case kBackButton:
        return backIcon();
    default:
        return conversionIcon(kConversionButtons[index - kFirstConversionButton].mode);
    }
}

QString tagOf(const QAbstractButton* button)
{
    return button->property("Tag").toString();
}

// Panel geometry in logical pixels. Three buttons fill the first level's 272 pixels.
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
    setWindowTitle(QStringLiteral("Orvalink"));

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
    m_statusBar1->showMessage(kReady);

    connect(&m_cat, &cCaptureTheMouse::MouseEnter, this, &Form1::cat_MouseEnter);
    connect(&m_cat, &cCaptureTheMouse::MouseExit, this, &Form1::cat_MouseExit);
    for (QPushButton* button : m_buttons)
        m_cat.watch(button);

    showFirstLevel();
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
    for (QPointer<ExportWindow>& window : m_exportWindows)
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
    for (const QString& caption : kCaptions)
        side = std::max(side, metrics.horizontalAdvance(caption) + 2 * kCaptionPadding);
    side = std::max(side, kPictureSide + metrics.height() + 3 * kCaptionPadding);

    const std::array<QString, 4> firstTags{kTagFromIE, kTagFromFirefox, kTagFromOpera, kTagBack};
    for (int index = 0; index < kButtonCount; ++index) {
        auto* button = new QPushButton(kCaptions[static_cast<size_t>(index)], panel);
        button->setObjectName(QStringLiteral("cmdInizio(%1)").arg(index));
        const QString tag =
            index < kFirstConversionButton
                ? firstTags[static_cast<size_t>(index)]
                : kConversionButtons[static_cast<size_t>(index - kFirstConversionButton)].tag;
        button->setProperty("Tag", tag);
        button->setAccessibleDescription(tag);
        button->setIcon(pictureOf(index));
        button->setIconSize(QSize(kPictureSide, kPictureSide));
        button->setMinimumSize(side, side);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->setAutoDefault(false);
        ApplyButtonTheme(button);
        connect(button, &QPushButton::clicked, this, [this, index] { cmdInizio_Click(index); });
        m_buttons[static_cast<size_t>(index)] = button;

        // Each second-level group takes the places of buttons 0 to 2; the back button stands
        // beside them.
        const int column = index == kBackButton  ? 3
                           : index < kBackButton ? index
                                                 : (index - kFirstConversionButton) % 3;
        grid->addWidget(button, 0, column);
    }
    // Tab goes through the buttons of a level from left to right, then to the back button.
    for (int group = 0; group < 4; ++group) {
        const int first = group == 0 ? 0 : kFirstConversionButton + 3 * (group - 1);
        setTabOrder(m_buttons[static_cast<size_t>(first)],
                    m_buttons[static_cast<size_t>(first + 1)]);
        setTabOrder(m_buttons[static_cast<size_t>(first + 1)],
                    m_buttons[static_cast<size_t>(first + 2)]);
        if (group > 0)
            setTabOrder(m_buttons[static_cast<size_t>(first + 2)], m_buttons[kBackButton]);
    }
}

void Form1::createMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));

    struct Submenu
    {
        int subIndex;
        QString caption;
        QString itemName;
        std::array<QString, 3> items;
        int buttonOffset;
    };
    const std::array<Submenu, 3> submenus{{
        {1,
         QStringLiteral("Export From Internet Explorer To..."),
         QStringLiteral("mnuFileIE"),
         {QStringLiteral("To Firefox"), QStringLiteral("To Opera"),
          QStringLiteral("To DHTML Menu")},
         3},
        {2,
         QStringLiteral("Export From Firefox To..."),
         QStringLiteral("mnuFileNN"),
         {QStringLiteral("To Internet Explorer"), QStringLiteral("To Opera"),
          QStringLiteral("To DHTML Menu")},
         6},
        {3,
         QStringLiteral("Export From Opera To..."),
         QStringLiteral("mnuFileOp"),
         {QStringLiteral("To Internet Explorer"), QStringLiteral("To Firefox"),
          QStringLiteral("To DHTML Menu")},
         9},
    }};
    for (const Submenu& submenu : submenus) {
        QMenu* menu = file->addMenu(submenu.caption);
        menu->setObjectName(QStringLiteral("mnuFileSub(%1)").arg(submenu.subIndex));
        for (int item = 1; item <= 3; ++item) {
            QAction* action = menu->addAction(submenu.items[static_cast<size_t>(item - 1)]);
            action->setObjectName(QStringLiteral("%1(%2)").arg(submenu.itemName).arg(item));
            // The menu acts through the buttons' tags, so it opens a conversion from either
            // level of the panel.
            const int button = item + submenu.buttonOffset;
            connect(action, &QAction::triggered, this, [this, button] { cmdInizio_Click(button); });
        }
    }
    file->addSeparator()->setObjectName(QStringLiteral("mnuFileSub(5)"));
    QAction* exit = file->addAction(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("mnuFileSub(6)"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* helpPage = help->addAction(QStringLiteral("&Help..."));
    helpPage->setObjectName(QStringLiteral("mnuHelpSub(1)"));
    connect(helpPage, &QAction::triggered, this, &Form1::showHelp);
    help->addSeparator()->setObjectName(QStringLiteral("mnuHelpSub(3)"));
    QAction* about = help->addAction(QStringLiteral("&About..."));
    about->setObjectName(QStringLiteral("mnuHelpSub(4)"));
    connect(about, &QAction::triggered, this, &Form1::showAbout);
}

int Form1::levelWidth(bool secondLevel) const
{
    // Enough for the buttons and for the longest tag the status bar shows at that level, and
    // never narrower than the designed widths and their proportion.
    const QFontMetrics status(m_statusBar1->font());
    const auto neededFor = [&](int buttons, int firstTag, int lastTag) {
        int needed = 2 * kPanelMargin + buttons * m_buttons[0]->minimumWidth() +
                     (buttons - 1) * kButtonSpacing;
        for (int index = firstTag; index <= lastTag; ++index)
            needed = std::max(needed, status.horizontalAdvance(tagOf(m_buttons[index])) +
                                          kStatusTextPadding);
        return needed;
    };
    const int first = std::max(kFirstLevelWidth, neededFor(3, 0, 2));
    if (!secondLevel)
        return first;
    const int proportional = (first * kSecondLevelWidth + kFirstLevelWidth / 2) / kFirstLevelWidth;
    return std::max({kSecondLevelWidth, proportional,
                     neededFor(4, kFirstConversionButton, kButtonCount - 1),
                     status.horizontalAdvance(kTagBack) + kStatusTextPadding});
}

void Form1::applyLevelSize(bool secondLevel)
{
    if (QLayout* panel = m_picture1->layout())
        panel->activate();
    setFixedSize(levelWidth(secondLevel), sizeHint().height());
}

void Form1::showSecondLevel(int firstButton)
{
    for (int index = 0; index < 3; ++index)
        m_buttons[static_cast<size_t>(index)]->hide();
    for (int index = firstButton; index < firstButton + 3; ++index)
        m_buttons[static_cast<size_t>(index)]->show();
    m_buttons[kBackButton]->setProperty("Tag", kTagBack);
    m_buttons[kBackButton]->show();
    applyLevelSize(true);
}

void Form1::showFirstLevel()
{
    for (int index = 0; index < 3; ++index)
        m_buttons[static_cast<size_t>(index)]->show();
    for (int index = kFirstConversionButton; index < kButtonCount; ++index)
        m_buttons[static_cast<size_t>(index)]->hide();
    m_buttons[kBackButton]->setProperty("Tag", kTagLastSelection);
    // The narrow first level leaves no room for the back button: it is out of reach, as it would
    // lie outside the window.
    m_buttons[kBackButton]->hide();
    applyLevelSize(false);
}

void Form1::cmdInizio_Click(int index)
{
    const QPushButton* button = cmdInizio(index);
    if (!button)
        return;
    const QString tag = tagOf(button);
    bool openWindow = false;
    if (tag == kTagFromIE) {
        showSecondLevel(4);
    } else if (tag == kTagFromFirefox) {
        showSecondLevel(7);
    } else if (tag == kTagFromOpera) {
        showSecondLevel(10);
    } else if (const std::optional<ExportMode> mode = conversionOf(tag)) {
        openExportWindow(*mode);
        openWindow = true;
    } else if (tag == kTagBack) {
        showFirstLevel();
    }

    m_picture1->setFocus();
    m_cat.Release();
    if (openWindow && m_activeExportWindow) {
        EnableMainWindow(false);
        m_activeExportWindow->show();
        m_activeExportWindow->raise();
        m_activeExportWindow->activateWindow();
    }
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
    QPointer<ExportWindow>& window = m_exportWindows[slot];
    if (!window) {
        ExportWindow* created = nullptr;
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

void Form1::exportWindowClosed(ExportWindow* window)
{
    // The window deletes itself once closed; the next choice of its conversion makes a new one.
    for (QPointer<ExportWindow>& slot : m_exportWindows) {
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
            m_statusBar1->showMessage(tagOf(button));
            return;
        }
    }
}

void Form1::cat_MouseExit(QWidget* control)
{
    for (QPushButton* button : m_buttons) {
        if (button == control) {
            m_statusBar1->showMessage(kReady);
            return;
        }
    }
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
    for (const QPointer<ExportWindow>& window : m_exportWindows) {
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
