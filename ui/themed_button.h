// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAbstractButton;

namespace orvalink {

// The looks of a themed picture button, first match wins: disabled; hot (pointer over it, not
// held down); pressed (held down, or checked); default (has the focus); normal.
enum class ButtonLook { Normal, Hot, Pressed, Default, Disabled };

// Makes a picture button (a push button, tool button or option button) draw itself as a push
// button of the platform style in its current look, with its caption in a band along the bottom
// edge and its icon centred in the space above it; without an icon the caption is centred. The
// focused button shows the style's default-button look and no focus rectangle.
//
// The picture of each look is the mode of the button's icon: normal and default QIcon::Normal,
// hot and pressed QIcon::Active (the pressed picture of a picture button is its hover picture),
// disabled QIcon::Disabled; a checked button uses the icon's On state. A mode the icon has no
// drawing for is what QIcon makes of it (the disabled look is then greyed by the style).
//
// Painting is taken over by an event filter owned by the button, so the button stays an
// ordinary QAbstractButton for its window: clicks, shortcuts, signals. A second call does
// nothing; a null button is ignored.
void ApplyButtonTheme(QAbstractButton* button);

// Whether ApplyButtonTheme() has been applied to the button.
bool isButtonThemed(const QAbstractButton& button);

// The look the button would be drawn in now.
ButtonLook buttonLook(const QAbstractButton& button);

} // namespace orvalink
