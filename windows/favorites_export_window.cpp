// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/favorites_export_window.h"

#include "platform/file_helpers.h"
#include "ui/icons.h"
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

Form2::Form2(Job& job, ProgramSettings& settings, Dialogs& dialogs,
             std::unique_ptr<ProcessTable> processes, QWidget* owner)
    : ConversionWindow(job, settings, dialogs, std::move(processes), owner)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(conversionTitle());
    setWindowIcon(conversionIcon(mode()));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    QTabWidget* tabs = createTabStrip({tr("&Settings"), tr("&Options")});
    layout->addWidget(tabs, 1);
    buildSettingsPage(tabPage(0));
    m_options =
        new FileDestinationOptions(tabPage(1), tr("&Merge IE Favorites with Old Bookmarks"));
    auto* bottom = new QWidget(central);
    buildButtons(bottom);
    layout->addWidget(bottom);
    setCentralWidget(central);
    // Sized before the saved position is applied, which keeps the whole window on the screen.
    resize(sizeHint());

    // The saved options and the destination history; the history's latest file is taken over.
    loadSettings();
    m_destinations->chooseCurrent();
    m_options->txtWhereNew()->setText(importedFolderName(sourceForm()));

    m_destinations->combo()->setFocus();
    showFavoritesFolder(m_favorites);
    if (m_favorites->text().isEmpty())
        rescanFavorites();

    discover(*m_destinations, destinationForm());
    m_destinations->fitDropWidth();
    enableHoverHelp();
}

Form2::~Form2() = default;

void Form2::showSavedOptions(SettingsReader& reader)
{
    m_options->showOptions(LoadOptions<FileWindowOptions>(reader));
}

void Form2::saveOptions(SettingsWriter& writer) const
{
    SaveOptions(writer, m_options->options());
}

void Form2::buildSettingsPage(QWidget* page)
{
    auto* what = new WhatToExportFrame(*this, {}, page);
    setWhatFrame(what);

    auto* location = new QGroupBox(tr("Filenames:"), page);
    location->setObjectName(QStringLiteral("fraLocation"));
    auto* grid = new QGridLayout(location);

    const FavoritesLocation favorites = createFavoritesLocation(
        location, {QString(), QStringLiteral("Label3"), tr("Favorites Folder Location"),
                   QStringLiteral("Command1"), QStringLiteral("Command3")});
    m_favorites = favorites.field;

    // The destination's picture stands beside its list: Image1 Firefox, Image3 Opera.
    auto* destinationPicture =
        picture(textFor(destinationForm(), QStringLiteral("Image1"), QStringLiteral("Image3"),
                        QStringLiteral("imgChromium")),
                formIcon(destinationForm().id()), location);
    m_destinationLabel = new QLabel(destinationCaption(), location);
    m_destinationLabel->setObjectName(QStringLiteral("Label1"));
    QComboBox* combo = locationCombo(QStringLiteral("cboNNLoc"), 50, location);
    labelField(m_destinationLabel, combo);
    m_destinations =
        new LocationList(combo,
                         textFor(destinationForm(), tr("- Please Select a Bookmark File -"),
                                 tr("- Please Select an Opera Hotlist File -"),
                                 tr("- Please Select a Chromium Bookmark File -")),
                         this);
    setDestinationList(m_destinations);
    auto* browseDestination = browseButton(QStringLiteral("Command2"),
                                           folderIcon(destinationForm().id(), true), location);
    setTag(browseDestination,
           textFor(destinationForm(), tr("Select the File Where to Export the Favorites"),
                   tr("Select the Opera Hotlist File Where to Export"),
                   tr("Select the Chromium Bookmark File Where to Export")));

    grid->addLayout(favorites.heading, 0, 0, 1, 3);
    grid->addWidget(m_favorites, 1, 0);
    grid->addWidget(favorites.browse, 1, 1);
    grid->addWidget(favorites.autoButton, 1, 2);
    grid->addLayout(heading(destinationPicture, m_destinationLabel), 2, 0, 1, 3);
    grid->addWidget(combo, 3, 0);
    grid->addWidget(browseDestination, 3, 1);
    grid->setColumnStretch(0, 1);
    grid->setVerticalSpacing(6);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(what);
    layout->addWidget(location);
    layout->addStretch(1);

    connect(browseDestination, &QPushButton::clicked, this, &Form2::browseDestination);
    connect(m_destinations, &LocationList::entryChosen, this, &Form2::destinationChosen);
    countFavoritesAsEdited(m_favorites);
}

void Form2::buildButtons(QWidget* bottom)
{
    auto* start =
        buildActionRow(bottom,
                       {QStringLiteral("Frame2"), QStringLiteral("Command10"),
                        tr("S&tart Exporting"), tr("Start Exporting"), QStringLiteral("Command8")},
                       {findChild<QPushButton*>(QStringLiteral("Command1")),
                        findChild<QPushButton*>(QStringLiteral("Command2"))});
    connect(start, &QPushButton::clicked, this, &Form2::startExporting);
}

void Form2::browseDestination()
{
    const FileDialogRequest request =
        destinationFileRequest(destinationForm(), tr("Select Where To Export The IE Favorites"),
                               m_destinations->currentPath());
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

QString Form2::destinationCaption() const
{
    return textFor(destinationForm(), tr("Location of Fi&refox Bookmarks:"),
                   tr("Location of Opera Hot&list:"), tr("Location of C&hromium Bookmarks:"));
}

void Form2::RefreshOptions()
{
    const bool exists = FileExists(job().DestinationFileLocation);
    m_destinationLabel->setText(destinationCaption() +
                                (exists ? tr(" (File Exists)") : tr(" (New File)")));
    m_options->RefreshOptions(exists);
}

void Form2::startExporting()
{
    if (m_destinations->isPlaceholderShown()) {
        dialogs().message(this, UserMessage{tr("Bookmark File Not Selected"),
                                            {tr("Please, Select a Bookmark File Where to Export IE "
                                                "Favorites.")},
                                            MessageIcon::Exclamation});
        showFirstTab();
        m_destinations->combo()->setFocus();
        return;
    }
    ExportRequest request;
    m_options->fill(request);
    request.file.exportAll = whatFrame()->exportsAll();
    if (runExport(request).written())
        RefreshOptions();
}

} // namespace orvalink
