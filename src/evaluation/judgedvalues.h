// The values a member is judged on: its readings, grouped into bars for single-point members.
#pragma once

#include "coverjudgement.h"

#include "model/memberrecord.h"

#include <cstdint>
#include <vector>

namespace trellon {

struct JudgedValues {
    std::vector<double> values;
    bool incompleteGroup = false; // the last bar of a single-point member has fewer than pointsPerBar points
};

// The covers of the member's judged points (forEachJudgedPoint); a claimed bar without a cover has no value. A
// single-point member's covers are taken in order in groups of pointsPerBar (at least 1), each group judged on
// its mean; section and grid members have one value per bar. Other digits have no values.
JudgedValues judgedValues(const MemberRecord& member, std::int32_t pointsPerBar);

// The limits a member's values are judged against: its tolerance, and 1.5 times its permitted deviations.
class ValueLimits {
public:
    explicit ValueLimits(const MemberRecord& member)
        : tolerance_(member), beyondBelow_(limitFactor * member.lowerDeviation),
          beyondAbove_(limitFactor * member.upperDeviation)
    {
    }

    bool isAcceptable(double v) const { return tolerance_.accepts(v); }

    // The deviation v - designCover lies above 1.5 × upperDeviation or below 1.5 × lowerDeviation.
    bool isBeyondLimit(double v) const { return isBeyondLimitDeviation(deviation(v)); }

    double deviation(double v) const { return tolerance_.deviation(v); }
    double designCover() const { return tolerance_.designCover(); }

    // The same judgement of a deviation, without a branch.
    bool isBeyondLimitDeviation(double d) const { return (d > beyondAbove_) | (d < beyondBelow_); }

private:
    static constexpr double limitFactor = 1.5;

    Tolerance tolerance_;
    double beyondBelow_;
    double beyondAbove_;
};

} // namespace trellon
