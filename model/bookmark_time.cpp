// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/bookmark_time.h"

#include <ctime>

namespace orvalink {

BookmarkTime BookmarkTime::fromText(QByteArrayView text)
{
    text = text.trimmed();
    const bool negative = text.startsWith('-');
    if (negative)
        text = text.sliced(1);
    // Eighteen digits always fit, and no browser counts seconds further than that.
    if (text.isEmpty() || text.size() > 18)
        return {};
    qint64 seconds = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return {};
        seconds = seconds * 10 + (c - '0');
    }
    return fromSeconds(negative ? -seconds : seconds);
}

QByteArray BookmarkTime::toText() const
{
    return isKnown() ? QByteArray::number(m_seconds) : QByteArray();
}

QDate localDate(BookmarkTime time)
{
    if (!time.isKnown())
        return {};
    // The C library rather than QDateTime: Qt looks the local zone up again on every conversion
    // (a file status call each time on Linux), some thirty times slower per entry.
    const auto moment = static_cast<std::time_t>(time.seconds());
    if (static_cast<qint64>(moment) != time.seconds())
        return {};
    std::tm local{};
#ifdef Q_OS_WIN
    if (localtime_s(&local, &moment) != 0)
        return {};
#else
    if (localtime_r(&moment, &local) == nullptr)
        return {};
#endif
    return QDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

} // namespace orvalink
