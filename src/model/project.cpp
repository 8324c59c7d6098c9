// Allocation of a project's member array.
#include "project.h"

#include <new>

namespace trellon {

std::unique_ptr<Project> allocateMembers(std::int32_t n)
{
    if (n < 0)
        throw std::bad_array_new_length();
    auto project = std::make_unique<Project>();
    project->members.resize(static_cast<std::size_t>(n));
    return project;
}

} // namespace trellon
