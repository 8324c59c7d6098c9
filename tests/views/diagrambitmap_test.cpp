// Diagram bitmaps: the window's painting without its title, converted to each file depth and read back.
#include "views/diagrambitmap.h"

#include "views/griddiagram.h"
#include "views/sectiondiagram.h"

#include "model/projectfixtures.h"
#include "support/bitmapreader.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <gtest/gtest.h>

namespace trellon {
namespace {

using testing::member;

using testing::BitmapReader;

// 500 pixels of frame each way: one pixel per millimetre for scale code 1.
constexpr QSize diagramSize(570, 600);
constexpr int clearRow = 300;

// The grid example: an X bar at 100 mm and a Y bar at 150 mm on the 500 mm axes of scale code 1.
MemberRecord gridExample()
{
    return member("3001", {170, 1, 20, 0, 100, 187, 187, 187, 25, 0, 150});
}

QImage windowPainting(DiagramKind kind, const MemberRecord* m)
{
    QImage image(diagramSize, QImage::Format_RGB32);
    QPainter painter(&image);
    if (kind == DiagramKind::section)
        paintSectionDiagram(painter, QRect(QPoint(0, 0), diagramSize), m);
    else
        paintGridDiagram(painter, QRect(QPoint(0, 0), diagramSize), m);
    return image;
}

int colouredPixelsAbove(const QImage& image, int rows)
{
    int count = 0;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) != QColor(Qt::white) ? 1 : 0;
    return count;
}

BitmapReader writtenBack(const QImage& picture, int depth)
{
    auto bytes = encodeBitmapFile(bitmapPictureOf(picture, depth));
    EXPECT_TRUE(bytes.ok());
    auto reader = BitmapReader::parse(bytes.ok() ? bytes.value() : std::vector<std::uint8_t>{});
    EXPECT_TRUE(reader.has_value());
    return reader.value_or(BitmapReader{});
}

TEST(DiagramPicture, isTheWindowPaintingWithoutTheTitle)
{
    const MemberRecord grid = gridExample();
    const MemberRecord section = member("4001", {170, 1, 30, 0, 200});
    for (const auto& [kind, m] : {std::pair{DiagramKind::grid, &grid}, std::pair{DiagramKind::section, &section}}) {
        const QImage window = windowPainting(kind, m);
        const QImage picture = renderDiagramPicture(kind, diagramSize, m);
        ASSERT_EQ(picture.size(), diagramSize);
        // The title line sits above the position caption at row 47.
        EXPECT_GT(colouredPixelsAbove(window, 45), 0);
        EXPECT_EQ(colouredPixelsAbove(picture, 45), 0);
        EXPECT_EQ(picture.copy(0, 61, diagramSize.width(), diagramSize.height() - 61),
                  window.copy(0, 61, diagramSize.width(), diagramSize.height() - 61));
    }
}

TEST(DiagramBitmap, everyFileDepthKeepsTheMarksBlackOnWhite)
{
    const MemberRecord grid = gridExample();
    const QImage picture = renderDiagramPicture(DiagramKind::grid, diagramSize, &grid);
    const std::pair<int, int> depths[] = {{1, 1}, {4, 4}, {8, 8}, {16, 24}, {32, 32}};
    for (const auto& [depth, bits] : depths) {
        const BitmapReader bmp = writtenBack(picture, depth);
        EXPECT_EQ(bmp.bits, bits);
        EXPECT_EQ(bmp.offset, 54u + 4u * static_cast<unsigned>(bitmapColourTableEntries(bits))) << depth;
        EXPECT_TRUE(bmp.isBlack(150, clearRow)) << depth;
        EXPECT_TRUE(bmp.isWhite(147, clearRow)) << depth;
        EXPECT_TRUE(bmp.isWhite(320, 150)) << depth;
    }
}

} // namespace
} // namespace trellon
