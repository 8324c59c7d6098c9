// Verification as JSON.
#include "verificationjson.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace trellon {
namespace {

using nlohmann::json;
using nlohmann::ordered_json;

Error damaged(const std::string& what)
{
    return Error{ErrorKind::refused, "verification." + what, std::nullopt};
}

ordered_json tenthsValue(std::int32_t tenths)
{
    return static_cast<double>(tenths) / 10.0;
}

// A number with at most one decimal, from 0 to highest tenths.
std::optional<std::int32_t> tenthsIn(const json& value, std::int32_t highest)
{
    if (!value.is_number())
        return std::nullopt;
    const double scaled = value.get<double>() * 10.0;
    const double whole = std::round(scaled);
    if (std::fabs(scaled - whole) > 1e-6 || whole < 0.0 || whole > highest)
        return std::nullopt;
    return static_cast<std::int32_t>(whole);
}

// Non-negative JSON integers parse as unsigned; negative ones and fractions fall outside.
std::optional<std::int32_t> integerUpTo(const json& value, std::int32_t highest)
{
    if (!value.is_number_unsigned() || value.get<std::uint64_t>() > static_cast<std::uint64_t>(highest))
        return std::nullopt;
    return static_cast<std::int32_t>(value.get<std::uint64_t>());
}

const char* runName(PointRun run)
{
    return run == PointRun::x ? "X" : "Y";
}

ordered_json pointToJson(const VerificationPoint& p)
{
    ordered_json j;
    j["member"] = p.member;
    j["run"] = p.run == PointRun::none ? ordered_json() : ordered_json(runName(p.run));
    j["point"] = p.point;
    j["measured"] = tenthsValue(p.measured);
    j["method"] = p.method == VerificationMethod::drill ? "drill" : "chisel";
    j["diameter"] = p.diameter ? ordered_json(*p.diameter) : ordered_json();
    j["note"] = p.note;
    return j;
}

// Reads key into `into` with `read`; absent keys keep what `into` holds unless required.
template <typename T, typename Read>
Status readKey(const json& object, const char* key, bool required, T& into, Read read, const std::string& where)
{
    const auto found = object.find(key);
    if (found == object.end()) {
        if (required)
            return damaged(where + key + " is missing");
        return success();
    }
    const std::optional<T> value = read(*found);
    if (!value)
        return damaged(where + key + " has a wrong type or lies outside its range");
    into = *value;
    return success();
}

std::optional<PointRun> runOf(const json& value)
{
    if (value.is_null())
        return PointRun::none;
    if (value == "X")
        return PointRun::x;
    if (value == "Y")
        return PointRun::y;
    return std::nullopt;
}

std::optional<VerificationMethod> methodOf(const json& value)
{
    if (value == "drill")
        return VerificationMethod::drill;
    if (value == "chisel")
        return VerificationMethod::chisel;
    return std::nullopt;
}

std::optional<std::string> textOf(const json& value)
{
    return value.is_string() ? std::optional<std::string>(value.get<std::string>()) : std::nullopt;
}

std::optional<bool> flagOf(const json& value)
{
    return value.is_boolean() ? std::optional<bool>(value.get<bool>()) : std::nullopt;
}

Result<VerificationPoint> decodePoint(const json& entry, std::size_t index)
{
    const std::string where = "points[" + std::to_string(index) + "].";
    if (!entry.is_object())
        return damaged("points[" + std::to_string(index) + "] is not an object");
    constexpr std::int32_t anyCount = std::numeric_limits<std::int32_t>::max();
    const auto count = [](const json& v) { return integerUpTo(v, anyCount); };
    VerificationPoint p;
    for (Status status :
         {readKey(entry, "member", true, p.member, count, where), readKey(entry, "run", false, p.run, runOf, where),
          readKey(entry, "point", true, p.point, count, where),
          readKey(
              entry, "measured", true, p.measured, [](const json& v) { return tenthsIn(v, maxMeasuredCover); }, where),
          readKey(entry, "method", false, p.method, methodOf, where),
          readKey(entry, "note", false, p.note, textOf, where)}) {
        if (!status)
            return status.error();
    }
    if (const auto diameter = entry.find("diameter"); diameter != entry.end() && !diameter->is_null()) {
        p.diameter = integerUpTo(*diameter, maxStatedDiameter);
        if (!p.diameter)
            return damaged(where + "diameter has a wrong type or lies outside its range");
    }
    return p;
}

} // namespace

ordered_json encodeVerification(const Verification& verification)
{
    const VerificationRules& rules = verification.rules;
    ordered_json j;
    j["spacer"] = tenthsValue(rules.spacer);
    j["minShare"] = rules.minShare;
    j["minPoints"] = rules.minPoints;
    j["maxError"] = tenthsValue(rules.maxError);
    j["judgeCorrected"] = verification.judgeCorrected;
    j["points"] = ordered_json::array();
    for (const VerificationPoint& p : verification.points)
        j["points"].push_back(pointToJson(p));
    return j;
}

Result<Verification> decodeVerification(const json& value)
{
    if (!value.is_object())
        return damaged("is not an object");
    Verification v;
    VerificationRules& rules = v.rules;
    for (Status status :
         {readKey(
              value, "spacer", false, rules.spacer, [](const json& x) { return tenthsIn(x, maxSpacer); }, ""),
          readKey(
              value, "minShare", false, rules.minShare, [](const json& x) { return integerUpTo(x, maxMinShare); }, ""),
          readKey(
              value, "minPoints", false, rules.minPoints, [](const json& x) { return integerUpTo(x, maxMinPoints); },
              ""),
          readKey(
              value, "maxError", false, rules.maxError, [](const json& x) { return tenthsIn(x, maxMaxError); }, ""),
          readKey(value, "judgeCorrected", false, v.judgeCorrected, flagOf, "")}) {
        if (!status)
            return status.error();
    }
    if (const auto points = value.find("points"); points != value.end()) {
        if (!points->is_array())
            return damaged("points is not an array");
        for (std::size_t i = 0; i < points->size(); ++i) {
            auto point = decodePoint((*points)[i], i);
            if (!point)
                return point.error();
            v.points.push_back(std::move(point).value());
        }
    }
    return v;
}

} // namespace trellon
