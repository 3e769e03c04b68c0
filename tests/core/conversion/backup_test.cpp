// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversion/backup.h"
#include "tests/core/forms/writer_test_support.h"

#include <QDir>
#include <sys/stat.h>

namespace orvalink {
namespace {

TEST(Backup, NameGoesBeforeTheFileNameWhicheverSeparatorEndsTheFolder)
{
    EXPECT_EQ(BackupName(QStringLiteral("/home/anna/bookmarks.html")),
              QStringLiteral("/home/anna/Backup_of_bookmarks.html"));
    EXPECT_EQ(BackupName(QStringLiteral("C:\\x/y\\opera6.adr")),
              QStringLiteral("C:\\x/y\\Backup_of_opera6.adr"));
    EXPECT_EQ(BackupName(QStringLiteral("bookmarks.html")),
              QStringLiteral("Backup_of_bookmarks.html"));
}

TEST(Backup, ReplacesAnOlderBackupOnlyWithACompleteCopy)
{
    test::TempTree dir;
    QByteArray content;
    for (int i = 0; i < 300000; ++i)
        content += static_cast<char>(i * 31 % 251);
    const QString file = dir.write(QStringLiteral("bookmarks.html"), content);
    dir.write(QStringLiteral("Backup_of_bookmarks.html"), "older");
    ASSERT_TRUE(MakeBackup(file).ok());
    EXPECT_EQ(dir.read(QStringLiteral("Backup_of_bookmarks.html")), content);

    // Nothing to copy, a folder or a pipe in the backup's place, a disk that fills up during the
    // copy.
    dir.write(QStringLiteral("Backup_of_bookmarks.html"), "older");
    dir.mkdir(QStringLiteral("Backup_of_folder.html"));
    const QString blocked = dir.write(QStringLiteral("folder.html"), "x");
    const QString pipe = dir.path(QStringLiteral("Backup_of_pipe.html"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    const QString piped = dir.write(QStringLiteral("pipe.html"), "x");
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    for (const QString& path :
         {dir.path(QStringLiteral("missing.html")), dir.path(), blocked, piped, file}) {
        SCOPED_TRACE(path.toStdString());
        const int failed = test::inChild([&] {
            const Result<void, UserMessage> result =
                test::limitFileSize(1 << 16) ? MakeBackup(path) : Result<void, UserMessage>();
            return !result.ok() && result.failure().title == QStringLiteral("Backup Failed") &&
                   result.failure().lines ==
                       QStringList({QStringLiteral("Unable to Make a Backup of the Bookmark File."),
                                    QStringLiteral("The Bookmark File Was Not Changed.")}) &&
                   result.failure().icon == MessageIcon::Exclamation;
        });
        EXPECT_EQ(failed, 1);
    }
    EXPECT_EQ(dir.read(QStringLiteral("Backup_of_bookmarks.html")), QByteArray("older"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), files);
    EXPECT_FALSE(QFileInfo(pipe).isFile());
}

} // namespace
} // namespace orvalink
