// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>
#include <span>
#include <string_view>

namespace orvalink {

// Replaces the character references of HTML text with the characters they stand for:
// - numeric ones, decimal "&#39;" or hexadecimal "&#x1F600;" (the ";" may be missing, as HTML
//   allows); a number that is no Unicode scalar value becomes U+FFFD, and 128 to 159 are read
//   as Windows-1252, as browsers do;
// - named ones from HTML's whole table, but only when written with their ";": an old file's
//   "?a=1&region=us" keeps its URL, and so does every "&" that starts no known name.
// Each reference is replaced once, so "&amp;amp;" gives "&amp;".
QString decodeCharacterReferences(const QString& text);
// The same in place, for text[0, size) that is kept elsewhere: no reference takes less room
// than its characters. Returns the size of the text left.
qsizetype decodeCharacterReferencesInPlace(QChar* text, qsizetype size);

// One named reference: its name without "&" and ";", and the one or two code points it stands
// for (second is 0 for one).
struct NamedCharacterReference
{
    std::string_view name;
    char32_t first;
    char32_t second;
};

// HTML's named references that end in ";", sorted by name in byte order.
std::span<const NamedCharacterReference> namedCharacterReferences();

// The length of the longest name in the table, so a search can stop early.
inline constexpr int kLongestNamedReference = 31;

} // namespace orvalink
