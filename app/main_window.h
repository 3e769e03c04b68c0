// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/export_mode.h"
#include "ui/hover_capture.h"
#include "windows/conversion_window.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>

class QAbstractButton;
class QPushButton;
class QStatusBar;

namespace orvalink {

class Dialogs;
class Job;

// "Orvalink": the launcher of the conversions. A two-level panel of picture buttons
// ("cmdInizio(0)" to "cmdInizio(20)"): the first level offers the four source families
// (Internet Explorer 0, Firefox 1, Opera 2, Chromium 13); choosing one widens the window and
// shows that family's four conversions in the same places (buttons 4, 5, 14, 6; 7, 8, 15, 9;
// 10, 11, 16, 12; or 17 to 20) with the back button 3 beside them. The File menu reaches every
// conversion directly from either level.
//
// A button's meaning is its "Tag" property, not its index: the dispatcher compares tags. The tag
// of the button under the pointer is shown in the status bar ("StatusBar1").
//
// Choosing a conversion sets the job's mode and opens that conversion's window; the main window
// stays visible but disabled until the window closes. Each export window exists at most once.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int kButtonCount = 21;
    // The window widths of the two levels at 96 dpi (4080 and 5415 twips); the window grows in
    // the same proportion where its texts need more room.
    static constexpr int kFirstLevelWidth = 272;
    static constexpr int kSecondLevelWidth = 361;

    Form1(Job& job, ProgramSettings& settings, Dialogs& dialogs, QWidget* parent = nullptr);
    ~Form1() override;

    // The button "cmdInizio(index)".
    QPushButton* cmdInizio(int index) const;

    // What a click on button index does: open the second level, go back, or open a conversion;
    // a tag it does not know ("(Last Selection)") does nothing. Then the focus goes to
    // "Picture1" and any hover ends.
    void cmdInizio_Click(int index);

    // Makes the window and its buttons available or not (the window stays visible); returns
    // enabled.
    bool EnableMainWindow(bool enabled);

    // The export window of the current job, while it is open.
    ExportWindow* ActiveExportWindow() const { return m_activeExportWindow; }

    // Shows the second level of the family that reads the file at path, so that only the
    // destination is left to choose; the export window opened next from that level starts with
    // the file as its source. A folder is taken as a Favorites folder. A missing file, or one no
    // form recognises, leaves the first level and tells the user why. A file, hotlist or folder
    // dropped on the window opens the same way.
    void openSource(const QString& path);

    // Shows the "Orvalink" window in front, as a second start of the program asks; an open export
    // window comes in front of it.
    void bringToFront();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The export windows, one per kind of window; modes share a window as their windows do.
    enum ExportWindowSlot { FavoritesExport, FavoritesImport, MenuPage, FirefoxOpera };
    static constexpr size_t kSlotCount = 4;
    static ExportWindowSlot slotOf(ExportMode mode);

    void createButtons(QWidget* panel);
    void createMenus();
    // Fixes the window's size for one level; the heights of both levels are equal.
    void applyLevelSize(bool secondLevel);
    int levelWidth(bool secondLevel) const;
    // Shows the conversions of a family (its column on the first level), or the first level for
    // kFirstLevel.
    static constexpr int kFirstLevel = -1;
    void showLevel(int family);
    void openExportWindow(ExportMode mode);
    // Hands the file given to openSource() to the active export window, when its conversion reads
    // from that file's family; the file is handed once.
    void handOverGivenSource();
    void exportWindowClosed(ConversionWindow* window);
    void showHelp();
    void showAbout();
    // Keeps a window of ours in front of this one, as its owner, without making it a child
    // (a child would be disabled along with this window).
    void own(QWidget& window);

    void cat_MouseEnter(QWidget* control);
    void cat_MouseExit(QWidget* control);

    Job& m_job;
    ProgramSettings& m_settings;
    Dialogs& m_dialogs;
    std::array<QPushButton*, kButtonCount> m_buttons{};
    QWidget* m_picture1 = nullptr;
    QStatusBar* m_statusBar1 = nullptr;
    cCaptureTheMouse m_cat;
    std::array<QPointer<ConversionWindow>, kSlotCount> m_exportWindows;
    QPointer<ConversionWindow> m_activeExportWindow;
    // The file given to openSource(), until an export window of its family takes it, and that
    // family's level.
    QString m_givenSource;
    int m_givenFamily = kFirstLevel;
    // The family whose conversions the panel shows, or kFirstLevel.
    int m_shownFamily = kFirstLevel;
    // The last press on a panel button came from the keyboard (Space, Enter or its shortcut):
    // the focus then follows the level it opens, where the mouse leaves it on the panel.
    bool m_pressedByKeyboard = false;
};

} // namespace orvalink
