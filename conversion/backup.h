// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/result.h"
#include "model/user_message.h"

#include <QString>

namespace orvalink {

// The name of a file's backup copy beside it: "Backup_of_" before the file name, so
// "/x/bookmarks.html" gives "/x/Backup_of_bookmarks.html". Both "/" and "\" end a folder; a
// path without either gives "Backup_of_" + the path.
QString BackupName(const QString& filePath);

// Copies the file to its backup name. An older backup is replaced only once the new copy is
// complete, and only when it is a regular file. On failure the caller must not change the file:
// the message says so.
Result<void, UserMessage> MakeBackup(const QString& filePath);

} // namespace orvalink
