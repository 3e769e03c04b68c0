// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/conversion_window.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace orvalink {

class LocationList;

// "Form4": a Firefox bookmark file (FirefoxToIE) or an Opera hotlist (OperaToIE) written into
// the Internet Explorer Favorites folder as shortcut files.
//
// The "Setting" page holds the locations, the source list "cboNNLoc" (browse "NNcmdNNBrowse";
// the files discovery finds, the saved history and up to five browsed files) and the Favorites
// folder "txtIELoc" (browse "NNcmdIEBrowse", "Auto" "NNcmdIEAuto"), and what to export. The
// "Options" page says where under the Favorites folder the bookmarks go: its root
// ("NNoptWhere(0)"), a new folder named in "NNtxtWhereNew" ("NNoptWhere(1)"), or an existing
// subfolder ("NNoptWhere(2)") typed in "NNtxtWhereExist" or picked with "NNcmdWhereBrowse".
// "Start Exporting" ("Command10") checks and writes; "NNcmdExit" (Esc) closes.
//
// The window is made for the job's mode and saves the Favorites folder, the where-to-export
// choice and the source history as it closes.
class Form4 : public ConversionWindow
{
    Q_OBJECT

public:
    Form4(Job& job, ProgramSettings& settings, Dialogs& dialogs,
          std::unique_ptr<ProcessTable> processes = nullptr, QWidget* owner = nullptr);
    ~Form4() override;

    // Refreshes the "What to Export" frame after the source changed: the selection over the old
    // source goes, the counts become the new source's, and the status bar reads "Ready".
    void AggiornaWhatToExport(const SourceCounts& counts);

protected:
    void showSavedOptions(SettingsReader& reader) override;
    void saveOptions(SettingsWriter& writer) const override;

private:
    void buildSettingsPage(QWidget* page);
    void buildOptionsPage(QWidget* page);
    void buildButtons(QWidget* bottom);

    void sourceChosen(const QString& entry);
    void browseSource();
    // The Favorites folder in "txtIELoc" changed: it is the job's destination from now on, and an
    // existing subfolder picked under the old one means nothing there.
    void favoritesEdited(const QString& text);
    void whereChosen(int index);
    void existingFolderClicked();
    void browseExistingFolder();
    void startExporting();
    FavoritesExportOptions favoritesOptions() const;

    LocationList* m_sources = nullptr;
    QLineEdit* m_favorites = nullptr;
    std::array<QRadioButton*, 3> m_where{};
    QLineEdit* m_whereNew = nullptr;
    QLineEdit* m_whereExist = nullptr;
    // Set while a browsed file is put into the list, which counted it already.
    bool m_browsing = false;
};

} // namespace orvalink
