// Conclusion paragraphs of the normal-format report.
#include "normalconclusion.h"

#include "evaluation/acceptanceevaluation.h"
#include "evaluation/verdictsentence.h"

#include <algorithm>

namespace trellon {
namespace {

constexpr std::string_view indent = "    ";

// "    本次检测的…工程钢筋保护层厚度共计N点，其中合格点M个，合格点率为R%", without its closing punctuation.
std::string rateClause(std::string_view projectName, const Verdict& verdict, int memberRows)
{
    return std::string(indent) + "本次检测的" + std::string(projectName) + "工程钢筋保护层厚度共计" +
           std::to_string(verdict.points) + "点，其中合格点" + std::to_string(verdict.acceptable) +
           (memberRows == 0 ? "点个" : "个") + "，合格点率为" + verdictRateText(verdict) + "%";
}

bool hasMembers(const LotEvaluation& lot)
{
    return !lot.first.members.empty() || (lot.second && !lot.second->members.empty());
}

} // namespace

std::string conclusionSentence(std::string_view projectName, const Verdict& verdict, int memberRows)
{
    return rateClause(projectName, verdict, memberRows) + "，" + std::string(projectName) +
           "工程的钢筋保护层厚度检测结果为" + std::string(verdictText(verdict)) + "。";
}

std::vector<std::string> conclusionParagraphs(const Project& project, std::string_view projectName,
                                              const Verdict& verdict, int memberRows)
{
    if (project.extension.conclusionBasis == ConclusionBasis::rate)
        return {conclusionSentence(projectName, verdict, memberRows)};
    std::vector<std::string> paragraphs{rateClause(projectName, verdict, memberRows) + "。"};
    const AcceptanceEvaluation evaluation = evaluateAcceptance(project);
    bool anyLot = false;
    for (const LotEvaluation& lot : evaluation.lots) {
        if (!hasMembers(lot))
            continue;
        anyLot = true;
        paragraphs.push_back(std::string(indent) + verdictSentence(lot));
    }
    const bool othersTicked = std::any_of(evaluation.members.begin(), evaluation.members.end(),
                                          [](const MemberEvaluation& m) { return !m.lot.has_value(); });
    if (!anyLot)
        paragraphs.push_back(std::string(indent) + "无梁类、板类构件，未按附录E评定。");
    else if (othersTicked)
        paragraphs.push_back(std::string(indent) + "其他构件（柱、墙等）不参与附录E评定。");
    return paragraphs;
}

} // namespace trellon
