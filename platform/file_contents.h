// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

namespace orvalink {

// A whole file's bytes for a reader to walk, read once into memory.
class FileContents
{
public:
    // Opens and reads the file; fails with a message naming it when it is no regular file (see
    // openRegularFileForReading) or cannot be read.
    Result<void> open(const QString& path);
    const QByteArray& bytes() const { return m_bytes; }

private:
    QFile m_file;
    QByteArray m_bytes;
};

} // namespace orvalink
