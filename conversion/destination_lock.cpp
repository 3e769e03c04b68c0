// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversion/destination_lock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace orvalink {

namespace {

// QLockFile takes over a lock whose process is gone as soon as it can tell (the lock was made on
// this machine and names its process), and otherwise once the lock file is older than this: a
// lock made on another machine sharing the folder, or one left empty by a process killed while
// making it. Where the file system supports it, a lock file whose process still holds it is never
// removed, however old; elsewhere no export should take this long.
constexpr std::chrono::minutes kStaleAfter{10};

// Symbolic links nested deeper than this are taken as a loop.
constexpr int kMaxLinkDepth = 40;

// The lock file of a file destination: beside the file that is really replaced (the new file
// goes where a symbolic link points, as with QSaveFile), in its folder spelled canonically, so
// that every spelling of one destination meets at one lock.
QString fileLockPath(const QString& destination)
{
    QFileInfo target(destination);
    for (int depth = 0; depth < kMaxLinkDepth && target.isSymLink(); ++depth)
        target.setFile(target.symLinkTarget());
    if (target.exists() && !target.isFile())
        return {};
    const QString folder = QFileInfo(target.absolutePath()).canonicalFilePath();
    if (folder.isEmpty())
        return {};
    return QDir(folder).filePath(target.fileName() + QStringLiteral(".lock"));
}

QString folderLockPath(const QString& destination)
{
    const QString folder = QFileInfo(destination).canonicalFilePath();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return {};
    return QDir(folder).filePath(DestinationLock::kFolderLockName.toString());
}

UserMessage destinationBusy(const QString& destination)
{
    return UserMessage{
        QCoreApplication::translate("orvalink::DestinationLock", "Destination In Use"),
        {QDir::toNativeSeparators(destination),
         QCoreApplication::translate("orvalink::DestinationLock",
                                     "Another Export Is Writing to the Selected Destination."),
         QCoreApplication::translate("orvalink::DestinationLock",
                                     "Please, Try Again When It Has Finished.")},
        MessageIcon::Exclamation};
}

} // namespace

DestinationLock::DestinationLock(const QString& destination, Kind kind)
    : m_destination(destination)
    , m_lockFilePath(destination.isEmpty()  ? QString()
                     : kind == Kind::Folder ? folderLockPath(destination)
                                            : fileLockPath(destination))
{}

Result<void, UserMessage> DestinationLock::acquire(std::chrono::milliseconds wait)
{
    if (m_lockFilePath.isEmpty() || m_lock)
        return {};
    auto lock = std::make_unique<QLockFile>(m_lockFilePath);
    lock->setStaleLockTime(kStaleAfter);
    if (lock->tryLock(wait)) {
        m_lock = std::move(lock);
        return {};
    }
    if (lock->error() == QLockFile::LockFailedError)
        return destinationBusy(m_destination);
    // The folder refuses the lock file, so it refuses the export's files too.
    return {};
}

} // namespace orvalink
