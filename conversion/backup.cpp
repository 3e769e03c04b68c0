// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversion/backup.h"

#include "platform/file_helpers.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace orvalink {

namespace {

UserMessage backupFailed()
{
    return UserMessage{
        QCoreApplication::translate("orvalink::Backup", "Backup Failed"),
        {QCoreApplication::translate("orvalink::Backup",
                                     "Unable to Make a Backup of the Bookmark File."),
         QCoreApplication::translate("orvalink::Backup", "The Bookmark File Was Not Changed.")},
        MessageIcon::Exclamation};
}

} // namespace

QString BackupName(const QString& filePath)
{
    const qsizetype cut =
        std::max(filePath.lastIndexOf(QLatin1Char('/')), filePath.lastIndexOf(QLatin1Char('\\')));
    return filePath.left(cut + 1) + QStringLiteral("Backup_of_") + filePath.mid(cut + 1);
}

Result<void, UserMessage> MakeBackup(const QString& filePath)
{
    const QString backupPath = BackupName(filePath);
    if (!QFileInfo(filePath).isFile() || !isReplaceableFile(backupPath))
        return backupFailed();
    QFile source(filePath);
    if (!source.open(QIODevice::ReadOnly))
        return backupFailed();
    QSaveFile backup(backupPath);
    backup.setDirectWriteFallback(false);
    if (!backup.open(QIODevice::WriteOnly))
        return backupFailed();

    constexpr qint64 kChunkSize = qint64(1) << 20;
    QByteArray chunk(kChunkSize, Qt::Uninitialized);
    for (;;) {
        const qint64 got = source.read(chunk.data(), kChunkSize);
        if (got < 0)
            return backupFailed();
        if (got == 0)
            break;
        if (backup.write(chunk.constData(), got) != got)
            return backupFailed();
    }
    // The copy reads like the original; it stays writable for us, so that the next backup can
    // replace it even when the original was made read-only for a while.
    backup.setPermissions(source.permissions() | QFileDevice::WriteOwner);
    if (!backup.commit())
        return backupFailed();
    return {};
}

} // namespace orvalink
