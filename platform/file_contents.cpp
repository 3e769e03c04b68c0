// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_contents.h"

#include "model/huge_pages.h"
#include "platform/file_helpers.h"

#include <QCoreApplication>
#include <cerrno>
#include <thread>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace orvalink {

namespace {

struct ReadOutcome
{
    qint64 bytes = 0;
    // An errno value; 0 when the reading went well.
    int error = 0;
};

#ifdef Q_OS_UNIX
// Reads size bytes at offset of the open file fd, fewer where the file ends sooner.
ReadOutcome readAt(int fd, char* data, qint64 size, qint64 offset)
{
    ReadOutcome outcome;
    while (outcome.bytes < size) {
        const ssize_t got =
            ::pread(fd, data + outcome.bytes, size_t(size - outcome.bytes), offset + outcome.bytes);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            outcome.error = errno;
        if (got <= 0)
            break;
        outcome.bytes += got;
    }
    return outcome;
}
#endif

// Reads the first size bytes of a large file into data, fewer where it ends sooner. On POSIX
// systems a second thread reads the second half: the copy into fresh memory is mostly the first
// touch of its pages, which a virtual machine makes dear, and two processors touch them twice as
// fast.
ReadOutcome readLarge(QFile& file, char* data, qint64 size)
{
#ifdef Q_OS_UNIX
    const qint64 half = size / 2;
    ReadOutcome second;
    std::thread secondReader(
        [&] { second = readAt(file.handle(), data + half, size - half, half); });
    const ReadOutcome first = readAt(file.handle(), data, half, 0);
    secondReader.join();
    if (first.error != 0 || first.bytes < half)
        return first;
    return {half + second.bytes, second.error};
#else
    ReadOutcome outcome;
    for (qint64 read = 0; outcome.bytes < size; outcome.bytes += read) {
        read = file.read(data + outcome.bytes, size - outcome.bytes);
        if (read <= 0)
            break;
    }
    return outcome;
#endif
}

} // namespace

Result<void> FileContents::open(const QString& path)
{
    if (Result<void> opened = openRegularFileForReading(m_file, path); !opened)
        return opened;
    const qint64 size = m_file.size();
    if (size >= qint64(kHugePageBytes)) {
        // Read into memory backed by huge pages rather than mapped: a mapping of the file costs a
        // fault every 64 KB or less as the reader walks it, and a first touch of each small page,
        // which is dear on virtual machines; the huge pages cost one fault each 2 MB.
        m_bytes = QByteArray(qsizetype(hugePageFill(size_t(size))), Qt::Uninitialized);
        preferHugePages(m_bytes.constData(), size_t(m_bytes.size()));
        const ReadOutcome read = readLarge(m_file, m_bytes.data(), size);
        if (read.error != 0)
            return Failure{QCoreApplication::translate("orvalink::Files", "Cannot read \"%1\": %2")
                               .arg(path, systemErrorText(read.error))};
        // A file that shrank meanwhile is taken as far as it went.
        m_bytes.truncate(qsizetype(read.bytes));
    } else {
        m_bytes = m_file.readAll();
    }
    if (m_file.error() != QFileDevice::NoError)
        return Failure{QCoreApplication::translate("orvalink::Files", "Cannot read \"%1\": %2")
                           .arg(path, m_file.errorString())};
    return {};
}

} // namespace orvalink
