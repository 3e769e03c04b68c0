#include "platform/file_times.h"

#include <QDateTime>
#include <QFileInfo>
#include <ctime>

namespace orvalink {

QDate localWriteDate(qint64 secondsSinceEpoch)
{
    // The C library rather than QDateTime: Qt looks the local zone up again on every conversion
    // (a file status call each time on Linux), some thirty times slower per link listed.
    const auto moment = static_cast<std::time_t>(secondsSinceEpoch);
    if (static_cast<qint64>(moment) != secondsSinceEpoch)
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

QDate lastWriteDate(const QString& path)
{
    if (path.isEmpty())
        return {};
    const QDateTime written = QFileInfo(path).lastModified();
    return written.isValid() ? localWriteDate(written.toSecsSinceEpoch()) : QDate();
}

} // namespace orvalink
