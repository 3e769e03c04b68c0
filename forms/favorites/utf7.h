// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace orvalink {

// UTF-7 (RFC 2152), the form Windows gives the Unicode values of an Internet Shortcut in its
// "[InternetShortcut.W]" section.

// Decodes UTF-7 text. Ill-formed input is decoded as far as it makes sense and never fails:
// a "+" without a base64 run is dropped, and bits left over at the end of a run are ignored.
QString decodeUtf7(const QString& text);

// Encodes text as UTF-7: letters, digits, blanks and the punctuation RFC 2152 allows directly
// stay as they are, "+" becomes "+-", and every other run of characters becomes "+", its
// UTF-16 code units in modified base64, and "-".
QByteArray encodeUtf7(const QString& text);

} // namespace orvalink
