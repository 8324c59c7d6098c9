// Axis lengths, label steps and mark sizes of the section and grid diagrams.
#pragma once

#include "model/memberrecord.h"

#include <cstdint>

namespace trellon {

// Label step of a diagram that shows no member.
constexpr std::int64_t defaultLabelStep = 200;

// Full length of a position axis and the step between its eleven labels, in millimetres.
struct AxisScale {
    std::int64_t fullLength = 0;
    std::int64_t labelStep = 0;
    bool operator==(const AxisScale&) const = default;
};

// Scale codes 1 to 3 give 500, 1000 and 2000 mm; code 4 stretches the axis over (spanCount + 1) × 2000 mm.
// Any other code is read as 1, matching the largest position the control panel lets be typed for it.
// A negative span count counts as 0.
AxisScale axisScale(std::int32_t scaleCode, std::int32_t spanCount);

// Pixels (or twips) per millimetre when an extent stands for the axis of the scale code. Code 3 multiplies by
// 0.0005 instead of dividing by 2000, as the diagrams always have, which can differ in the last float bit.
float unitsPerMillimetre(std::int32_t scaleCode, std::int32_t spanCount, int extent);

// Largest bar position divided by 2000, or 0 for a member that is not a section member with the run marker.
// Bar 0 always counts, read as 0 when the readings stop short of it; negative positions count as 0.
std::int32_t sectionSpanCount(const MemberRecord& member);

// Where a grid member's runs lie: the separator index and the bar counts of its X and Y runs (countBars; 0 for none).
struct GridRuns {
    std::int32_t separator = 0;
    std::int32_t xBars = 0;
    std::int32_t yBars = 0;
};
GridRuns gridRuns(const MemberRecord& member);

// The larger of the largest X and Y positions divided by 2000; 0 unless a grid member with the run marker.
std::int32_t gridSpanCount(const MemberRecord& member);

enum class DiagramMedium { screen, paper };

// Whether an on-screen diagram carries its title line; the saved bitmap leaves it out.
enum class DiagramTitle { shown, omitted };

// The language of a diagram's words: Chinese on the pictures the program writes (bitmap files), the interface's
// language in its windows.
enum class DiagramWords { chinese, translated };

// How far a mark reaches before and after its coordinate: pixels on screen, twips on paper.
struct MarkExtent {
    int before = 0;
    int after = 0;
    bool operator==(const MarkExtent&) const = default;
};

// Dot of a section bar: the ellipse from centre − before to centre + after; smaller as the axis grows.
MarkExtent sectionDotExtent(std::int32_t spanCount, DiagramMedium medium);

// Stripe of a grid bar: the rectangle from coordinate − before to coordinate + after across its length.
MarkExtent gridStripeExtent(std::int32_t spanCount, DiagramMedium medium);

} // namespace trellon
