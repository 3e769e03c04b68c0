// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_contents.h"

#include "model/huge_pages.h"
#include "platform/file_helpers.h"

#include <QCoreApplication>

namespace orvalink {

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
        qint64 done = 0;
        for (qint64 read = 0; done < size; done += read) {
            read = m_file.read(m_bytes.data() + done, size - done);
            if (read <= 0)
                break;
        }
        // A file that shrank meanwhile is taken as far as it went.
        m_bytes.truncate(qsizetype(done));
    } else {
        m_bytes = m_file.readAll();
    }
    if (m_file.error() != QFileDevice::NoError)
        return Failure{QCoreApplication::translate("orvalink::Files", "Cannot read \"%1\": %2")
                           .arg(path, m_file.errorString())};
    return {};
}

} // namespace orvalink
