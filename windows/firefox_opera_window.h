// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/conversion_window.h"

class QLabel;
class QPushButton;

namespace orvalink {

class FileDestinationOptions;
class LocationList;

// "Form6": a Firefox bookmark file to an Opera hotlist (FirefoxToOpera) or back
// (OperaToFirefox). The "Settings" page holds what to export and the two location lists, the
// source "cboFromLoc" (browse "cmdSelectFrom") and the destination "cboNNLoc" (browse
// "Command2"), each offering the files discovery finds, the saved history and up to five browsed
// files; the "Options" page what happens to the old bookmarks and where the bookmarks go
// (FileDestinationOptions). "Start Exporting" ("Command10") checks, backs up, writes and
// reports; "Go Back to the Main Window" ("Command8", Esc) closes.
//
// The window is made for the job's mode and saves its options and both histories as it closes;
// the old-bookmarks and where-to-export choices are shared with the Favorites export window.
class Form6 : public ConversionWindow
{
    Q_OBJECT

public:
    Form6(Job& job, ProgramSettings& settings, Dialogs& dialogs,
          std::unique_ptr<ProcessTable> processes = nullptr, QWidget* owner = nullptr);
    ~Form6() override;

protected:
    void showSavedOptions(SettingsReader& reader) override;
    void saveOptions(SettingsWriter& writer) const override;

private:
    void buildSettingsPage(QWidget* page);
    void buildButtons(QWidget* bottom);

    void sourceChosen(const QString& entry);
    void browseSource();
    void destinationChosen(const QString& entry);
    void browseDestination();
    void RefreshOptions();
    void startExporting();

    QLabel* m_destinationLabel = nullptr;
    LocationList* m_sources = nullptr;
    LocationList* m_destinations = nullptr;
    FileDestinationOptions* m_options = nullptr;
};

} // namespace orvalink
