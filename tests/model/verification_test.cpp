// Verification points follow their readings when a reading or bar is inserted or deleted before them.
#include "model/verification.h"

#include <gtest/gtest.h>

#include <vector>

namespace trellon {
namespace {

VerificationPoint on(std::int32_t member, PointRun run, std::int32_t number)
{
    VerificationPoint p;
    p.member = member;
    p.run = run;
    p.point = number;
    p.measured = 250;
    p.note = "kept";
    return p;
}

TEST(VerificationRenumbering, onlyThePointsOfTheMemberAndRunAtAndAfterTheChangeMove)
{
    const std::vector<VerificationPoint> before{on(0, PointRun::none, 2),
                                                on(0, PointRun::none, 3),
                                                on(0, PointRun::none, 5),
                                                on(1, PointRun::x, 3),
                                                on(1, PointRun::y, 3),
                                                on(2, PointRun::none, 3),
                                                on(0, PointRun::none, deletedPointNumber)};
    const struct {
        bool insert;
        std::int32_t member;
        PointRun run;
        std::int32_t number;
        std::vector<std::int32_t> after;
    } cases[] = {
        {true, 0, PointRun::none, 3, {2, 4, 6, 3, 3, 3, 0}},  {true, 0, PointRun::none, 1, {3, 4, 6, 3, 3, 3, 0}},
        {true, 0, PointRun::none, 6, {2, 3, 5, 3, 3, 3, 0}},  {true, 1, PointRun::y, 3, {2, 3, 5, 3, 4, 3, 0}},
        {false, 0, PointRun::none, 3, {2, 0, 4, 3, 3, 3, 0}}, {false, 0, PointRun::none, 1, {1, 2, 4, 3, 3, 3, 0}},
        {false, 0, PointRun::none, 6, {2, 3, 5, 3, 3, 3, 0}}, {false, 1, PointRun::x, 3, {2, 3, 5, 0, 3, 3, 0}},
        {false, 1, PointRun::x, 2, {2, 3, 5, 2, 3, 3, 0}},    {false, 2, PointRun::x, 1, {2, 3, 5, 3, 3, 3, 0}},
    };
    for (const auto& c : cases) {
        std::vector<VerificationPoint> points = before;
        if (c.insert)
            verificationPointInserted(points, c.member, c.run, c.number);
        else
            verificationPointDeleted(points, c.member, c.run, c.number);
        ASSERT_EQ(points.size(), before.size());
        for (std::size_t i = 0; i < points.size(); ++i) {
            EXPECT_EQ(points[i].point, c.after[i]) << (c.insert ? "insert " : "delete ") << c.number << ", point " << i;
            VerificationPoint rest = points[i];
            rest.point = before[i].point;
            EXPECT_EQ(rest, before[i]) << "only the number changes";
        }
    }
}

} // namespace
} // namespace trellon
