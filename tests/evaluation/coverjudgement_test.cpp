// The judged points of each kind of member, at the edges of its readings, and the accepted rate.
#include "evaluation/coverjudgement.h"

#include "projectfixtures.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>

namespace trellon {
namespace {

using namespace trellon::testing;

constexpr auto none = std::nullopt;

// Design cover 25, permitted 18 to 35.
MemberRecord judged(const char* number, std::vector<std::int32_t> samples, std::int32_t x = 0, std::int32_t y = 0)
{
    MemberRecord m = withTolerance(member(number, std::move(samples)), 25, -7, 10);
    m.xBarCount = x;
    m.yBarCount = y;
    return m;
}

JudgedPoint single(std::int32_t number, std::int32_t cover, bool acceptable)
{
    return {PointRun::none, number, none, cover, acceptable};
}

JudgedPoint bar(PointRun run, std::int32_t number, std::int32_t position, std::int32_t cover, bool acceptable)
{
    return {run, number, position, cover, acceptable};
}

JudgedPoint missingBar(PointRun run, std::int32_t number)
{
    return {run, number, none, none, false};
}

std::vector<JudgedPoint> judgedPoints(const MemberRecord& m)
{
    std::vector<JudgedPoint> points;
    forEachJudgedPoint(m, [&points](const JudgedPoint& point) { points.push_back(point); });
    return points;
}

struct PointsCase {
    const char* what;
    MemberRecord member;
    std::vector<JudgedPoint> points;
};

TEST(JudgedPoints, followTheReadingsOfEachTestModeToTheirEdges)
{
    const PointsCase cases[] = {
        {"every reading of digit 1, both bounds inclusive",
         judged("1001", {18, 17, 35, 36}),
         {single(1, 18, true), single(2, 17, false), single(3, 35, true), single(4, 36, false)}},
        {"a member with no readings", judged("1001", {}), {}},
        {"digit 2: the covers of the complete pairs, an odd last value is none",
         judged("2001", {30, 12, 40, 14, 20}),
         {single(1, 30, true), single(2, 40, false)}},
        {"digit 2 with one value", judged("2001", {30}), {}},
        {"a section's bars, numbered with their positions",
         judged("4001", {170, 1, 20, 0, 100, 36, 1, 44}, 2),
         {bar(PointRun::x, 1, 100, 20, true), bar(PointRun::x, 2, 300, 36, false)}},
        {"a section with no bars", judged("4001", {170, 1}, 0), {}},
        {"a grid's X run, then its Y run counted from 1 after the separator",
         judged("3001", {170, 1, 20, 0, 100, 187, 187, 187, 25, 0, 150, 17, 0, 250}, 1, 2),
         {bar(PointRun::x, 1, 100, 20, true), bar(PointRun::y, 1, 150, 25, true), bar(PointRun::y, 2, 250, 17, false)}},
        {"a grid without separator has no Y run",
         judged("3001", {170, 1, 20, 0, 100, 21, 0, 200}, 2, -1),
         {bar(PointRun::x, 1, 100, 20, true), bar(PointRun::x, 2, 200, 21, true)}},
        {"bars claimed beyond the readings have no cover and are never acceptable",
         judged("4001", {170, 1, 20, 0, 100, 21}, 4),
         {bar(PointRun::x, 1, 100, 20, true), bar(PointRun::x, 2, 0, 21, true), missingBar(PointRun::x, 3),
          missingBar(PointRun::x, 4)}},
        {"a Y run claimed without a separator",
         judged("3001", {170, 1, 20, 0, 100}, 1, 2),
         {bar(PointRun::x, 1, 100, 20, true), missingBar(PointRun::y, 1), missingBar(PointRun::y, 2)}},
        {"a claim far beyond is taken only as far as the member has readings",
         judged("4001", {170, 1, 20, 0, 100}, INT_MAX),
         {bar(PointRun::x, 1, 100, 20, true), missingBar(PointRun::x, 2), missingBar(PointRun::x, 3),
          missingBar(PointRun::x, 4), missingBar(PointRun::x, 5)}},
        {"an unknown digit", judged("5001", {25, 25}), {}},
        {"no number", judged("", {25, 25}), {}},
    };
    for (const PointsCase& c : cases) {
        EXPECT_EQ(judgedPoints(c.member), c.points) << c.what;
        EXPECT_EQ(judgedPointCount(c.member), static_cast<std::int32_t>(c.points.size())) << c.what;
    }
}

TEST(AcceptedRate, isReachedAtNinetyPercentExactlyAndNotJustBelow)
{
    EXPECT_TRUE(reachesAcceptedRate(ratePercent(9, 10)));
    EXPECT_TRUE(reachesAcceptedRate(static_cast<float>(ratePercent(9, 10))));
    EXPECT_TRUE(reachesAcceptedRate(100.0));
    EXPECT_FALSE(reachesAcceptedRate(ratePercent(2249, 2500))) << "89.96 %";
    EXPECT_FALSE(reachesAcceptedRate(static_cast<float>(ratePercent(2249, 2500))));
    EXPECT_FALSE(reachesAcceptedRate(0.0));
}

} // namespace
} // namespace trellon
