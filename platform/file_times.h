#pragma once

#include <QDate>
#include <QString>

namespace orvalink {

// The calendar date, in the local time zone, of a moment given in seconds since 1970 (UTC);
// a null date when the moment cannot be converted.
QDate localWriteDate(qint64 secondsSinceEpoch);

// The local calendar date of the last write of the file or folder at path (links followed);
// a null date when it cannot be read.
QDate lastWriteDate(const QString& path);

} // namespace orvalink
