// Judged values: which readings each test mode contributes, grouping into bars and the limits.
#include "evaluation/judgedvalues.h"

#include "evaluationfixtures.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace trellon {
namespace {

using testing::singlePointMember;

MemberRecord tripleMember(const char* number, std::vector<std::int32_t> samples, std::int32_t x, std::int32_t y)
{
    MemberRecord m = singlePointMember("梁", std::move(samples));
    m.number = number;
    m.xBarCount = x;
    m.yBarCount = y;
    return m;
}

TEST(JudgedValues, groupsSinglePointsIntoBarMeansWithATrailingGroup)
{
    const MemberRecord m = singlePointMember("梁", {24, 25, 27, 30, 31});
    const JudgedValues three = judgedValues(m, 3);
    EXPECT_EQ(three.values, (std::vector<double>{76.0 / 3.0, 30.5}));
    EXPECT_TRUE(three.incompleteGroup);
    const JudgedValues five = judgedValues(m, 5);
    EXPECT_EQ(five.values, (std::vector<double>{27.4}));
    EXPECT_FALSE(five.incompleteGroup);
    const JudgedValues one = judgedValues(m, 1);
    EXPECT_EQ(one.values, (std::vector<double>{24, 25, 27, 30, 31}));
    EXPECT_FALSE(one.incompleteGroup);
}

TEST(JudgedValues, measuredDiameterMembersGiveTheCoversOfCompletePairs)
{
    MemberRecord m = singlePointMember("梁", {24, 16, 26, 18, 30, 20, 99});
    m.number = "2001";
    EXPECT_EQ(judgedValues(m, 1).values, (std::vector<double>{24, 26, 30}));
    const JudgedValues pairs = judgedValues(m, 2);
    EXPECT_EQ(pairs.values, (std::vector<double>{25, 30}));
    EXPECT_TRUE(pairs.incompleteGroup);
}

TEST(JudgedValues, gridGivesXCoversThenYCoversOneValuePerBarWhateverTheGrouping)
{
    const MemberRecord m = tripleMember("3001", {170, 1, 20, 0, 100, 21, 0, 200, 187, 187, 187, 30, 0, 50}, 2, 1);
    const JudgedValues judged = judgedValues(m, 3);
    EXPECT_EQ(judged.values, (std::vector<double>{20, 21, 30}));
    EXPECT_FALSE(judged.incompleteGroup);
}

TEST(JudgedValues, sectionGivesItsBarCoversWithinTheArray)
{
    const MemberRecord m = tripleMember("4001", {170, 1, 20, 0, 100, 21, 0, 200, 22}, 5, 0);
    EXPECT_EQ(judgedValues(m, 1).values, (std::vector<double>{20, 21, 22}));
    const MemberRecord grid = tripleMember("3001", {170, 1, 20, 0, 100, 187, 187, 187, 30}, INT32_MAX, INT32_MAX);
    EXPECT_EQ(judgedValues(grid, 1).values, (std::vector<double>{20, 187, 30, 30}));
}

TEST(JudgedValues, unknownDigitsHaveNoValues)
{
    MemberRecord m = singlePointMember("梁", {25, 25});
    m.number = "5001";
    EXPECT_TRUE(judgedValues(m, 1).values.empty());
}

TEST(ValueLimits, acceptableBoundsAreInclusiveForMeans)
{
    const ValueLimits limits(singlePointMember("梁", {})); // 25 +10/-7
    EXPECT_TRUE(limits.isAcceptable(18.0));
    EXPECT_TRUE(limits.isAcceptable(35.0));
    EXPECT_FALSE(limits.isAcceptable(17.5));
    EXPECT_FALSE(limits.isAcceptable(35.5));
}

TEST(ValueLimits, beyondTheLimitIsOneAndAHalfDeviations)
{
    const ValueLimits limits(singlePointMember("梁", {}));
    EXPECT_FALSE(limits.isBeyondLimit(40.0)); // +15
    EXPECT_TRUE(limits.isBeyondLimit(41.0));  // +16
    EXPECT_FALSE(limits.isBeyondLimit(14.5)); // -10.5
    EXPECT_TRUE(limits.isBeyondLimit(14.0));  // -11
    EXPECT_DOUBLE_EQ(limits.deviation(14.5), -10.5);
}

} // namespace
} // namespace trellon
