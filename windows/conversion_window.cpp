// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/conversion_window.h"

#include "forms/form_table.h"
#include "settings/saved_locations.h"
#include "ui/combo_helpers.h"
#include "ui/icons.h"
#include "ui/themed_button.h"
#include "ui/window_placement.h"
#include "windows/browse_ie_location.h"
#include "windows/location_list.h"
#include "windows/what_to_export.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QTabWidget>
#include <algorithm>

namespace orvalink {

namespace {

// Picture sizes of the browse buttons and of the large action buttons.
constexpr int kBrowsePicture = 20;
constexpr int kActionPicture = 28;
constexpr int kCaptionPadding = 6;

// A large picture button with its caption below the picture (start, back).
QPushButton* actionButton(const QString& name, const QString& caption, const QIcon& icon,
                          QWidget* parent)
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

} // namespace

ConversionWindow::ConversionWindow(Job& job, ProgramSettings& settings, Dialogs& dialogs,
                                   std::unique_ptr<ProcessTable> processes, QWidget* owner)
    : ExportWindow(job, settings, dialogs, owner)
    , m_mode(job.mode)
    , m_processes(processes ? std::move(processes) : std::make_unique<SystemProcessTable>())
{}

ConversionWindow::~ConversionWindow() = default;

void ConversionWindow::setTag(QWidget* control, const QString& tag)
{
    control->setProperty("Tag", tag);
    control->setAccessibleDescription(tag);
    if (const auto* button = qobject_cast<QAbstractButton*>(control);
        button && button->text().isEmpty())
        control->setAccessibleName(tag);
}

void ConversionWindow::labelField(QLabel* caption, QWidget* field)
{
    caption->setBuddy(field);
    // Read aloud without the mark of the mnemonic ("&&" stands for an ampersand).
    static const QRegularExpression mnemonicMark(QStringLiteral("&(.)"));
    field->setAccessibleName(caption->text().replace(mnemonicMark, QStringLiteral("\\1")));
}

void ConversionWindow::nameByTag(QWidget* field, const QString& tag)
{
    setTag(field, tag);
    field->setAccessibleName(tag);
}

QString ConversionWindow::conversionTitle() const
{
    const auto nameOf = [](const StorageForm& form) {
        switch (form.id()) {
        case FormId::Favorites:
            return tr("IE Favorites");
        case FormId::MenuPage:
            return tr("DHTML Menu");
        default:
            return textFor(form, tr("FF Bookmarks"), tr("Opera Bookmarks"),
                           tr("Chromium Bookmarks"));
        }
    };
    return tr("%1 to %2 - Orvalink").arg(nameOf(sourceForm()), nameOf(destinationForm()));
}

QString ConversionWindow::textFor(const StorageForm& form, const QString& bookmarkFile,
                                  const QString& hotlist, const QString& chromium)
{
    switch (form.id()) {
    case FormId::Hotlist:
        return hotlist;
    case FormId::Chromium:
        return chromium;
    default:
        return bookmarkFile;
    }
}

const StorageForm& ConversionWindow::sourceForm() const
{
    return orvalink::sourceForm(m_mode);
}

const StorageForm& ConversionWindow::destinationForm() const
{
    return orvalink::destinationForm(m_mode);
}

SourceCounts ConversionWindow::countSource(const StorageForm& form, const QString& location)
{
    // An empty location would make the Favorites scanner look for the user's own folder.
    if (location.isEmpty())
        return {};
    return busy([&] { return form.count(location, *this); });
}

void ConversionWindow::rescanFavorites()
{
    m_whatFrame->takeCounts(countSource(formOf(FormId::Favorites), job().IELocation), true);
}

int ConversionWindow::discover(LocationList& list, const StorageForm& form)
{
    return busy([&] { return list.discover({&form}, *this); });
}

int ConversionWindow::discoverSources(LocationList& list)
{
    return busy([&] { return list.discover(sourceFamily(sourceForm()), *this); });
}

const StorageForm& ConversionWindow::sourceFormAt(const QString& path) const
{
    return orvalink::sourceFormAt(sourceForm(), path);
}

void ConversionWindow::takeSourceLocation(const QString& path)
{
    job().SourceFileLocation = path;
    job().sourceFormId = sourceFormAt(path).id();
}

void ConversionWindow::startWithSource(const QString& path)
{
    if (!m_sourceList) {
        // A Favorites folder as the source: the field counts what is put there.
        if (m_favoritesField && sourceForm().isFolder()) {
            job().IELocation = path;
            m_favoritesField->setText(path);
        }
        return;
    }
    m_sourceList->choose(m_sourceList->addBrowsed(path, BrowsedPlace::AfterDiscovered,
                                                  BrowsedLimit::BeyondDiscovered));
}

void ConversionWindow::countChosenSource(const QString& entry)
{
    const bool known = entry == m_lastCountedSource && !m_sourceList->chosenPath().isEmpty();
    if (!known && !m_sourceJustBrowsed) {
        const QString path = LocationList::pathOf(entry);
        if (!acceptsSource(path, SourceChoice::FromList)) {
            m_sourceJustBrowsed = false;
            return;
        }
        takeSourceLocation(path);
        const SourceCounts counts = countSource(sourceFormAt(path), path);
        m_sourceList->setChosenPath(job().SourceFileLocation);
        m_lastCountedSource = entry;
        m_whatFrame->takeCounts(counts);
    }
    m_sourceJustBrowsed = false;
}

void ConversionWindow::takeBrowsedSource(const QString& path)
{
    if (!acceptsSource(path, SourceChoice::Browsed))
        return;
    const SourceCounts counts = countSource(sourceFormAt(path), path);
    if (counts.links == 0) {
        dialogs().message(this, noBookmarkMessage());
        return;
    }
    m_sourceList->addBrowsed(path, BrowsedPlace::AfterDiscovered, BrowsedLimit::BeyondDiscovered);
    m_sourceJustBrowsed = true;
    takeSourceLocation(path);
    m_sourceList->chooseEntry(path);
    m_sourceList->setChosenPath(path);
    m_lastCountedSource = path;
    m_whatFrame->takeCounts(counts);
}

bool ConversionWindow::acceptsSource(const QString& path, SourceChoice choice)
{
    const Result<void, UserMessage> recognised =
        busy([&] { return sourceFormAt(path).recognise(path); });
    if (recognised)
        return true;
    dialogs().message(this, recognised.failure());
    if (choice == SourceChoice::FromList) {
        // The list no longer shows the file as chosen, and nothing is counted for export.
        m_lastCountedSource.clear();
        resetList(m_sourceList);
        if (m_whatFrame)
            m_whatFrame->showNoSource();
    }
    return false;
}

FileDialogRequest ConversionWindow::sourceFileDialog() const
{
    return sourceFileRequest(sourceForm(),
                             textFor(sourceForm(), tr("Select a Bookmark File"),
                                     tr("Select an Opera Hotlist File"),
                                     tr("Select a Chromium Bookmark File")),
                             m_sourceList ? m_sourceList->currentPath() : QString());
}

bool ConversionWindow::sourceFileChosen()
{
    if (!m_sourceList->isPlaceholderShown())
        return true;
    dialogs().message(this, UserMessage{tr("Bookmark File Not Selected"),
                                        {tr("Please, Select a Bookmark File.")},
                                        MessageIcon::Information});
    m_sourceList->combo()->setFocus();
    return false;
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
    ExportOutcome outcome =
        busy([&] { return RunExport(job(), settings(), request, processes(), *this); });
    status(tr("Ready"));
    // The messages wait until the work is over, so that they show with the normal pointer.
    const bool openResult = outcome.written() && completion == OnCompletion::OpenResult;
    if (outcome.check)
        showCheckFailure(*outcome.check);
    else if (!(outcome.completed() && openResult))
        dialogs().message(this, outcome.message);
    // A page that lacks some links is still worth a look, once the user knows what it lacks.
    if (openResult)
        dialogs().openExternally(job().MenuFileLocation);
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

QPushButton* ConversionWindow::buildActionRow(QWidget* row, const ActionRow& names,
                                              std::initializer_list<QAbstractButton*> browseButtons)
{
    row->setObjectName(names.rowName);
    auto* start = actionButton(names.startName, names.startCaption, conversionIcon(m_mode), row);
    setTag(start, names.startTag);
    auto* back = actionButton(names.backName, tr("&Go Back to the Main Window"), backIcon(), row);
    setTag(back, tr("Go Back to the Main Window (ESC)"));

    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    // Side by side, the buttons look best alike.
    const int width = std::max(start->minimumWidth(), back->minimumWidth());
    for (QPushButton* button : {start, back}) {
        button->setMinimumWidth(width);
        layout->addWidget(button);
        ApplyButtonTheme(button);
    }
    for (QAbstractButton* button : browseButtons)
        ApplyButtonTheme(button);

    connect(back, &QAbstractButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    return start;
}

QLabel* ConversionWindow::picture(const QString& name, const QIcon& icon, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(icon.pixmap(QSize(kBrowsePicture, kBrowsePicture)));
    return label;
}

QHBoxLayout* ConversionWindow::heading(QLabel* picture, QLabel* caption)
{
    auto* layout = new QHBoxLayout;
    layout->addWidget(picture);
    layout->addWidget(caption, 1);
    return layout;
}

QComboBox* ConversionWindow::locationCombo(const QString& name, int minimumLength, QWidget* parent)
{
    auto* combo = new PathComboBox(parent);
    combo->setObjectName(name);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(minimumLength);
    return combo;
}

ConversionWindow::FavoritesLocation
ConversionWindow::createFavoritesLocation(QWidget* parent, const FavoritesLocationNames& names)
{
    auto* caption = new QLabel(tr("Location of Internet Explorer &Favorites:"), parent);
    caption->setObjectName(names.caption);
    auto* field = new QLineEdit(parent);
    field->setObjectName(QStringLiteral("txtIELoc"));
    m_favoritesField = field;
    setTag(field, names.fieldTag);
    labelField(caption, field);
    auto* browse = browseButton(names.browse, folderIcon(FormId::Favorites, true), parent);
    setTag(browse, tr("Select the Favorites Folder Location"));
    auto* autoButton = new QPushButton(tr("A&uto"), parent);
    autoButton->setObjectName(names.autoButton);
    autoButton->setAutoDefault(false);
    autoButton->setFixedHeight(browse->height());
    setTag(autoButton, tr("Auto-Detect the Favorites Folder Location"));

    connect(browse, &QPushButton::clicked, this, [this] { BrowseIELocation(*this); });
    connect(autoButton, &QPushButton::clicked, this, [this, field] {
        job().IELocation = LocateFavoritesFolder(this, dialogs());
        field->setText(job().IELocation);
    });
    return {heading(picture(names.picture, formIcon(FormId::Favorites), parent), caption), field,
            browse, autoButton};
}

void ConversionWindow::showFavoritesFolder(QLineEdit* field)
{
    if (job().IELocation.isEmpty())
        job().IELocation = LocateFavoritesFolder(this, dialogs());
    field->setText(job().IELocation);
}

void ConversionWindow::countFavoritesAsEdited(QLineEdit* field)
{
    connect(field, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text == job().IELocation)
            rescanFavorites();
    });
    connect(field, &QLineEdit::editingFinished, this, [this, field] {
        if (field->text() != job().IELocation) {
            job().IELocation = field->text();
            rescanFavorites();
        }
    });
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

void ConversionWindow::enableHoverHelp()
{
    m_cat.watchTagged(*this);
    m_cat.showTagsIn(statusBar1());
}

void ConversionWindow::loadSettings()
{
    SettingsReader reader(settings());
    LoadWindowPosition(SavedWindow::Export, *this, reader);
    showLocations(sourceForm(), reader);
    showLocations(destinationForm(), reader);
    showSavedOptions(reader);
}

void ConversionWindow::saveSettings()
{
    SettingsWriter writer(settings());
    SaveWindowPosition(SavedWindow::Export, *this, writer);
    saveOptions(writer);
    saveLocations(sourceForm(), writer);
    saveLocations(destinationForm(), writer);
}

QComboBox* ConversionWindow::listShowing(const StorageForm& form) const
{
    if (form.id() == FormId::MenuPage)
        return m_menuList;
    LocationList* list = &form == &sourceForm() ? m_sourceList : m_destinationList;
    return list ? list->combo() : nullptr;
}

void ConversionWindow::showLocations(const StorageForm& form, SettingsReader& reader)
{
    SavedLocations saved = LoadLocations(reader, form.id());
    if (&form == &destinationForm() && m_destinationList) {
        // A source's history shared with the destination may hold a file never written.
        const QString newest = saved.entries.value(0);
        saved.entries.removeIf([&form](const QString& entry) {
            return !form.offersAsDestination(LocationEntryPath(entry));
        });
        saved.newestKept = saved.newestKept && saved.entries.value(0) == newest;
    }
    if (saved.entries.isEmpty())
        return;
    const QString& newest = saved.entries.first();
    if (form.id() == FormId::Favorites) {
        job().IELocation = newest;
        return;
    }
    QComboBox* list = listShowing(form);
    if (!list)
        return;
    const int first = list->count();
    list->addItems(saved.entries);
    if (!saved.newestKept)
        return;
    if (form.id() == FormId::MenuPage)
        job().MenuFileLocation = newest;
    else
        list->setCurrentIndex(first);
}

void ConversionWindow::saveLocations(const StorageForm& form, SettingsWriter& writer) const
{
    QStringList entries;
    if (form.id() == FormId::Favorites) {
        if (!m_favoritesField)
            return;
        entries << m_favoritesField->text();
    } else if (QComboBox* list = listShowing(form)) {
        // A menu page list has no placeholder.
        for (int item = form.id() == FormId::MenuPage ? 0 : 1; item < list->count(); ++item)
            entries << list->itemText(item);
    }
    SaveLocations(writer, form.id(), entries);
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
