// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_helpers.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <limits>
#include <string>
#include <utility>
#include <windows.h>

namespace orvalink {

namespace {

// A handle of the system's, closed with its owner.
class SystemHandle
{
public:
    explicit SystemHandle(HANDLE handle)
        : m_handle(handle)
    {}
    SystemHandle(SystemHandle&& other) noexcept
        : m_handle(std::exchange(other.m_handle, INVALID_HANDLE_VALUE))
    {}
    SystemHandle(const SystemHandle&) = delete;
    SystemHandle& operator=(const SystemHandle&) = delete;
    ~SystemHandle()
    {
        if (isValid())
            CloseHandle(m_handle);
    }

    bool isValid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return m_handle; }
    // Hands the handle over to a new owner.
    HANDLE release() { return std::exchange(m_handle, INVALID_HANDLE_VALUE); }

private:
    HANDLE m_handle;
};

// The path to keep for path: absolute, "/" separators, no "." or ".." steps.
QString normalPath(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

QString childPath(const QString& folder, const QString& name)
{
    return folder.endsWith(kPathSeparator) ? folder + name : folder + kPathSeparator + name;
}

// A normal path as the wide-character calls take it. The "\\?\" form lifts the 260-character
// limit and takes every name literally (a file called "CON.url" is a file, not the console).
std::wstring systemPath(const QString& path)
{
    QString native = QDir::toNativeSeparators(path);
    if (native.startsWith(QStringLiteral("\\\\?\\")))
        return native.toStdWString();
    if (native.startsWith(QStringLiteral("\\\\")))
        native = QStringLiteral("\\\\?\\UNC\\") + native.sliced(2);
    else if (native.size() >= 2 && native.at(1) == QLatin1Char(':'))
        native = QStringLiteral("\\\\?\\") + native;
    return native.toStdWString();
}

int errnoFor(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return ENOENT;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return EACCES;
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS:
        return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    default:
        return EIO;
    }
}

// Opens an existing file or directory, following links. Backup semantics are what let a
// directory be opened at all; nothing is locked against others.
SystemHandle openExisting(const QString& path, DWORD access)
{
    return SystemHandle(CreateFileW(systemPath(path).c_str(), access,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

// The attributes, times and identity of what path leads to (links followed).
bool statusOf(const QString& path, BY_HANDLE_FILE_INFORMATION& status)
{
    const SystemHandle handle = openExisting(path, FILE_READ_ATTRIBUTES);
    return handle.isValid() && GetFileInformationByHandle(handle.get(), &status) != 0;
}

bool isDirectory(DWORD attributes)
{
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Symbolic links and junctions; other reparse points (cloud files, deduplicated files) are the
// files and folders they stand for.
bool isLink(const WIN32_FIND_DATAW& found)
{
    return (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
           (found.dwReserved0 == IO_REPARSE_TAG_SYMLINK ||
            found.dwReserved0 == IO_REPARSE_TAG_MOUNT_POINT);
}

// What stands at path itself, a link not followed; false, with errno set, when nothing does.
bool findEntry(const QString& path, WIN32_FIND_DATAW& found)
{
    const HANDLE search = FindFirstFileW(systemPath(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        errno = errnoFor(GetLastError());
        return false;
    }
    FindClose(search);
    return true;
}

// A file time (100 ns steps since 1601, UTC) in seconds since 1970.
qint64 secondsSinceEpoch(const FILETIME& time)
{
    const quint64 ticks = (quint64(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return static_cast<qint64>(ticks / 10000000) - Q_INT64_C(11644473600);
}

// Seconds since 1970 as a file time; false for a moment a file time cannot hold.
bool fileTimeOf(qint64 seconds, FILETIME& time)
{
    constexpr qint64 kEpochOffset = Q_INT64_C(11644473600);
    constexpr qint64 kLatest = std::numeric_limits<qint64>::max() / 10000000 - kEpochOffset;
    if (seconds < -kEpochOffset || seconds > kLatest)
        return false;
    const quint64 ticks = quint64(seconds + kEpochOffset) * 10000000;
    time.dwLowDateTime = static_cast<DWORD>(ticks & 0xFFFFFFFF);
    time.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    return true;
}

// Opens a regular file for reading. Without backup semantics a directory does not open; a
// device or pipe is refused by its type, and then notAFile is set.
SystemHandle openRegularFile(const QString& path, bool* notAFile = nullptr)
{
    SystemHandle file(CreateFileW(systemPath(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.isValid() && GetFileType(file.get()) != FILE_TYPE_DISK) {
        if (notAFile)
            *notAFile = true;
        return SystemHandle(INVALID_HANDLE_VALUE);
    }
    return file;
}

} // namespace

bool FileExists(const QString& path)
{
    return !path.isEmpty() && openRegularFile(normalPath(path)).isValid();
}

bool IsReadOnly(const QString& path)
{
    if (path.isEmpty())
        return false;
    const DWORD attributes = GetFileAttributesW(reinterpret_cast<LPCWSTR>(path.utf16()));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

RegularFileDescriptor openRegularFileDescriptor(const QString& path)
{
    const QString normal = normalPath(path);
    bool notAFile = false;
    SystemHandle file = openRegularFile(normal, &notAFile);
    if (!file.isValid()) {
        const DWORD error = GetLastError();
        if (notAFile)
            return {-1, RegularFileDescriptor::Refusal::NotAFile, 0};
        const DWORD attributes = GetFileAttributesW(systemPath(normal).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && isDirectory(attributes))
            return {-1, RegularFileDescriptor::Refusal::Folder, 0};
        return {-1, RegularFileDescriptor::Refusal::SystemError, errnoFor(error)};
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file.get()), _O_RDONLY);
    if (fd < 0)
        return {-1, RegularFileDescriptor::Refusal::SystemError, EIO};
    // The descriptor owns the handle now.
    file.release();
    return {fd, RegularFileDescriptor::Refusal::None, 0};
}

DirectoryHandle::DirectoryHandle(QString path)
    : m_path(std::move(path))
{}

DirectoryHandle::DirectoryHandle(DirectoryHandle&& other) noexcept
    : m_path(std::exchange(other.m_path, QString()))
{}

DirectoryHandle& DirectoryHandle::operator=(DirectoryHandle&& other) noexcept
{
    if (this != &other)
        m_path = std::exchange(other.m_path, QString());
    return *this;
}

DirectoryHandle::~DirectoryHandle() = default;

bool DirectoryHandle::isValid() const
{
    return !m_path.isEmpty();
}

void DirectoryHandle::close()
{
    m_path.clear();
}

DirectoryHandle DirectoryHandle::open(const QString& path)
{
    if (path.isEmpty()) {
        errno = ENOENT;
        return {};
    }
    const QString normal = normalPath(path);
    const SystemHandle dir = openExisting(normal, FILE_LIST_DIRECTORY);
    if (!dir.isValid()) {
        errno = errnoFor(GetLastError());
        return {};
    }
    BY_HANDLE_FILE_INFORMATION status{};
    if (GetFileInformationByHandle(dir.get(), &status) == 0) {
        errno = errnoFor(GetLastError());
        return {};
    }
    if (!isDirectory(status.dwFileAttributes)) {
        errno = ENOTDIR;
        return {};
    }
    return DirectoryHandle(normal);
}

DirectoryHandle DirectoryHandle::openChild(const QByteArray& rawName, Links links) const
{
    if (!isValid() || rawName.isEmpty()) {
        errno = EBADF;
        return {};
    }
    // ".." is resolved in the path, as the system resolves it: it leads back to the folder a
    // link was found in, not to the parent of the link's target.
    const QString child = childPath(m_path, QString::fromUtf8(rawName));
    if (links == Links::Refuse && rawName != "..") {
        // The path is looked at once more when opened: a link made in between is not seen.
        WIN32_FIND_DATAW found{};
        if (!findEntry(child, found))
            return {};
        if (isLink(found)) {
            errno = ENOTDIR;
            return {};
        }
    }
    return open(child);
}

bool DirectoryHandle::identity(quint64& device, quint64& inode) const
{
    BY_HANDLE_FILE_INFORMATION status{};
    if (!isValid() || !statusOf(m_path, status))
        return false;
    device = status.dwVolumeSerialNumber;
    inode = (quint64(status.nFileIndexHigh) << 32) | status.nFileIndexLow;
    return true;
}

std::optional<std::vector<DirectoryEntry>> DirectoryHandle::entries(Details) const
{
    if (!isValid()) {
        errno = EBADF;
        return std::nullopt;
    }
    WIN32_FIND_DATAW found{};
    const HANDLE search =
        FindFirstFileW(systemPath(childPath(m_path, QStringLiteral("*"))).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        // Only the root of a drive lacks "." and "..": when it is empty, nothing matches.
        if (GetLastError() == ERROR_FILE_NOT_FOUND)
            return std::vector<DirectoryEntry>();
        errno = errnoFor(GetLastError());
        return std::nullopt;
    }

    std::vector<DirectoryEntry> result;
    do {
        const QString name = QString::fromWCharArray(found.cFileName);
        if (name == QStringLiteral(".") || name == QStringLiteral(".."))
            continue;
        DirectoryEntry entry;
        entry.rawName = rawFileName(name);
        entry.name = name;
        entry.isSymLink = isLink(found);
        entry.isDirectory = isDirectory(found.dwFileAttributes);
        entry.writeTime = secondsSinceEpoch(found.ftLastWriteTime);
        entry.birthTime = secondsSinceEpoch(found.ftCreationTime);
        bool dangling = false;
        if (entry.isDirectory || entry.isSymLink) {
            // What the entry leads to: its identity, and for a link the target's kind and time.
            BY_HANDLE_FILE_INFORMATION status{};
            if (statusOf(childPath(m_path, name), status)) {
                entry.isDirectory = isDirectory(status.dwFileAttributes);
                entry.writeTime = secondsSinceEpoch(status.ftLastWriteTime);
                entry.birthTime = secondsSinceEpoch(status.ftCreationTime);
                if (entry.isDirectory) {
                    entry.device = status.dwVolumeSerialNumber;
                    entry.inode = (quint64(status.nFileIndexHigh) << 32) | status.nFileIndexLow;
                }
            } else if (entry.isSymLink) {
                // A dangling link leads nowhere, whatever kind of link it is.
                entry.isDirectory = false;
                dangling = true;
            }
        }
        // The search lists every entry's times anyway.
        entry.isFile = !entry.isDirectory && !dangling;
        result.push_back(std::move(entry));
    } while (FindNextFileW(search, &found) != 0);
    const DWORD error = GetLastError();
    FindClose(search);
    if (error != ERROR_NO_MORE_FILES) {
        errno = errnoFor(error);
        return std::nullopt;
    }
    sortDirectoryEntries(result);
    return result;
}

std::optional<QByteArray> DirectoryHandle::readFile(const QByteArray& rawName, qint64 maxSize) const
{
    if (!isValid() || rawName.isEmpty())
        return std::nullopt;
    const SystemHandle file = openRegularFile(childPath(m_path, QString::fromUtf8(rawName)));
    LARGE_INTEGER size{};
    if (!file.isValid() || GetFileSizeEx(file.get(), &size) == 0 || size.QuadPart > maxSize)
        return std::nullopt;
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(size.QuadPart));
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) == 0)
            return std::nullopt;
        if (got == 0)
            break;
        // The file may grow while it is read; never take more than the limit.
        if (bytes.size() + qint64(got) > maxSize)
            return std::nullopt;
        bytes.append(buffer, static_cast<qsizetype>(got));
    }
    return bytes;
}

bool DirectoryHandle::readListedFile(DirectoryEntry& entry, qint64 maxSize,
                                     QByteArray& buffer) const
{
    // Opening a file by path looks at what it opens anyway, and the listing gave the times:
    // there is nothing to spare here.
    SetLastError(ERROR_SUCCESS);
    std::optional<QByteArray> bytes = readFile(entry.rawName, maxSize);
    if (!bytes) {
        const DWORD error = GetLastError();
        buffer.clear();
        errno = error == ERROR_SUCCESS ? EFBIG : errnoFor(error);
        return false;
    }
    buffer = std::move(*bytes);
    return true;
}

EntryType DirectoryHandle::entryType(const QByteArray& rawName) const
{
    WIN32_FIND_DATAW found{};
    if (!isValid() || rawName.isEmpty() ||
        !findEntry(childPath(m_path, QString::fromUtf8(rawName)), found))
        return EntryType::Missing;
    if (isLink(found))
        return EntryType::Other;
    return isDirectory(found.dwFileAttributes) ? EntryType::Directory : EntryType::RegularFile;
}

bool DirectoryHandle::makeDirectory(const QByteArray& rawName) const
{
    if (!isValid() || rawName.isEmpty()) {
        errno = EBADF;
        return false;
    }
    const QString child = childPath(m_path, QString::fromUtf8(rawName));
    if (CreateDirectoryW(systemPath(child).c_str(), nullptr) == 0) {
        errno = errnoFor(GetLastError());
        return false;
    }
    return true;
}

bool DirectoryHandle::setTimes(const QByteArray& rawName, std::optional<qint64> writeTime,
                               std::optional<qint64> creationTime) const
{
    if (!isValid() || rawName.isEmpty()) {
        errno = EBADF;
        return false;
    }
    FILETIME written{};
    FILETIME created{};
    const bool setWritten = writeTime && fileTimeOf(*writeTime, written);
    const bool setCreated = creationTime && fileTimeOf(*creationTime, created);
    if (!setWritten && !setCreated)
        return true;
    // A reparse point at the name is opened itself, never followed.
    const SystemHandle entry(CreateFileW(
        systemPath(childPath(m_path, QString::fromUtf8(rawName))).c_str(), FILE_WRITE_ATTRIBUTES,
        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
        FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!entry.isValid() || SetFileTime(entry.get(), setCreated ? &created : nullptr, nullptr,
                                        setWritten ? &written : nullptr) == 0) {
        errno = errnoFor(GetLastError());
        return false;
    }
    return true;
}

bool DirectoryHandle::writeFile(const QByteArray& rawName, QByteArrayView contents) const
{
    if (!isValid() || rawName.isEmpty()) {
        errno = EBADF;
        return false;
    }
    // A new name of our own beside the file; CREATE_NEW never opens what stands there already.
    QString temporary;
    DWORD error = ERROR_SUCCESS;
    {
        HANDLE created = INVALID_HANDLE_VALUE;
        do {
            temporary = childPath(m_path, QStringLiteral(".orvalink-%1.tmp")
                                              .arg(QRandomGenerator::global()->generate(), 0, 16));
            created = CreateFileW(systemPath(temporary).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        } while (created == INVALID_HANDLE_VALUE && GetLastError() == ERROR_FILE_EXISTS);
        const SystemHandle file(created);
        if (!file.isValid()) {
            errno = errnoFor(GetLastError());
            return false;
        }
        DWORD written = 0;
        if (WriteFile(file.get(), contents.data(), static_cast<DWORD>(contents.size()), &written,
                      nullptr) == 0)
            error = GetLastError();
        else if (written != static_cast<DWORD>(contents.size()))
            error = ERROR_HANDLE_DISK_FULL;
    }
    const std::wstring target = systemPath(childPath(m_path, QString::fromUtf8(rawName)));
    if (error == ERROR_SUCCESS &&
        MoveFileExW(systemPath(temporary).c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING) == 0)
        error = GetLastError();
    if (error != ERROR_SUCCESS) {
        DeleteFileW(systemPath(temporary).c_str());
        errno = errnoFor(error);
        return false;
    }
    return true;
}

// Windows offers no queue that opens files: every file is read by itself.
class ListedFileReader::Queue
{};

ListedFileReader::ListedFileReader(Method) {}

ListedFileReader::~ListedFileReader() = default;

void ListedFileReader::readBatched(const DirectoryHandle&, std::span<DirectoryEntry* const>, qint64)
{}

} // namespace orvalink
