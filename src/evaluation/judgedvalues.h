// The values a member is judged on: its readings, grouped into bars for single-point members.
#pragma once

#include "model/memberrecord.h"

#include <cstdint>
#include <vector>

namespace trellon {

struct JudgedValues {
    std::vector<double> values;
    bool incompleteGroup = false; // the last bar of a single-point member has fewer than pointsPerBar points
};

// The readings the project verdict counts (digit 1: every reading; 2: the covers of the complete pairs; section:
// its bars' covers; grid: the X covers, then the Y covers), as far as the member's bar counts and its array reach.
// A single-point member's readings are taken in order in groups of pointsPerBar (at least 1), each group
// judged on its mean; section and grid members have one value per bar. Other digits have no values.
JudgedValues judgedValues(const MemberRecord& member, std::int32_t pointsPerBar);

// The limits a member's values are judged against.
class ValueLimits {
public:
    explicit ValueLimits(const MemberRecord& member)
        : design_(member.designCover), lower_(member.lowerDeviation), upper_(member.upperDeviation),
          beyondBelow_(limitFactor * member.lowerDeviation), beyondAbove_(limitFactor * member.upperDeviation)
    {
    }

    // designCover + lowerDeviation <= v <= designCover + upperDeviation.
    bool isAcceptable(double v) const { return isAcceptableDeviation(deviation(v)); }

    // The deviation v - designCover lies above 1.5 × upperDeviation or below 1.5 × lowerDeviation.
    bool isBeyondLimit(double v) const { return isBeyondLimitDeviation(deviation(v)); }

    double deviation(double v) const { return v - design_; }
    double designCover() const { return design_; }

    // The same judgements of a deviation. Both comparisons are made, without a branch: whether a value passes
    // follows no pattern the processor could predict.
    bool isAcceptableDeviation(double d) const { return (lower_ <= d) & (d <= upper_); }
    bool isBeyondLimitDeviation(double d) const { return (d > beyondAbove_) | (d < beyondBelow_); }

private:
    static constexpr double limitFactor = 1.5;

    double design_;
    double lower_;
    double upper_;
    double beyondBelow_;
    double beyondAbove_;
};

} // namespace trellon
