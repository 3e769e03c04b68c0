// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/job.h"

namespace orvalink {

QString Job::sourceLocation() const
{
    return SourceIsIE(mode) ? IELocation : SourceFileLocation;
}

QString Job::destinationLocation() const
{
    if (DestIsIE(mode))
        return IELocation;
    return DestIsMenu(mode) ? MenuFileLocation : DestinationFileLocation;
}

void Job::setSourceLocation(const QString& location)
{
    (SourceIsIE(mode) ? IELocation : SourceFileLocation) = location;
}

void Job::setDestinationLocation(const QString& location)
{
    if (DestIsIE(mode))
        IELocation = location;
    else if (DestIsMenu(mode))
        MenuFileLocation = location;
    else
        DestinationFileLocation = location;
}

void Job::ResetJob()
{
    mode = ExportMode::None;
    sourceFormId.reset();
    destinationFormId.reset();
    IELocation.clear();
    SourceFileLocation.clear();
    TotalFolderCount = 0;
    TotalLinkCount = 0;
    ListSortColumn = 1;
    ListSortDescending = false;
    discardSource();
}

} // namespace orvalink
