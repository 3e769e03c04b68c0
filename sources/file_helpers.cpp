#include "sources/file_helpers.h"

#include "model/text_order.h"
#include "platform/file_times.h"

#include <QFileInfo>
#include <algorithm>

// DirectoryHandle and FileExists, which speak to the system, live in directory_handle_posix.cpp
// and directory_handle_windows.cpp.

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

QDate FindDataToDate(const DirectoryEntry& entry)
{
    return entry.writeTime ? localWriteDate(*entry.writeTime) : QDate();
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
    std::vector<QString> names;
    names.reserve(entries.size());
    for (const DirectoryEntry& entry : entries)
        names.push_back(entry.name);
    const std::vector<int> order = caseBlindOrder(names);
    std::vector<DirectoryEntry> sorted;
    sorted.reserve(entries.size());
    for (int index : order)
        sorted.push_back(std::move(entries[static_cast<size_t>(index)]));
    entries = std::move(sorted);
}

std::optional<std::vector<DirectoryEntry>> listDirectory(const QString& path)
{
    return DirectoryHandle::open(path).entries(DirectoryHandle::Details::KindsAndTimes);
}

} // namespace orvalink
