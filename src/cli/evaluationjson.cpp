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

nlohmann::ordered_json memberToJson(const MemberRecord& record, const MemberEvaluation& m)
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
        j["members"].push_back(memberToJson(project.members[static_cast<std::size_t>(m.index)], m));
    return j;
}

} // namespace trellon::cli
