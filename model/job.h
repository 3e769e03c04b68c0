// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/bookmark_model.h"
#include "model/export_mode.h"

#include <QString>
#include <memory>
#include <optional>

namespace orvalink {

// The one conversion the user is working on: what is converted, from where to where, and the
// loaded source with the user's choice of folders and links. The application owns one Job and
// hands it to the windows, the checks and the writers.
class Job
{
public:
    ExportMode mode = ExportMode::None;
    // The forms converted from and to when they are not the mode's (see sourceForm(const Job&)):
    // a conversion no window offers (mode None), which the command line makes, or a source that
    // turned out to be another form of its browser, as Firefox's database is. Unset, the mode's
    // forms are meant.
    std::optional<FormId> sourceFormId;
    std::optional<FormId> destinationFormId;
    // The Favorites folder: the source when reading Favorites, the destination when writing them.
    QString IELocation;
    // The bookmark file or hotlist read from.
    QString SourceFileLocation;
    // The bookmark file or hotlist written to.
    QString DestinationFileLocation;
    // The cascading menu page written to.
    QString MenuFileLocation;
    // The name in a bookmark file's title; taken from the logon name on first need.
    QString UserName;
    // Folders and links of the whole source, as the export window's fast scan counted them.
    int TotalFolderCount = 0;
    int TotalLinkCount = 0;
    // The selection window's entry list order: 1 "Link Name", 2 "URL", 3 "Creation Date".
    int ListSortColumn = 1;
    bool ListSortDescending = false;

    // The location the source is read from: the Favorites folder or the source file.
    QString sourceLocation() const;
    // The location written to: the Favorites folder, the bookmark file or hotlist, or the menu
    // page.
    QString destinationLocation() const;
    // Sets them, for the job's mode.
    void setSourceLocation(const QString& location);
    void setDestinationLocation(const QString& location);

    // The loaded source, or nullptr before it is loaded (see loadedSource()).
    BookmarkModel* source() const { return m_source.get(); }
    void setSource(std::unique_ptr<BookmarkModel> source) { m_source = std::move(source); }
    // Throws the loaded source and the user's choice away, as closing the selection window does.
    void discardSource() { m_source.reset(); }

    // Ends the job: no mode, no source, counters and sort state back to their start. The
    // destinations and the user name are kept for the next job.
    void ResetJob();

private:
    std::unique_ptr<BookmarkModel> m_source;
};

} // namespace orvalink
