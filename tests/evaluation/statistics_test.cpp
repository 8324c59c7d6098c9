// Statistics of each test mode, the tolerance rule and the verdict of a checked set.
#include "evaluation/checkedsetverdict.h"
#include "evaluation/coverjudgement.h"
#include "evaluation/statistics.h"
#include "model/barcounts.h"
#include "model/testmode.h"
#include "projectfixtures.h"

#include <gtest/gtest.h>

namespace trellon {
namespace {

using namespace trellon::testing;

MemberRecord computed(MemberRecord m)
{
    recomputeMemberStatistics(m);
    return m;
}

// Bar counts as opening a project leaves them, then the statistics.
MemberRecord countedAndComputed(MemberRecord m)
{
    recountBars(m);
    return computed(m);
}

// A grid or section reading run: marker, scale code, then (cover, position) per bar.
std::vector<std::int32_t> tripleRun(std::initializer_list<std::pair<int, int>> bars)
{
    std::vector<std::int32_t> out;
    for (const auto& [cover, position] : bars) {
        const EncodedPosition encoded = encodePosition(position);
        out.insert(out.end(), {cover, encoded.high, encoded.low});
    }
    return out;
}

std::vector<std::int32_t> gridReadings(std::initializer_list<std::pair<int, int>> x,
                                       std::initializer_list<std::pair<int, int>> y)
{
    std::vector<std::int32_t> out{170, 2};
    for (auto v : tripleRun(x))
        out.push_back(v);
    out.insert(out.end(), {187, 187, 187});
    for (auto v : tripleRun(y))
        out.push_back(v);
    return out;
}

TEST(Tolerance, bothBoundsAreInclusive)
{
    const MemberRecord m = withTolerance(member("1001", {}), 25, -7, 10);
    EXPECT_TRUE(isWithinTolerance(m, 18));
    EXPECT_TRUE(isWithinTolerance(m, 35));
    EXPECT_TRUE(isWithinTolerance(m, 25));
    EXPECT_FALSE(isWithinTolerance(m, 17));
    EXPECT_FALSE(isWithinTolerance(m, 36));
}

TEST(Tolerance, extremeDesignValuesDoNotOverflow)
{
    const MemberRecord m = withTolerance(member("1001", {}), 0x7FFFFFFF, 0, 10);
    EXPECT_FALSE(isWithinTolerance(m, -2147483647 - 1));
    EXPECT_TRUE(isWithinTolerance(m, 0x7FFFFFFF));
}

TEST(SinglePointStatistics, knownDiameterCountsEveryReading)
{
    const MemberRecord m = computed(withTolerance(member("1001", {30, 17, 36, 35, 18}), 25, -7, 10));
    EXPECT_EQ(m.maxCover, 36);
    EXPECT_EQ(m.minCover, 17);
    EXPECT_EQ(m.meanCover, 27); // 136 / 5 truncated
    EXPECT_EQ(m.passCount, 3);
    EXPECT_EQ(m.failCount, 2);
    EXPECT_FLOAT_EQ(m.passRatio, 0.6f);
    EXPECT_FLOAT_EQ(m.failRatio, 0.4f);
}

TEST(SinglePointStatistics, meanIsTruncatedNotRounded)
{
    EXPECT_EQ(computed(member("1001", {10, 11})).meanCover, 10);
    EXPECT_EQ(computed(member("1001", {19, 20, 20})).meanCover, 19);
}

TEST(SinglePointStatistics, allReadingsWithinGiveRatioOne)
{
    const MemberRecord m = computed(withTolerance(member("1001", {25, 26, 27}), 25, -5, 5));
    EXPECT_EQ(m.passCount, 3);
    EXPECT_EQ(m.passRatio, 1.0f);
    EXPECT_EQ(m.failRatio, 0.0f);
}

TEST(SinglePointStatistics, staleFiguresAreClearedForAMemberWithoutReadings)
{
    MemberRecord m = member("1001", {});
    m.maxCover = m.minCover = m.meanCover = m.passCount = 9;
    m.passRatio = 0.5f;
    m.maxSpacing = 4;
    m = computed(m);
    EXPECT_EQ(m.maxCover, 0);
    EXPECT_EQ(m.minCover, 0);
    EXPECT_EQ(m.meanCover, 0);
    EXPECT_EQ(m.passCount, 0);
    EXPECT_EQ(m.passRatio, 0.0f);
    EXPECT_EQ(m.maxSpacing, 0);
}

TEST(SinglePointStatistics, measuredDiameterJudgesTheCoversOfCompletePairs)
{
    // Covers 30, 40, 20 with diameters 12; the trailing 99 has no diameter and is no reading.
    const MemberRecord m = computed(withTolerance(member("2001", {30, 12, 40, 12, 20, 12, 99}), 30, -10, 5));
    EXPECT_EQ(m.maxCover, 40);
    EXPECT_EQ(m.minCover, 20);
    EXPECT_EQ(m.meanCover, 30);
    EXPECT_EQ(m.passCount, 2);
    EXPECT_EQ(m.failCount, 1);
    EXPECT_FLOAT_EQ(m.passRatio, 2.0f / 3.0f);
    EXPECT_LE(m.passRatio, 1.0f);
}

TEST(SinglePointStatistics, measuredDiameterWithOneElementKeepsZeroFigures)
{
    const MemberRecord m = computed(member("2001", {30}));
    EXPECT_EQ(m.maxCover, 0);
    EXPECT_EQ(m.passCount, 0);
    EXPECT_EQ(m.passRatio, 0.0f);
}

TEST(GridStatistics, separatorSplitsTheRuns)
{
    MemberRecord m = withTolerance(member("3001", {170, 1, 20, 0, 100, 187, 187, 187, 25, 0, 150}), 20, -2, 3);
    m = countedAndComputed(m);
    EXPECT_EQ(m.xBarCount, 1);
    EXPECT_EQ(m.maxCover, 20);
    EXPECT_EQ(m.passCount, 1);
    EXPECT_EQ(m.yMaxCover, 25);
    EXPECT_EQ(m.yMinCover, 25);
    EXPECT_EQ(m.yFailCount, 1);
    EXPECT_EQ(m.yFailRatio, 1.0f);
}

TEST(GridStatistics, spacingsAreAbsoluteDifferencesOfNeighbours)
{
    MemberRecord m = member("3001", gridReadings({{20, 100}, {22, 250}, {24, 400}}, {{30, 600}, {31, 500}, {32, 900}}));
    m = countedAndComputed(m);
    EXPECT_EQ(m.xBarCount, 3);
    EXPECT_EQ(m.yBarCount, 3);
    EXPECT_EQ(m.maxSpacing, 150);
    EXPECT_EQ(m.scanLength, 300);
    EXPECT_EQ(m.meanCover, 22);
    EXPECT_EQ(m.yMaxSpacing, 400);
    EXPECT_EQ(m.yScanLength, 500);
    EXPECT_EQ(m.yMeanCover, 31);
    EXPECT_EQ(m.yMinCover, 30);
}

TEST(GridStatistics, withoutSeparatorEverythingIsXAndNoYBarIsRead)
{
    MemberRecord m = member("3001", {170, 1, 20, 0, 100, 21, 1, 0});
    m = countedAndComputed(m);
    EXPECT_EQ(m.xBarCount, 2);
    EXPECT_EQ(m.maxCover, 21);
    EXPECT_EQ(m.yMaxCover, 0);
    EXPECT_EQ(m.yPassCount + m.yFailCount, 0);
    EXPECT_EQ(m.yMeanCover, 0);
}

TEST(GridStatistics, tinyGridHasNoBars)
{
    const MemberRecord m = countedAndComputed(member("3001", {170, 1}));
    EXPECT_EQ(m.xBarCount, 0);
    EXPECT_EQ(m.maxCover, 0);
    EXPECT_EQ(m.passRatio, 0.0f);
}

// Bar counts are kept as stored: a grid whose counts disagree with its readings is judged on the stored counts,
// reading only the bars its readings hold.
TEST(GridStatistics, storedBarCountsAreReadAndKept)
{
    MemberRecord m = withTolerance(member("3001", gridReadings({{20, 100}, {22, 300}}, {{25, 100}})), 20, -2, 3);
    m.xBarCount = 1;
    m.yBarCount = 9;
    m = computed(m);
    EXPECT_EQ(m.xBarCount, 1);
    EXPECT_EQ(m.yBarCount, 9);
    EXPECT_EQ(m.maxCover, 20) << "only the one X bar the member claims";
    EXPECT_EQ(m.maxSpacing, 0);
    EXPECT_EQ(m.yPassCount + m.yFailCount, 1);
}

TEST(GridStatistics, yCountClaimingMoreBarsThanHeldReadsOnlyThoseHeld)
{
    MemberRecord m = withTolerance(member("3001", gridReadings({{20, 100}}, {{25, 100}, {26, 300}})), 25, -1, 1);
    m.samples.pop_back(); // the last position byte is missing
    m.sampleCount = static_cast<std::int32_t>(m.samples.size());
    m.yBarCount = 40;
    m = computed(m);
    EXPECT_EQ(m.yPassCount, 2);
    EXPECT_EQ(m.yFailCount, 0);
    EXPECT_FLOAT_EQ(m.yPassRatio, 2.0f / 40.0f);
    EXPECT_EQ(m.yMeanCover, 51 / 40);
}

TEST(SectionStatistics, barsComeFromTheReceivedCount)
{
    MemberRecord m = withTolerance(member("4001", {170, 3, 30, 0, 50, 40, 1, 50, 35, 0, 200}), 35, -5, 5);
    m.xBarCount = 3;
    m = computed(m);
    EXPECT_EQ(m.maxCover, 40);
    EXPECT_EQ(m.minCover, 30);
    EXPECT_EQ(m.meanCover, 35);
    EXPECT_EQ(m.maxSpacing, 256);
    EXPECT_EQ(m.scanLength, 256 + 106);
    EXPECT_EQ(m.passCount, 3);
}

TEST(SectionStatistics, countBeyondTheReadingsIsClipped)
{
    MemberRecord m = withTolerance(member("4001", {170, 3, 30, 0, 50, 31}), 30, -5, 5);
    m.xBarCount = 1000;
    m = computed(m);
    EXPECT_EQ(m.xBarCount, 1000) << "a section's count is the received one and stays";
    EXPECT_EQ(m.passCount, 2);
    EXPECT_EQ(m.maxCover, 31);
    EXPECT_EQ(m.scanLength, 50) << "a missing position reads as 0";
}

TEST(ProjectStatistics, runsOverEveryMemberAndSkipsUnknownDigits)
{
    Project p = projectOf({member("1001", {30, 40}), member("5001", {30, 40})});
    p.members[1].maxCover = 77;
    p.members[1].maxSpacing = 9;
    ASSERT_TRUE(recomputeStatistics(p));
    EXPECT_EQ(p.members[0].maxCover, 40);
    EXPECT_EQ(p.members[1].maxCover, 77);
    EXPECT_EQ(p.members[1].maxSpacing, 0);
    Project empty;
    EXPECT_FALSE(recomputeStatistics(empty));
}

MemberRecord checkedMember(MemberRecord m)
{
    m.checked = 1;
    return m;
}

TEST(Verdict, countsTheReadingsOfCheckedMembersOnly)
{
    MemberRecord grid = checkedMember(withTolerance(member("3001", gridReadings({{20, 100}}, {{25, 100}})), 20, 0, 0));
    recountBars(grid);
    MemberRecord section = checkedMember(withTolerance(member("4001", {170, 1, 20, 0, 9}), 20, 0, 0));
    section.xBarCount = 1;
    const Project p = projectOf({
        checkedMember(withTolerance(member("1001", {20, 20, 21}), 20, 0, 0)),
        checkedMember(withTolerance(member("2001", {20, 14, 30, 14, 20}), 20, 0, 0)),
        withTolerance(member("1002", {20, 20, 20, 20}), 20, 0, 0),
        checkedMember(member("5001", {1, 2, 3})),
        grid,
        section,
    });
    const Verdict v = checkedSetVerdict(p);
    EXPECT_EQ(v.points, 3 + 2 + 2 + 1);
    EXPECT_EQ(v.acceptable, 2 + 1 + 1 + 1);
    EXPECT_FLOAT_EQ(v.rate, 62.5f);
    EXPECT_FALSE(v.passed);
}

TEST(Verdict, ninetyPercentExactlyPassesAndJustBelowFails)
{
    std::vector<std::int32_t> nine(9, 20);
    nine.push_back(99);
    const Verdict ninety = checkedSetVerdict(projectOf({checkedMember(withTolerance(member("1001", nine), 20, 0, 0))}));
    EXPECT_EQ(ninety.rate, 90.0f);
    EXPECT_TRUE(ninety.passed);
    EXPECT_EQ(verdictText(ninety), "合格");

    // 2249 of 2500 is 89.96 %: shown as 90.0 but not acceptable.
    std::vector<std::int32_t> readings(2249, 20);
    readings.resize(2500, 99);
    const Verdict below =
        checkedSetVerdict(projectOf({checkedMember(withTolerance(member("1001", readings), 20, 0, 0))}));
    EXPECT_FALSE(below.passed);
    char shown[16];
    std::snprintf(shown, sizeof shown, "%0.1f", static_cast<double>(below.rate));
    EXPECT_STREQ(shown, "90.0");
    EXPECT_EQ(verdictText(below), "不合格");
}

TEST(Verdict, nothingCheckedOrNoReadingsGivesZeroAndNotAcceptable)
{
    const Verdict none = checkedSetVerdict(projectOf({member("1001", {20})}));
    EXPECT_EQ(none.points, 0);
    EXPECT_EQ(none.rate, 0.0f);
    EXPECT_FALSE(none.passed);

    const Verdict empty =
        checkedSetVerdict(projectOf({checkedMember(member("1001", {})), checkedMember(member("2001", {3}))}));
    EXPECT_EQ(empty.points, 0);
    EXPECT_EQ(empty.rate, 0.0f);
    EXPECT_EQ(verdictText(empty), "不合格");
}

TEST(Verdict, gridWithoutYRunKeepsAllItsXBars)
{
    MemberRecord grid = checkedMember(withTolerance(member("3001", {170, 1, 20, 0, 1, 20, 0, 2}), 20, 0, 0));
    recountBars(grid);
    ASSERT_EQ(grid.yBarCount, -1);
    const Verdict v = checkedSetVerdict(projectOf({grid}));
    EXPECT_EQ(v.points, 2);
    EXPECT_EQ(v.acceptable, 2);
    EXPECT_TRUE(v.passed);
}

TEST(Verdict, claimedBarsBeyondTheReadingsAreNotAcceptable)
{
    MemberRecord section = checkedMember(withTolerance(member("4001", {170, 1, 0, 0, 1}), 0, 0, 0));
    section.xBarCount = 4;
    const Verdict v = checkedSetVerdict(projectOf({section}));
    EXPECT_EQ(v.points, 4);
    EXPECT_EQ(v.acceptable, 1);
}

} // namespace
} // namespace trellon
