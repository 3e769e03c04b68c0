// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_helpers.h"

#include "model/text_order.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

// DirectoryHandle, FileExists, IsReadOnly and openRegularFileDescriptor, which speak to the system,
// live in directory_handle_posix.cpp and directory_handle_windows.cpp.

namespace orvalink {

QString AddBackslash(const QString& path)
{
    return path.endsWith(kPathSeparator) ? path : path + kPathSeparator;
}

bool FolderExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

bool isReplaceableFile(const QString& path)
{
    // exists() follows links, so a link to nothing counts as nothing: the write creates the file
    // the link names.
    const QFileInfo info(path);
    return !info.exists() || info.isFile();
}

bool DestinationPathValid(const QString& path)
{
    if (FileExists(path))
        return true;
    const qsizetype separator = path.lastIndexOf(kPathSeparator);
    if (separator < 0)
        return false;
    // The folder part keeps its separator: "/name" lies in "/", "C:/name" in "C:/".
    return FolderExists(path.left(separator + 1));
}

Result<void> openRegularFileForReading(QFile& file, const QString& path)
{
    if (path.isEmpty())
        return Failure{QCoreApplication::translate("orvalink::Files", "No file was given.")};
    const RegularFileDescriptor opened = openRegularFileDescriptor(path);
    switch (opened.refusal) {
    case RegularFileDescriptor::Refusal::None:
        break;
    case RegularFileDescriptor::Refusal::Folder:
        return Failure{
            QCoreApplication::translate("orvalink::Files", "\"%1\" is a folder, not a file.")
                .arg(path)};
    case RegularFileDescriptor::Refusal::NotAFile:
        return Failure{QCoreApplication::translate("orvalink::Files",
                                                   "\"%1\" is a device or pipe, not a file.")
                           .arg(path)};
    case RegularFileDescriptor::Refusal::SystemError:
        return Failure{QCoreApplication::translate("orvalink::Files", "Cannot read \"%1\": %2")
                           .arg(path, QString::fromLocal8Bit(std::strerror(opened.error)))};
    }
    if (!file.open(opened.descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        // The file takes the descriptor over only once it is open.
#ifdef Q_OS_WIN
        ::_close(opened.descriptor);
#else
        ::close(opened.descriptor);
#endif
        return Failure{QCoreApplication::translate("orvalink::Files", "Cannot read \"%1\": %2")
                           .arg(path, file.errorString())};
    }
    return {};
}

bool isShortcutName(QByteArrayView rawName)
{
    static constexpr QByteArrayView kExtension(".url");
    return rawName.size() >= kExtension.size() &&
           rawName.last(kExtension.size()).compare(kExtension, Qt::CaseInsensitive) == 0;
}

void sortDirectoryEntries(std::vector<DirectoryEntry>& entries)
{
    // Sorting by the raw bytes first makes the stable case-blind sort break every tie by the
    // exact name.
    std::sort(entries.begin(), entries.end(), [](const DirectoryEntry& a, const DirectoryEntry& b) {
        return a.rawName < b.rawName;
    });
    CaseBlindKeys names;
    names.reserve(entries.size());
    for (const DirectoryEntry& entry : entries)
        names.add(entry.name);
    const std::vector<int> order = names.order();
    std::vector<DirectoryEntry> sorted;
    sorted.reserve(entries.size());
    for (int index : order)
        sorted.push_back(std::move(entries[static_cast<size_t>(index)]));
    entries = std::move(sorted);
}

void ListedFileReader::read(const DirectoryHandle& dir, std::span<DirectoryEntry* const> entries,
                            qint64 maxSize)
{
    m_buffer.resize(0);
    m_files.assign(entries.size(), File{});
    if (m_queue)
        readBatched(dir, entries, maxSize);
    for (size_t index = 0; index < entries.size(); ++index) {
        if (m_files[index].error == kUnread)
            readOne(dir, *entries[index], maxSize, m_files[index]);
    }
}

void ListedFileReader::readOne(const DirectoryHandle& dir, DirectoryEntry& entry, qint64 maxSize,
                               File& file)
{
    if (!dir.readListedFile(entry, maxSize, m_scratch)) {
        file.error = errno;
        return;
    }
    file = File{m_buffer.size(), m_scratch.size(), 0};
    m_buffer.append(m_scratch);
}

std::optional<QByteArrayView> ListedFileReader::contents(size_t index) const
{
    const File& file = m_files[index];
    if (file.error != 0)
        return std::nullopt;
    return QByteArrayView(m_buffer).sliced(file.offset, file.size);
}

QString systemErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

DirectoryHandle openSubfolder(const QString& path, const QString& relative)
{
    const QString steps = QDir::cleanPath(QDir::fromNativeSeparators(relative));
    if (QDir::isAbsolutePath(steps) || steps == u".." || steps.startsWith(QStringLiteral("../"))) {
        errno = ENOENT;
        return {};
    }
    DirectoryHandle folder = DirectoryHandle::open(path);
    // After cleanPath() a "." can only be the whole of a path naming the folder itself.
    for (const QString& step : steps.split(kPathSeparator, Qt::SkipEmptyParts)) {
        if (!folder.isValid())
            break;
        if (step != u".")
            folder = folder.openChild(rawFileName(step), DirectoryHandle::Links::Refuse);
    }
    return folder;
}

std::optional<std::vector<DirectoryEntry>> listDirectory(const QString& path)
{
    return DirectoryHandle::open(path).entries(DirectoryHandle::Details::KindsAndTimes);
}

} // namespace orvalink
