// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>
#include <span>

namespace orvalink {

// Widths of menu item texts in pixels, as Verdana 8.25 pt (11 px at 96 dpi) draws them, taken
// from the font's advance widths built into the program. No installed font takes part, so a
// page comes out the same on every machine.
//
// Printable ASCII has its own widths; an accented Latin letter takes its base letter's width; a
// character of East Asian Width W or F (ideographs, kana, Hangul, full-width forms, most emoji)
// one em; a combining mark nothing; anything else the width of "x". The advances of a text's
// code points are added up and the sum rounded to whole pixels once.
int textWidth(QStringView text, bool bold = true);

// The largest position at or before position that does not fall inside a character as the
// reader sees it: not inside a surrogate pair, an emoji sequence, or between a letter and its
// combining marks.
qsizetype characterBoundaryBefore(const QString& text, qsizetype position);

// A run of code points first..last, both included.
struct CodePointRange
{
    char32_t first;
    char32_t last;
};

// The code points of East Asian Width W or F, sorted, as generated from the Unicode data.
std::span<const CodePointRange> eastAsianWideRanges();

} // namespace orvalink
