// Shared project of the windows.
#include "projectsession.h"

namespace trellon {

MemberRecord* ProjectSession::member(int index)
{
    Project* loaded = project();
    if (loaded == nullptr || index < 0 || index >= loaded->memberCount())
        return nullptr;
    return &loaded->members[static_cast<std::size_t>(index)];
}

void ProjectSession::replaceProject(std::unique_ptr<Project> project)
{
    state_.install(std::move(project));
    emit projectReplaced();
}

} // namespace trellon
