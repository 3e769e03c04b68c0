#include "model/job.h"

namespace orvalink {

QString Job::sourceLocation() const
{
    return SourceIsIE(mode) ? IELocation : SourceFileLocation;
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
