// Member types from the extension or from the member's name.
#include "membertype.h"

#include "gbk.h"

#include <string>

namespace trellon {
namespace {

// Searched in UTF-8: in GBK bytes a character's second byte and the next one's first can spell another character.
MemberType typeFromName(const std::string& gbkName)
{
    const std::string name = gbkToUtf8(gbkName);
    const auto has = [&name](std::string_view part) { return name.find(part) != std::string::npos; };
    const bool cantilever = has("悬挑");
    if (cantilever && has("梁"))
        return MemberType::cantileverBeam;
    if (cantilever && has("板"))
        return MemberType::cantileverSlab;
    if (has("梁"))
        return MemberType::beam;
    if (has("板"))
        return MemberType::slab;
    return MemberType::other;
}

} // namespace

MemberType memberType(const Project& project, std::int32_t index)
{
    const auto at = static_cast<std::size_t>(index);
    const auto& extras = project.extension.members;
    if (at < extras.size() && extras[at].type)
        return *extras[at].type;
    return typeFromName(project.members.at(at).name);
}

std::string_view memberTypeName(MemberType type)
{
    switch (type) {
    case MemberType::beam:
        return "beam";
    case MemberType::slab:
        return "slab";
    case MemberType::cantileverBeam:
        return "cantileverBeam";
    case MemberType::cantileverSlab:
        return "cantileverSlab";
    case MemberType::other:
        return "other";
    }
    return "other";
}

} // namespace trellon
