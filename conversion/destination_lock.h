// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/result.h"
#include "model/user_message.h"

#include <QLockFile>
#include <QString>
#include <chrono>
#include <memory>

namespace orvalink {

// Keeps two exports, in this process or in others (the desktop program and the command line,
// any number of each), from writing one destination at the same time. A merge reads the old
// file and puts a new one in its place, so of two merges running together the later one would
// throw the earlier one's addition away.
//
// The lock is a lock file where the export writes anyway: beside a bookmark file, hotlist or
// menu page (the name followed by ".lock"), inside a Favorites folder (kFolderLockName, which no
// reader takes for a folder or a link). Where no lock file can be made the export's own write
// fails as well and reports why, so the export goes ahead unlocked; nor is one made for what
// the checks refuse (a missing folder, a device). A lock left behind by a process that died is
// taken over.
class DestinationLock
{
public:
    enum class Kind {
        // A file that is replaced whole; a symbolic link is followed to the file it names.
        File,
        // A folder that files are written into.
        Folder,
    };

    // How long acquire() waits for another export to finish by default: long enough for a
    // small export to end, short enough not to leave the user wondering.
    static constexpr std::chrono::milliseconds kDefaultWait{5000};
    static constexpr QStringView kFolderLockName = u".orvalink-export.lock";

    DestinationLock(const QString& destination, Kind kind);

    // Takes the lock, waiting up to wait while another export holds it; fails with the message
    // for the user when it is still held then. Held until this object is destroyed, which
    // removes the lock file.
    Result<void, UserMessage> acquire(std::chrono::milliseconds wait = kDefaultWait);

    // The lock file, or "" when none is made for this destination.
    const QString& lockFilePath() const { return m_lockFilePath; }

private:
    QString m_destination;
    QString m_lockFilePath;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace orvalink
