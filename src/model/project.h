// The loaded project: the member records in instrument order and the data kept with them.
#pragma once

#include "memberrecord.h"
#include "projectextension.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace trellon {

struct Project {
    std::vector<MemberRecord> members;
    ProjectExtension extension;

    std::int32_t memberCount() const { return static_cast<std::int32_t>(members.size()); }
    bool operator==(const Project&) const = default;
};

// A new project of n default records; throws std::bad_alloc when memory cannot be had.
std::unique_ptr<Project> allocateMembers(std::int32_t n);

} // namespace trellon
