// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QtGlobal>
#include <limits>

namespace orvalink {

// A moment a browser stored with a bookmark (when it was added, changed or last visited): whole
// seconds since 1970 (UTC), or unknown. Unknown is not the zero date: a source that says nothing
// keeps saying nothing when it is written into another form.
class BookmarkTime
{
public:
    constexpr BookmarkTime() = default;
    static constexpr BookmarkTime fromSeconds(qint64 seconds) { return BookmarkTime(seconds); }
    // A time as the bookmark file and the hotlist write it: decimal seconds, a minus sign
    // allowed, blanks around them ignored. Unknown for anything else, an empty value included.
    static BookmarkTime fromText(QByteArrayView text);

    constexpr bool isKnown() const { return m_seconds != kUnknown; }
    // Meaningful only when known.
    constexpr qint64 seconds() const { return m_seconds; }
    // The decimal seconds; "" when unknown.
    QByteArray toText() const;
    bool operator==(const BookmarkTime&) const = default;

private:
    static constexpr qint64 kUnknown = std::numeric_limits<qint64>::min();
    constexpr explicit BookmarkTime(qint64 seconds)
        : m_seconds(seconds)
    {}
    qint64 m_seconds = kUnknown;
};

// The dates of a link or folder, each unknown unless its source keeps it.
struct EntryDates
{
    BookmarkTime added;
    BookmarkTime modified;
    BookmarkTime visited;

    bool operator==(const EntryDates&) const = default;
};

// The calendar date of the moment in the local time zone; a null date when it is unknown or
// cannot be converted.
QDate localDate(BookmarkTime time);

} // namespace orvalink
