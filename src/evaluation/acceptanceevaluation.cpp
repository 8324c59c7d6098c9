// Lots, samples and verdicts of the acceptance check.
#include "acceptanceevaluation.h"

#include "judgedvalues.h"
#include "samplesize.h"
#include "standardpermitteddeviations.h"

#include "model/membertype.h"
#include "model/testmode.h"

#include <algorithm>

namespace trellon {
namespace {

constexpr std::size_t fewestSlabValues = 6;

std::optional<LotKind> lotOf(MemberType type)
{
    switch (type) {
    case MemberType::beam:
    case MemberType::cantileverBeam:
        return LotKind::beam;
    case MemberType::slab:
    case MemberType::cantileverSlab:
        return LotKind::slab;
    case MemberType::other:
        break;
    }
    return std::nullopt;
}

// The member's entry in the project's extension; none beyond its end, where the defaults hold.
const MemberExtras* extrasOf(const Project& project, std::int32_t index)
{
    const auto& extras = project.extension.members;
    const auto at = static_cast<std::size_t>(index);
    return at < extras.size() ? &extras[at] : nullptr;
}

MemberEvaluation evaluateMember(const Project& project, std::int32_t index, std::int32_t pointsPerBar,
                                const CoverCorrection* correction)
{
    const MemberRecord& record = project.members[static_cast<std::size_t>(index)];
    MemberEvaluation m = evaluateMemberValues(record, pointsPerBar, correction);
    m.index = index;
    const MemberExtras* extras = extrasOf(project, index);
    m.type = memberType(project, index);
    m.typeSet = extras != nullptr && extras->type.has_value();
    m.lot = lotOf(m.type);
    m.secondSample = extras != nullptr && extras->secondSample;
    if (m.lot) {
        m.deviationMismatch =
            PermittedDeviations{record.upperDeviation, record.lowerDeviation} != standardPermittedDeviations(*m.lot);
        m.tooFewBars = *m.lot == LotKind::slab && m.values.size() < fewestSlabValues;
    }
    return m;
}

// The sample of the given members, its figures merged from theirs.
SampleEvaluation evaluateSample(const std::vector<const MemberEvaluation*>& members)
{
    SampleEvaluation s;
    CoverMoments moments;
    for (const MemberEvaluation* m : members) {
        s.members.push_back(m->index);
        s.acceptable += m->acceptable;
        s.anyBeyondLimit = s.anyBeyondLimit || m->anyBeyondLimit;
        moments.merge(m->moments);
    }
    s.values = moments.n;
    if (s.values == 0)
        return s;
    s.rate = ratePercent(s.acceptable, s.values);
    s.statistics = describeCovers(moments);
    std::vector<std::span<const double>> parts;
    parts.reserve(members.size());
    for (const MemberEvaluation* m : members)
        parts.emplace_back(m->values);
    s.histogram = coverHistogram(parts, moments.min, moments.max);
    return s;
}

void collectBeyondLimit(const MemberRecord& record, const MemberEvaluation& m, std::vector<BeyondLimitValue>& out)
{
    const ValueLimits limits(record);
    for (const double v : m.values) {
        if (limits.isBeyondLimit(v))
            out.push_back({m.index, v, limits.deviation(v)});
    }
}

SampleSize sampleSizeOf(const Project& project, MemberType type, const std::vector<const MemberEvaluation*>& first)
{
    SampleSize size;
    size.type = type;
    const auto population = project.extension.population.find(type);
    if (population != project.extension.population.end()) {
        size.population = population->second;
        size.required = requiredSampleSize(type, population->second);
    }
    size.tested =
        static_cast<std::int32_t>(std::count_if(first.begin(), first.end(), [type](const MemberEvaluation* m) {
            return m->type == type && !m->values.empty();
        }));
    return size;
}

LotEvaluation evaluateLot(const Project& project, LotKind kind, const std::vector<MemberEvaluation>& members)
{
    LotEvaluation lot;
    lot.kind = kind;
    std::vector<const MemberEvaluation*> first;
    std::vector<const MemberEvaluation*> second;
    for (const MemberEvaluation& m : members) {
        if (m.lot != kind)
            continue;
        (m.secondSample ? second : first).push_back(&m);
        lot.membersWithoutValues += m.values.empty() ? 1 : 0;
        if (m.anyBeyondLimit)
            collectBeyondLimit(project.members[static_cast<std::size_t>(m.index)], m, lot.beyondLimit);
    }
    lot.first = evaluateSample(first);
    if (!second.empty()) {
        lot.second = evaluateSample(second);
        if (lot.first.values > 0 && lot.second->values > 0)
            lot.combinedRate =
                ratePercent(lot.first.acceptable + lot.second->acceptable, lot.first.values + lot.second->values);
    }
    lot.result =
        lotResult(lot.first.rate, lot.first.anyBeyondLimit, lot.combinedRate, lot.second && lot.second->anyBeyondLimit);
    const MemberType plain = kind == LotKind::beam ? MemberType::beam : MemberType::slab;
    const MemberType cantilever = kind == LotKind::beam ? MemberType::cantileverBeam : MemberType::cantileverSlab;
    lot.sampleSizes = {sampleSizeOf(project, plain, first), sampleSizeOf(project, cantilever, first)};
    return lot;
}

} // namespace

AcceptanceEvaluation evaluateAcceptance(const Project& project, std::int32_t pointsPerBar)
{
    AcceptanceEvaluation evaluation;
    evaluation.pointsPerBar = std::clamp(pointsPerBar, 1, maxPointsPerBar);
    evaluation.verification = checkVerificationPoints(project);
    const CoverCorrection correction = coverCorrection(project, evaluation.verification);
    evaluation.judgedCorrected = project.extension.verification.judgeCorrected;
    const CoverCorrection* judging = evaluation.judgedCorrected ? &correction : nullptr;
    std::int64_t values = 0;
    for (std::int32_t i = 0; i < project.memberCount(); ++i) {
        const MemberRecord& record = project.members[static_cast<std::size_t>(i)];
        if (record.checked && isKnownTestMode(testModeDigit(record))) {
            evaluation.members.push_back(evaluateMember(project, i, evaluation.pointsPerBar, judging));
            values += static_cast<std::int64_t>(evaluation.members.back().values.size());
        }
    }
    evaluation.lots = {evaluateLot(project, LotKind::beam, evaluation.members),
                       evaluateLot(project, LotKind::slab, evaluation.members)};
    VerificationCheck& check = evaluation.verification;
    check.judgedValues = values;
    check.required = requiredVerificationPoints(project.extension.verification.rules, values);
    check.enough = check.verified >= check.required;
    if (!check.corrections.empty())
        check.uncorrected = uncorrectedDiameters(project, correction);
    return evaluation;
}

AcceptanceEvaluation evaluateAcceptance(const Project& project)
{
    return evaluateAcceptance(project, project.extension.pointsPerBar);
}

MemberEvaluation evaluateMemberValues(const MemberRecord& record, std::int32_t pointsPerBar,
                                      const CoverCorrection* correction)
{
    MemberEvaluation m;
    JudgedValues judged = judgedValues(record, pointsPerBar, correction);
    m.values = std::move(judged.values);
    m.incompleteGroup = judged.incompleteGroup;
    m.corrected = judged.corrected;
    const ValueLimits limits(record);
    m.moments = CoverMoments::of(m.values, limits.designCover(),
                                 [&](double value) { m.acceptable += limits.isAcceptable(value) ? 1 : 0; });
    // The extremes are the values furthest out on either side.
    m.anyBeyondLimit =
        !m.values.empty() && (limits.isBeyondLimit(m.moments.min) || limits.isBeyondLimit(m.moments.max));
    m.statistics = describeCovers(m.moments);
    return m;
}

std::optional<double> memberRate(const MemberEvaluation& member)
{
    if (member.values.empty())
        return std::nullopt;
    return ratePercent(member.acceptable, static_cast<std::int64_t>(member.values.size()));
}

LotResult lotResult(std::optional<double> firstRate, bool firstBeyondLimit, std::optional<double> combinedRate,
                    bool secondBeyondLimit)
{
    if (!firstRate)
        return LotResult::noData;
    if (firstBeyondLimit || *firstRate < retestRate)
        return LotResult::rejected;
    if (reachesAcceptedRate(*firstRate))
        return LotResult::accepted;
    if (!combinedRate)
        return LotResult::retest;
    return reachesAcceptedRate(*combinedRate) && !secondBeyondLimit ? LotResult::accepted : LotResult::rejected;
}

std::string_view lotResultText(LotResult result)
{
    switch (result) {
    case LotResult::accepted:
        return "合格";
    case LotResult::rejected:
        return "不合格";
    case LotResult::retest:
        return "需复检";
    case LotResult::noData:
        break;
    }
    return "无数据";
}

std::string_view lotKindName(LotKind kind)
{
    return kind == LotKind::beam ? "beam" : "slab";
}

} // namespace trellon
