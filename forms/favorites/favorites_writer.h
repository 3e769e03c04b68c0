// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/bookmark_model.h"
#include "model/export_options.h"
#include "model/progress.h"
#include "model/result.h"
#include "model/user_message.h"

#include <QString>

namespace orvalink {

// What a Favorites export wrote, and what it could not write.
class FavoritesExportReport
{
public:
    // Folders created, or found in place and written into.
    int foldersWritten() const { return m_foldersWritten; }
    int linksWritten() const { return m_linksWritten; }
    int foldersNotCreated() const { return m_foldersNotCreated; }
    int linksNotWritten() const { return m_linksNotWritten; }
    // The system's reason for the first failure, such as "No space left on device"; "" when
    // nothing failed.
    const QString& firstFailure() const { return m_firstFailure; }
    bool isComplete() const { return m_firstFailure.isEmpty(); }

    void addFolderWritten() { ++m_foldersWritten; }
    void addLinkWritten() { ++m_linksWritten; }
    // error is the system's error number, or 0 when the failure follows from an earlier one (the
    // links of a folder that could not be created).
    void addFolderNotCreated(int error);
    void addLinkNotWritten(int error);
    // A failure that is neither a folder nor a link of the source: the folder everything goes
    // into.
    void addFailure(int error);

private:
    int m_foldersWritten = 0;
    int m_linksWritten = 0;
    int m_foldersNotCreated = 0;
    int m_linksNotWritten = 0;
    QString m_firstFailure;
};

// Writes a loaded source into the Favorites folder favoritesFolder: one
// directory per exported folder and one Internet Shortcut file (see internet_shortcut_writer.h)
// per exported link, under the base folder the options choose (the Favorites folder itself, a
// new folder created at once, or an existing subfolder as typed, "" meaning the Favorites folder).
//
// The folders come in tree node order (root first, parents before children). A folder is
// exported when options.exportAll or its check box is set; it is written below its nearest
// exported ancestor, so a checked folder under an unchecked one lands one level higher. Its
// links are written in table order, all of them or only the checked ones; the root's go into
// the base folder. The status reads "Exporting From Folder: " + caption for each.
//
// Names are made safe (see safeFileName in file_names.h): link names are cut to 100 characters
// and get ".URL"; two folders or two links of one folder whose names differ only in case get
// " (2)", " (3)", ... so that none overwrites another. A file left by an earlier export is
// replaced whole, and a folder of that name is written into; anything else that stands at a name
// (a symbolic link, a folder where a file goes, a file where a folder goes) keeps it, and the
// entry takes the next number instead.
//
// A shortcut keeps its link's icon address (IconFile), and each file and folder written keeps its
// entry's dates as its times: the last write is the modified date (the added date when that is
// unknown), and on systems that let it be set (Windows) the creation time is the added date.
//
// Nothing below the Favorites folder is followed through a link: the folder itself may be one,
// an existing subfolder named in the options must be a real directory at every step, and
// directories and files are made through open handles, so a link planted during the export
// cannot send a file outside either.
//
// Fails, with nothing written, when favoritesFolder is not an existing folder. A folder that cannot
// be created, or a file that cannot be written, does not stop the export: the report counts them,
// with the system's reason for the first.
Result<FavoritesExportReport, UserMessage> ExportToFav(BookmarkModel& model,
                                                       const QString& favoritesFolder,
                                                       const FavoritesExportOptions& options,
                                                       Progress& progress);

} // namespace orvalink
