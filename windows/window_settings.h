#pragma once

#include "ui/window_placement.h"

class QComboBox;
class QWidget;

namespace orvalink {

class Job;
class ProgramSettings;

// Every window restores its position and options as it opens and stores them as it closes, in
// the program's own options file (the CSetting store with no name): section "Position" for
// geometry, "Settings" for the rest.
//
// Window indexes: 1 the main window, 3 the selection window, and an export window's ExportMode
// number (2 or 7 the Favorites export window, 4 or 9 the Favorites import window, 5, 6 or 11
// the menu window, 8 or 10 the Firefox-Opera window).
//
// Controls are found by objectName among the window's descendants ("chkBackup", "optWhere(1)",
// "cboNNLoc"); a control the window lacks is skipped. Failures of the store are ignored: a value
// that cannot be read leaves its control as it is, one that cannot be written keeps its old
// value, and nothing is reported. Check boxes store 0 or 1 (2 for partly checked), option
// buttons -1 when selected and 0 when not.
//
// Positions are those of window_placement.h.

// Restores the window's position (see LoadWindowPosition) and options. Export
// windows call it after adding the placeholder item 0 to their location lists and before
// location discovery. "FavLocation" becomes job.IELocation when that folder exists; the menu
// window's first menu page becomes job.MenuFileLocation. The menu window lists its colour
// presets in "cboMenuColor" before calling: the entry named exactly as the preset saved last is
// selected (setCurrentIndex, so the window applies it), "<Custom>" when there is none.
void LoadWindowSettings(ProgramSettings& settings, int windowIndex, QWidget& window, Job& job);
// Stores the window's position and options; called as the window closes, before the job is
// reset.
void SaveWindowSettings(ProgramSettings& settings, int windowIndex, QWidget& window);

// Location histories: five keys each, index 0 the most recent entry. Loading adds the entries
// whose file still exists to the end of the list and, when entry 0 is among them, selects it
// (setCurrentIndex: the list's currentIndexChanged runs, activated does not). Saving writes
// every item after the placeholder item 0, in list order, from key 0 on, after clearing keys 0
// to 4.
//
// The bookmark file history (keys 0NNLocation..): an entry may read "<profile> path", the path
// starting two characters after the last ">".
void LoadBookmarkFileHistory(ProgramSettings& settings, QComboBox& list);
void SaveBookmarkFileHistory(ProgramSettings& settings, const QComboBox& list);
// The Opera hotlist history (keys 0OperaHotlist..): the entry is the path. Items beginning
// with "<" (discovered entries) are not stored.
void LoadHotlistHistory(ProgramSettings& settings, QComboBox& list);
void SaveHotlistHistory(ProgramSettings& settings, const QComboBox& list);
// The menu page history of the window's "cboDHTMLLoc" (keys 0MenuLocation..): entries whose
// file or folder exists are added; entry 0 also becomes job.MenuFileLocation. Saving writes
// items 0 to 4 (this list has no placeholder).
void LoadMenuLocationHistory(ProgramSettings& settings, QWidget& window, Job& job);
void SaveMenuLocationHistory(ProgramSettings& settings, QWidget& window);

} // namespace orvalink
