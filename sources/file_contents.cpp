#include "sources/file_contents.h"

#include <QFileInfo>

namespace orvalink {

FileContents::~FileContents()
{
    if (m_map)
        m_file.unmap(m_map);
}

Result<void> FileContents::open(const QString& path)
{
    if (path.isEmpty())
        return Failure{QStringLiteral("No file was given.")};
    if (QFileInfo(path).isDir())
        return Failure{QStringLiteral("\"%1\" is a folder, not a file.").arg(path)};
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly))
        return Failure{QStringLiteral("Cannot read \"%1\": %2").arg(path, m_file.errorString())};
    const qint64 size = m_file.size();
    // Mapping fails for empty files and for some special files; reading them is as good.
    if (size > 0 && (m_map = m_file.map(0, size)) != nullptr) {
        m_bytes = QByteArrayView(m_map, size);
        return {};
    }
    m_copy = m_file.readAll();
    if (m_file.error() != QFileDevice::NoError)
        return Failure{QStringLiteral("Cannot read \"%1\": %2").arg(path, m_file.errorString())};
    m_bytes = m_copy;
    return {};
}

} // namespace orvalink
