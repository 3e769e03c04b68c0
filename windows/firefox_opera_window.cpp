// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/firefox_opera_window.h"

#include "platform/file_helpers.h"
#include "ui/icons.h"
#include "windows/file_destination_options.h"
#include "windows/location_list.h"
#include "windows/what_to_export.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvalink {

namespace {

// The captions and placeholders of a list, and the name of its bookmarks in the help texts.
QString locationCaption(const StorageForm& form)
{
    return ConversionWindow::textFor(
        form, QCoreApplication::translate("orvalink::Form6", "Location of Fi&refox Bookmarks:"),
        QCoreApplication::translate("orvalink::Form6", "Location of Opera Hot&list:"),
        QCoreApplication::translate("orvalink::Form6", "Location of C&hromium Bookmarks:"));
}

QString placeholder(const StorageForm& form)
{
    return ConversionWindow::textFor(
        form, QCoreApplication::translate("orvalink::Form6", "- Please Select a Bookmark File -"),
        QCoreApplication::translate("orvalink::Form6", "- Please Select an Opera Hotlist File -"),
        QCoreApplication::translate("orvalink::Form6",
                                    "- Please Select a Chromium Bookmark File -"));
}

QString bookmarksOf(const StorageForm& form)
{
    return ConversionWindow::textFor(
        form, QCoreApplication::translate("orvalink::Form6", "Firefox Bookmarks"),
        QCoreApplication::translate("orvalink::Form6", "Opera Bookmarks"),
        QCoreApplication::translate("orvalink::Form6", "Chromium Bookmarks"));
}

} // namespace

Form6::Form6(Job& job, ProgramSettings& settings, Dialogs& dialogs,
             std::unique_ptr<ProcessTable> processes, QWidget* owner)
    : ConversionWindow(job, settings, dialogs, std::move(processes), owner)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(conversionTitle());
    setWindowIcon(conversionIcon(mode()));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    QTabWidget* tabs = createTabStrip({tr("&Settings"), tr("&Options")});
    layout->addWidget(tabs, 1);
    buildSettingsPage(tabPage(0));
    m_options = new FileDestinationOptions(
        tabPage(1),
        tr("&Merge %1 with Old %2").arg(bookmarksOf(sourceForm()), bookmarksOf(destinationForm())));
    auto* bottom = new QWidget(central);
    buildButtons(bottom);
    layout->addWidget(bottom);
    setCentralWidget(central);
    // Sized before the saved position is applied, which keeps the whole window on the screen.
    resize(sizeHint());

    // The saved options and both histories; each history's latest file is taken over.
    loadSettings();
    m_sources->chooseCurrent();
    m_destinations->chooseCurrent();
    m_options->txtWhereNew()->setText(importedFolderName(sourceForm()));
    whatFrame()->optWhatAll()->setChecked(true);
    m_sources->combo()->setFocus();

    discoverSources(*m_sources);
    discover(*m_destinations, destinationForm());
    m_sources->fitDropWidth();
    m_destinations->fitDropWidth();
    enableHoverHelp();
}

Form6::~Form6() = default;

void Form6::showSavedOptions(SettingsReader& reader)
{
    m_options->showOptions(LoadOptions<FileWindowOptions>(reader));
}

void Form6::saveOptions(SettingsWriter& writer) const
{
    SaveOptions(writer, m_options->options());
}

void Form6::buildSettingsPage(QWidget* page)
{
    WhatToExportNames names;
    names.allTag = tr("Export All Folders and Links contained in the Favorites Folder");
    auto* what = new WhatToExportFrame(*this, names, page);
    setWhatFrame(what);

    auto* location = new QGroupBox(tr("Filenames:"), page);
    location->setObjectName(QStringLiteral("fraLocation"));
    auto* grid = new QGridLayout(location);

    // Each browser's picture stands beside its list: Image1 a bookmark file, Image3 a hotlist.
    const auto formPicture = [location](const StorageForm& form) {
        return picture(textFor(form, QStringLiteral("Image1"), QStringLiteral("Image3"),
                               QStringLiteral("imgChromium")),
                       formIcon(form.id()), location);
    };
    auto* sourcePicture = formPicture(sourceForm());
    auto* destinationPicture = formPicture(destinationForm());

    auto* label3 = new QLabel(locationCaption(sourceForm()), location);
    label3->setObjectName(QStringLiteral("Label3"));
    QComboBox* from = locationCombo(QStringLiteral("cboFromLoc"), 50, location);
    labelField(label3, from);
    m_sources = new LocationList(from, placeholder(sourceForm()), this);
    setSourceList(m_sources);
    auto* browseSource = browseButton(QStringLiteral("cmdSelectFrom"),
                                      folderIcon(sourceForm().id(), true), location);
    setTag(browseSource, textFor(sourceForm(), tr("Select the Bookmark File to Export"),
                                 tr("Select the Opera Hotlist to Export"),
                                 tr("Select the Chromium Bookmark File to Export")));

    m_destinationLabel = new QLabel(locationCaption(destinationForm()), location);
    m_destinationLabel->setObjectName(QStringLiteral("Label1"));
    QComboBox* to = locationCombo(QStringLiteral("cboNNLoc"), 50, location);
    labelField(m_destinationLabel, to);
    m_destinations = new LocationList(to, placeholder(destinationForm()), this);
    setDestinationList(m_destinations);
    auto* browseDestination = browseButton(QStringLiteral("Command2"),
                                           folderIcon(destinationForm().id(), true), location);
    setTag(browseDestination,
           textFor(destinationForm(),
                   tr("Select the File Where to Export the %1").arg(bookmarksOf(sourceForm())),
                   tr("Select the Opera Hotlist File Where to Export"),
                   tr("Select the Chromium Bookmark File Where to Export")));

    grid->addLayout(heading(sourcePicture, label3), 0, 0, 1, 2);
    grid->addWidget(from, 1, 0);
    grid->addWidget(browseSource, 1, 1);
    grid->addLayout(heading(destinationPicture, m_destinationLabel), 2, 0, 1, 2);
    grid->addWidget(to, 3, 0);
    grid->addWidget(browseDestination, 3, 1);
    grid->setColumnStretch(0, 1);
    grid->setVerticalSpacing(6);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(what);
    layout->addWidget(location);
    layout->addStretch(1);

    connect(browseSource, &QPushButton::clicked, this, &Form6::browseSource);
    connect(browseDestination, &QPushButton::clicked, this, &Form6::browseDestination);
    connect(m_sources, &LocationList::entryChosen, this, &Form6::sourceChosen);
    connect(m_destinations, &LocationList::entryChosen, this, &Form6::destinationChosen);
}

void Form6::buildButtons(QWidget* bottom)
{
    auto* start =
        buildActionRow(bottom,
                       {QStringLiteral("Frame2"), QStringLiteral("Command10"),
                        tr("S&tart Exporting"), tr("Start Exporting"), QStringLiteral("Command8")},
                       {findChild<QPushButton*>(QStringLiteral("cmdSelectFrom")),
                        findChild<QPushButton*>(QStringLiteral("Command2"))});
    connect(start, &QPushButton::clicked, this, &Form6::startExporting);
}

void Form6::sourceChosen(const QString& entry)
{
    countChosenSource(entry);
}

void Form6::browseSource()
{
    const QString chosen = dialogs().openFile(this, sourceFileDialog());
    if (chosen.isEmpty())
        return;
    takeBrowsedSource(chosen);
}

void Form6::destinationChosen(const QString& entry)
{
    job().DestinationFileLocation = LocationList::pathOf(entry);
    job().UserName = LocationList::profileOf(entry);
    m_destinations->setChosenPath(job().DestinationFileLocation);
    RefreshOptions();
}

void Form6::browseDestination()
{
    const FileDialogRequest request =
        destinationFileRequest(destinationForm(),
                               tr("Select Where To Export The %1")
                                   .arg(textFor(sourceForm(), tr("FF Bookmarks"),
                                                tr("Opera Bookmarks"), tr("Chromium Bookmarks"))),
                               m_destinations->currentPath());
    const QString chosen = dialogs().saveFile(this, request);
    if (chosen.isEmpty())
        return;
    m_destinations->addBrowsed(chosen, BrowsedPlace::First, BrowsedLimit::BeyondDiscovered);
    m_destinations->chooseEntry(chosen);
}

void Form6::RefreshOptions()
{
    const bool exists = FileExists(job().DestinationFileLocation);
    m_destinationLabel->setText(locationCaption(destinationForm()) +
                                (exists ? tr(" (File Exists)") : tr(" (New File)")));
    m_options->RefreshOptions(exists);
}

void Form6::startExporting()
{
    const auto notSelected = [this](LocationList& list, const QString& text) {
        dialogs().message(
            this, UserMessage{tr("Bookmark File Not Selected"), {text}, MessageIcon::Exclamation});
        showFirstTab();
        list.combo()->setFocus();
    };
    if (m_sources->isPlaceholderShown()) {
        notSelected(*m_sources, tr("Please, Select a Bookmark File to Export."));
        return;
    }
    if (m_destinations->isPlaceholderShown()) {
        notSelected(*m_destinations, tr("Please, Select a Bookmark File Where to Export."));
        return;
    }
    ExportRequest request;
    m_options->fill(request);
    request.file.exportAll = whatFrame()->exportsAll();
    if (runExport(request).written())
        RefreshOptions();
}

} // namespace orvalink
