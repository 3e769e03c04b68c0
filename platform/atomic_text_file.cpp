// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/atomic_text_file.h"

#include "platform/file_contents.h"
#include "platform/file_helpers.h"
#include "platform/text_decoding.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace orvalink {

ChunkedOutput::ChunkedOutput(QIODevice& device)
    : m_device(&device)
{
    m_chunk.reserve(kFirstReserve);
}

ChunkedOutput::ChunkedOutput(QByteArray& bytes)
    : m_buffer(&bytes)
{}

void ChunkedOutput::flush()
{
    if (!m_device)
        return;
    writeAll(m_chunk);
    // resize() rather than clear(): the buffer keeps its room for the next chunk.
    m_chunk.resize(0);
}

void ChunkedOutput::writeThrough(QByteArrayView bytes)
{
    if (!m_device) {
        m_buffer->append(bytes);
        return;
    }
    flush();
    writeAll(bytes);
}

void ChunkedOutput::writeAll(QByteArrayView bytes)
{
    // A file write may take only part of the bytes (the file size limit reached) and report the
    // reason only when asked to write the rest.
    while (!m_failed && !bytes.isEmpty()) {
        const qint64 written = m_device->write(bytes.data(), bytes.size());
        if (written <= 0)
            m_failed = true;
        else
            bytes = bytes.sliced(written);
    }
}

AtomicTextFile::AtomicTextFile(const QString& path, QString document)
    : m_path(path)
    , m_document(std::move(document))
    , m_file(path)
    , m_output(m_file)
{}

Result<void, UserMessage> AtomicTextFile::open()
{
    // Writing into the destination in place would leave it half-written on any failure, so the
    // new file must stand beside it or nothing is written at all.
    m_file.setDirectWriteFallback(false);
    // The new file is renamed over whatever stands at the path, a device or pipe included.
    if (!isReplaceableFile(m_path))
        return fileWriteFailure(
            m_path, QCoreApplication::translate("orvalink::AtomicTextFile", "Not a Regular File"),
            m_document);
    if (!m_file.open(QIODevice::WriteOnly))
        return fileWriteFailure(m_path, m_file.errorString(), m_document);
    return {};
}

Result<void, UserMessage> AtomicTextFile::commit()
{
    m_output.flush();
    if (m_output.failed()) {
        const QString reason = m_file.errorString();
        m_file.cancelWriting();
        return fileWriteFailure(m_path, reason, m_document);
    }
    if (!m_file.commit())
        return fileWriteFailure(m_path, m_file.errorString(), m_document);
    return {};
}

UserMessage fileWriteFailure(const QString& path, const QString& reason, const QString& document)
{
    // Root passes every permission test, so its failures (a vanished folder, a full disk) always
    // come with the system's reason.
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    const bool refused = (file.exists() && (!file.isWritable() || !file.isReadable())) ||
                         (folder.isDir() && !folder.isWritable());
    if (refused) {
        return UserMessage{
            QCoreApplication::translate("orvalink::AtomicTextFile", "Error"),
            {QCoreApplication::translate("orvalink::AtomicTextFile", "Error Opening the %1.")
                 .arg(document),
             QCoreApplication::translate(
                 "orvalink::AtomicTextFile",
                 "Please, Check You Have the Permission to Write this File.")},
            MessageIcon::Critical};
    }
    return UserMessage{
        QCoreApplication::translate("orvalink::AtomicTextFile", "Error"),
        {QCoreApplication::translate("orvalink::AtomicTextFile", "Error Writing the %1.")
             .arg(document),
         reason},
        MessageIcon::Critical};
}

Result<QByteArray, UserMessage> readFileToMerge(const QString& path)
{
    FileContents contents;
    if (Result<void> opened = contents.open(path); !opened)
        return fileWriteFailure(path, opened.error());
    return contents.bytes();
}

QByteArrayView textToMergeInto(QByteArrayView bytes, QByteArray& storage)
{
    if (!isUtf16Text(bytes))
        return bytes;
    storage = kUtf8Bom.toByteArray() + utf8FromUtf16(bytes);
    return storage;
}

} // namespace orvalink
