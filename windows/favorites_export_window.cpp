#include "windows/favorites_export_window.h"

#include "settings/window_settings.h"
#include "sources/file_helpers.h"
#include "ui/icons.h"
#include "windows/browse_ie_location.h"
#include "windows/file_destination_options.h"
#include "windows/location_list.h"
#include "windows/what_to_export.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvalink {

namespace {

bool toOpera(ExportMode mode)
{
    return mode == ExportMode::IEToOpera;
}

} // namespace

Form2::Form2(Job& job, Dialogs& dialogs, std::unique_ptr<ProcessTable> processes, QWidget* owner)
    : ConversionWindow(job, dialogs, std::move(processes), owner)
    , m_mode(job.mode)
{
    setObjectName(QStringLiteral("Form2"));
    const bool opera = toOpera(m_mode);
    setWindowTitle(opera ? QStringLiteral("IE Favorites to Opera Bookmarks - Orvalink")
                         : QStringLiteral("IE Favorites to FF Bookmarks - Orvalink"));
    setWindowIcon(conversionIcon(m_mode));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    QTabWidget* tabs = createTabStrip({QStringLiteral("Settings"), QStringLiteral("Options")});
    layout->addWidget(tabs, 1);
    buildSettingsPage(tabPage(0));
    m_options = new FileDestinationOptions(tabPage(1),
                                           QStringLiteral("Merge IE Favorites with Old Bookmarks"));
    auto* bottom = new QWidget(central);
    buildButtons(bottom);
    layout->addWidget(bottom);
    setCentralWidget(central);
    // Sized before the saved position is applied, which keeps the whole window on the screen.
    resize(sizeHint());

    // The saved options and the destination history; the history's latest file is taken over.
    LoadWindowSettings(static_cast<int>(m_mode), *this, this->job());
    m_destinations->chooseCurrent();
    m_options->txtWhereNew()->setText(datedFolderName(QStringLiteral("Imported from IE (")));

    if (this->job().IELocation.isEmpty())
        this->job().IELocation = LocateFavoritesFolder(this, this->dialogs());
    m_destinations->combo()->setFocus();
    m_favorites->setText(this->job().IELocation);
    if (m_favorites->text().isEmpty())
        rescan();

    discover(*m_destinations, opera ? SourceKind::Hotlist : SourceKind::BookmarkFile);
    m_destinations->fitDropWidth();
    enableHoverHelp();
}

Form2::~Form2() = default;

void Form2::buildSettingsPage(QWidget* page)
{
    const bool opera = toOpera(m_mode);
    auto* what = new WhatToExportFrame(*this, {}, page);
    setWhatFrame(what);

    auto* location = new QGroupBox(QStringLiteral("Filenames:"), page);
    location->setObjectName(QStringLiteral("fraLocation"));
    auto* grid = new QGridLayout(location);

    auto* favoritesPicture = new QLabel(location);
    favoritesPicture->setPixmap(formIcon(SourceKind::Favorites).pixmap(QSize(20, 20)));
    auto* label3 = new QLabel(QStringLiteral("Location of Internet Explorer Favorites:"), location);
    label3->setObjectName(QStringLiteral("Label3"));
    m_favorites = new QLineEdit(location);
    m_favorites->setObjectName(QStringLiteral("txtIELoc"));
    setTag(m_favorites, QStringLiteral("Favorites Folder Location"));
    label3->setBuddy(m_favorites);
    auto* browseFavorites =
        browseButton(QStringLiteral("Command1"), folderIcon(SourceKind::Favorites, true), location);
    setTag(browseFavorites, QStringLiteral("Select the Favorites Folder Location"));
    auto* autoButton = new QPushButton(QStringLiteral("Auto"), location);
    autoButton->setObjectName(QStringLiteral("Command3"));
    setTag(autoButton, QStringLiteral("Auto-Detect the Favorites Folder Location"));

    // Image1 shows Firefox, Image3 Opera; the destination's picture stands beside its list.
    auto* image1 = new QLabel(location);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(formIcon(SourceKind::BookmarkFile).pixmap(QSize(20, 20)));
    auto* image3 = new QLabel(location);
    image3->setObjectName(QStringLiteral("Image3"));
    image3->setPixmap(formIcon(SourceKind::Hotlist).pixmap(QSize(20, 20)));
    m_destinationLabel = new QLabel(opera ? QStringLiteral("Location of Opera Hotlist:")
                                          : QStringLiteral("Location of Firefox Bookmarks:"),
                                    location);
    m_destinationLabel->setObjectName(QStringLiteral("Label1"));
    auto* combo = new QComboBox(location);
    combo->setObjectName(QStringLiteral("cboNNLoc"));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(50);
    m_destinationLabel->setBuddy(combo);
    m_destinations =
        new LocationList(combo,
                         opera ? QStringLiteral("- Please Select an Opera Hotlist File -")
                               : QStringLiteral("- Please Select a Bookmark File -"),
                         this);
    setDestinationList(m_destinations);
    auto* browseDestination = browseButton(
        QStringLiteral("Command2"),
        folderIcon(opera ? SourceKind::Hotlist : SourceKind::BookmarkFile, true), location);
    setTag(browseDestination,
           opera ? QStringLiteral("Select the Opera Hotlist File Where to Export")
                 : QStringLiteral("Select the File Where to Export the Favorites"));

    auto* favoritesHeading = new QHBoxLayout;
    favoritesHeading->addWidget(favoritesPicture);
    favoritesHeading->addWidget(label3, 1);
    auto* destinationHeading = new QHBoxLayout;
    destinationHeading->addWidget(opera ? image3 : image1);
    destinationHeading->addWidget(m_destinationLabel, 1);
    (opera ? image1 : image3)->hide();

    grid->addLayout(favoritesHeading, 0, 0, 1, 3);
    grid->addWidget(m_favorites, 1, 0);
    grid->addWidget(browseFavorites, 1, 1);
    grid->addWidget(autoButton, 1, 2);
    grid->addLayout(destinationHeading, 2, 0, 1, 3);
    grid->addWidget(combo, 3, 0);
    grid->addWidget(browseDestination, 3, 1);
    grid->setColumnStretch(0, 1);
    grid->setVerticalSpacing(6);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(what);
    layout->addWidget(location);
    layout->addStretch(1);

    connect(browseFavorites, &QPushButton::clicked, this, [this] { BrowseIELocation(*this); });
    connect(autoButton, &QPushButton::clicked, this, &Form2::autoLocate);
    connect(browseDestination, &QPushButton::clicked, this, &Form2::browseDestination);
    connect(m_destinations, &LocationList::entryChosen, this, &Form2::destinationChosen);
    // A folder put into the field by the window is the job's already: count it at once. Typed
    // text becomes the job's folder when the editing ends, so that half a path is never walked.
    connect(m_favorites, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text == this->job().IELocation)
            rescan();
    });
    connect(m_favorites, &QLineEdit::editingFinished, this, [this] {
        if (m_favorites->text() != this->job().IELocation) {
            this->job().IELocation = m_favorites->text();
            rescan();
        }
    });
}

void Form2::buildButtons(QWidget* bottom)
{
    bottom->setObjectName(QStringLiteral("Frame2"));
    auto* start = actionButton(QStringLiteral("Command10"), QStringLiteral("Start Exporting"),
                               conversionIcon(m_mode), bottom);
    setTag(start, QStringLiteral("Start Exporting"));
    auto* back = actionButton(QStringLiteral("Command8"),
                              QStringLiteral("Go Back to the Main Window"), backIcon(), bottom);
    setTag(back, QStringLiteral("Go Back to the Main Window (ESC)"));
    layoutActionButtons(bottom, {start, back});
    applyButtonThemes({findChild<QPushButton*>(QStringLiteral("Command1")),
                       findChild<QPushButton*>(QStringLiteral("Command2")), back, start});
    setBackButton(back);
    connect(start, &QPushButton::clicked, this, &Form2::startExporting);
}

void Form2::rescan()
{
    whatFrame()->takeCounts(countSource(SourceKind::Favorites, job().IELocation), true);
}

void Form2::autoLocate()
{
    job().IELocation = LocateFavoritesFolder(this, dialogs());
    m_favorites->setText(job().IELocation);
}

void Form2::browseDestination()
{
    const bool opera = toOpera(m_mode);
    FileDialogRequest request;
    request.title = QStringLiteral("Select Where To Export The IE Favorites");
    request.filter = opera ? QStringLiteral("All Files (*.*)|*.*|Opera Hotlist Files|*.adr|")
                           : QStringLiteral("All Files (*.*)|*.*|HTML Files|*.html;*.htm|");
    request.defaultExtension = opera ? QStringLiteral("adr") : QStringLiteral("htm");
    request.filterIndex = 2;
    request.confirmOverwrite = true;
    const QString chosen = dialogs().saveFile(this, request);
    if (chosen.isEmpty())
        return;
    m_destinations->addBrowsed(chosen, BrowsedPlace::First, BrowsedLimit::AllEntries);
    m_destinations->chooseEntry(chosen);
}

void Form2::destinationChosen(const QString& entry)
{
    job().DestinationFileLocation = LocationList::pathOf(entry);
    job().UserName = LocationList::profileOf(entry);
    m_destinations->setChosenPath(job().DestinationFileLocation);
    RefreshOptions();
}

void Form2::RefreshOptions()
{
    const bool exists = FileExists(job().DestinationFileLocation);
    const QString label = toOpera(m_mode) ? QStringLiteral("Location of Opera Hotlist:")
                                          : QStringLiteral("Location of Firefox Bookmarks:");
    m_destinationLabel->setText(
        label + (exists ? QStringLiteral(" (File Exists)") : QStringLiteral(" (New File)")));
    m_options->RefreshOptions(exists);
}

void Form2::startExporting()
{
    if (m_destinations->isPlaceholderShown()) {
        dialogs().message(
            this, UserMessage{QStringLiteral("Bookmark File Not Selected"),
                              {QStringLiteral("Please, Select a Bookmark File Where to Export IE "
                                              "Favorites.")},
                              MessageIcon::Exclamation});
        showFirstTab();
        m_destinations->combo()->setFocus();
        return;
    }
    ExportRequest request;
    m_options->fill(request);
    request.file.exportAll = whatFrame()->exportsAll();
    if (runExport(request).completed())
        RefreshOptions();
}

void Form2::saveSettings()
{
    SaveWindowSettings(static_cast<int>(m_mode), *this);
}

} // namespace orvalink
