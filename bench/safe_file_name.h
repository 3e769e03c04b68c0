#pragma once

#include <QString>

namespace orvalink {

// Longest file name the corpus writes, in UTF-16 code units (Windows counts those), extension
// and number included. Linux counts bytes instead, so the UTF-8 form is kept within 255 as well.
constexpr int kMaxFileNameUnits = 100;
constexpr int kMaxFileNameBytes = 255;

// The name of a folder or link as a file name that Windows, macOS and Linux all accept: the
// characters / \ : * ? " < > | become "-", control characters are dropped, the name is cut to
// the limits above (never inside a surrogate pair), trailing dots and spaces go, a reserved
// device name (CON, NUL, COM1, ...) gets a "_", and an empty result becomes "Untitled".
// number > 1 appends " (number)" after the cut, so a numbered name keeps its number.
// extension (".url" or "") is appended last.
QString safeFileName(const QString& name, int number, QStringView extension);

// The key under which two file names count as the same in one folder: file systems that ignore
// case (and, on macOS, the form of composed characters) would store them as one file.
QString fileNameKey(const QString& fileName);

} // namespace orvalink
