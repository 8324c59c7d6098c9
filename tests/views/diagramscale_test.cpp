// Axis lengths, span counts and mark sizes of the section and grid diagrams.
#include "views/diagramscale.h"

#include "model/project.h"
#include "model/projectfixtures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace trellon {
namespace {

using testing::member;

TEST(AxisScale, fixedScaleCodesAndTheStretchedOne)
{
    EXPECT_EQ(axisScale(1, 5), (AxisScale{500, 50}));
    EXPECT_EQ(axisScale(2, 5), (AxisScale{1000, 100}));
    EXPECT_EQ(axisScale(3, 5), (AxisScale{2000, 200}));
    EXPECT_EQ(axisScale(4, 0), (AxisScale{2000, 200}));
    EXPECT_EQ(axisScale(4, 1), (AxisScale{4000, 400}));
    EXPECT_EQ(axisScale(4, 2), (AxisScale{6000, 600}));
}

TEST(AxisScale, unknownCodesReadAsCodeOneAndNeverDivideByZero)
{
    EXPECT_EQ(axisScale(0, 1), (AxisScale{500, 50}));
    EXPECT_EQ(axisScale(255, 0), (AxisScale{500, 50}));
    EXPECT_EQ(axisScale(4, -3), (AxisScale{2000, 200}));
    EXPECT_GT(unitsPerMillimetre(-7, -1, 500), 0.0f);
}

TEST(AxisScale, theLargestSpanCountKeepsItsLabelsPositive)
{
    const AxisScale scale = axisScale(4, std::numeric_limits<std::int32_t>::max() / 2000);
    EXPECT_GT(scale.fullLength, std::int64_t{std::numeric_limits<std::int32_t>::max()});
    EXPECT_EQ(scale.labelStep * 10, scale.fullLength);
}

TEST(AxisScale, unitsPerMillimetreOfEachCode)
{
    EXPECT_FLOAT_EQ(unitsPerMillimetre(1, 0, 500), 1.0f);
    EXPECT_FLOAT_EQ(unitsPerMillimetre(2, 0, 500), 0.5f);
    EXPECT_FLOAT_EQ(unitsPerMillimetre(3, 0, 500), 0.25f);
    EXPECT_FLOAT_EQ(unitsPerMillimetre(4, 1, 800), 0.2f);
}

TEST(SectionSpanCount, largestPositionOverTwoThousand)
{
    // Positions 1000 and 3999 (15 × 256 + 159): the axis of code 4 reaches 4000 mm.
    EXPECT_EQ(sectionSpanCount(member("4001", {170, 4, 30, 3, 232, 40, 15, 159})), 1);
    EXPECT_EQ(sectionSpanCount(member("4001", {170, 4, 40, 15, 160, 30, 3, 232})), 2);
}

TEST(SectionSpanCount, barZeroCountsEvenWhenItsTripleIsCutShort)
{
    // Only cover and high byte of bar 0: its position reads 15 × 256.
    EXPECT_EQ(sectionSpanCount(member("4001", {170, 4, 30, 15})), 1);
    EXPECT_EQ(sectionSpanCount(member("4001", {170})), 0);
}

TEST(SectionSpanCount, onlySectionMembersWithTheRunMarker)
{
    EXPECT_EQ(sectionSpanCount(member("4001", {171, 4, 40, 15, 160})), 0);
    EXPECT_EQ(sectionSpanCount(member("3001", {170, 4, 40, 15, 160})), 0);
    EXPECT_EQ(sectionSpanCount(member("", {170, 4, 40, 15, 160})), 0);
}

TEST(SectionSpanCount, readingsOutsideOneByteNeverGiveANegativeSpan)
{
    EXPECT_EQ(sectionSpanCount(member("4001", {170, 4, 40, -1, 0})), 0);
    EXPECT_EQ(sectionSpanCount(member("4001", {170, 4, 40, 8388607, 255})), 1073741);
}

TEST(GridRuns, separatorAndBarCounts)
{
    const MemberRecord grid = member("3001", {170, 1, 20, 0, 100, 187, 187, 187, 25, 0, 150});
    const GridRuns runs = gridRuns(grid);
    EXPECT_EQ(runs.separator, 5);
    EXPECT_EQ(runs.xBars, 1);
    EXPECT_EQ(runs.yBars, 1);
    const GridRuns unseparated = gridRuns(member("3001", {170, 1, 20, 0, 100, 25, 0, 150}));
    EXPECT_EQ(unseparated.xBars, 2);
    EXPECT_EQ(unseparated.yBars, 0);
}

TEST(GridSpanCount, largerOfBothRuns)
{
    // X 2500 (9 × 256 + 196), Y 4100 (16 × 256 + 4): axes of 6000 mm labelled every 600.
    const MemberRecord grid = member("3001", {170, 4, 20, 9, 196, 187, 187, 187, 25, 16, 4});
    EXPECT_EQ(gridSpanCount(grid), 2);
    EXPECT_EQ(axisScale(4, gridSpanCount(grid)), (AxisScale{6000, 600}));
    const MemberRecord xOnly = member("3001", {170, 4, 20, 9, 196, 187, 187, 187});
    EXPECT_EQ(gridSpanCount(xOnly), 1);
}

TEST(GridSpanCount, onlyGridMembersWithTheRunMarker)
{
    EXPECT_EQ(gridSpanCount(member("4001", {170, 4, 20, 16, 4})), 0);
    EXPECT_EQ(gridSpanCount(member("3001", {0, 4, 20, 16, 4})), 0);
}

TEST(MarkExtents, dotsShrinkAsTheAxisGrows)
{
    EXPECT_EQ(sectionDotExtent(0, DiagramMedium::screen), (MarkExtent{5, 5}));
    EXPECT_EQ(sectionDotExtent(1, DiagramMedium::screen), (MarkExtent{3, 3}));
    EXPECT_EQ(sectionDotExtent(2, DiagramMedium::screen), (MarkExtent{2, 2}));
    EXPECT_EQ(sectionDotExtent(3, DiagramMedium::screen), (MarkExtent{2, 1}));
    EXPECT_EQ(sectionDotExtent(40, DiagramMedium::screen), (MarkExtent{2, 1}));
    EXPECT_EQ(sectionDotExtent(0, DiagramMedium::paper), (MarkExtent{100, 100}));
    EXPECT_EQ(sectionDotExtent(9, DiagramMedium::paper), (MarkExtent{40, 20}));
}

TEST(MarkExtents, stripesShrinkAsTheAxisGrows)
{
    EXPECT_EQ(gridStripeExtent(0, DiagramMedium::screen), (MarkExtent{2, 2}));
    EXPECT_EQ(gridStripeExtent(1, DiagramMedium::screen), (MarkExtent{1, 2}));
    EXPECT_EQ(gridStripeExtent(2, DiagramMedium::screen), (MarkExtent{1, 1}));
    EXPECT_EQ(gridStripeExtent(3, DiagramMedium::screen), (MarkExtent{0, 1}));
    EXPECT_EQ(gridStripeExtent(0, DiagramMedium::paper), (MarkExtent{25, 25}));
    EXPECT_EQ(gridStripeExtent(1, DiagramMedium::paper), (MarkExtent{12, 25}));
    EXPECT_EQ(gridStripeExtent(5, DiagramMedium::paper), (MarkExtent{0, 12}));
    EXPECT_EQ(gridStripeExtent(-1, DiagramMedium::screen), (MarkExtent{2, 2}));
}

} // namespace
} // namespace trellon
