// Member types from the extension or from the member's name.
#include "membertype.h"

#include "gbk.h"

#include <string>

namespace trellon {
namespace {

// Whether the GBK text holds the GBK word at a character boundary: in GBK bytes a character's second byte and the
// next one's first can spell another character, so the search steps over whole characters (a byte from 0x81 on
// begins a two-byte one). Searching the bytes spares converting every name.
bool containsWord(std::string_view gbkText, std::string_view gbkWord)
{
    for (std::size_t i = 0; i + gbkWord.size() <= gbkText.size();) {
        if (gbkText[i] == gbkWord.front() && gbkText.compare(i, gbkWord.size(), gbkWord) == 0)
            return true;
        i += static_cast<unsigned char>(gbkText[i]) >= 0x81 ? 2 : 1;
    }
    return false;
}

} // namespace

MemberType typeFromName(std::string_view gbkName)
{
    static const std::string cantileverWord = systemText("悬挑");
    static const std::string beamWord = systemText("梁");
    static const std::string slabWord = systemText("板");
    const auto has = [gbkName](std::string_view word) { return containsWord(gbkName, word); };
    const bool cantilever = has(cantileverWord);
    if (cantilever && has(beamWord))
        return MemberType::cantileverBeam;
    if (cantilever && has(slabWord))
        return MemberType::cantileverSlab;
    if (has(beamWord))
        return MemberType::beam;
    if (has(slabWord))
        return MemberType::slab;
    return MemberType::other;
}

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
