// The one bar counter: sections, grids, members without the run marker, partial triples and stored counts.
#include "model/barcounts.h"
#include "model/baredits.h"
#include "model/testmode.h"
#include "projectfixtures.h"

#include <gtest/gtest.h>

namespace trellon {
namespace {

using namespace trellon::testing;

TEST(CountBars, sectionCountsItsWholeTriples)
{
    EXPECT_EQ(countBars(member("4001", {170, 1, 20, 0, 5, 21, 0, 9})), (BarCounts{2, 0}));
    EXPECT_EQ(countBars(member("4001", {170, 1, 20, 0, 5, 21})), (BarCounts{1, 0})) << "a partial triple is no bar";
    EXPECT_EQ(countBars(member("4001", {170, 1, 20, 0})), (BarCounts{0, 0}));
    EXPECT_EQ(countBars(member("4001", {170, 1})), (BarCounts{0, 0}));
    EXPECT_EQ(countBars(member("4001", {170})), (BarCounts{0, 0}));
}

TEST(CountBars, gridSplitsAtTheFirstSeparator)
{
    EXPECT_EQ(countBars(member("3001", {170, 1, 20, 0, 100, 187, 187, 187, 25, 0, 150})), (BarCounts{1, 1}));
    EXPECT_EQ(countBars(member("3001", {170, 1, 187, 187, 187, 25, 0, 150})), (BarCounts{0, 1}));
    EXPECT_EQ(countBars(member("3001", {170, 1, 20, 0, 100, 187, 187, 187})), (BarCounts{1, 0}));
}

TEST(CountBars, gridPartialTriplesAreNoBars)
{
    EXPECT_EQ(countBars(member("3001", {170, 1, 20, 0, 187, 187, 187, 25, 0, 150, 26})), (BarCounts{0, 1}));
    EXPECT_EQ(countBars(member("3001", {170, 1, 20, 0, 100, 187, 187, 187, 25, 0})), (BarCounts{1, 0}));
}

TEST(CountBars, gridWithoutSeparatorHasEveryTripleInXAndMinusOneYBars)
{
    EXPECT_EQ(countBars(member("3001", {170, 1, 20, 0, 100, 21, 0, 200, 22})), (BarCounts{2, -1}));
    EXPECT_EQ(countBars(member("3001", {170, 1})), (BarCounts{0, -1}));
    EXPECT_EQ(countBars(member("3001", {170, 1, 20, 187, 187})), (BarCounts{1, -1})) << "two 187s are no separator";
}

TEST(CountBars, membersWithoutTheRunMarkerHoldNoBars)
{
    EXPECT_EQ(countBars(member("3001", {20, 1, 20, 0, 100, 187, 187, 187, 25, 0, 150})), (BarCounts{}));
    EXPECT_EQ(countBars(member("4001", {171, 1, 20, 0, 5})), (BarCounts{}));
    EXPECT_EQ(countBars(member("3001", {})), (BarCounts{}));
    EXPECT_EQ(countBars(member("4001", {})), (BarCounts{}));
    EXPECT_EQ(countBars(member("1001", {170, 1, 20, 0, 5})), (BarCounts{})) << "single-point readings are no bars";
}

// Whatever the readings, the counted bars lie inside them: X triples before the separator, Y triples after it.
TEST(CountBars, countedBarsNeverReachPastTheReadings)
{
    const std::int32_t values[] = {170, 187, 1, 0};
    for (const char* number : {"3001", "4001"}) {
        for (std::uint32_t pattern = 0; pattern < (1u << 16); ++pattern) {
            std::vector<std::int32_t> samples{170};
            for (std::uint32_t rest = pattern; samples.size() < 9; rest /= 4)
                samples.push_back(values[rest % 4]);
            samples.resize(1 + pattern % 9);
            const MemberRecord m = member(number, samples);
            const BarCounts counts = countBars(m);
            const auto size = static_cast<std::int64_t>(samples.size());
            const std::int64_t s = findRunSeparator(samples);
            const std::int64_t xRunEnd = testModeDigit(m) == TestModeDigit::grid ? s : size;
            ASSERT_GE(counts.x, 0);
            if (counts.x > 0) {
                ASSERT_LE(xBarCoverIndex(counts.x), xRunEnd) << number << " pattern " << pattern;
            }
            if (counts.y > 0) {
                ASSERT_LE(yBarCoverIndex(s, counts.y), size) << number << " pattern " << pattern;
            }
        }
    }
}

TEST(RecountBars, replacesStoredCountsOfSectionAndGridMembersOnly)
{
    MemberRecord grid = member("3001", {170, 1, 20, 0, 100, 187, 187, 187, 25, 0, 150});
    grid.xBarCount = 40;
    grid.yBarCount = 0;
    recountBars(grid);
    EXPECT_EQ(grid.xBarCount, 1) << "a count larger than the readings hold";
    EXPECT_EQ(grid.yBarCount, 1) << "a count smaller than the readings hold";

    MemberRecord section = member("4001", {171, 1, 20, 0, 5});
    section.xBarCount = 1;
    section.yBarCount = 3;
    recountBars(section);
    EXPECT_EQ(section.xBarCount, 0);
    EXPECT_EQ(section.yBarCount, 0);

    MemberRecord single = member("1001", {170, 1, 20, 0, 5});
    single.xBarCount = 7;
    single.yBarCount = -2;
    recountBars(single);
    EXPECT_EQ(single.xBarCount, 7);
    EXPECT_EQ(single.yBarCount, -2);
}

TEST(BarEdits, insertionsAndDeletionsRecountByTheSameRule)
{
    MemberRecord grid = member("3001", {170, 1, 20, 0, 100, 21, 0, 200});
    recountBars(grid);
    ASSERT_TRUE(insertBar(grid, BarRun::gridX, 1, true));
    EXPECT_EQ(grid.sampleCount, 11);
    EXPECT_EQ(grid.xBarCount, 3);
    EXPECT_EQ(grid.yBarCount, -1) << "a grid without a separator still has no Y run";

    MemberRecord separated = member("3001", {170, 1, 20, 0, 100, 187, 187, 187, 25, 0, 150, 26, 0, 170});
    recountBars(separated);
    ASSERT_TRUE(deleteBar(separated, BarRun::gridY, 0));
    EXPECT_EQ(separated.samples, (std::vector<std::int32_t>{170, 1, 20, 0, 100, 187, 187, 187, 26, 0, 170}));
    EXPECT_EQ((BarCounts{separated.xBarCount, separated.yBarCount}), countBars(separated));
    ASSERT_TRUE(deleteBar(separated, BarRun::gridY, 0));
    EXPECT_EQ(separated.yBarCount, 0);
    EXPECT_FALSE(deleteBar(separated, BarRun::gridY, 0));

    MemberRecord section = member("4001", {170, 1, 20, 0, 5, 9});
    ASSERT_TRUE(insertBar(section, BarRun::section, 0, false));
    EXPECT_EQ(section.samples, (std::vector<std::int32_t>{170, 1, 0, 0, 0, 20, 0, 5, 9}));
    EXPECT_EQ(section.xBarCount, 2);
}

TEST(BarEdits, typedPositionsAreStoredAsTheirTwoReadings)
{
    MemberRecord section = member("4001", {170, 4, 20, 0, 5});
    ASSERT_EQ(storeBarValue(section, BarRun::section, 0, BarField::position, 65520), BarEdit::stored);
    EXPECT_EQ(barPositionAt(section, xBarCoverIndex(0)), 65520);
    EXPECT_EQ(section.samples[3], 255);
    EXPECT_EQ(section.samples[4], 240);
    EXPECT_EQ(storeBarValue(section, BarRun::section, 0, BarField::position, 65521), BarEdit::outOfRange);
    EXPECT_EQ(storeBarValue(section, BarRun::gridY, 0, BarField::cover, 20), BarEdit::noSuchBar);
}

} // namespace
} // namespace trellon
