// The acceptance check of the ticked members: beam and slab lots, their samples, verdicts and sample sizes.
#pragma once

#include "coverjudgement.h"
#include "coverstatistics.h"
#include "coververification.h"

#include "model/project.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace trellon {

enum class LotKind { beam, slab };

// "合格", "不合格", "需复检" (retest with a second sample) or "无数据" (no values in the first sample).
enum class LotResult { accepted, rejected, retest, noData };

struct MemberEvaluation {
    std::int32_t index = 0; // in the project's array
    MemberType type = MemberType::other;
    bool typeSet = false;
    std::optional<LotKind> lot; // none for other members
    bool secondSample = false;
    std::vector<double> values;
    std::int32_t acceptable = 0;
    bool anyBeyondLimit = false; // a value lies beyond the limit
    CoverMoments moments;
    CoverStatistics statistics;
    bool deviationMismatch = false; // not the standard's permitted deviations of its lot
    bool tooFewBars = false;        // slab lot with fewer than 6 values
    bool incompleteGroup = false;
    bool corrected = false; // judged on corrected covers, a point of it took a correction or spacer other than 0
};

struct SampleEvaluation {
    std::vector<std::int32_t> members; // array indexes
    std::int32_t values = 0;
    std::int32_t acceptable = 0;
    std::optional<double> rate;  // percent; none without values
    bool anyBeyondLimit = false; // a value of a member lies beyond the limit
    CoverStatistics statistics;
    CoverHistogram histogram;
};

struct BeyondLimitValue {
    std::int32_t member = 0;
    double value = 0.0;
    double deviation = 0.0; // value - designCover
};

struct SampleSize {
    MemberType type = MemberType::other;
    std::optional<std::int32_t> population;
    std::optional<std::int32_t> required; // none without a population
    std::int32_t tested = 0;              // first-sample members of the type that have values
};

struct LotEvaluation {
    LotKind kind = LotKind::beam;
    SampleEvaluation first;
    std::optional<SampleEvaluation> second;    // present when a member of the lot is flagged second sample
    std::optional<double> combinedRate;        // over both samples, when both have values
    std::vector<BeyondLimitValue> beyondLimit; // of both samples, in member order
    LotResult result = LotResult::noData;
    std::array<SampleSize, 2> sampleSizes; // the lot's plain type, then its cantilever type
    std::int32_t membersWithoutValues = 0; // members of the lot, in either sample, that have no values
};

struct AcceptanceEvaluation {
    std::int32_t pointsPerBar = defaultPointsPerBar;
    bool judgedCorrected = false;          // the values are the corrected covers of the drilling verification
    std::array<LotEvaluation, 2> lots;     // beam, then slab
    std::vector<MemberEvaluation> members; // the ticked members with digit 1 to 4, in array order
    VerificationCheck verification;        // required counted over the members' values
};

// Below the accepted rate, a lot at or above this rate (percent) is tested again with a second sample.
constexpr double retestRate = 80.0;

// Evaluates the project's ticked members, grouping single-point readings into bars of pointsPerBar (taken as 1
// to 5), on their readings or, when the project's verification says so, on their corrected covers.
AcceptanceEvaluation evaluateAcceptance(const Project& project, std::int32_t pointsPerBar);

// With the project's own points per bar.
AcceptanceEvaluation evaluateAcceptance(const Project& project);

// What a member's own values give, whatever its lot: values, acceptable count, figures, whether one lies beyond
// the limit, whether its last bar is incomplete and, with a correction, whether it changed a value. The other
// fields keep their defaults.
MemberEvaluation evaluateMemberValues(const MemberRecord& record, std::int32_t pointsPerBar,
                                      const CoverCorrection* correction = nullptr);

// The member's acceptable values in percent of its values; none without values.
std::optional<double> memberRate(const MemberEvaluation& member);

// The verdict of a lot from the rates of its samples and whether a value lies beyond the limit in either.
LotResult lotResult(std::optional<double> firstRate, bool firstBeyondLimit, std::optional<double> combinedRate,
                    bool secondBeyondLimit);

std::string_view lotResultText(LotResult result);
std::string_view lotKindName(LotKind kind);

} // namespace trellon
