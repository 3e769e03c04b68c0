// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

namespace orvalink {

// A whole file's bytes for a reader to walk. Large files are mapped into memory rather than
// copied, so reading a bookmark file costs no more memory than the file itself.
class FileContents
{
public:
    FileContents() = default;
    FileContents(const FileContents&) = delete;
    FileContents& operator=(const FileContents&) = delete;
    ~FileContents();

    // Opens and maps (or reads) the file; fails with a message naming it when it is no regular
    // file (see openRegularFileForReading) or cannot be read.
    Result<void> open(const QString& path);
    QByteArrayView bytes() const { return m_bytes; }

private:
    QFile m_file;
    uchar* m_map = nullptr;
    QByteArray m_copy;
    QByteArrayView m_bytes;
};

} // namespace orvalink
