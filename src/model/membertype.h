// The type of a member for the acceptance check: the user's choice, or else what its name says.
#pragma once

#include "project.h"
#include "projectextension.h"

#include <cstdint>
#include <string_view>

namespace trellon {

// The type the project's extension sets for the member at array index `index`; when it sets none, inferred from
// the member's name read as GBK: "悬挑" with "梁" is a cantilever beam, "悬挑" with "板" a cantilever slab, then
// "梁" a beam and "板" a slab; any other name is other. `index` must lie below memberCount().
MemberType memberType(const Project& project, std::int32_t index);

// The type a member's name (GBK) implies: "悬挑" with "梁" a cantilever beam, "悬挑" with "板" a cantilever slab,
// then "梁" a beam and "板" a slab; any other name is other.
MemberType typeFromName(std::string_view gbkName);

// The type's name in files and exports: "beam", "slab", "cantileverBeam", "cantileverSlab" or "other".
std::string_view memberTypeName(MemberType type);

} // namespace trellon
