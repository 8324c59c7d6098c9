// JSON of lots, samples and members of the acceptance check.
#include "evaluationjson.h"

#include "model/gbk.h"
#include "model/membertype.h"

namespace trellon::cli {
namespace {

template <typename T> nlohmann::ordered_json orNull(const std::optional<T>& value)
{
    return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
}

void addStatistics(nlohmann::ordered_json& j, const CoverStatistics& s)
{
    j["mean"] = orNull(s.mean);
    j["sd"] = orNull(s.sd);
    j["min"] = orNull(s.min);
    j["max"] = orNull(s.max);
    j["characteristic"] = orNull(s.characteristic);
}

nlohmann::ordered_json sampleToJson(const SampleEvaluation& s)
{
    nlohmann::ordered_json j;
    j["members"] = s.members;
    j["values"] = s.values;
    j["acceptable"] = s.acceptable;
    j["rate"] = orNull(s.rate);
    addStatistics(j, s.statistics);
    return j;
}

nlohmann::ordered_json lotToJson(const LotEvaluation& lot)
{
    nlohmann::ordered_json j;
    j["kind"] = lotKindName(lot.kind);
    j["first"] = sampleToJson(lot.first);
    j["second"] = lot.second ? sampleToJson(*lot.second) : nlohmann::ordered_json(nullptr);
    j["combinedRate"] = orNull(lot.combinedRate);
    j["beyondLimit"] = nlohmann::ordered_json::array();
    for (const BeyondLimitValue& b : lot.beyondLimit)
        j["beyondLimit"].push_back({{"member", b.member}, {"value", b.value}, {"deviation", b.deviation}});
    j["result"] = lotResultText(lot.result);
    j["sampleSize"] = nlohmann::ordered_json::array();
    for (const SampleSize& size : lot.sampleSizes)
        j["sampleSize"].push_back({{"type", memberTypeName(size.type)},
                                   {"population", orNull(size.population)},
                                   {"required", orNull(size.required)},
                                   {"tested", size.tested}});
    j["membersWithoutValues"] = lot.membersWithoutValues;
    return j;
}

nlohmann::ordered_json memberToJson(const MemberRecord& record, const MemberEvaluation& m, bool judgedCorrected)
{
    nlohmann::ordered_json j;
    j["index"] = m.index;
    j["number"] = gbkToUtf8(record.number);
    j["name"] = gbkToUtf8(record.name);
    j["type"] = memberTypeName(m.type);
    j["typeSet"] = m.typeSet;
    j["lot"] = m.lot ? nlohmann::ordered_json(lotKindName(*m.lot)) : nlohmann::ordered_json(nullptr);
    j["secondSample"] = m.secondSample;
    j["values"] = m.statistics.n;
    j["acceptable"] = m.acceptable;
    addStatistics(j, m.statistics);
    j["deviationMismatch"] = m.deviationMismatch;
    j["tooFewBars"] = m.tooFewBars;
    j["incompleteGroup"] = m.incompleteGroup;
    if (judgedCorrected)
        j["corrected"] = m.corrected;
    return j;
}

// Tenths of a millimetre with one decimal.
nlohmann::ordered_json tenths(std::int64_t value)
{
    return static_cast<double>(value) / 10.0;
}

template <typename T> nlohmann::ordered_json tenthsOrNull(const std::optional<T>& value)
{
    return value ? tenths(*value) : nlohmann::ordered_json(nullptr);
}

nlohmann::ordered_json verificationToJson(const Verification& stored, const VerificationCheck& check)
{
    nlohmann::ordered_json j;
    j["spacer"] = tenths(stored.rules.spacer);
    j["judgeCorrected"] = stored.judgeCorrected;
    j["points"] = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < stored.points.size() && i < check.points.size(); ++i) {
        const VerificationPoint& p = stored.points[i];
        const CheckedVerificationPoint& c = check.points[i];
        nlohmann::ordered_json point;
        point["member"] = p.member;
        point["run"] = p.run == PointRun::none ? nlohmann::ordered_json(nullptr)
                                               : nlohmann::ordered_json(p.run == PointRun::x ? "X" : "Y");
        point["point"] = p.point;
        point["reading"] = orNull(c.reading);
        point["measured"] = tenths(p.measured);
        point["difference"] = tenthsOrNull(c.difference);
        point["diameter"] = orNull(c.diameter);
        point["method"] = p.method == VerificationMethod::drill ? "drill" : "chisel";
        point["valid"] = c.valid;
        point["errorExceeded"] = c.errorExceeded;
        j["points"].push_back(std::move(point));
    }
    j["corrections"] = nlohmann::ordered_json::array();
    for (const DiameterCorrection& c : check.corrections)
        j["corrections"].push_back(
            {{"diameter", c.diameter}, {"points", c.points}, {"correction", tenths(c.correction)}});
    j["required"] = check.required;
    j["verified"] = check.verified;
    j["enough"] = check.enough;
    j["errorExceeded"] = check.errorExceeded;
    return j;
}

} // namespace

nlohmann::ordered_json evaluationToJson(const Project& project, const AcceptanceEvaluation& evaluation)
{
    nlohmann::ordered_json j;
    j["pointsPerBar"] = evaluation.pointsPerBar;
    j["lots"] = nlohmann::ordered_json::array();
    for (const LotEvaluation& lot : evaluation.lots)
        j["lots"].push_back(lotToJson(lot));
    j["members"] = nlohmann::ordered_json::array();
    for (const MemberEvaluation& m : evaluation.members)
        j["members"].push_back(
            memberToJson(project.members[static_cast<std::size_t>(m.index)], m, evaluation.judgedCorrected));
    j["verification"] = verificationToJson(project.extension.verification, evaluation.verification);
    return j;
}

} // namespace trellon::cli
