// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/file_helpers.h"
#include "platform/posix_file_io.h"
#include "platform/text_decoding.h"

#include <QFile>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <utility>

namespace orvalink {

namespace {

bool isDotOrDotDot(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// What a listing or a read takes from an entry's status.
struct EntryStatus
{
    mode_t mode = 0;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    qint64 writeTime = 0;
    std::optional<qint64> birthTime;
};

// The status of name in the directory fd, the link itself when followLinks is false; name null:
// of the open file fd itself. With when the entry was made, where the file system keeps that
// (statx() tells; without it the birth time stays unknown).
bool entryStatus(int fd, const char* name, bool followLinks, EntryStatus& status)
{
    const int linkFlag = followLinks ? 0 : AT_SYMLINK_NOFOLLOW;
#ifdef STATX_BTIME
    struct statx extended
    {};
    if (::statx(fd, name == nullptr ? "" : name, name == nullptr ? AT_EMPTY_PATH : linkFlag,
                STATX_TYPE | STATX_INO | STATX_SIZE | STATX_MTIME | STATX_BTIME, &extended) == 0) {
        status.mode = extended.stx_mode;
        status.device = makedev(extended.stx_dev_major, extended.stx_dev_minor);
        status.inode = extended.stx_ino;
        status.size = static_cast<off_t>(extended.stx_size);
        status.writeTime = extended.stx_mtime.tv_sec;
        if ((extended.stx_mask & STATX_BTIME) != 0)
            status.birthTime = extended.stx_btime.tv_sec;
        return true;
    }
    // An older kernel, or a sandbox that forbids the call: the plain status still serves.
    if (errno != ENOSYS && errno != EPERM)
        return false;
#endif
    struct stat plain
    {};
    if ((name == nullptr ? ::fstat(fd, &plain) : ::fstatat(fd, name, &plain, linkFlag)) != 0)
        return false;
    status.mode = plain.st_mode;
    status.device = plain.st_dev;
    status.inode = plain.st_ino;
    status.size = plain.st_size;
    status.writeTime = plain.st_mtime;
    return true;
}

// The names in an open directory, from its start whatever was read of it before, each with its
// kind as the listing gives it (d_type, DT_UNKNOWN where the file system does not tell).
class NameStream
{
public:
    explicit NameStream(int dirFd);
    NameStream(const NameStream&) = delete;
    NameStream& operator=(const NameStream&) = delete;
    ~NameStream();

    // The next name, "." and ".." included; null at the end or on an error (see error()).
    const char* next(unsigned char& type);
    // The errno value that ended the listing early; 0 when it was complete.
    int error() const { return m_error; }

private:
    int m_error = 0;
#ifdef __linux__
    // Straight from the descriptor: a listing costs a rewind and one call per buffer of entries.
    int m_fd;
    qsizetype m_filled = 0;
    qsizetype m_offset = 0;
    alignas(dirent64) char m_buffer[32768];
#else
    // Through a directory stream, which takes a descriptor of its own for closedir() to close.
    DIR* m_stream = nullptr;
#endif
};

#ifdef __linux__
NameStream::NameStream(int dirFd)
    : m_fd(dirFd)
{
    if (::lseek(m_fd, 0, SEEK_SET) < 0)
        m_error = errno;
}

NameStream::~NameStream() = default;

const char* NameStream::next(unsigned char& type)
{
    while (m_error == 0) {
        if (m_offset < m_filled) {
            const auto* item = reinterpret_cast<const dirent64*>(m_buffer + m_offset);
            m_offset += item->d_reclen;
            type = item->d_type;
            return item->d_name;
        }
        const ssize_t got = ::getdents64(m_fd, m_buffer, sizeof m_buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            m_error = errno;
        if (got <= 0)
            break;
        m_filled = got;
        m_offset = 0;
    }
    return nullptr;
}
#else
NameStream::NameStream(int dirFd)
{
    // The duplicate shares the read position, hence the rewind.
    const int streamFd = ::fcntl(dirFd, F_DUPFD_CLOEXEC, 0);
    if (streamFd >= 0)
        m_stream = ::fdopendir(streamFd);
    if (m_stream == nullptr) {
        m_error = errno;
        closeDescriptor(streamFd);
        return;
    }
    ::rewinddir(m_stream);
}

NameStream::~NameStream()
{
    if (m_stream != nullptr)
        ::closedir(m_stream);
}

const char* NameStream::next(unsigned char& type)
{
    if (m_error != 0)
        return nullptr;
    errno = 0;
    const dirent* item = ::readdir(m_stream);
    if (item == nullptr) {
        m_error = errno;
        return nullptr;
    }
    type = item->d_type;
    return item->d_name;
}
#endif

// Opens a regular file for reading without ever blocking: a FIFO or device that happens to
// carry a shortcut's name must not hang the reader, and opening it must have no side effects.
// When what stands there is no regular file, foundType receives its type (S_IFDIR, S_IFIFO...).
int openRegularFile(int dirFd, const char* name, mode_t* foundType = nullptr)
{
    const auto refuse = [foundType](const struct stat& status) {
        if (foundType)
            *foundType = status.st_mode & S_IFMT;
        return -1;
    };
    struct stat status
    {};
    if (::fstatat(dirFd, name, &status, 0) != 0)
        return -1;
    // Looking first spares a device the open, which may do something of its own.
    if (!S_ISREG(status.st_mode))
        return refuse(status);
    const int fd = ::openat(dirFd, name, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    // The entry may have been replaced between the two calls: what counts is what was opened.
    if (::fstat(fd, &status) != 0) {
        const int error = errno;
        closeDescriptor(fd);
        errno = error;
        return -1;
    }
    if (!S_ISREG(status.st_mode)) {
        closeDescriptor(fd);
        return refuse(status);
    }
    return fd;
}

} // namespace

void closeDescriptor(int fd)
{
    if (fd >= 0)
        ::close(fd);
}

int readToEnd(int fd, qint64 size, qint64 maxSize, QByteArray& buffer)
{
    const qsizetype start = buffer.size();
    // One byte more than the file's size shows in the same read whether it has grown since.
    qsizetype total = 0;
    qsizetype room = static_cast<qsizetype>(size) + 1;
    buffer.resize(start + room);
    for (;;) {
        const ssize_t got =
            ::read(fd, buffer.data() + start + total, static_cast<size_t>(room - total));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        total += got;
        // A regular file's read stops short only at its end; one that reads short before the
        // size it had is read on until the end.
        if (got == 0 || (total < room && total >= size))
            break;
        if (total == room) {
            // The file grows while it is read; never take more than the limit.
            if (total > maxSize)
                return EFBIG;
            room = std::min<qint64>(qint64(total) * 2, maxSize + 1);
            buffer.resize(start + room);
        }
    }
    buffer.resize(start + total);
    return 0;
}

bool FileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    const int fd = openRegularFile(AT_FDCWD, QFile::encodeName(path).constData());
    closeDescriptor(fd);
    return fd >= 0;
}

bool IsReadOnly(const QString& path)
{
    struct stat status
    {};
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &status) == 0 &&
           (status.st_mode & S_IWUSR) == 0;
}

RegularFileDescriptor openRegularFileDescriptor(const QString& path)
{
    mode_t found = 0;
    const int fd = openRegularFile(AT_FDCWD, QFile::encodeName(path).constData(), &found);
    if (fd >= 0)
        return {fd, RegularFileDescriptor::Refusal::None, 0};
    if (found == S_IFDIR)
        return {-1, RegularFileDescriptor::Refusal::Folder, 0};
    if (found != 0)
        return {-1, RegularFileDescriptor::Refusal::NotAFile, 0};
    return {-1, RegularFileDescriptor::Refusal::SystemError, errno};
}

DirectoryHandle::DirectoryHandle(int fd)
    : m_fd(fd)
{}

DirectoryHandle::DirectoryHandle(DirectoryHandle&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1))
{}

DirectoryHandle& DirectoryHandle::operator=(DirectoryHandle&& other) noexcept
{
    if (this != &other) {
        close();
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

DirectoryHandle::~DirectoryHandle()
{
    close();
}

bool DirectoryHandle::isValid() const
{
    return m_fd >= 0;
}

void DirectoryHandle::close()
{
    closeDescriptor(std::exchange(m_fd, -1));
}

DirectoryHandle DirectoryHandle::open(const QString& path)
{
    if (path.isEmpty()) {
        errno = ENOENT;
        return {};
    }
    return DirectoryHandle(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

DirectoryHandle DirectoryHandle::openChild(const QByteArray& rawName, Links links) const
{
    if (!isValid() || rawName.isEmpty()) {
        errno = EBADF;
        return {};
    }
    const int flags =
        O_RDONLY | O_DIRECTORY | O_CLOEXEC | (links == Links::Refuse ? O_NOFOLLOW : 0);
    const int fd = ::openat(m_fd, rawName.constData(), flags);
    // The link is refused for what it is: not a directory of this one's.
    if (fd < 0 && errno == ELOOP)
        errno = ENOTDIR;
    return DirectoryHandle(fd);
}

bool DirectoryHandle::identity(quint64& device, quint64& inode) const
{
    struct stat status
    {};
    if (!isValid() || ::fstat(m_fd, &status) != 0)
        return false;
    device = status.st_dev;
    inode = status.st_ino;
    return true;
}

std::optional<std::vector<DirectoryEntry>> DirectoryHandle::entries(Details details) const
{
    if (!isValid()) {
        errno = EBADF;
        return std::nullopt;
    }
    NameStream names(m_fd);
    std::vector<DirectoryEntry> result;
    unsigned char type = DT_UNKNOWN;
    while (const char* name = names.next(type)) {
        if (isDotOrDotDot(name))
            continue;
        DirectoryEntry entry;
        entry.rawName = QByteArray(name);
        entry.name = decodeText(entry.rawName);
        entry.isSymLink = type == DT_LNK;
        // A plain file needs no status call unless its date is wanted: most entries are
        // shortcuts, whose dates come with reading them, and a count of a large tree stays cheap.
        if (type == DT_REG && details == Details::Kinds) {
            entry.isFile = true;
            result.push_back(std::move(entry));
            continue;
        }
        EntryStatus status;
        if (entryStatus(m_fd, name, true, status)) {
            entry.isDirectory = S_ISDIR(status.mode);
            entry.isFile = S_ISREG(status.mode);
            if (entry.isDirectory) {
                entry.device = status.device;
                entry.inode = status.inode;
            }
        } else {
            // The entry cannot be examined (a dangling link, or a folder that may be listed but
            // not searched): the listing's own kind is all there is.
            entry.isDirectory = type == DT_DIR;
            if (!entryStatus(m_fd, name, false, status)) {
                result.push_back(std::move(entry));
                continue;
            }
        }
        entry.writeTime = status.writeTime;
        entry.birthTime = status.birthTime;
        result.push_back(std::move(entry));
    }
    if (names.error() != 0) {
        errno = names.error();
        return std::nullopt;
    }
    sortDirectoryEntries(result);
    return result;
}

std::optional<QByteArray> DirectoryHandle::readFile(const QByteArray& rawName, qint64 maxSize) const
{
    if (!isValid() || rawName.isEmpty())
        return std::nullopt;
    // Looking first spares a device the open.
    struct stat status
    {};
    if (::fstatat(m_fd, rawName.constData(), &status, 0) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    DirectoryEntry entry;
    entry.rawName = rawName;
    QByteArray bytes;
    if (!readListedFile(entry, maxSize, bytes))
        return std::nullopt;
    return bytes;
}

bool DirectoryHandle::readListedFile(DirectoryEntry& entry, qint64 maxSize,
                                     QByteArray& buffer) const
{
    buffer.resize(0);
    if (!isValid() || entry.rawName.isEmpty()) {
        errno = EBADF;
        return false;
    }
    const int fd =
        ::openat(m_fd, entry.rawName.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const auto fail = [fd](int error) {
        closeDescriptor(fd);
        errno = error;
        return false;
    };
    // The entry may have been replaced since it was listed: what counts is what was opened.
    EntryStatus status;
    if (!entryStatus(fd, nullptr, true, status))
        return fail(errno);
    if (!S_ISREG(status.mode))
        return fail(EINVAL);
    if (status.size > maxSize)
        return fail(EFBIG);
    entry.writeTime = status.writeTime;
    entry.birthTime = status.birthTime;
    if (const int error = readToEnd(fd, status.size, maxSize, buffer); error != 0)
        return fail(error);
    closeDescriptor(fd);
    return true;
}

EntryType DirectoryHandle::entryType(const QByteArray& rawName) const
{
    struct stat status
    {};
    if (!isValid() || rawName.isEmpty() ||
        ::fstatat(m_fd, rawName.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return EntryType::Missing;
    if (S_ISDIR(status.st_mode))
        return EntryType::Directory;
    return S_ISREG(status.st_mode) ? EntryType::RegularFile : EntryType::Other;
}

bool DirectoryHandle::makeDirectory(const QByteArray& rawName) const
{
    if (!isValid() || rawName.isEmpty()) {
        errno = EBADF;
        return false;
    }
    return ::mkdirat(m_fd, rawName.constData(), 0777) == 0;
}

bool DirectoryHandle::writeFile(const QByteArray& rawName, QByteArrayView contents) const
{
    if (!isValid() || rawName.isEmpty()) {
        errno = EBADF;
        return false;
    }
    // A new name of our own beside the file; O_EXCL never opens what stands there already.
    QByteArray temporary;
    int fd = -1;
    do {
        temporary =
            ".orvalink-" + QByteArray::number(QRandomGenerator::global()->generate(), 16) + ".tmp";
        fd = ::openat(m_fd, temporary.constData(),
                      O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0666);
    } while (fd < 0 && (errno == EEXIST || errno == EINTR));
    if (fd < 0)
        return false;

    int error = 0;
    // A write may take only part of the bytes (the file size limit reached) and report the
    // reason only when asked for the rest.
    while (!contents.isEmpty()) {
        const ssize_t n = ::write(fd, contents.data(), static_cast<size_t>(contents.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? errno : EIO;
            break;
        }
        contents = contents.sliced(n);
    }
    // Linux releases the descriptor even when close() reports an error: nothing to retry.
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::renameat(m_fd, temporary.constData(), m_fd, rawName.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlinkat(m_fd, temporary.constData(), 0);
        errno = error;
        return false;
    }
    return true;
}

bool DirectoryHandle::setTimes(const QByteArray& rawName, std::optional<qint64> writeTime,
                               std::optional<qint64>) const
{
    if (!isValid() || rawName.isEmpty()) {
        errno = EBADF;
        return false;
    }
    // No POSIX call sets when a file was made: that time stays the system's own.
    if (!writeTime)
        return true;
    timespec times[2] = {{0, UTIME_OMIT}, {static_cast<time_t>(*writeTime), 0}};
    return ::utimensat(m_fd, rawName.constData(), times, AT_SYMLINK_NOFOLLOW) == 0;
}

} // namespace orvalink
