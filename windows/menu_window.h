// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/menu_page/color_presets.h"
#include "model/menu_options.h"
#include "settings/saved_options.h"
#include "windows/conversion_window.h"

#include <QString>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvalink {

class ColorBox;
class LocationList;
class MenuPreview;

// "Form5": the Favorites folder (IEToMenu), a Firefox bookmark file (FirefoxToMenu) or an Opera
// hotlist (OperaToMenu) to a cascading menu page. Three tabs:
// - "Bookmarks": the source ("txtIELoc" with "Auto" and a folder picker, or the file list
//   "cboNNLoc" with discovery, history and browsing), the page file ("cboDHTMLLoc", newest first,
//   its label saying "(New File)" or "(File Exists)") and what to export ("fraWhat");
// - "Menu Properties": the six item colours ("picColor(0)" to "picColor(5)"), the colour presets
//   ("cboMenuColor", "Save Preset...", "Delete Preset"), the preview ("fraPreview") and the menu
//   options, among them "Break Submenu After" ("chkMaxItems", "txtMaxItems": 2 to 99);
// - "Page Properties": the page and bar colours ("picColor(6)", "picColor(7)"), the title and
//   what happens when the page is done.
// The create button ("cmdCreaDHTML") checks and writes the page through RunExport; the back
// button ("cmdExit", Esc) closes the window, which saves its options and histories.
class Form5 : public ConversionWindow
{
    Q_OBJECT

public:
    // The window is made for the job's mode.
    Form5(Job& job, ProgramSettings& settings, Dialogs& dialogs,
          std::unique_ptr<ProcessTable> processes = nullptr, QWidget* owner = nullptr);
    ~Form5() override;

    // The eight colours of the colour boxes, by slot.
    MenuColors colors() const;
    // The page as the controls describe it now, each option counting only where its control is
    // both set and enabled.
    MenuPageOptions pageOptions() const;
    // The presets the list shows.
    const MenuColorPresets& presets() const { return m_presets; }

    // The saved options as the controls show them. A "txtMaxItems" that holds no number keeps
    // the number shown last.
    MenuWindowOptions windowOptions() const;

    // The range check of "txtMaxItems": a number from 2 to 99. Otherwise the user is told
    // ("Please, insert a number in range [2-99]", no icon), and the text is selected and keeps
    // the focus.
    bool CheckMaxItems();

protected:
    // The preset saved last is selected (which applies its colours) when the list has an entry
    // of exactly that name, "<Custom>" otherwise: the presets are listed before.
    void showSavedOptions(SettingsReader& reader) override;
    void saveOptions(SettingsWriter& writer) const override;

private:
    void buildBookmarksPage(QWidget* page);
    void buildMenuPage(QWidget* page);
    void buildPagePage(QWidget* page);
    void buildButtons(QWidget* bottom);
    QCheckBox* checkBox(const QString& name, const QString& caption, const QString& tag,
                        QWidget* parent);
    ColorBox* colorBox(int slot, QWidget* parent);

    // Source.
    void sourceChosen(const QString& entry);
    void browseSource();

    // Page file.
    void pageChosen(const QString& entry);
    void browsePage();
    void showPageState();
    void choosePageOnLoad();

    // Colours and presets.
    void listPresets(int selected);
    void presetChosen(int entry);
    void showColors(const MenuColors& colors);
    void pickColor(int slot);
    void savePreset();
    void deletePreset();

    void breakAfterToggled();
    void create();

    MenuColorPresets m_presets;

    QLineEdit* m_favorites = nullptr;
    LocationList* m_sources = nullptr;
    LocationList* m_pages = nullptr;
    QLabel* m_pageLabel = nullptr;

    std::array<ColorBox*, MenuColorSlotCount> m_colorBoxes{};
    QComboBox* m_presetList = nullptr;
    QPushButton* m_presetDelete = nullptr;
    MenuPreview* m_preview = nullptr;
    QCheckBox* m_openNew = nullptr;
    QCheckBox* m_showUrl = nullptr;
    QCheckBox* m_vertical = nullptr;
    QCheckBox* m_shadows = nullptr;
    QCheckBox* m_breakAfter = nullptr;
    QLineEdit* m_maxItems = nullptr;

    QLineEdit* m_pageTitle = nullptr;
    QCheckBox* m_showBrowser = nullptr;
    QCheckBox* m_showStatistics = nullptr;
    QCheckBox* m_keepOrder = nullptr;
    // The number "txtMaxItems" showed as the window opened.
    qint16 m_shownBreakAfter = 0;

    // Set while the window fills the preset list, so that no change counts as the user's choice.
    bool m_listingPresets = false;
    // Set while the range check runs: its message takes the focus away from the field.
    bool m_checkingMaxItems = false;
    // The user has left "txtMaxItems"; its check is due.
    bool m_leavingMaxItems = false;
};

} // namespace orvalink
