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

void Job::ResetJob()
{
    mode = ExportMode::None;
    IELocation.clear();
    SourceFileLocation.clear();
    TotalFolderCount = 0;
    TotalLinkCount = 0;
    ListSortColumn = 1;
    ListSortDescending = false;
    discardSource();
}

} // namespace orvalink
