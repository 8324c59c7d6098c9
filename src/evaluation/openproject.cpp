// Reading a project and making it ready for use.
#include "openproject.h"

#include "statistics.h"

#include "model/barcounts.h"

namespace trellon {

Result<LoadedProject> openProject(const std::string& path)
{
    auto loaded = readProjectFile(path);
    if (!loaded)
        return loaded;
    Project& project = *loaded.value().project;
    for (MemberRecord& member : project.members)
        recountBars(member);
    recomputeStatistics(project);
    return loaded;
}

} // namespace trellon
