// The evaluation report's content: the figures of each sample as the evaluation has them, values beyond the limit
// grouped by member, the project's name as given, and figures rounded as the report has always shown them.
#include "evaluation/evaluationreport.h"

#include "evaluation/verdictsentence.h"
#include "evaluationfixtures.h"
#include "model/gbk.h"
#include "support/reporttext.h"

#include <gtest/gtest.h>

namespace trellon {
namespace {

using testing::reportText;

MemberRecord beam(const char* number, std::vector<std::int32_t> readings)
{
    MemberRecord m = testing::singlePointMember("一层 梁", std::move(readings));
    m.number = number;
    return m;
}

std::string textOf(const Project& project, const AcceptanceEvaluation& evaluation, const std::string& name = "p.gj")
{
    return reportText(evaluationReport(project, evaluation, name, "2024-03-09"));
}

TEST(EvaluationReportText, sampleRowsHoldTheEvaluationsFigures)
{
    Project project;
    project.members = {beam("1001", {20, 25, 30, 33, 41}), beam("1002", {24, 26, 27, 29})};
    const AcceptanceEvaluation evaluation = evaluateAcceptance(project, 1);
    const SampleEvaluation& first = evaluation.lots[0].first;
    const auto tenth = [](const std::optional<double>& v) { return decimalText(*v, 1); };
    const std::string row = "第一次抽样 " + std::to_string(first.members.size()) + " " + std::to_string(first.values) +
                            " " + std::to_string(first.acceptable) + " " + rateText(*first.rate) + "% " +
                            tenth(first.statistics.mean) + " " + tenth(first.statistics.sd) + " " +
                            tenth(first.statistics.min) + " " + tenth(first.statistics.max) + " " +
                            tenth(first.statistics.characteristic);
    const std::string text = textOf(project, evaluation);
    EXPECT_NE(text.find(row), std::string::npos) << row << "\n" << text;
    EXPECT_NE(text.find(verdictSentence(evaluation.lots[0])), std::string::npos);
}

TEST(EvaluationReportText, valuesBeyondTheLimitAreGroupedByMemberAndCounted)
{
    Project project;
    std::vector<std::int32_t> many(40, 25);
    many.insert(many.end(), 9, 42); // nine values beyond +15
    project.members = {beam("1001", many), beam("1002", {25, 10})};
    const std::string text = textOf(project, evaluateAcceptance(project, 1));
    EXPECT_NE(text.find("1001 一层 梁 第一次抽样 9 42.0（+17.0）、"), std::string::npos) << text;
    EXPECT_NE(text.find("、…"), std::string::npos) << "only the first values are listed";
    EXPECT_NE(text.find("1002 一层 梁 第一次抽样 1 10.0（-15.0）"), std::string::npos) << text;
}

TEST(EvaluationReportText, membersOfALotWithoutValuesAreCountedBelowItsSampleSizes)
{
    Project project;
    project.members = {beam("1001", {25}), beam("1002", {}), beam("1003", {})};
    const std::string text = textOf(project, evaluateAcceptance(project, 1));
    EXPECT_NE(text.find("梁 — — 1 未填构件总数"), std::string::npos) << text;
    EXPECT_NE(text.find("本批有2个构件无测值，不计入已测构件数。"), std::string::npos) << text;
    project.members.resize(1);
    EXPECT_EQ(textOf(project, evaluateAcceptance(project, 1)).find("无测值"), std::string::npos);
}

TEST(EvaluationReportText, theProjectsNameIsPrintedAsGiven)
{
    Project project;
    project.members = {beam("1001", {25})};
    const std::string text = textOf(project, evaluateAcceptance(project, 1), "a%2b<c>.gj");
    EXPECT_NE(text.find("工程文件：a%2b<c>.gj"), std::string::npos) << text;
}

TEST(EvaluationReportText, figuresHalfwayBetweenTenthsRoundAwayFromZero)
{
    const struct {
        double value;
        int decimals;
        const char* text;
    } cases[] = {
        {24.25, 1, "24.3"}, {24.75, 1, "24.8"}, {-0.25, 1, "-0.3"}, {0.15, 1, "0.1"}, // 0.15 lies below halfway
        {1.45, 1, "1.4"},   {2.5, 0, "3"},      {17.0, 1, "17.0"},  {3.125, 2, "3.13"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(decimalText(c.value, c.decimals), c.text) << c.value;
}

} // namespace
} // namespace trellon
