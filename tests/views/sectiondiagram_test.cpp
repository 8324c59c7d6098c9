// The section diagram rendered offscreen: dot places and sizes, axes only without a drawable member.
#include "views/sectiondiagram.h"

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

// 500 pixels of frame each way: scale code 1 gives one pixel per millimetre across.
constexpr QSize diagramSize(570, 600);

MemberRecord sectionMember(std::vector<std::int32_t> samples)
{
    MemberRecord m;
    m.number = "4001";
    m.replaceSamples(std::move(samples));
    return m;
}

QImage render(const MemberRecord* member, QSize size = diagramSize)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    paintSectionDiagram(painter, QRect(QPoint(0, 0), size), member);
    return image;
}

// Inside the frame's border.
QRect frameInterior(QSize size)
{
    return QRect(QPoint(52, 82), QPoint(size.width() - 23, size.height() - 23));
}

TEST(SectionDotCentre, positionAcrossAndCoverDown)
{
    EXPECT_EQ(sectionDotCentre(diagramSize, 1, 0, 120, 33), QPoint(170, 190));
    EXPECT_EQ(sectionDotCentre(diagramSize, 2, 0, 400, 0), QPoint(250, 80));
    EXPECT_EQ(sectionDotCentre(diagramSize, 3, 0, 1000, 0), QPoint(300, 80));
    // Scale code 4 with span count 1: the right edge stands for 4000 mm.
    EXPECT_EQ(sectionDotCentre(QSize(870, 600), 4, 1, 3999, 0).x(), 849);
    EXPECT_EQ(sectionDotCentre(QSize(870, 600), 4, 2, 3000, 0).x(), 450);
}

TEST(SectionDotCentre, coverOf150LiesOnTheBottomEdge)
{
    EXPECT_EQ(sectionDotCentre(diagramSize, 1, 0, 0, 150).y(), 580);
    EXPECT_EQ(sectionDotCentre(QSize(570, 700), 1, 0, 0, 150).y(), 680);
    EXPECT_GT(sectionDotCentre(diagramSize, 1, 0, 0, 151).y(), 580);
}

TEST(SectionDiagram, drawsOneRoundDotPerBar)
{
    // Position 120 cover 33, position 420 (1 × 256 + 164) cover 63.
    const MemberRecord member = sectionMember({170, 1, 33, 0, 120, 63, 1, 164});
    const QImage image = render(&member);
    for (const QPoint centre : {QPoint(170, 190), QPoint(470, 290)}) {
        EXPECT_TRUE(isBlack(image, centre.x(), centre.y()));
        EXPECT_TRUE(isBlack(image, centre.x() - 3, centre.y()));
        EXPECT_TRUE(isBlack(image, centre.x() + 3, centre.y()));
        EXPECT_TRUE(isBlack(image, centre.x(), centre.y() - 3));
        EXPECT_TRUE(isWhite(image, centre.x() - 7, centre.y()));
        EXPECT_TRUE(isWhite(image, centre.x() + 7, centre.y()));
        EXPECT_TRUE(isWhite(image, centre.x(), centre.y() + 7));
    }
}

TEST(SectionDiagram, largeSpanCountsDrawTheSmallLopsidedDot)
{
    // Position 6000 (23 × 256 + 112): span count 3, an 8000 mm axis, the dot reaches 2 up-left, 1 down-right.
    const MemberRecord member = sectionMember({170, 4, 33, 23, 112});
    const QImage image = render(&member);
    const QPoint centre(425, 190);
    EXPECT_EQ(sectionDotCentre(diagramSize, 4, 3, 6000, 33), centre);
    EXPECT_TRUE(isBlack(image, centre.x() - 1, centre.y() - 1));
    EXPECT_TRUE(isWhite(image, centre.x() + 1, centre.y() - 1));
    EXPECT_TRUE(isWhite(image, centre.x() - 1, centre.y() + 1));
    EXPECT_TRUE(isWhite(image, centre.x() - 3, centre.y() - 1));
    EXPECT_TRUE(isWhite(image, centre.x() - 1, centre.y() - 3));
}

TEST(SectionDiagram, noDotsWithoutADrawableMember)
{
    const QRect interior = frameInterior(diagramSize);
    EXPECT_EQ(blackPixelsIn(render(nullptr), interior), 0);
    const MemberRecord unmarked = sectionMember({171, 1, 33, 0, 120});
    EXPECT_EQ(blackPixelsIn(render(&unmarked), interior), 0);
    MemberRecord grid = sectionMember({170, 1, 33, 0, 120});
    grid.number = "3001";
    EXPECT_EQ(blackPixelsIn(render(&grid), interior), 0);
    // The frame, grid and axes are still there.
    const QImage axesOnly = render(nullptr);
    EXPECT_TRUE(isBlack(axesOnly, 50, 300));
    EXPECT_TRUE(isBlack(axesOnly, 45, 80));
    EXPECT_FALSE(isWhite(axesOnly, 100, 300) && isWhite(axesOnly, 100, 301) && isWhite(axesOnly, 100, 302));
}

TEST(SectionDiagram, paintsOnlyInsideItsAreaWithItsOrigin)
{
    // A bar far past the 500 mm axis would land right of the area.
    const MemberRecord member = sectionMember({170, 1, 33, 0, 120, 33, 19, 136});
    QImage image(700, 700, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    paintSectionDiagram(painter, QRect(QPoint(30, 40), diagramSize), &member);
    painter.end();
    EXPECT_TRUE(isBlack(image, 30 + 170, 40 + 190));
    EXPECT_TRUE(isWhite(image, 30, 40));
    EXPECT_EQ(image.pixelColor(29, 300), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(600, 230), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(300, 640), QColor(Qt::red));
}

TEST(SectionDiagram, readingsOutsideOneByteDrawNothingWild)
{
    // Positions and covers from a damaged file, far beyond any pixel; the drawing stays inside the area.
    const MemberRecord member = sectionMember({170, 1, 2000000000, 8388607, 255, -2000000000, -8388607, 0});
    const QImage image = render(&member);
    EXPECT_EQ(blackPixelsIn(image, frameInterior(diagramSize)), 0);
}

} // namespace
} // namespace trellon
