// Reading a project and making it ready for use.
#include "openproject.h"

#include "barcounts.h"
#include "statistics.h"

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
