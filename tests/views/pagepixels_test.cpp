// Printed pages rendered into an image at 144 dots per inch (ten twips a pixel): rules and marks where the page
// coordinates put them.
#include "support/pixels.h"

#include "model/projectfixtures.h"
#include "views/listpages.h"
#include "views/printedpages.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace trellon {
namespace {

using testing::blackPixelsIn;
using testing::isBlack;
using testing::isWhite;

constexpr int twipsPerPixel = 10;

QImage renderPage(const Project& project, int page)
{
    QImage image(11906 / twipsPerPixel, 16838 / twipsPerPixel, QImage::Format_RGB32);
    image.setDotsPerMeterX(5669);
    image.setDotsPerMeterY(5669);
    image.fill(Qt::white);
    QPainter painter(&image);
    PrintedPages(project, {}).paintPage(painter, page);
    return image;
}

int px(int twips)
{
    return twips / twipsPerPixel;
}

TEST(PagePixels, readingTableRulesRunAcrossThePage)
{
    MemberRecord m = testing::member("1001", {25, 26, 27}, "A");
    m.checked = 1;
    const QImage image = renderPage(testing::projectOf({m}), 1);
    ASSERT_EQ(image.logicalDpiX(), 144);
    const int h = listLineHeight(image);
    const int ruleRow = px(1900 + 4 * h);
    for (int x : {950, 3000, 10300})
        EXPECT_TRUE(isBlack(image, px(x), ruleRow)) << x;
    EXPECT_TRUE(isWhite(image, px(10600), ruleRow));
    EXPECT_TRUE(isBlack(image, px(900), ruleRow + 10));
    EXPECT_EQ(blackPixelsIn(image, QRect(px(6000), ruleRow + 3, 5, 5)), 0) << "between the rules stays white";
}

} // namespace
} // namespace trellon
