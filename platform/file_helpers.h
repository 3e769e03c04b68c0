// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace orvalink {

// Path separator of the platform; Qt writes paths with "/" everywhere.
inline constexpr QChar kPathSeparator = QLatin1Char('/');

// path unchanged when it ends in the separator, else path with the separator appended.
QString AddBackslash(const QString& path);
// path is an existing folder (a symbolic link to one counts).
bool FolderExists(const QString& path);
// path is an existing regular file that can be opened for reading.
bool FileExists(const QString& path);
// Nothing stands at path, or a regular file does (a symbolic link to one counts): a new file may
// take its place. A device, pipe or folder there must never be replaced by a file.
bool isReplaceableFile(const QString& path);
// A file can be written at path: the file exists, or path has a folder part and that folder
// exists.
bool DestinationPathValid(const QString& path);
// Whether the file at path is protected against writing: on Windows its read-only attribute;
// elsewhere its owner has no write permission, whoever runs the program (root could write it
// anyway, but the user has marked it as not to be changed). A missing file is not read-only.
bool IsReadOnly(const QString& path);

// Opens the regular file at path (links followed) for reading, without ever blocking and without
// reading from anything else: a FIFO would block the open or the read forever and a device such
// as /dev/zero never ends, so a folder, FIFO or device is refused. Fails with a message that
// names the file.
Result<void> openRegularFileForReading(QFile& file, const QString& path);

// What the system opened for openRegularFileForReading(): a C runtime file descriptor, or why
// there is none.
struct RegularFileDescriptor
{
    enum class Refusal { None, Folder, NotAFile, SystemError };

    int descriptor = -1;
    Refusal refusal = Refusal::None;
    // For SystemError: the errno value.
    int error = 0;
};
RegularFileDescriptor openRegularFileDescriptor(const QString& path);

// One entry of a directory listing.
struct DirectoryEntry
{
    // The name's bytes as the file system keeps them: the only form that reaches the entry
    // again when the name is not valid UTF-8. On Windows, whose names are UTF-16, the name in
    // UTF-8.
    QByteArray rawName;
    // The name as shown: UTF-8, else Windows-1252.
    QString name;
    // A directory, or a symbolic link to one.
    bool isDirectory = false;
    // A regular file, or a symbolic link to one: what DirectoryHandle::readListedFile() opens.
    bool isFile = false;
    bool isSymLink = false;
    // The identity of the directory the entry leads to (links followed), for telling a folder
    // from a link back to one of its ancestors; both 0 when unknown.
    quint64 device = 0;
    quint64 inode = 0;
    // Last write and, where the file system keeps it, creation ("birth"), in seconds since 1970
    // (UTC); a plain file has them only where the listing examined it (see
    // DirectoryHandle::Details).
    std::optional<qint64> writeTime;
    std::optional<qint64> birthTime;
};

// The raw form (see DirectoryEntry::rawName) of a name that is valid text.
inline QByteArray rawFileName(const QString& name)
{
    return name.toUtf8();
}

// True when name ends in ".url" in any case.
bool isShortcutName(QByteArrayView rawName);

// Puts entries in listing order: by name without regard to case, ties broken by the exact name,
// so that the order never depends on the file system.
void sortDirectoryEntries(std::vector<DirectoryEntry>& entries);

// The system's text for an error number (errno), such as "No space left on device".
QString systemErrorText(int error);

// What stands at a name in a directory, a link there not followed.
enum class EntryType {
    Missing,
    Directory,
    RegularFile,
    // A symbolic link, junction or other reparse point, a pipe, a device, a socket.
    Other
};

// An open directory. On POSIX systems children are opened relative to its descriptor, so no path
// is ever spelled out in full and a tree nested deeper than the system's path length limit stays
// reachable; on Windows it keeps the directory's path, which the system accepts up to 32,767
// characters.
//
// Writers never follow a link inside the folder they write to: a link planted there must not
// send their files elsewhere. They open children with Links::Refuse and create and replace
// entries through the handle, which never follows a link at the entry's name.
class DirectoryHandle
{
public:
    // What a listing examines. Kinds: every entry but a plain file, whose kind the listing tells
    // by itself (its times, where the system does not list them anyway, come with
    // readListedFile()); KindsAndTimes: every entry. An entry examined gets its kind (links
    // followed), a directory's identity, and times.
    enum class Details { Kinds, KindsAndTimes };
    enum class Links { Follow, Refuse };

    DirectoryHandle() = default;
    DirectoryHandle(DirectoryHandle&& other) noexcept;
    DirectoryHandle& operator=(DirectoryHandle&& other) noexcept;
    DirectoryHandle(const DirectoryHandle&) = delete;
    DirectoryHandle& operator=(const DirectoryHandle&) = delete;
    ~DirectoryHandle();

    // Opens a directory by path (links followed); an invalid handle on failure, with errno set
    // (ENOENT or ENOTDIR when there is no such directory).
    static DirectoryHandle open(const QString& path);

    bool isValid() const;
    void close();

    // The directory entry rawName of this directory; ".." gives the parent. With Links::Refuse a
    // symbolic link (or any reparse point) at rawName is refused with ENOTDIR.
    DirectoryHandle openChild(const QByteArray& rawName, Links links = Links::Follow) const;
    // Device and inode of this directory (volume and file index on Windows); false when they
    // cannot be read.
    bool identity(quint64& device, quint64& inode) const;

    // Every entry but "." and "..", in listing order (see sortDirectoryEntries). nullopt, with
    // errno set, when the directory cannot be read.
    std::optional<std::vector<DirectoryEntry>> entries(Details details = Details::Kinds) const;

    // The bytes of the regular file rawName in this directory (links followed). nullopt when it
    // is not a regular file, cannot be read, or is larger than maxSize.
    std::optional<QByteArray> readFile(const QByteArray& rawName, qint64 maxSize) const;
    // Reads the file of entry, which a listing of this directory found to be a regular file
    // (DirectoryEntry::isFile), into buffer, whose memory serves again for the next file, and
    // sets entry's times from what was opened. Unlike readFile() it does not look before it
    // opens, as the listing has looked: a folder of many small files costs an open, a status of
    // the open file, one read and a close per file. What was opened is still checked to be a
    // regular file, opened without blocking and read no further than maxSize. False, with errno
    // set (ENOENT: no longer there), when it cannot be read or is larger than maxSize.
    bool readListedFile(DirectoryEntry& entry, qint64 maxSize, QByteArray& buffer) const;

    // What stands at rawName; Missing also when that cannot be told (the next step reports why).
    EntryType entryType(const QByteArray& rawName) const;
    // Creates the directory rawName; false, with errno set (EEXIST when anything stands there),
    // on failure.
    bool makeDirectory(const QByteArray& rawName) const;
    // Writes contents as the regular file rawName: into a new file beside it, renamed over the
    // name once complete, so that an old file of that name is replaced whole or not at all and a
    // link at the name is replaced, never written through. Nothing waits for the disk: shortcuts
    // are small and many. False, with errno set, when the file could not be written; nothing is
    // left behind then.
    bool writeFile(const QByteArray& rawName, QByteArrayView contents) const;
    // Sets the last write time of what stands at rawName (a link there is not followed) and,
    // where the system lets it be set (Windows), its creation time, both in seconds since 1970;
    // a time not given stays as it is. False, with errno set, when they could not be set.
    bool setTimes(const QByteArray& rawName, std::optional<qint64> writeTime,
                  std::optional<qint64> creationTime) const;

private:
    // Submits many requests on one descriptor.
    friend class ListedFileReader;

#ifdef Q_OS_WIN
    explicit DirectoryHandle(QString path);
    // Absolute, with "/" separators; empty when not open.
    QString m_path;
#else
    explicit DirectoryHandle(int fd);
    int m_fd = -1;
#endif
};

// Reads the small files of one directory many at a time, each as
// DirectoryHandle::readListedFile() reads one: opened without blocking, checked to be a regular
// file no larger than the limit, read whole, its times set on its entry. Where the system offers
// a submission queue (io_uring on Linux), the files of a batch are opened, read and closed
// together, and only examined one by one: a few system calls for the batch and one for every
// file, instead of four for every file. Elsewhere, or where the system refuses the queue, the
// files are read one after the other. One reader serves many directories: the queue is set up
// once.
class ListedFileReader
{
public:
    enum class Method { Batched, OneByOne };

    explicit ListedFileReader(Method method = Method::Batched);
    ListedFileReader(const ListedFileReader&) = delete;
    ListedFileReader& operator=(const ListedFileReader&) = delete;
    ~ListedFileReader();

    // Reads the files of entries, which a listing of dir found to be regular files
    // (DirectoryEntry::isFile). Until the next call, contents(i) holds the bytes of entries[i].
    void read(const DirectoryHandle& dir, std::span<DirectoryEntry* const> entries, qint64 maxSize);
    // nullopt when the file could not be read; error() then tells why as an errno value
    // (ENOENT: no longer there).
    std::optional<QByteArrayView> contents(size_t index) const;
    int error(size_t index) const { return m_files[index].error; }

private:
    // Where a file's bytes are in m_buffer, or why it has none.
    struct File
    {
        qsizetype offset = 0;
        qsizetype size = 0;
        // 0 once read; kUnread before.
        int error = kUnread;
    };
    static constexpr int kUnread = -1;
    class Queue;

    // Reads what the queue can, and leaves the rest kUnread.
    void readBatched(const DirectoryHandle& dir, std::span<DirectoryEntry* const> entries,
                     qint64 maxSize);
    void readOne(const DirectoryHandle& dir, DirectoryEntry& entry, qint64 maxSize, File& file);

    std::unique_ptr<Queue> m_queue;
    QByteArray m_buffer;
    QByteArray m_scratch;
    std::vector<File> m_files;
};

// The subfolder relative (as typed, "/" between its steps; "" for the folder itself) of the folder
// at path, opened step by step with DirectoryHandle::Links::Refuse: the folder itself may be a
// link the user chose, nothing below it may. Invalid, with errno set, when relative is absolute
// or climbs out of the folder with "..", or a step is not a real directory (ENOTDIR).
DirectoryHandle openSubfolder(const QString& path, const QString& relative);

// The entries of the directory at path, in the order of DirectoryHandle::entries().
std::optional<std::vector<DirectoryEntry>> listDirectory(const QString& path);

} // namespace orvalink
