#include "platform/file_times.h"

#include <QFile>
#include <ctime>
#include <sys/stat.h>

namespace orvalink {

QDate localWriteDate(qint64 secondsSinceEpoch)
{
    const auto moment = static_cast<std::time_t>(secondsSinceEpoch);
    if (static_cast<qint64>(moment) != secondsSinceEpoch)
        return {};
    std::tm local{};
    if (localtime_r(&moment, &local) == nullptr)
        return {};
    return QDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

QDate lastWriteDate(const QString& path)
{
    struct stat status
    {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return localWriteDate(status.st_mtim.tv_sec);
}

} // namespace orvalink
