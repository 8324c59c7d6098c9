// Verification points, corrections per diameter and corrected covers.
#include "coververification.h"

#include "model/testmode.h"

#include <algorithm>
#include <cstdlib>
#include <map>

namespace trellon {
namespace {

constexpr std::int64_t tenthsPerMillimetre = 10;

bool isSinglePoint(TestModeDigit digit)
{
    return digit == TestModeDigit::singleKnownDiameter || digit == TestModeDigit::singleMeasuredDiameter;
}

CheckedVerificationPoint checkPoint(const Project& project, const VerificationPoint& stored, std::int32_t maxError)
{
    CheckedVerificationPoint checked;
    checked.diameter = stored.diameter;
    if (stored.member < 0 || stored.member >= project.memberCount())
        return checked;
    const MemberRecord& member = project.members[static_cast<std::size_t>(stored.member)];
    if (!checked.diameter)
        checked.diameter = pointDiameter(member, stored.run, stored.point);
    checked.reading = pointReading(member, stored.run, stored.point);
    if (!checked.reading)
        return checked;
    checked.valid = true;
    checked.difference = stored.measured - *checked.reading * tenthsPerMillimetre;
    checked.errorExceeded = std::abs(*checked.difference) > maxError;
    return checked;
}

} // namespace

std::optional<std::int32_t> pointReading(const MemberRecord& member, PointRun run, std::int32_t number)
{
    std::optional<std::int32_t> found;
    if (number < 1)
        return found;
    forEachJudgedPoint(member, [&](const JudgedPoint& point) {
        if (point.run == run && point.number == number)
            found = point.cover;
    });
    return found;
}

std::int64_t roundedQuotient(std::int64_t numerator, std::int64_t denominator)
{
    const std::int64_t magnitude = (2 * (numerator < 0 ? -numerator : numerator) + denominator) / (2 * denominator);
    return numerator < 0 ? -magnitude : magnitude;
}

std::optional<std::int32_t> pointDiameter(const MemberRecord& member, PointRun run, std::int32_t number)
{
    const TestModeDigit digit = testModeDigit(member);
    if (isSinglePoint(digit) && run == PointRun::none) {
        if (digit == TestModeDigit::singleKnownDiameter)
            return member.knownDiameter;
        const std::int64_t at = 2 * (static_cast<std::int64_t>(number) - 1) + 1;
        if (number < 1 || at >= static_cast<std::int64_t>(member.samples.size()))
            return std::nullopt;
        return member.samples[static_cast<std::size_t>(at)];
    }
    if (digit == TestModeDigit::section && run == PointRun::x)
        return member.barDiameter;
    if (digit == TestModeDigit::grid && run == PointRun::x)
        return member.knownDiameter;
    if (digit == TestModeDigit::grid && run == PointRun::y)
        return member.barDiameter;
    return std::nullopt;
}

CoverCorrection::CoverCorrection(std::vector<DiameterCorrection> corrections, std::int32_t spacer)
    : corrections_(std::move(corrections)), spacer_(spacer)
{
}

std::optional<std::int64_t> CoverCorrection::correctionOf(std::int32_t diameter) const
{
    for (const DiameterCorrection& c : corrections_) {
        if (c.diameter == diameter)
            return c.correction;
    }
    return std::nullopt;
}

std::int64_t CoverCorrection::correctedCover(std::int32_t reading, std::optional<std::int32_t> diameter) const
{
    const std::int64_t correction = diameter ? correctionOf(*diameter).value_or(0) : 0;
    return roundedQuotient(reading * tenthsPerMillimetre + correction - spacer_, tenthsPerMillimetre);
}

std::int64_t CoverCorrection::correctedCover(const MemberRecord& member, const JudgedPoint& point) const
{
    return correctedCover(point.cover.value_or(0), pointDiameter(member, point.run, point.number));
}

bool CoverCorrection::changes(std::optional<std::int32_t> diameter) const
{
    return spacer_ != 0 || (diameter && correctionOf(*diameter).value_or(0) != 0);
}

VerificationCheck checkVerificationPoints(const Project& project)
{
    const Verification& verification = project.extension.verification;
    VerificationCheck check;
    std::map<std::int32_t, std::pair<std::int64_t, std::int32_t>> groups; // diameter: sum of differences, points
    for (const VerificationPoint& stored : verification.points) {
        CheckedVerificationPoint checked = checkPoint(project, stored, verification.rules.maxError);
        if (checked.valid) {
            auto& [sum, points] = groups[checked.diameter.value_or(0)];
            sum += *checked.difference;
            ++points;
            check.errorExceeded = check.errorExceeded || checked.errorExceeded;
            const MemberRecord& member = project.members[static_cast<std::size_t>(stored.member)];
            check.verified += member.checked ? 1 : 0;
        }
        check.points.push_back(checked);
    }
    for (const auto& [diameter, group] : groups)
        check.corrections.push_back({diameter, group.second, roundedQuotient(group.first, group.second)});
    return check;
}

std::int32_t requiredVerificationPoints(const VerificationRules& rules, std::int64_t judgedValues)
{
    const std::int64_t share = (rules.minShare * judgedValues + 99) / 100;
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(judgedValues, std::max<std::int64_t>(rules.minPoints, share)));
}

CoverCorrection coverCorrection(const Project& project, const VerificationCheck& check)
{
    return CoverCorrection(check.corrections, project.extension.verification.rules.spacer);
}

std::vector<UncorrectedDiameter> uncorrectedDiameters(const Project& project, const CoverCorrection& correction)
{
    std::map<std::int32_t, std::int32_t> counts;
    for (const MemberRecord& member : project.members) {
        if (!member.checked || !isKnownTestMode(testModeDigit(member)))
            continue;
        forEachJudgedPoint(member, [&](const JudgedPoint& point) {
            const std::int32_t diameter = pointDiameter(member, point.run, point.number).value_or(0);
            if (point.cover && !correction.correctionOf(diameter))
                ++counts[diameter];
        });
    }
    std::vector<UncorrectedDiameter> uncorrected;
    for (const auto& [diameter, points] : counts)
        uncorrected.push_back({diameter, points});
    return uncorrected;
}

std::optional<CoverCorrection> judgingCorrection(const Project& project)
{
    if (!project.extension.verification.judgeCorrected)
        return std::nullopt;
    return coverCorrection(project, checkVerificationPoints(project));
}

} // namespace trellon
