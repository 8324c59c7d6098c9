// Drilling and chiselling verification of cover readings: where the real cover was measured, and the rules the
// check and the correction follow. Lengths finer than a millimetre are whole tenths of a millimetre, so that every
// sum and rounding is exact.
#pragma once

#include "pointrun.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace trellon {

enum class VerificationMethod { drill, chisel };

// A point number that names no reading: the reading or bar the point was measured at has been deleted.
constexpr std::int32_t deletedPointNumber = 0;

struct VerificationPoint {
    std::int32_t member = 0;       // array index
    PointRun run = PointRun::none; // none for single-point members
    std::int32_t point = 1;        // from 1 within the run; single points: the reading, or the pair
    std::int32_t measured = 0;     // tenths of a mm, 0 to maxMeasuredCover
    VerificationMethod method = VerificationMethod::drill;
    std::optional<std::int32_t> diameter; // mm, 0 to maxStatedDiameter; none: the member's own for the point
    std::string note;                     // UTF-8
    bool operator==(const VerificationPoint&) const = default;
};

constexpr std::int32_t maxMeasuredCover = 2000; // 200.0 mm
constexpr std::int32_t maxStatedDiameter = 100; // mm
constexpr std::int32_t maxSpacer = 200;         // 20.0 mm
constexpr std::int32_t maxMinShare = 100;       // percent
constexpr std::int32_t maxMinPoints = 1000;
constexpr std::int32_t maxMaxError = 200; // 20.0 mm

struct VerificationRules {
    std::int32_t spacer = 0;    // tenths of a mm under the probe, subtracted from every corrected cover
    std::int32_t minShare = 30; // percent of the judged values to verify
    std::int32_t minPoints = 6; // and at least this many
    std::int32_t maxError = 10; // tenths of a mm a difference may reach
    bool operator==(const VerificationRules&) const = default;
};

struct Verification {
    VerificationRules rules;
    bool judgeCorrected = false; // the acceptance check judges corrected covers
    std::vector<VerificationPoint> points;
    bool operator==(const Verification&) const = default;
};

// A reading row or bar was inserted so that it is now point `number` of the member's run: the points at and after
// it move up by one and stay on their readings.
void verificationPointInserted(std::vector<VerificationPoint>& points, std::int32_t member, PointRun run,
                               std::int32_t number);

// Point `number` of the member's run was deleted: the points on it are marked deleted, those after it move down.
void verificationPointDeleted(std::vector<VerificationPoint>& points, std::int32_t member, PointRun run,
                              std::int32_t number);

} // namespace trellon
