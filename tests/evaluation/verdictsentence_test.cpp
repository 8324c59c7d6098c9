// Verdict sentences: each way a lot can be judged is told with its rates and ends with the lot's result.
#include "evaluation/verdictsentence.h"

#include "evaluationfixtures.h"

#include <gtest/gtest.h>

namespace trellon {
namespace {

using testing::flagSecondSample;
using testing::readings;
using testing::singlePointMember;

LotEvaluation lotOf(std::vector<MemberRecord> members, std::vector<std::size_t> secondSample = {})
{
    Project project;
    project.members = std::move(members);
    for (const std::size_t index : secondSample)
        flagSecondSample(project, index);
    return evaluateAcceptance(project, 1).lots[0];
}

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(RateText, cutsToATenthSoNoRateReadsAsTheThresholdAbove)
{
    EXPECT_EQ(rateText(90.0), "90.0");
    EXPECT_EQ(rateText(89.96), "89.9");
    EXPECT_EQ(rateText(79.999), "79.9");
    EXPECT_EQ(rateText(100.0), "100.0");
    EXPECT_EQ(rateText(0.0), "0.0");
    // 9 of 10 computed as a quotient times 100 stays 90.0.
    EXPECT_EQ(rateText(9.0 / 10.0 * 100.0), "90.0");
    EXPECT_EQ(rateText(7.0 / 9.0 * 100.0), "77.7");
}

TEST(VerdictSentence, firstSampleResultsGiveTheRateAndTheRuleApplied)
{
    const std::string accepted = verdictSentence(lotOf({singlePointMember("梁", readings(9, {36}))}));
    EXPECT_EQ(accepted, "梁类构件钢筋保护层厚度检验的合格率为90.0%，为90%及以上，且不合格点的最大偏差均不大于允许偏差的"
                        "1.5倍，判为合格。");
    const std::string retest = verdictSentence(lotOf({singlePointMember("梁", readings(899, std::vector(101, 36)))}));
    EXPECT_EQ(retest,
              "梁类构件钢筋保护层厚度检验的合格率为89.9%，小于90%但不小于80%，应再抽取相同数量的构件进行检验。");
    const std::string low = verdictSentence(lotOf({singlePointMember("梁", readings(799, std::vector(201, 36)))}));
    EXPECT_EQ(low, "梁类构件钢筋保护层厚度检验的合格率为79.9%，小于80%，判为不合格。");
    const std::string beyond = verdictSentence(lotOf({singlePointMember("梁", readings(19, {41}))}));
    EXPECT_EQ(beyond, "梁类构件钢筋保护层厚度检验的合格率为95.0%，不合格点的最大偏差大于允许偏差的1.5倍，"
                      "判为不合格。");
}

TEST(VerdictSentence, aSecondSampleIsToldWithTheCombinedRate)
{
    const auto retestWith = [](std::vector<std::int32_t> second) {
        return verdictSentence(lotOf(
            {singlePointMember("梁", readings(17, {36, 36, 36})), singlePointMember("梁", std::move(second))}, {1}));
    };
    const std::string opening =
        "梁类构件钢筋保护层厚度检验的合格率为85.0%，小于90%但不小于80%；按两次抽样总和计算的合格率为";
    EXPECT_EQ(retestWith(readings(20, {})),
              opening + "92.5%，为90%及以上，且每次抽样不合格点的最大偏差均不大于允许偏差的1.5倍，判为合格。");
    EXPECT_EQ(retestWith(readings(18, {36, 36})), opening + "87.5%，小于90%，判为不合格。");
    const std::string beyond = retestWith(readings(39, {41}));
    EXPECT_TRUE(endsWith(beyond, "但复检中不合格点的最大偏差大于允许偏差的1.5倍，判为不合格。")) << beyond;
    // A second sample without values leaves the lot to be retested.
    EXPECT_TRUE(endsWith(retestWith({}), "应再抽取相同数量的构件进行检验。"));
}

// The sentence ends with the lot's own result, whichever way the lot came to it.
TEST(VerdictSentence, endsWithTheLotsResult)
{
    const std::vector<std::vector<MemberRecord>> lots = {
        {singlePointMember("梁", readings(9, {36}))},
        {singlePointMember("梁", readings(17, {36, 36, 36}))},
        {singlePointMember("梁", readings(7, {36, 36, 36}))},
        {singlePointMember("梁", readings(19, {41}))},
        {singlePointMember("梁", readings(17, {36, 36, 36})), singlePointMember("梁", readings(20, {}))},
        {singlePointMember("梁", readings(17, {36, 36, 36})), singlePointMember("梁", readings(18, {36, 36}))},
        {singlePointMember("梁", readings(17, {36, 36, 36})), singlePointMember("梁", readings(39, {41}))},
        {singlePointMember("梁", readings(10, {})), singlePointMember("梁", {41, 41})},
    };
    for (std::size_t i = 0; i < lots.size(); ++i) {
        const LotEvaluation lot =
            lotOf(lots[i], lots[i].size() > 1 ? std::vector<std::size_t>{1} : std::vector<std::size_t>{});
        const std::string sentence = verdictSentence(lot);
        const std::string ending = lot.result == LotResult::retest
                                       ? "应再抽取相同数量的构件进行检验。"
                                       : "判为" + std::string(lotResultText(lot.result)) + "。";
        EXPECT_TRUE(endsWith(sentence, ending)) << i << ": " << sentence;
    }
}

TEST(VerdictSentence, aLotWithoutValuesIsNotJudged)
{
    Project project;
    project.members = {singlePointMember("板", {})};
    EXPECT_EQ(verdictSentence(evaluateAcceptance(project, 1).lots[1]), "板类构件无检验数据，不作评定。");
}

} // namespace
} // namespace trellon
