#include "windows/conversion_window.h"

#include "ui/themed_button.h"
#include "windows/location_list.h"
#include "windows/what_to_export.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDate>
#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QIcon>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>
#include <algorithm>

namespace orvalink {

namespace {

// Picture sizes of the browse buttons and of the large action buttons.
constexpr int kBrowsePicture = 20;
constexpr int kActionPicture = 28;
constexpr int kCaptionPadding = 6;

} // namespace

ConversionWindow::ConversionWindow(Job& job, Dialogs& dialogs,
                                   std::unique_ptr<ProcessTable> processes, QWidget* owner)
    : ExportWindow(job, dialogs, owner)
    , m_processes(processes ? std::move(processes) : std::make_unique<SystemProcessTable>())
{}

ConversionWindow::~ConversionWindow() = default;

void ConversionWindow::setTag(QWidget* control, const QString& tag)
{
    control->setProperty("Tag", tag);
}

QString ConversionWindow::datedFolderName(const QString& prefix)
{
    return prefix + QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat) +
           QLatin1Char(')');
}

SourceCounts ConversionWindow::countSource(SourceKind kind, const QString& location)
{
    // An empty location would make the Favorites scanner look for the user's own folder.
    if (location.isEmpty())
        return {};
    return busy([&] { return CountSource(kind, location, *this); });
}

int ConversionWindow::discover(LocationList& list, SourceKind kind)
{
    return busy([&] { return list.discover(kind, *this); });
}

bool ConversionWindow::checkSource()
{
    const Result<void, CheckFailure> checked =
        ValidateExport(job(), ExportCheckInputs{}, true, processes());
    if (!checked)
        showCheckFailure(checked.failure());
    return checked.ok();
}

void ConversionWindow::showCheckFailure(const CheckFailure& failure)
{
    switch (failure.fix) {
    case WindowFix::None:
        dialogs().message(this, failure.message);
        break;
    case WindowFix::ResetFileCombo:
        dialogs().message(this, failure.message);
        resetList(m_destinationList ? m_destinationList : m_sourceList);
        break;
    case WindowFix::ResetFileComboAndWhat:
        // The source file is gone: its list starts over, and there is nothing left to count.
        dialogs().message(this, failure.message);
        resetList(m_sourceList ? m_sourceList : m_destinationList);
        if (m_whatFrame)
            m_whatFrame->showNoSource();
        break;
    case WindowFix::FocusFileCombo:
        if (LocationList* list = m_destinationList ? m_destinationList : m_sourceList) {
            showFirstTab();
            list->combo()->setFocus();
        }
        dialogs().message(this, failure.message);
        break;
    case WindowFix::FocusMenuCombo:
        if (m_menuList) {
            showFirstTab();
            m_menuList->setFocus();
        }
        dialogs().message(this, failure.message);
        break;
    }
}

ExportOutcome ConversionWindow::runExport(const ExportRequest& request, OnCompletion completion)
{
    ExportOutcome outcome = busy([&] { return RunExport(job(), request, processes(), *this); });
    status(QStringLiteral("Ready"));
    // The messages wait until the work is over, so that they show with the normal pointer.
    if (outcome.check)
        showCheckFailure(*outcome.check);
    else if (outcome.completed() && completion == OnCompletion::OpenResult)
        dialogs().openExternally(job().MenuFileLocation);
    else
        dialogs().message(this, outcome.message);
    return outcome;
}

void ConversionWindow::showFirstTab()
{
    if (m_tabStrip)
        m_tabStrip->setCurrentIndex(0);
}

QTabWidget* ConversionWindow::createTabStrip(const QStringList& captions)
{
    m_tabStrip = new QTabWidget(this);
    m_tabStrip->setObjectName(QStringLiteral("TabStrip1"));
    m_tabStrip->setDocumentMode(false);
    for (int i = 0; i < captions.size(); ++i) {
        auto* page = new QWidget(m_tabStrip);
        page->setObjectName(QStringLiteral("Frame1(%1)").arg(i));
        m_tabStrip->addTab(page, captions.at(i));
    }
    return m_tabStrip;
}

QWidget* ConversionWindow::tabPage(int index) const
{
    return m_tabStrip ? m_tabStrip->widget(index) : nullptr;
}

void ConversionWindow::setBackButton(QAbstractButton* button)
{
    connect(button, &QAbstractButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}

QPushButton* ConversionWindow::browseButton(const QString& name, const QIcon& icon, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setIcon(icon);
    button->setIconSize(QSize(kBrowsePicture, kBrowsePicture));
    button->setAutoDefault(false);
    // As tall as the line edit or combo box beside it, a little wider than tall.
    const int height = std::max(QFontMetrics(button->font()).height() + 12, kBrowsePicture + 8);
    button->setFixedSize(height + 8, height);
    return button;
}

QPushButton* ConversionWindow::actionButton(const QString& name, const QString& caption,
                                            const QIcon& icon, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setIcon(icon);
    button->setIconSize(QSize(kActionPicture, kActionPicture));
    button->setAutoDefault(false);
    const QFontMetrics metrics(button->font());
    button->setMinimumSize(metrics.horizontalAdvance(caption) + 4 * kCaptionPadding,
                           kActionPicture + metrics.height() + 3 * kCaptionPadding);
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return button;
}

void ConversionWindow::layoutActionButtons(QWidget* row,
                                           std::initializer_list<QPushButton*> buttons)
{
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    // Side by side, the buttons look best alike.
    int width = 0;
    for (QPushButton* button : buttons)
        width = std::max(width, button->minimumWidth());
    for (QPushButton* button : buttons) {
        button->setMinimumWidth(width);
        layout->addWidget(button);
    }
}

void ConversionWindow::applyButtonThemes(std::initializer_list<QAbstractButton*> buttons)
{
    for (QAbstractButton* button : buttons)
        ApplyButtonTheme(button);
}

void ConversionWindow::enableHoverHelp()
{
    m_cat.watchTagged(*this);
    m_cat.showTagsIn(statusBar1());
}

bool ConversionWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && m_whatFrame &&
        m_whatFrame->optWhatSelect()->isChecked())
        m_whatFrame->refreshCaption();
    return ExportWindow::event(event);
}

void ConversionWindow::closeEvent(QCloseEvent* event)
{
    if (!isBusy())
        m_cat.Release();
    ExportWindow::closeEvent(event);
}

void ConversionWindow::resetList(LocationList* list)
{
    if (!list)
        return;
    list->reset();
    showFirstTab();
    list->combo()->setFocus();
}

} // namespace orvalink
