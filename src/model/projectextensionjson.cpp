// Payload: {"version": 1, "pointsPerBar": k, "members": [{"type": name|null, "secondSample": bool}, ...],
// "population": {name: n, ...}, "conclusionBasis": "appendixE"} followed by the keys a later version added. The
// conclusion basis is written only when it is not "rate", so that the payloads written before it stay as they were.
#include "projectextensionjson.h"

#include "membertype.h"
#include "rawjsonobject.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>

namespace trellon {
namespace {

using nlohmann::json;

constexpr std::int32_t payloadVersion = 1;
constexpr std::array knownKeys = {"version", "pointsPerBar", "members", "population", "conclusionBasis"};
constexpr std::string_view rateBasisName = "rate";
constexpr std::string_view appendixEBasisName = "appendixE";

constexpr std::array allTypes = {MemberType::beam, MemberType::slab, MemberType::cantileverBeam,
                                 MemberType::cantileverSlab, MemberType::other};

std::optional<MemberType> typeNamed(const std::string& name)
{
    const auto found =
        std::find_if(allTypes.begin(), allTypes.end(), [&](MemberType type) { return memberTypeName(type) == name; });
    if (found == allTypes.end())
        return std::nullopt;
    return *found;
}

bool isKnownKey(const std::string& key)
{
    return std::find(knownKeys.begin(), knownKeys.end(), key) != knownKeys.end();
}

Error damaged(const std::string& what)
{
    return Error{ErrorKind::refused, what, std::nullopt};
}

// Non-negative JSON integers parse as unsigned; negative ones and fractions fall outside.
std::optional<std::int32_t> integerIn(const json& value, std::int32_t low, std::int32_t high)
{
    if (!value.is_number_unsigned())
        return std::nullopt;
    const auto number = value.get<std::uint64_t>();
    if (number < static_cast<std::uint64_t>(low) || number > static_cast<std::uint64_t>(high))
        return std::nullopt;
    return static_cast<std::int32_t>(number);
}

Result<MemberExtras> decodeMember(const json& entry, std::size_t index)
{
    const std::string which = "members[" + std::to_string(index) + "]";
    if (!entry.is_object())
        return damaged(which + " is not an object");
    MemberExtras extras;
    if (const auto type = entry.find("type"); type != entry.end() && !type->is_null()) {
        if (!type->is_string() || !(extras.type = typeNamed(type->get<std::string>())))
            return damaged(which + ".type is not a member type");
    }
    if (const auto second = entry.find("secondSample"); second != entry.end()) {
        if (!second->is_boolean())
            return damaged(which + ".secondSample is not true or false");
        extras.secondSample = second->get<bool>();
    }
    return extras;
}

Status decodeKnownKeys(const json& root, ProjectExtension& extension)
{
    if (const auto version = root.find("version"); version != root.end()) {
        if (!integerIn(*version, payloadVersion, std::numeric_limits<std::int32_t>::max()))
            return damaged("version is not a positive integer");
    }
    if (const auto k = root.find("pointsPerBar"); k != root.end()) {
        const auto points = integerIn(*k, 1, maxPointsPerBar);
        if (!points)
            return damaged("pointsPerBar is not an integer from 1 to " + std::to_string(maxPointsPerBar));
        extension.pointsPerBar = *points;
    }
    if (const auto members = root.find("members"); members != root.end()) {
        if (!members->is_array())
            return damaged("members is not an array");
        for (std::size_t i = 0; i < members->size(); ++i) {
            auto extras = decodeMember((*members)[i], i);
            if (!extras)
                return extras.error();
            extension.members.push_back(extras.value());
        }
    }
    if (const auto population = root.find("population"); population != root.end()) {
        if (!population->is_object())
            return damaged("population is not an object");
        for (const auto& [name, count] : population->items()) {
            const auto type = typeNamed(name);
            const auto n = integerIn(count, 0, std::numeric_limits<std::int32_t>::max());
            if (!type || !n)
                return damaged("population." + name + " is not a member type with a non-negative count");
            extension.population[*type] = *n;
        }
    }
    if (const auto basis = root.find("conclusionBasis"); basis != root.end()) {
        const std::string name = basis->is_string() ? basis->get<std::string>() : std::string();
        if (name != rateBasisName && name != appendixEBasisName)
            return damaged("conclusionBasis is not \"rate\" or \"appendixE\"");
        extension.conclusionBasis = name == appendixEBasisName ? ConclusionBasis::appendixE : ConclusionBasis::rate;
    }
    return success();
}

} // namespace

bool isDefaultExtension(const ProjectExtension& extension)
{
    const auto unknown = rawObjectMembers(extension.unknownKeys);
    return extension.pointsPerBar == defaultPointsPerBar && extension.population.empty() &&
           extension.conclusionBasis == ConclusionBasis::rate &&
           std::all_of(extension.members.begin(), extension.members.end(),
                       [](const MemberExtras& m) { return m == MemberExtras{}; }) &&
           (!unknown || unknown->empty());
}

std::string encodeExtensionPayload(const ProjectExtension& extension, std::size_t memberCount)
{
    nlohmann::ordered_json root;
    root["version"] = payloadVersion;
    root["pointsPerBar"] = extension.pointsPerBar;
    root["members"] = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < memberCount; ++i) {
        const MemberExtras extras = i < extension.members.size() ? extension.members[i] : MemberExtras{};
        nlohmann::ordered_json member;
        member["type"] = extras.type ? nlohmann::ordered_json(memberTypeName(*extras.type)) : nlohmann::ordered_json();
        member["secondSample"] = extras.secondSample;
        root["members"].push_back(std::move(member));
    }
    root["population"] = nlohmann::ordered_json::object();
    for (const auto& [type, count] : extension.population)
        root["population"][std::string(memberTypeName(type))] = count;
    if (extension.conclusionBasis == ConclusionBasis::appendixE)
        root["conclusionBasis"] = std::string(appendixEBasisName);

    std::string text = root.dump();
    if (const auto unknown = rawObjectMembers(extension.unknownKeys)) {
        text.pop_back();
        for (const RawJsonMember& member : *unknown) {
            if (isKnownKey(member.key))
                continue;
            text += ',';
            text += member.text;
        }
        text += '}';
    }
    return text;
}

Result<ProjectExtension> decodeExtensionPayload(std::string_view payload, std::size_t memberCount)
{
    const auto members = rawObjectMembers(payload);
    if (!members)
        return damaged("its text is not a JSON object with distinct keys");
    ProjectExtension extension;
    if (auto status = decodeKnownKeys(json::parse(payload), extension); !status)
        return status.error();

    std::string unknown;
    for (const RawJsonMember& member : *members) {
        if (isKnownKey(member.key))
            continue;
        unknown += unknown.empty() ? "{" : ",";
        unknown += member.text;
    }
    if (!unknown.empty())
        extension.unknownKeys = unknown + "}";

    extension.members.resize(memberCount);
    if (isDefaultExtension(extension))
        return ProjectExtension{};
    return extension;
}

} // namespace trellon
