// The acceptance check: lots, verdict thresholds, the second sample, checks and sample sizes.
#include "evaluation/acceptanceevaluation.h"

#include "evaluationfixtures.h"

#include <gtest/gtest.h>

namespace trellon {
namespace {

using testing::flagSecondSample;
using testing::projectOf;
using testing::readings;
using testing::singlePointMember;

LotEvaluation beamLot(const Project& project, std::int32_t pointsPerBar = 1)
{
    return evaluateAcceptance(project, pointsPerBar).lots[0];
}

TEST(LotVerdict, ninetyPercentExactlyIsAcceptedJustBelowIsRetest)
{
    const LotEvaluation exact = beamLot(projectOf({singlePointMember("梁", readings(9, {36}))}));
    EXPECT_DOUBLE_EQ(*exact.first.rate, 90.0);
    EXPECT_EQ(exact.result, LotResult::accepted);
    const LotEvaluation below = beamLot(projectOf({singlePointMember("梁", readings(899, std::vector(101, 36)))}));
    EXPECT_DOUBLE_EQ(*below.first.rate, 89.9);
    EXPECT_EQ(below.result, LotResult::retest);
}

TEST(LotVerdict, eightyPercentExactlyIsRetestJustBelowIsRejected)
{
    const LotEvaluation exact = beamLot(projectOf({singlePointMember("梁", readings(8, {36, 17}))}));
    EXPECT_EQ(exact.result, LotResult::retest);
    const LotEvaluation below = beamLot(projectOf({singlePointMember("梁", readings(799, std::vector(201, 36)))}));
    EXPECT_EQ(below.result, LotResult::rejected);
}

TEST(LotVerdict, aValueBeyondOneAndAHalfUpperDeviationsRejects)
{
    const LotEvaluation within = beamLot(projectOf({singlePointMember("梁", readings(9, {40}))}));
    EXPECT_EQ(within.result, LotResult::accepted);
    EXPECT_TRUE(within.beyondLimit.empty());
    const LotEvaluation beyond = beamLot(projectOf({singlePointMember("梁", readings(19, {41}))}));
    EXPECT_EQ(beyond.result, LotResult::rejected);
    ASSERT_EQ(beyond.beyondLimit.size(), 1u);
    EXPECT_DOUBLE_EQ(beyond.beyondLimit[0].value, 41.0);
    EXPECT_DOUBLE_EQ(beyond.beyondLimit[0].deviation, 16.0);
}

TEST(LotVerdict, barMeansAreJudgedAgainstOneAndAHalfLowerDeviations)
{
    const LotEvaluation within = beamLot(projectOf({singlePointMember("梁", readings(18, {14, 15}))}), 2);
    EXPECT_EQ(within.first.values, 10);
    EXPECT_EQ(within.result, LotResult::accepted);
    const LotEvaluation beyond = beamLot(projectOf({singlePointMember("梁", readings(18, {14, 14}))}), 2);
    EXPECT_EQ(beyond.result, LotResult::rejected);
    ASSERT_EQ(beyond.beyondLimit.size(), 1u);
    EXPECT_DOUBLE_EQ(beyond.beyondLimit[0].deviation, -11.0);
}

TEST(LotVerdict, trailingGroupIsJudgedOnItsOwnMeanAndFlagged)
{
    // k = 3: bars 25, 25, 25 and a trailing pair whose mean 36.5 is not acceptable.
    const AcceptanceEvaluation e = evaluateAcceptance(projectOf({singlePointMember("梁", readings(9, {36, 37}))}), 3);
    ASSERT_EQ(e.members.size(), 1u);
    EXPECT_EQ(e.members[0].values, (std::vector<double>{25, 25, 25, 36.5}));
    EXPECT_EQ(e.members[0].acceptable, 3);
    EXPECT_TRUE(e.members[0].incompleteGroup);
    EXPECT_DOUBLE_EQ(*e.lots[0].first.rate, 75.0);
}

Project retestProjectWithSecondSample(std::vector<std::int32_t> second)
{
    Project project =
        projectOf({singlePointMember("梁", readings(17, {36, 36, 36})), singlePointMember("梁", std::move(second))});
    flagSecondSample(project, 1);
    return project;
}

TEST(SecondSample, liftsARetestLotWhenTheCombinedRateReachesNinety)
{
    const LotEvaluation lot = beamLot(retestProjectWithSecondSample(readings(20, {})));
    EXPECT_DOUBLE_EQ(*lot.first.rate, 85.0);
    ASSERT_TRUE(lot.second.has_value());
    EXPECT_EQ(lot.second->members, (std::vector<std::int32_t>{1}));
    EXPECT_DOUBLE_EQ(*lot.combinedRate, 92.5);
    EXPECT_EQ(lot.result, LotResult::accepted);
}

TEST(SecondSample, rejectsWhenTheCombinedRateStaysBelowNinetyOrAValueIsBeyond)
{
    const LotEvaluation low = beamLot(retestProjectWithSecondSample(readings(18, {36, 36})));
    EXPECT_DOUBLE_EQ(*low.combinedRate, 87.5);
    EXPECT_EQ(low.result, LotResult::rejected);
    const LotEvaluation beyond = beamLot(retestProjectWithSecondSample(readings(39, {41})));
    EXPECT_GE(*beyond.combinedRate, 90.0);
    EXPECT_EQ(beyond.result, LotResult::rejected);
}

TEST(SecondSample, withoutValuesLeavesTheRetestAndNeverChangesOtherResults)
{
    EXPECT_EQ(beamLot(retestProjectWithSecondSample({})).result, LotResult::retest);
    EXPECT_FALSE(beamLot(retestProjectWithSecondSample({})).combinedRate.has_value());

    Project accepted = projectOf({singlePointMember("梁", readings(10, {})), singlePointMember("梁", {41, 41})});
    flagSecondSample(accepted, 1);
    EXPECT_EQ(beamLot(accepted).result, LotResult::accepted);
    Project rejected =
        projectOf({singlePointMember("梁", readings(7, {36, 36, 36})), singlePointMember("梁", readings(100, {}))});
    flagSecondSample(rejected, 1);
    EXPECT_EQ(beamLot(rejected).result, LotResult::rejected);
}

TEST(Lots, holdTickedMembersWithAKnownDigitByType)
{
    Project project =
        projectOf({singlePointMember("悬挑梁", readings(5, {})), singlePointMember("楼板", readings(6, {})),
                   singlePointMember("剪力墙", readings(3, {})), singlePointMember("梁", readings(4, {})),
                   singlePointMember("梁板", readings(2, {})), singlePointMember("梁", readings(1, {}))});
    project.members[3].checked = 0;
    project.members[5].number = "9001";
    const AcceptanceEvaluation e = evaluateAcceptance(project, 1);
    ASSERT_EQ(e.members.size(), 4u);
    EXPECT_EQ(e.members[2].index, 2);
    EXPECT_FALSE(e.members[2].lot.has_value());
    EXPECT_EQ(e.members[2].statistics.n, 3);
    EXPECT_EQ(e.lots[0].kind, LotKind::beam);
    EXPECT_EQ(e.lots[0].first.members, (std::vector<std::int32_t>{0, 4}));
    EXPECT_EQ(e.lots[0].first.values, 7);
    EXPECT_FALSE(e.lots[0].second.has_value());
    EXPECT_EQ(e.lots[1].first.members, (std::vector<std::int32_t>{1}));
}

TEST(Lots, takeTheirTypesFromTheNamesUnlessSet)
{
    Project project =
        projectOf({singlePointMember("悬挑梁", readings(1, {})), singlePointMember("悬挑板", readings(1, {})),
                   singlePointMember("梁板", readings(1, {})), singlePointMember("剪力墙", readings(1, {})),
                   singlePointMember("剪力墙", readings(1, {}))});
    project.extension.members.resize(5);
    project.extension.members[4].type = MemberType::slab;
    const AcceptanceEvaluation e = evaluateAcceptance(project, 1);
    const std::vector<MemberType> types{MemberType::cantileverBeam, MemberType::cantileverSlab, MemberType::beam,
                                        MemberType::other, MemberType::slab};
    for (std::size_t i = 0; i < types.size(); ++i) {
        EXPECT_EQ(e.members[i].type, types[i]) << i;
        EXPECT_EQ(e.members[i].typeSet, i == 4) << i;
    }
    EXPECT_EQ(e.lots[0].first.members, (std::vector<std::int32_t>{0, 2}));
    EXPECT_EQ(e.lots[1].first.members, (std::vector<std::int32_t>{1, 4}));
    EXPECT_FALSE(e.members[3].lot.has_value());
}

TEST(Lots, withoutValuesHaveNoData)
{
    const AcceptanceEvaluation e = evaluateAcceptance(projectOf({singlePointMember("梁", {})}), 1);
    EXPECT_EQ(e.lots[0].result, LotResult::noData);
    EXPECT_FALSE(e.lots[0].first.rate.has_value());
    EXPECT_EQ(e.lots[1].result, LotResult::noData);
    EXPECT_EQ(lotResultText(LotResult::noData), "无数据");
}

TEST(Checks, deviationsMustMatchTheLotAndSlabsNeedSixValues)
{
    const AcceptanceEvaluation e = evaluateAcceptance(
        projectOf({singlePointMember("梁", readings(5, {})), singlePointMember("梁", readings(5, {}), 8, -5),
                   singlePointMember("板", readings(6, {}), 8, -5), singlePointMember("板", readings(5, {}), 10, -7),
                   singlePointMember("墙", readings(1, {}), 1, 0)}),
        1);
    EXPECT_FALSE(e.members[0].deviationMismatch);
    EXPECT_TRUE(e.members[1].deviationMismatch);
    EXPECT_FALSE(e.members[1].tooFewBars);
    EXPECT_FALSE(e.members[2].deviationMismatch);
    EXPECT_FALSE(e.members[2].tooFewBars);
    EXPECT_TRUE(e.members[3].deviationMismatch);
    EXPECT_TRUE(e.members[3].tooFewBars);
    EXPECT_FALSE(e.members[4].deviationMismatch);
}

TEST(Checks, sampleSizesCountFirstSampleMembersOfEachType)
{
    Project project = projectOf({singlePointMember("梁", readings(5, {})), singlePointMember("悬挑梁", readings(5, {})),
                                 singlePointMember("梁", readings(5, {})), singlePointMember("梁", readings(5, {}))});
    flagSecondSample(project, 3);
    project.extension.population[MemberType::beam] = 251;
    const LotEvaluation lot = beamLot(project);
    EXPECT_EQ(lot.sampleSizes[0].type, MemberType::beam);
    EXPECT_EQ(lot.sampleSizes[0].population, 251);
    EXPECT_EQ(lot.sampleSizes[0].required, 6);
    EXPECT_EQ(lot.sampleSizes[0].tested, 2);
    EXPECT_EQ(lot.sampleSizes[1].type, MemberType::cantileverBeam);
    EXPECT_FALSE(lot.sampleSizes[1].population.has_value());
    EXPECT_FALSE(lot.sampleSizes[1].required.has_value());
    EXPECT_EQ(lot.sampleSizes[1].tested, 1);
}

TEST(Checks, membersWithoutValuesAreNotTestedAndAreCountedPerLot)
{
    Project project = projectOf({singlePointMember("梁", readings(5, {})), singlePointMember("梁", {}),
                                 singlePointMember("悬挑梁", {}), singlePointMember("梁", {}),
                                 singlePointMember("板", readings(6, {}))});
    flagSecondSample(project, 3);
    project.extension.population[MemberType::beam] = 100;
    const AcceptanceEvaluation e = evaluateAcceptance(project, 1);
    const LotEvaluation& beams = e.lots[0];
    EXPECT_EQ(beams.sampleSizes[0].required, 5);
    EXPECT_EQ(beams.sampleSizes[0].tested, 1) << "the beam without readings is no tested member";
    EXPECT_EQ(beams.sampleSizes[1].tested, 0);
    EXPECT_EQ(beams.membersWithoutValues, 3) << "of the first sample and the second";
    EXPECT_EQ(e.lots[1].membersWithoutValues, 0);
    EXPECT_EQ(e.lots[1].sampleSizes[0].tested, 1);
}

TEST(PointsPerBar, theProjectsSettingAppliesUnlessOverridden)
{
    Project project = projectOf({singlePointMember("梁", readings(6, {}))});
    project.extension.pointsPerBar = 3;
    EXPECT_EQ(evaluateAcceptance(project).pointsPerBar, 3);
    EXPECT_EQ(evaluateAcceptance(project).members[0].values.size(), 2u);
    EXPECT_EQ(evaluateAcceptance(project, 2).members[0].values.size(), 3u);
}

} // namespace
} // namespace trellon
