#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <optional>
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
// A file can be written at path: the file exists, or path has a folder part and that folder
// exists.
bool DestinationPathValid(const QString& path);

// One entry of a directory listing.
struct DirectoryEntry
{
    // The name's bytes as the file system keeps them: the only form that reaches the entry
    // again when the name is not valid UTF-8.
    QByteArray rawName;
    // The name as shown: UTF-8, else Windows-1252.
    QString name;
    // A directory, or a symbolic link to one.
    bool isDirectory = false;
    bool isSymLink = false;
    // The identity of the directory the entry leads to (links followed), for telling a folder
    // from a link back to one of its ancestors; both 0 when unknown.
    quint64 device = 0;
    quint64 inode = 0;
    // Last write, seconds since 1970 (UTC); only when the listing was asked for times.
    std::optional<qint64> writeTime;
};

// The local calendar date of the entry's last write; a null date when it could not be read.
QDate FindDataToDate(const DirectoryEntry& entry);

// True when name ends in ".url" in any case.
bool isShortcutName(QByteArrayView rawName);

// An open directory. Children are opened relative to it, so no path ever has to be spelled out
// in full: a tree nested deeper than the platform's path length limit stays reachable.
class DirectoryHandle
{
public:
    enum class Details { Kinds, KindsAndTimes };

    DirectoryHandle() = default;
    explicit DirectoryHandle(int fd);
    DirectoryHandle(DirectoryHandle&& other) noexcept;
    DirectoryHandle& operator=(DirectoryHandle&& other) noexcept;
    DirectoryHandle(const DirectoryHandle&) = delete;
    DirectoryHandle& operator=(const DirectoryHandle&) = delete;
    ~DirectoryHandle();

    // Opens a directory by path (links followed); an invalid handle on failure, with errno set.
    static DirectoryHandle open(const QByteArray& path);
    static DirectoryHandle open(const QString& path);

    bool isValid() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    void close();

    // The directory entry rawName of this directory (links followed); ".." gives the parent.
    DirectoryHandle openChild(const QByteArray& rawName) const;
    // Device and inode of this directory; false when they cannot be read.
    bool identity(quint64& device, quint64& inode) const;

    // Every entry but "." and "..", in name order without regard to case (ties broken by the
    // exact name, so the order never depends on the file system). nullopt when the directory
    // cannot be read.
    std::optional<std::vector<DirectoryEntry>> entries(Details details = Details::Kinds) const;

    // The bytes of the regular file rawName in this directory (links followed). nullopt when it
    // is not a regular file, cannot be read, or is larger than maxSize.
    std::optional<QByteArray> readFile(const QByteArray& rawName, qint64 maxSize) const;

private:
    int m_fd = -1;
};

// The entries of the directory at path, in the order of DirectoryHandle::entries().
std::optional<std::vector<DirectoryEntry>> listDirectory(const QString& path);

} // namespace orvalink
