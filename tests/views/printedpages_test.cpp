// Print runs recorded in page coordinates: page order of the three runs, header, footer and page numbers, and the
// section and grid pages.
#include "pagerecorder.h"

#include "model/barcounts.h"
#include "model/projectfixtures.h"
#include "model/testmode.h"
#include "views/gridpage.h"
#include "views/pageheaderfooter.h"
#include "views/printedpages.h"
#include "views/sectionpage.h"

#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace trellon {
namespace {

using testing::PageRecorder;

std::unique_ptr<PageRecorder> record(const Project& project, int page, const PrintSettings& settings = {})
{
    auto recorder = std::make_unique<PageRecorder>();
    QPainter painter(recorder.get());
    PrintedPages(project, settings).paintPage(painter, page);
    painter.end();
    return recorder;
}

MemberRecord checked(MemberRecord m)
{
    m.checked = 1;
    return m;
}

MemberRecord single(int readings)
{
    return checked(testing::member("1001", std::vector<std::int32_t>(static_cast<std::size_t>(readings), 25), "S"));
}

// A section member of `bars` bars 100 mm apart, cover 30, bar counts as a transfer sets them.
MemberRecord section(int bars, std::string name = "S", int scaleCode = 4)
{
    std::vector<std::int32_t> samples{170, scaleCode};
    for (int k = 0; k < bars; ++k)
        samples.insert(samples.end(), {30, encodePosition(100 * k).high, encodePosition(100 * k).low});
    MemberRecord m = checked(testing::member("4001", samples, std::move(name)));
    m.xBarCount = bars;
    return m;
}

MemberRecord grid(std::vector<std::int32_t> samples, std::string name = "G")
{
    MemberRecord m = checked(testing::member("3001", std::move(samples), std::move(name)));
    recountBars(m);
    return m;
}

bool hasLine(const PageRecorder& page, QLineF wanted)
{
    return std::any_of(page.lines.begin(), page.lines.end(), [&](const QLineF& l) {
        return (l.p1() - wanted.p1()).manhattanLength() < 1 && (l.p2() - wanted.p2()).manhattanLength() < 1;
    });
}

double furnitureWidth(const QString& text)
{
    PageRecorder device;
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(200);
    return QFontMetrics(font, &device).horizontalAdvance(text);
}

TEST(PrintedPages, listThenGridThenSectionPages)
{
    // 41 slots: two list pages.
    Project project = testing::projectOf({single(120), section(3, "S1"), grid({170, 1, 20, 0, 100}, "G1"),
                                          grid({170, 1, 20, 0, 200, 187, 187, 187, 25, 0, 150}, "G2")});
    PrintedPages pages(project, {});
    EXPECT_EQ(pages.count().list, 2);
    ASSERT_EQ(pages.pageCount(), 5);
    EXPECT_EQ(pages.gridPageMembers(), (std::vector<std::int32_t>{2, 3}));
    EXPECT_EQ(pages.sectionPageMembers(), (std::vector<std::int32_t>{1}));
    EXPECT_TRUE(record(project, 3)->hasText(QStringLiteral("G1(3001)")));
    EXPECT_TRUE(record(project, 4)->hasText(QStringLiteral("G2(3001)")));
    EXPECT_TRUE(record(project, 5)->hasText(QStringLiteral("S1(4001)")));
    EXPECT_FALSE(record(project, 2)->hasText(QStringLiteral("网格测试数据:")));
}

TEST(PrintedPages, memberWithBarsButNoRunMarkerLeavesTheLastPageOfItsRunEmpty)
{
    MemberRecord unmarked = section(2, "U");
    unmarked.samples[0] = 0;
    const Project project = testing::projectOf({unmarked, section(2, "S2")});
    PrintedPages pages(project, {});
    ASSERT_EQ(pages.pageCount(), 2);
    EXPECT_TRUE(record(project, 1)->hasText(QStringLiteral("S2(4001)")));
    const auto empty = record(project, 2);
    EXPECT_FALSE(empty->hasText(QStringLiteral("剖面测试数据:")));
    EXPECT_EQ(empty->textsEqualTo(QStringLiteral("第2页  共2页")).size(), 1u);
}

TEST(PageNumbers, formatsCountFromTheFirstPageNumber)
{
    PrintSettings s;
    s.firstPageNumber = 5;
    const QStringList expected{QStringLiteral("6"), QStringLiteral(".6."), QStringLiteral("--6--"),
                               QStringLiteral("第6页"), QStringLiteral("第6页  共7页")};
    for (int format = 0; format < 5; ++format) {
        s.pageNumberFormat = format;
        EXPECT_EQ(pageNumberText(s, 2, 3), expected[format]) << format;
    }
    s.pageNumberFormat = 9;
    EXPECT_EQ(pageNumberText(s, 2, 3), QStringLiteral("6"));
}

TEST(PageNumbers, sixPositionsAtTheTopOrBottom)
{
    const Project project = testing::projectOf({single(90), single(90), section(1)});
    PrintSettings s;
    s.firstPageNumber = 5;
    s.pageNumberFormat = 4;
    const QString text = QStringLiteral("第6页  共7页");
    const double w = furnitureWidth(text);
    const double xs[] = {10400 - w, 4750 - std::floor(w / 2) + 900, 900};
    for (int position = 0; position < 6; ++position) {
        s.pageNumberPosition = position;
        const auto page = record(project, 2, s);
        const auto found = page->textsEqualTo(text);
        ASSERT_EQ(found.size(), 1u) << position;
        EXPECT_NEAR(found[0].topLeft.x(), xs[position % 3], 2) << position;
        EXPECT_NEAR(found[0].topLeft.y(), position < 3 ? -15638 : -650, 2) << position;
    }
    s.pageNumberOn = false;
    EXPECT_FALSE(record(project, 2, s)->hasText(text));
}

TEST(PageNumbers, positionFiveStandsTopLeftWithoutTheHeader)
{
    PrintSettings s;
    s.pageNumberFormat = 0;
    s.pageNumberPosition = 5;
    const auto page = record(testing::projectOf({single(3)}), 1, s);
    EXPECT_EQ(page->textsAt(900, -650), std::vector<QString>{QStringLiteral("1")});
    EXPECT_FALSE(hasLine(*page, QLineF(800, -1000, 10300, -1000)));
}

TEST(HeaderAndFooter, rulesAndCentredTextsOnlyWhenSwitchedOn)
{
    const Project project = testing::projectOf({single(3)});
    PrintSettings s;
    s.headerText = "页眉文字";
    s.footerText = "页脚";
    auto page = record(project, 1, s);
    EXPECT_FALSE(page->hasText(QStringLiteral("页眉文字")));
    EXPECT_FALSE(page->hasText(QStringLiteral("页脚")));
    EXPECT_FALSE(hasLine(*page, QLineF(800, -15588, 10300, -15588)));

    s.headerOn = true;
    s.footerOn = true;
    page = record(project, 1, s);
    EXPECT_TRUE(hasLine(*page, QLineF(800, -1000, 10300, -1000)));
    EXPECT_TRUE(hasLine(*page, QLineF(800, -15588, 10300, -15588)));
    const auto header = page->textsEqualTo(QStringLiteral("页眉文字"));
    ASSERT_EQ(header.size(), 1u);
    EXPECT_NEAR(header[0].topLeft.x(), 4750 - static_cast<int>(furnitureWidth(QStringLiteral("页眉文字"))) / 2 + 900,
                2);
    EXPECT_NEAR(header[0].topLeft.y(), -650, 2);
    const auto footer = page->textsEqualTo(QStringLiteral("页脚"));
    ASSERT_EQ(footer.size(), 1u);
    EXPECT_NEAR(footer[0].topLeft.y(), -15638, 2);
}

TEST(SectionPage, framePlacedByTableBlocks)
{
    EXPECT_EQ(sectionPageLayout(1), (paper::DiagramLayout{-5000, -12000}));
    EXPECT_EQ(sectionPageLayout(2), (paper::DiagramLayout{-7000, -14000}));
    EXPECT_EQ(sectionPageLayout(3), (paper::DiagramLayout{-8000, -15000}));
    EXPECT_EQ(sectionPageLayout(6), (paper::DiagramLayout{-14000, -15000}));

    auto page = record(testing::projectOf({section(15)}), 1);
    EXPECT_TRUE(hasLine(*page, QLineF(800, -2100 - 1050, 10500, -2100 - 1050)));
    EXPECT_FALSE(hasLine(*page, QLineF(800, -2100 - 1400, 10500, -2100 - 1400)));
    page = record(testing::projectOf({section(16)}), 1);
    const auto frame = std::find_if(page->rects.begin(), page->rects.end(), [](const auto& r) { return r.outlined; });
    ASSERT_NE(frame, page->rects.end());
    EXPECT_NEAR(frame->rect.left(), 1800, 1);
    EXPECT_NEAR(frame->rect.right(), 10300, 1);
    EXPECT_NEAR(frame->rect.top(), -14000, 1);
    EXPECT_NEAR(frame->rect.bottom(), -7000, 1);
    // Bar 16: block 1, column 0; position 1500 mm, cover 30.
    EXPECT_EQ(page->textsAt(2920, -2200 - 1050), std::vector<QString>{QStringLiteral("16")});
    EXPECT_EQ(page->textsAt(2900, -2550 - 1050), std::vector<QString>{QStringLiteral("1500")});
    EXPECT_EQ(page->textsAt(2920, -2900 - 1050), std::vector<QString>{QStringLiteral("30")});
}

TEST(SectionPage, dotsOnTheDiagramByScaleCode)
{
    const paper::DiagramLayout layout = sectionPageLayout(1);
    EXPECT_EQ(sectionPageDotCentre(layout, 1, 0, 100, 0), QPoint(3500, -5000));
    EXPECT_EQ(sectionPageDotCentre(layout, 2, 0, 100, 150).x(), 2650);
    EXPECT_NEAR(sectionPageDotCentre(layout, 2, 0, 100, 150).y(), -12000, 1);
    EXPECT_EQ(sectionPageDotCentre(layout, 3, 0, 1000, 0).x(), 6050);
    EXPECT_EQ(sectionPageDotCentre(layout, 4, 1, 2000, 0).x(), 6050);
    // Unknown scale codes draw as code 1.
    EXPECT_EQ(sectionPageDotCentre(layout, 9, 0, 100, 0), sectionPageDotCentre(layout, 1, 0, 100, 0));

    const auto page = record(testing::projectOf({section(2, "S", 1)}), 1);
    ASSERT_EQ(page->ellipses.size(), 2u);
    // Bar 1 at 100 mm, cover 30: centre (3500, −5000 − 30 × 46.67); span count 0 gives dots of ±100 twips.
    const QRectF dot = page->ellipses[1];
    EXPECT_NEAR(dot.center().x(), 3500, 1);
    EXPECT_NEAR(dot.center().y(), -5000 - 1400, 1);
    EXPECT_NEAR(dot.width(), 200, 1);
}

TEST(SectionPage, longTablesKeepTheFrameUprightBelowThem)
{
    for (int bars : {91, 150, 400}) {
        const MemberRecord m = section(bars);
        const auto page = record(testing::projectOf({m}), 1);
        const auto frame =
            std::find_if(page->rects.begin(), page->rects.end(), [](const auto& r) { return r.outlined; });
        ASSERT_NE(frame, page->rects.end()) << bars;
        EXPECT_GE(frame->rect.height(), paper::minimumFrameHeight - 1) << bars;
        EXPECT_NEAR(frame->rect.top(), -15000, 1) << bars;
        // Every table text lies above the diagram's heading, and the last bar is in the table.
        const auto heading = page->textsEqualTo(QStringLiteral("钢筋剖面测量示意图:"));
        ASSERT_EQ(heading.size(), 1u);
        EXPECT_LT(heading[0].topLeft.y(), -2100);
        EXPECT_TRUE(page->hasText(QString::number(bars))) << bars;
        double tableBottom = 0;
        for (const auto& line : page->lines) {
            if (line.p1().y() == line.p2().y() && line.p1().x() == 800)
                tableBottom = std::min(tableBottom, line.p1().y());
        }
        EXPECT_LT(heading[0].topLeft.y(), tableBottom) << bars;
        EXPECT_GT(heading[0].topLeft.y(), tableBottom - 200) << "the diagram starts right below the table";
    }
}

TEST(SectionPage, barCountsBeyondTheReadingsAreNotRead)
{
    MemberRecord m = section(2);
    m.xBarCount = 1000000;
    EXPECT_EQ(sectionPageBars(m), 2);
    const auto page = record(testing::projectOf({m}), 1);
    EXPECT_EQ(page->ellipses.size(), 2u);
    EXPECT_FALSE(page->hasText(QStringLiteral("3")));
}

TEST(GridPage, stripesAtTheirPositions)
{
    const MemberRecord m = grid({170, 1, 20, 0, 100, 187, 187, 187, 25, 0, 150});
    const auto page = record(testing::projectOf({m}), 1);
    std::vector<QRectF> stripes;
    for (const auto& r : page->rects) {
        if (r.filled && !r.outlined)
            stripes.push_back(r.rect);
    }
    ASSERT_EQ(stripes.size(), 2u);
    // X 100 mm of 500: one fifth of 8500 twips; span count 0 gives 50 twips.
    EXPECT_NEAR(stripes[0].left(), 3500 - 25, 1);
    EXPECT_NEAR(stripes[0].right(), 3500 + 25, 1);
    EXPECT_NEAR(stripes[0].top(), -12000, 1);
    EXPECT_NEAR(stripes[0].bottom(), -5000, 1);
    // Y 150 mm of 500 down a 7000-twip frame.
    EXPECT_NEAR(stripes[1].center().y(), -5000 - 2100, 1);
    EXPECT_NEAR(stripes[1].height(), 50, 1);
    EXPECT_NEAR(stripes[1].left(), 1800, 1);
    // Table: X position and cover, Y position and cover of bar 1.
    EXPECT_EQ(page->textsAt(2900, -2550), std::vector<QString>{QStringLiteral("100")});
    EXPECT_EQ(page->textsAt(2920, -2900), std::vector<QString>{QStringLiteral("20")});
    EXPECT_EQ(page->textsAt(2920, -3250), std::vector<QString>{QStringLiteral("150")});
    EXPECT_EQ(page->textsAt(2900, -3600), std::vector<QString>{QStringLiteral("25")});
}

TEST(GridPage, twentyXBarsAndFiveYBarsMakeTwoBlocks)
{
    std::vector<std::int32_t> samples{170, 3};
    for (int k = 0; k < 20; ++k)
        samples.insert(samples.end(), {20, 0, 50 + k});
    samples.insert(samples.end(), {187, 187, 187});
    for (int k = 0; k < 5; ++k)
        samples.insert(samples.end(), {30, 1, k});
    const auto page = record(testing::projectOf({grid(samples)}), 1);
    EXPECT_EQ(gridPageLayout(2), (paper::DiagramLayout{-7000, -14000}));
    EXPECT_EQ(page->textsAt(2920, -2200), std::vector<QString>{QStringLiteral("1")});
    EXPECT_EQ(page->textsAt(2920 + 510 * 14, -2200), std::vector<QString>{QStringLiteral("15")});
    EXPECT_EQ(page->textsAt(2920, -2200 - 1750), std::vector<QString>{QStringLiteral("16")});
    EXPECT_EQ(page->textsAt(2920 + 510 * 4, -2200 - 1750), std::vector<QString>{QStringLiteral("20")});
    EXPECT_TRUE(page->textsAt(2920, -3250 - 1750).empty()) << "no Y bars in block 1";
    EXPECT_EQ(page->textsAt(2920 + 510 * 4, -3250), std::vector<QString>{QStringLiteral("260")});
    EXPECT_TRUE(page->textsAt(2920 + 510 * 5, -3250).empty());
}

TEST(GridPage, scaleCodeFourFollowsTheSpanCount)
{
    // Largest X 2500, largest Y 4100: span count 2, axes of 6000 mm labelled every 600.
    const MemberRecord m = grid({170, 4, 20, 9, 196, 187, 187, 187, 25, 16, 4});
    const auto page = record(testing::projectOf({m}), 1);
    EXPECT_TRUE(page->hasText(QStringLiteral("600")));
    EXPECT_TRUE(page->hasText(QStringLiteral("6000")));
    EXPECT_FALSE(page->hasText(QStringLiteral("200")));
    EXPECT_EQ(gridPageStripeX(4, 2, 2500), 1800 + 3541);
}

TEST(GridPage, longRunsShrinkTheTableAndKeepTheFrameUpright)
{
    std::vector<std::int32_t> samples{170, 4};
    for (int k = 0; k < 120; ++k)
        samples.insert(samples.end(), {20, encodePosition(50 * k).high, encodePosition(50 * k).low});
    const MemberRecord m = grid(samples);
    const paper::DiagramLayout layout = gridPageLayout(8);
    EXPECT_LT(layout.tableScale, 1.0);
    EXPECT_EQ(layout.bottom, -15300);
    EXPECT_GE(layout.height(), paper::minimumFrameHeight - 1);
    const auto page = record(testing::projectOf({m}), 1);
    const auto last = page->textsEqualTo(QStringLiteral("120"));
    ASSERT_FALSE(last.empty());
    EXPECT_GT(last.front().topLeft.y(), layout.top + 700);
}

TEST(GridPage, memberWithoutSeparatorHasNoYBars)
{
    const MemberRecord m = grid({170, 1, 20, 0, 100, 21, 0, 200});
    EXPECT_EQ(gridPageBars(m).x, 2);
    EXPECT_EQ(gridPageBars(m).y, 0);
    const auto page = record(testing::projectOf({m}), 1);
    EXPECT_TRUE(page->textsAt(2920, -3250).empty());
}

} // namespace
} // namespace trellon
