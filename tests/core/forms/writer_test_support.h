// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "conversion/loaded_source.h"
#include "forms/bookmark_file/bookmark_file_reader.h"
#include "forms/bookmark_file/bookmark_file_writer.h"
#include "forms/favorites/favorites_writer.h"
#include "forms/hotlist/hotlist_reader.h"
#include "forms/hotlist/hotlist_writer.h"
#include "model/export_options.h"
#include "model/job.h"
#include "tests/support/fixture_cases.h"
#include "tests/support/temp_tree.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QStringList>
#include <csignal>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvalink::test {

class RecordingProgress : public Progress
{
public:
    void status(const QString& text) override { statuses << text; }
    QStringList statuses;
};

// Progress that runs an action when a writer reports the folder with the given caption.
class OnFolder : public Progress
{
public:
    OnFolder(const QString& caption, std::function<void()> action)
        : m_status(QStringLiteral("Exporting From Folder: ") + caption)
        , m_action(std::move(action))
    {}
    void status(const QString& text) override
    {
        if (text == m_status)
            m_action();
    }

private:
    QString m_status;
    std::function<void()> m_action;
};

// The text with every line end made CR LF.
inline QByteArray crlf(const char* text)
{
    return QByteArray(text).replace("\n", "\r\n");
}

// Written bytes or a listing without the dates of a Favorites source's entries, which are its
// files' times and so differ from run to run; a folder line keeps its empty ADD_DATE.
inline QByteArray withoutDates(const QByteArray& bytes)
{
    static const QRegularExpression folderDate(QStringLiteral(R"(FOLDED ADD_DATE="\d+")"));
    static const QRegularExpression dates(QStringLiteral(
        R"( (ADD_DATE|LAST_MODIFIED)="\d+"|    (CREATED|VISITED)=\d+\r\n|(?<=\{)(added|modified)=\d+ ?| (added|modified)=\d+)"));
    static const QRegularExpression emptyFields(QStringLiteral(R"( \{\})"));
    // Latin-1 both ways keeps every byte, valid UTF-8 or not.
    return QString::fromLatin1(bytes)
        .replace(folderDate, QStringLiteral(R"(FOLDED ADD_DATE="")"))
        .replace(dates, QString())
        .replace(emptyFields, QString())
        .toLatin1();
}

// Every entry below folder, relative, folders ending in "/", sorted and joined by ","; an entry
// named leftOut (with what is below it) is not listed.
inline QString entriesBelow(const QString& folder, const QString& leftOut = QString())
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.nextFileInfo());
        if (info.fileName() != leftOut)
            entries << info.filePath().mid(folder.size() + 1) +
                           (info.isDir() ? QStringLiteral("/") : QString());
    }
    entries.sort();
    return entries.join(u',');
}

// Two folders below the root ("Work" holding "Deep") and three links, the last one's address
// long enough to pass a small file size limit.
inline QByteArray twoFolders()
{
    return readFixture(QStringLiteral("samples/two_folders.html"));
}

// A Favorites folder of Internet Shortcuts, each path ending in ".url" (a folder otherwise), and
// a job reading it for the user "anna".
inline Job favoritesJob(const TempTree& dir, std::initializer_list<const char*> paths)
{
    for (const char* path : paths) {
        const QString relative = QStringLiteral("fav/") + QString::fromUtf8(path);
        if (relative.endsWith(QStringLiteral(".url")))
            dir.write(relative, QByteArray("[InternetShortcut]\r\nURL=about:") +
                                    QFileInfo(relative).baseName().toUtf8() + "\r\n");
        else
            dir.mkdir(relative);
    }
    Job job;
    job.mode = ExportMode::IEToFirefox;
    job.IELocation = dir.path(QStringLiteral("fav"));
    job.UserName = QStringLiteral("anna");
    return job;
}

inline Job workedExampleJob(const TempTree& dir)
{
    return favoritesJob(dir, {"Home.url", "Work/Wiki.url"});
}

inline BookmarkModel& loaded(Job& job)
{
    Progress quiet;
    Result<BookmarkModel*, UserMessage> model = loadedSource(job, quiet);
    EXPECT_TRUE(model.ok());
    return *model.value();
}

// The writers write a loaded source; these write the job's, loaded on first use, for the job's
// user and into its Favorites folder, as an export does.
inline Result<void, UserMessage> writeBookmarkFile(Job& job, const QString& path,
                                                   const FileExportOptions& options,
                                                   Progress& progress)
{
    FileExportOptions forUser = options;
    forUser.userName = job.UserName;
    return WriteBookmarkFile(loaded(job), path, forUser, progress);
}

inline Result<void, UserMessage> writeOperaHotlist(Job& job, const QString& path,
                                                   const FileExportOptions& options,
                                                   Progress& progress)
{
    return WriteOperaHotlist(loaded(job), path, options, progress);
}

inline Result<FavoritesExportReport, UserMessage>
exportToFav(Job& job, const FavoritesExportOptions& options, Progress& progress)
{
    return ExportToFav(loaded(job), job.IELocation, options, progress);
}

inline int rowNamed(const BookmarkModel& model, const QString& name)
{
    for (int row = 0; row < model.folderCount(); ++row) {
        if (model.folder(row).Name == name)
            return row;
    }
    ADD_FAILURE() << "no folder " << name.toStdString();
    return 0;
}

// What our reader of the form makes of a file.
inline std::unique_ptr<BookmarkModel> reread(FormId kind, const QString& path)
{
    Result<std::unique_ptr<BookmarkModel>> loaded =
        kind == FormId::BookmarkFile ? NNCreateTree(path) : OperaCreateTree(path);
    EXPECT_TRUE(loaded.ok());
    return loaded ? std::move(loaded.value()) : std::make_unique<BookmarkModel>(kind, path);
}

// Its listing without the root's caption, which each form names its own way.
inline QByteArray rereadListing(FormId kind, const QString& path)
{
    const QByteArray text = listing(*reread(kind, path));
    return text.mid(text.indexOf('\n') + 1);
}

// Runs body in a forked child and returns what it returned (-1 when the child died): for what
// must not touch the test process, a file size limit or giving up root.
template <typename Body> int inChild(Body body)
{
    const pid_t pid = fork();
    if (pid == 0)
        _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Files grow no larger than limit bytes; a longer write fails as on a full disk.
inline bool limitFileSize(rlim_t limit)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit size{limit, limit};
    return setrlimit(RLIMIT_FSIZE, &size) == 0;
}

// Root reads and writes whatever the permissions say, so a child testing them gives root up
// first, becoming user "nobody"; false when that failed.
inline bool unprivileged()
{
    if (geteuid() != 0)
        return true;
    const passwd* nobody = getpwnam("nobody");
    return nobody && setgroups(0, nullptr) == 0 && setgid(nobody->pw_gid) == 0 &&
           setuid(nobody->pw_uid) == 0;
}

} // namespace orvalink::test
