// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/conversion_window.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace orvalink {

class FileDestinationOptions;
class LocationList;

// "Form2": the Internet Explorer Favorites folder to a Firefox bookmark file (IEToFirefox) or an
// Opera hotlist (IEToOpera). The "Settings" page holds what to export and the locations: the
// Favorites folder ("txtIELoc", browse "Command1", "Auto" "Command3") and the destination list
// ("cboNNLoc", browse "Command2"); the "Options" page what happens to the old bookmarks and
// where the Favorites go (FileDestinationOptions). "Start Exporting" ("Command10") checks, backs
// up, writes and reports; "Go Back to the Main Window" ("Command8", Esc) closes.
//
// The window is made for the job's mode and saves its options and destination history as it
// closes; the old-bookmarks and where-to-export choices are shared with the Firefox-Opera window.
class Form2 : public ConversionWindow
{
    Q_OBJECT

public:
    Form2(Job& job, ProgramSettings& settings, Dialogs& dialogs,
          std::unique_ptr<ProcessTable> processes = nullptr, QWidget* owner = nullptr);
    ~Form2() override;

protected:
    void showSavedOptions(SettingsReader& reader) override;
    void saveOptions(SettingsWriter& writer) const override;

private:
    void buildSettingsPage(QWidget* page);
    void buildButtons(QWidget* bottom);

    // The Favorites folder changed: count it anew. A folder the window (or BrowseIELocation)
    // puts into "txtIELoc" is counted at once; what the user types, when the editing ends.
    void browseDestination();
    void destinationChosen(const QString& entry);
    void RefreshOptions();
    // "Location of Firefox Bookmarks:", or of the window's other destination.
    QString destinationCaption() const;
    void startExporting();

    QLineEdit* m_favorites = nullptr;
    QLabel* m_destinationLabel = nullptr;
    LocationList* m_destinations = nullptr;
    FileDestinationOptions* m_options = nullptr;
};

} // namespace orvalink
