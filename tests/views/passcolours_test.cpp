// Diagrams coloured by pass state: green and red marks by the member's tolerance, the band behind a section's
// dots, and black marks without colours as printed pages keep them.
#include "views/diagrambitmap.h"
#include "views/griddiagram.h"
#include "views/sectiondiagram.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace trellon {
namespace {

constexpr QSize diagramSize(570, 600); // scale code 1: one pixel per millimetre across

MemberRecord toleranced(const char* number, std::vector<std::int32_t> samples)
{
    MemberRecord m;
    m.number = number;
    m.designCover = 25;
    m.lowerDeviation = -7;
    m.upperDeviation = 10;
    m.replaceSamples(std::move(samples));
    return m;
}

QImage renderSection(const MemberRecord& member, PassColours colours)
{
    QImage image(diagramSize, QImage::Format_RGB32);
    QPainter painter(&image);
    paintSectionDiagram(painter, QRect(QPoint(0, 0), diagramSize), &member, DiagramTitle::shown, colours);
    return image;
}

TEST(PassColours, sectionDotsAreGreenOrRedByTheirCoverAndTheBandLiesBehindThem)
{
    // Bars at 100 mm (cover 30, acceptable) and 300 mm (cover 40, beyond 35).
    const MemberRecord member = toleranced("4001", {170, 1, 30, 0, 100, 40, 1, 44});
    const QImage coloured = renderSection(member, PassColours::on);
    const QPoint passing = sectionDotCentre(diagramSize, 1, 0, 100, 30);
    const QPoint failing = sectionDotCentre(diagramSize, 1, 0, 300, 40);
    EXPECT_EQ(coloured.pixelColor(passing), passingColour);
    EXPECT_EQ(coloured.pixelColor(failing), failingColour);
    // Inside the band (covers 18 to 35) away from dots and grid lines, and below it; the dashed design line.
    const int bandY = sectionDotCentre(diagramSize, 1, 0, 0, 20).y();
    EXPECT_EQ(coloured.pixelColor(475, bandY), toleranceBandColour);
    EXPECT_EQ(coloured.pixelColor(475, sectionDotCentre(diagramSize, 1, 0, 0, 60).y()), QColor(Qt::white));
    int dashes = 0;
    for (int x = 455; x < 500; ++x)
        dashes += coloured.pixelColor(x, sectionDotCentre(diagramSize, 1, 0, 0, 25).y()) == designCoverColour ? 1 : 0;
    EXPECT_GT(dashes, 10);

    const QImage plain = renderSection(member, PassColours::off);
    EXPECT_EQ(plain.pixelColor(passing), QColor(Qt::black));
    EXPECT_EQ(plain.pixelColor(failing), QColor(Qt::black));
    EXPECT_EQ(plain.pixelColor(475, bandY), QColor(Qt::white));
}

TEST(PassColours, gridStripesFollowTheirCoverAndTheBitmapFollowsTheScreen)
{
    // X bar at 100 mm with cover 20 (acceptable), Y bar at 200 mm with cover 12 (below 18).
    const MemberRecord member = toleranced("3001", {170, 1, 20, 0, 100, 187, 187, 187, 12, 0, 200});
    const QImage picture = renderDiagramPicture(DiagramKind::grid, diagramSize, &member, PassColours::on);
    const int x = gridStripeX(diagramSize, 1, 0, 100);
    const int y = gridStripeY(diagramSize, 1, 0, 200);
    EXPECT_EQ(picture.pixelColor(x, 400), passingColour);
    EXPECT_EQ(picture.pixelColor(300, y), failingColour);
    const QImage plain = renderDiagramPicture(DiagramKind::grid, diagramSize, &member);
    EXPECT_EQ(plain.pixelColor(x, 400), QColor(Qt::black));
}

TEST(PassColours, theLegendStandsOnlyWithColours)
{
    const MemberRecord member = toleranced("4001", {170, 1, 30, 0, 100});
    const auto countOf = [](const QImage& image, const QColor& colour) {
        int count = 0;
        for (int y = 30; y < 60; ++y)
            for (int x = 350; x < 550; ++x)
                count += image.pixelColor(x, y) == colour ? 1 : 0;
        return count;
    };
    EXPECT_GT(countOf(renderSection(member, PassColours::on), failingColour), 40);
    EXPECT_EQ(countOf(renderSection(member, PassColours::off), failingColour), 0);
}

} // namespace
} // namespace trellon
