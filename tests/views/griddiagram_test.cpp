// The grid diagram rendered offscreen: stripe places and widths, no stripes without a drawable member.
#include "views/griddiagram.h"

#include "support/pixels.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace trellon {
namespace {

using testing::blackPixelsIn;
using testing::isBlack;
using testing::isWhite;

// 500 pixels of frame each way: scale code 1 gives one pixel per millimetre on both axes.
constexpr QSize diagramSize(570, 600);
// A column and a row that no grid line, tick or label crosses.
constexpr int clearColumn = 320;
constexpr int clearRow = 300;

MemberRecord gridMember(std::vector<std::int32_t> samples)
{
    MemberRecord m;
    m.number = "3001";
    m.replaceSamples(std::move(samples));
    return m;
}

QImage render(const MemberRecord* member)
{
    QImage image(diagramSize, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    paintGridDiagram(painter, QRect(QPoint(0, 0), diagramSize), member);
    return image;
}

QRect frameInterior()
{
    return QRect(QPoint(52, 82), QPoint(diagramSize.width() - 23, diagramSize.height() - 23));
}

// Black pixels of a column's vertical stripe along the clear row, from its first black pixel.
int stripeWidthAcross(const QImage& image, int from)
{
    int width = 0;
    for (int x = from; isBlack(image, x, clearRow); ++x)
        ++width;
    return width;
}

TEST(GridStripes, positionsOnBothAxes)
{
    EXPECT_EQ(gridStripeX(diagramSize, 1, 0, 100), 150);
    EXPECT_EQ(gridStripeY(diagramSize, 1, 0, 150), 230);
    EXPECT_EQ(gridStripeX(diagramSize, 3, 0, 1000), 300);
    EXPECT_EQ(gridStripeY(diagramSize, 3, 0, 1000), 330);
    // Scale code 4, span count 2: both axes stand for 6000 mm.
    EXPECT_EQ(gridStripeX(QSize(670, 700), 4, 2, 2500), 300);
    EXPECT_EQ(gridStripeY(QSize(670, 700), 4, 2, 4100), 490);
}

TEST(GridDiagram, oneVerticalAndOneHorizontalStripeFourPixelsWide)
{
    // X bar at 100 mm, Y bar at 150 mm on the 500 mm axes of scale code 1.
    const MemberRecord member = gridMember({170, 1, 20, 0, 100, 187, 187, 187, 25, 0, 150});
    const QImage image = render(&member);
    EXPECT_TRUE(isWhite(image, 147, clearRow));
    EXPECT_EQ(stripeWidthAcross(image, 148), 4);
    EXPECT_TRUE(isWhite(image, clearColumn, 227));
    for (int y = 228; y <= 231; ++y)
        EXPECT_TRUE(isBlack(image, clearColumn, y)) << y;
    EXPECT_TRUE(isWhite(image, clearColumn, 232));
    // Each stripe spans the frame.
    EXPECT_TRUE(isBlack(image, 150, 85));
    EXPECT_TRUE(isBlack(image, 150, 575));
    EXPECT_TRUE(isBlack(image, 55, 230));
    EXPECT_TRUE(isBlack(image, 545, 230));
}

TEST(GridDiagram, stripesNarrowAsTheAxisGrows)
{
    // X bars at 1000 and 4100 mm: span count 2, a 6000 mm axis and stripes one pixel either side.
    const MemberRecord twoSpans = gridMember({170, 4, 20, 3, 232, 20, 16, 4, 187, 187, 187});
    const QImage image = render(&twoSpans);
    EXPECT_TRUE(isWhite(image, gridStripeX(diagramSize, 4, 2, 1000) - 2, clearRow));
    EXPECT_EQ(stripeWidthAcross(image, gridStripeX(diagramSize, 4, 2, 1000) - 1), 2);
    // 6000 mm and more: a single pixel column.
    const MemberRecord threeSpans = gridMember({170, 4, 20, 3, 232, 20, 23, 112, 187, 187, 187});
    const QImage thin = render(&threeSpans);
    EXPECT_TRUE(isWhite(thin, gridStripeX(diagramSize, 4, 3, 1000) - 1, clearRow));
    EXPECT_EQ(stripeWidthAcross(thin, gridStripeX(diagramSize, 4, 3, 1000)), 1);
}

TEST(GridDiagram, withoutSeparatorEveryTripleIsAnXBar)
{
    const MemberRecord member = gridMember({170, 1, 20, 0, 100, 25, 0, 150});
    const QImage image = render(&member);
    EXPECT_EQ(stripeWidthAcross(image, 148), 4);
    EXPECT_EQ(stripeWidthAcross(image, 198), 4);
    EXPECT_EQ(blackPixelsIn(image, QRect(clearColumn, 82, 1, 495)), 0);
}

TEST(GridDiagram, noStripesWithoutADrawableMember)
{
    EXPECT_EQ(blackPixelsIn(render(nullptr), frameInterior()), 0);
    const MemberRecord unmarked = gridMember({0, 1, 20, 0, 100, 187, 187, 187, 25, 0, 150});
    EXPECT_EQ(blackPixelsIn(render(&unmarked), frameInterior()), 0);
    MemberRecord section = gridMember({170, 1, 20, 0, 100});
    section.number = "4001";
    EXPECT_EQ(blackPixelsIn(render(&section), frameInterior()), 0);
}

} // namespace
} // namespace trellon
