// The histogram of the evaluation report: bar heights in proportion to the counts, over the accepted range, and
// drawn on the report's pages.
#include "views/coverhistogram.h"
#include "views/evaluationpages.h"
#include "views/passcolours.h"

#include "model/gbk.h"
#include "support/reporttext.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace trellon {
namespace {

bool isBar(QRgb pixel)
{
    return qBlue(pixel) > 150 && qRed(pixel) < 100;
}

// Rows of the bar in column x, counted upwards from the plot's floor.
int barHeight(const QImage& image, int x)
{
    int height = 0;
    for (int y = 0; y < image.height(); ++y)
        height += isBar(image.pixel(x, y)) ? 1 : 0;
    return height;
}

QImage renderHistogram(const CoverHistogram& classes, const std::vector<AcceptedRange>& ranges)
{
    QImage image(800, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintCoverHistogram(painter, QRectF(0, 0, 800, 300), classes, ranges);
    return image;
}

// The columns holding bar pixels, as runs [first, last].
std::vector<std::pair<int, int>> barColumns(const QImage& image)
{
    std::vector<std::pair<int, int>> runs;
    for (int x = 0; x < image.width(); ++x) {
        if (barHeight(image, x) == 0)
            continue;
        if (!runs.empty() && runs.back().second == x - 1)
            runs.back().second = x;
        else
            runs.emplace_back(x, x);
    }
    return runs;
}

TEST(CoverHistogramPicture, barsStandInProportionToTheirCountsOverTheAcceptedRange)
{
    const QImage image = renderHistogram({{20, 2}, {30, 4}}, {{18.0, 35.0, 25.0}});
    const auto bars = barColumns(image);
    ASSERT_EQ(bars.size(), 2u);
    const int low = barHeight(image, (bars[0].first + bars[0].second) / 2);
    const int high = barHeight(image, (bars[1].first + bars[1].second) / 2);
    EXPECT_NEAR(high, 2 * low, 2);
    // Ten classes apart, with the width of one class between its bar's edges.
    const double classWidth = (bars[1].first - bars[0].first) / 10.0;
    EXPECT_NEAR(bars[0].second - bars[0].first, classWidth, classWidth * 0.25);

    // The band spans the classes 18 to 35 mm: shaded above the half-height bar of class 20, not left of 18.
    const int above = image.height() / 5;
    EXPECT_EQ(QColor(image.pixel(bars[0].first + 2, above)), toleranceBandColour);
    EXPECT_NE(QColor(image.pixel(static_cast<int>(bars[0].first - 3 * classWidth), above)), toleranceBandColour);
    // 35 mm is acceptable: its class is shaded too.
    EXPECT_EQ(QColor(image.pixel(static_cast<int>(bars[1].second + 4.6 * classWidth), above)), toleranceBandColour);
    EXPECT_NE(QColor(image.pixel(static_cast<int>(bars[1].second + 6 * classWidth), above)), toleranceBandColour);
}

TEST(CoverHistogramPicture, theReportDrawsAHistogramForEachSampleWithValues)
{
    Project project;
    for (const char* name : {"一层 梁", "二层 板"}) {
        MemberRecord m;
        m.number = "1001";
        m.name = systemText(name);
        m.designCover = 25;
        m.upperDeviation = 10;
        m.lowerDeviation = -7;
        m.checked = 1;
        m.replaceSamples({22, 25, 28, 30});
        project.members.push_back(m);
    }
    const EvaluationPages pages(evaluationReport(project, evaluateAcceptance(project), "t.gj", "2024-03-09"));
    // Each histogram is a run of rows with bars; the two lots give two.
    int histograms = 0;
    for (std::int32_t page = 1; page <= pages.pageCount(); ++page) {
        QImage image(1190, 1684, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            pages.paintPage(painter, page);
        }
        bool inBars = false;
        for (int y = 0; y < image.height(); ++y) {
            bool bar = false;
            for (int x = 0; x < image.width() && !bar; ++x)
                bar = isBar(image.pixel(x, y));
            histograms += bar && !inBars ? 1 : 0;
            inBars = bar;
        }
    }
    EXPECT_EQ(histograms, 2);
    EXPECT_NE(testing::reportText(pages.report()).find("板类构件钢筋保护层厚度检验的合格率为"), std::string::npos);
}

} // namespace
} // namespace trellon
