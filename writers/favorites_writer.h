#pragma once

#include "model/job.h"
#include "model/progress.h"
#include "model/result.h"
#include "model/user_message.h"
#include "writers/export_options.h"

#include <QString>
#include <QStringList>

namespace orvalink {

// What a Favorites export wrote, and which links it could not write.
class FavoritesExportReport
{
public:
    int linksWritten() const { return m_linksWritten; }
    int linksNotWritten() const { return static_cast<int>(m_notWritten.size()); }
    // The shortcut files that could not be written, as full paths.
    const QStringList& notWritten() const { return m_notWritten; }

    void addWritten() { ++m_linksWritten; }
    void addNotWritten(const QString& path) { m_notWritten << path; }

private:
    int m_linksWritten = 0;
    QStringList m_notWritten;
};

// Writes the job's source (loaded on first use) into the Favorites folder job.IELocation: one
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
// overwritten.
//
// Fails, with nothing written, when job.IELocation is not an existing folder or the source
// cannot be read. A folder that cannot be created, or a file that cannot be written, does not
// stop the export: those links are counted in the report and skipped.
Result<FavoritesExportReport, UserMessage>
ExportToFav(Job& job, const FavoritesExportOptions& options, Progress& progress);

// Creates one directory (its parent must exist); true when it exists afterwards, also when it
// existed before.
bool MakeDir(const QString& path);

} // namespace orvalink
