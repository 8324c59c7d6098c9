// Drilling and chiselling verification of cover readings: each verification point checked against the reading it
// names, the correction of each bar diameter, how many points must be verified, and the corrected cover of every
// judged point. Differences, corrections and the spacer are whole tenths of a millimetre.
#pragma once

#include "coverjudgement.h"

#include "model/project.h"
#include "model/verification.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace trellon {

struct CheckedVerificationPoint {
    bool valid = false;                     // its member and point exist and the point has a reading
    std::optional<std::int32_t> reading;    // mm; none for an invalid point
    std::optional<std::int64_t> difference; // tenths: measured - reading; none for an invalid point
    std::optional<std::int32_t> diameter;   // its own, else the member's for the point; none when neither is known
    bool errorExceeded = false;             // valid, and |difference| > maxError
    bool operator==(const CheckedVerificationPoint&) const = default;
};

struct DiameterCorrection {
    std::int32_t diameter = 0;
    std::int32_t points = 0;     // the valid points of that diameter
    std::int64_t correction = 0; // tenths: the mean of their differences, rounded half away from zero
    bool operator==(const DiameterCorrection&) const = default;
};

// Judged points of a diameter no valid point corrects, on the ticked members.
struct UncorrectedDiameter {
    std::int32_t diameter = 0;
    std::int32_t points = 0;
    bool operator==(const UncorrectedDiameter&) const = default;
};

struct VerificationCheck {
    std::vector<CheckedVerificationPoint> points; // in stored order
    std::vector<DiameterCorrection> corrections;  // ascending diameter
    std::int64_t judgedValues = 0;                // T: the values of the ticked members, each bar once
    std::int32_t required = 0;                    // points to verify on the ticked members
    std::int32_t verified = 0;                    // valid points on the ticked members
    bool enough = false;                          // verified >= required
    bool errorExceeded = false;                   // a valid point's difference exceeds maxError
    std::vector<UncorrectedDiameter> uncorrected; // ascending diameter; empty when nothing is corrected
};

// The cover of judged point `number` of the member's run; none when the member has no such point or the point no
// cover.
std::optional<std::int32_t> pointReading(const MemberRecord& member, PointRun run, std::int32_t number);

// The bar diameter of a judged point: digit "1" knownDiameter, "2" the pair's measured diameter, a section's
// barDiameter, a grid's knownDiameter in X and barDiameter in Y. None for a pair the readings do not hold or a run
// the member does not have.
std::optional<std::int32_t> pointDiameter(const MemberRecord& member, PointRun run, std::int32_t number);

// The corrected cover of a point: its reading plus the correction of its diameter, less the spacer, rounded half
// away from zero to whole millimetres. A diameter without a correction takes 0.
class CoverCorrection {
public:
    CoverCorrection() = default; // corrects nothing
    CoverCorrection(std::vector<DiameterCorrection> corrections, std::int32_t spacer);

    // The diameter's correction in tenths; none when no valid point has the diameter.
    std::optional<std::int64_t> correctionOf(std::int32_t diameter) const;
    // In whole millimetres. Readings from a file may be any 32-bit number, hence the wider result.
    std::int64_t correctedCover(std::int32_t reading, std::optional<std::int32_t> diameter) const;
    std::int64_t correctedCover(const MemberRecord& member, const JudgedPoint& point) const;
    // Whether a point of the diameter takes a correction or a spacer other than zero.
    bool changes(std::optional<std::int32_t> diameter) const;

private:
    std::vector<DiameterCorrection> corrections_;
    std::int32_t spacer_ = 0;
};

// numerator / denominator rounded half away from zero; denominator above 0.
std::int64_t roundedQuotient(std::int64_t numerator, std::int64_t denominator);

// The project's verification points checked and the corrections they give; `required` and `enough` are left at
// their defaults (requiredVerificationPoints needs the judged values), as is `uncorrected`.
VerificationCheck checkVerificationPoints(const Project& project);

// min(T, max(minPoints, ⌈minShare % × T⌉)) for T judged values.
std::int32_t requiredVerificationPoints(const VerificationRules& rules, std::int64_t judgedValues);

// The correction that the checked points give, with the project's spacer.
CoverCorrection coverCorrection(const Project& project, const VerificationCheck& check);

// The judged points of the ticked members whose diameter the correction has no value for, counted per diameter.
std::vector<UncorrectedDiameter> uncorrectedDiameters(const Project& project, const CoverCorrection& correction);

// The correction the project judges with: its verification's when judging on corrected covers is on, else none.
std::optional<CoverCorrection> judgingCorrection(const Project& project);

} // namespace trellon
