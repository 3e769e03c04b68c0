// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/program_settings.h"

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace orvalink {

// Where windows open: every window restores the position it had when it last closed, kept on the
// screen, from section "Position" of the program's own options.
//
// Positions are stored in twips of a 96-dpi screen: logical pixels x 15. Left and top are the
// window frame's.

// The windows that keep a position, each under keys of its own (see the table in
// window_placement.cpp): the main window ("MainLeft", "MainTop"), the selection window ("ThiLeft",
// "ThiTop", and its inside's "ThiWidth" and "ThiHeight", what QWidget::resize() sets) and the
// export windows, which share theirs ("SecLeft", "SecTop"). A window without a stored position
// opens at a fifth of the screen (the main window at a third, the selection window at 50, 100
// pixels and 700 by 400).
enum class SavedWindow { Main, Selection, Export };

// Twips per logical pixel.
inline constexpr int kTwipsPerPixel = 15;

// Restores the window's position (and the selection window's size) as stored.
void LoadWindowPosition(SavedWindow saved, QWidget& window, SettingsReader& reader);
// Stores where the window stands; a maximised, minimised or full-screen window stores the place
// it goes back to.
void SaveWindowPosition(SavedWindow saved, const QWidget& window, SettingsWriter& writer);

// Moves window to (leftTwips, topTwips), kept on the screen the window is on: a position left
// of or above the screen moves to its edge, one that would put part of the window past the right
// or bottom edge moves back so the window ends at that edge. A window larger than the screen
// therefore ends with a negative left or top edge. The size does not change. The window's frame
// counts, also before the window is shown and has one.
void PlaceWindow(QWidget& window, int leftTwips, int topTwips);
// Moves a window that has grown past its screen's right or bottom edge back so that it ends there,
// by the rule of PlaceWindow.
void KeepOnScreen(QWidget& window);
// The rule of PlaceWindow on plain numbers: where a window of windowSize wanting to be at
// wanted ends on screen (all in the same unit).
QPoint keptOnScreen(const QRect& screen, const QSize& windowSize, QPoint wanted);

} // namespace orvalink
