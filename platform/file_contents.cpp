// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_contents.h"

#include "platform/file_helpers.h"

#include <QCoreApplication>

namespace orvalink {

FileContents::~FileContents()
{
    if (m_map)
        m_file.unmap(m_map);
}

Result<void> FileContents::open(const QString& path)
{
    if (Result<void> opened = openRegularFileForReading(m_file, path); !opened)
        return opened;
    const qint64 size = m_file.size();
    // Mapping fails for empty files and on some file systems; reading them is as good.
    if (size > 0 && (m_map = m_file.map(0, size)) != nullptr) {
        m_bytes = QByteArrayView(m_map, size);
        return {};
    }
    m_copy = m_file.readAll();
    if (m_file.error() != QFileDevice::NoError)
        return Failure{QCoreApplication::translate("orvalink::Files", "Cannot read \"%1\": %2")
                           .arg(path, m_file.errorString())};
    m_bytes = m_copy;
    return {};
}

} // namespace orvalink
