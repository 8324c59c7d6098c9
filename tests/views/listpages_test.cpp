// List pages recorded in page coordinates: slots flowing over pages, headings kept with their tables, reading
// tables, title and line height.
#include "pagerecorder.h"

#include "model/projectfixtures.h"
#include "views/listpages.h"
#include "views/printedpages.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace trellon {
namespace {

using testing::PageRecorder;

MemberRecord checkedSingle(std::string number, int readings, std::string name = "A")
{
    std::vector<std::int32_t> samples;
    for (int i = 0; i < readings; ++i)
        samples.push_back(20 + i % 20);
    MemberRecord m = testing::withTolerance(testing::member(std::move(number), samples, std::move(name)), 25, -5, 5);
    m.checked = 1;
    return m;
}

std::unique_ptr<PageRecorder> record(const Project& project, int page, const PrintSettings& settings = {})
{
    auto recorder = std::make_unique<PageRecorder>();
    QPainter painter(recorder.get());
    PrintedPages(project, settings).paintPage(painter, page);
    painter.end();
    return recorder;
}

int lineHeight()
{
    PageRecorder device;
    return listLineHeight(device);
}

// Top of the texts of slot `slot` on page 1, or on a later page counted from its first slot.
double slotTop(int slotOnPage, bool firstPage)
{
    return (firstPage ? -1900 : -1100) - slotOnPage * lineHeight();
}

TEST(ListLineHeight, keepsFortySlotsAboveTheFooterRule)
{
    const int h = lineHeight();
    EXPECT_GT(h, 0);
    EXPECT_LE(h, largestListLineHeight);
    EXPECT_GE(-1900 - 37 * h, -15588);
    EXPECT_GE(-1100 - 40 * h, -15588);
}

TEST(ListPages, memberOf23ReadingsFillsThreeBlocksOnOnePage)
{
    const Project project = testing::projectOf({checkedSingle("1001", 23, "KL1")});
    ASSERT_EQ(PrintedPages(project, {}).pageCount(), 1);
    const auto page = record(project, 1);

    const auto title = page->textsEqualTo(QStringLiteral("钢筋仪测量数据结果"));
    ASSERT_EQ(title.size(), 1u);
    EXPECT_NEAR(title[0].topLeft.y(), -1200, 2);
    EXPECT_NE(page->textsAt(900, slotTop(0, true)), std::vector<QString>{});
    EXPECT_EQ(page->textsAt(2700, slotTop(0, true)), std::vector<QString>{QStringLiteral("KL1(1001)")});
    EXPECT_EQ(page->textsAt(2100, slotTop(2, true)), std::vector<QString>{QStringLiteral("23")});

    // Block 2 (slots 10 … 12) numbers every cell 21 … 30 but shows readings and marks only for 21 … 23.
    for (int k = 0; k < 10; ++k) {
        const double x = 2200 + 850 * k;
        EXPECT_EQ(page->textsAt(x, slotTop(10, true) - 50), std::vector<QString>{QString::number(21 + k)}) << k;
        EXPECT_EQ(page->textsAt(x, slotTop(11, true) - 50).size(), k < 3 ? 1u : 0u) << k;
        EXPECT_EQ(page->textsAt(x, slotTop(12, true) - 50).size(), k < 3 ? 1u : 0u) << k;
    }
    EXPECT_EQ(page->textsAt(2200, slotTop(11, true) - 50), std::vector<QString>{QStringLiteral("20")});
    // Readings 20 … 39, 20, 21, 22 against 25 − 5 … 25 + 5, both bounds inclusive.
    const auto passes = page->textsEqualTo(QStringLiteral("√")).size();
    const auto fails = page->textsEqualTo(QStringLiteral("×")).size();
    EXPECT_EQ(passes, 14u);
    EXPECT_EQ(fails, 9u);
    EXPECT_TRUE(page->textsAt(900, slotTop(13, true)).empty()) << "the last slot stays empty";
}

TEST(ListPages, tableRowsAreRuledCellsWithTheirLabelCentred)
{
    const Project project = testing::projectOf({checkedSingle("1001", 5)});
    const auto page = record(project, 1);
    const int h = lineHeight();
    const double top = slotTop(4, true);
    const auto hasLine = [&](QLineF wanted) {
        return std::any_of(page->lines.begin(), page->lines.end(), [&](const QLineF& l) {
            return (l.p1() - wanted.p1()).manhattanLength() < 1 && (l.p2() - wanted.p2()).manhattanLength() < 1;
        });
    };
    EXPECT_TRUE(hasLine(QLineF(900, top, 10400, top)));
    EXPECT_TRUE(hasLine(QLineF(900, top, 900, top - h)));
    EXPECT_TRUE(hasLine(QLineF(900, top - h, 10400, top - h)));
    for (int k = 0; k <= 10; ++k)
        EXPECT_TRUE(hasLine(QLineF(1900 + 850 * k, top, 1900 + 850 * k, top - h))) << k;
    const auto label = page->textsEqualTo(QStringLiteral("序 号"));
    ASSERT_EQ(label.size(), 1u);
    EXPECT_NEAR(label[0].topLeft.y(), top - 100, 2);
    EXPECT_GT(label[0].topLeft.x(), 900);
    EXPECT_LT(label[0].topLeft.x(), 1400);
}

TEST(ListPages, thirtySevenSlotsFillOnePageAndTheThirtyEighthOpensTheSecond)
{
    // 14 + 23 slots; a third member of 6 slots starts at slot 37.
    MemberRecord third = checkedSingle("1003", 0, "C");
    third.checked = 0;
    Project project = testing::projectOf({checkedSingle("1001", 23), checkedSingle("1002", 60), third});
    EXPECT_EQ(PrintedPages(project, {}).count().list, 1);

    project.members[2].checked = 1;
    EXPECT_EQ(PrintedPages(project, {}).count().list, 2);
    const auto first = record(project, 1);
    EXPECT_FALSE(first->hasText(QStringLiteral("C(1003)")));
    const auto second = record(project, 2);
    EXPECT_EQ(second->textsAt(2700, -1100), std::vector<QString>{QStringLiteral("C(1003)")});
    EXPECT_EQ(second->textsAt(900, slotTop(4, false)), std::vector<QString>{QStringLiteral("   该工程测点数为零")});
    EXPECT_FALSE(second->hasText(QStringLiteral("钢筋仪测量数据结果")));
}

TEST(ListPages, aBlockSplitsBetweenPagesRowByRow)
{
    // 7 slots of an empty pair member, then a member whose rows start at slot 11: block 8 holds slots 35 … 37.
    MemberRecord pairs = checkedSingle("2001", 0, "P");
    Project project = testing::projectOf({pairs, checkedSingle("1001", 120)});
    const auto first = record(project, 1);
    const auto second = record(project, 2);
    EXPECT_EQ(first->textsAt(2200, slotTop(35, true) - 50), std::vector<QString>{QStringLiteral("81")});
    EXPECT_EQ(first->textsAt(2200, slotTop(36, true) - 50), std::vector<QString>{QStringLiteral("20")});
    EXPECT_EQ(first->textsEqualTo(QStringLiteral("厚度合格")).size(), 8u);
    // The block's mark row is the first line of page 2, the next block follows below it.
    const auto marks = second->textsEqualTo(QStringLiteral("厚度合格"));
    ASSERT_FALSE(marks.empty());
    EXPECT_NEAR(marks.front().topLeft.y(), -1100 - 100, 2);
    EXPECT_EQ(second->textsAt(2200, -1100 - 50), std::vector<QString>{QStringLiteral("√")});
    EXPECT_EQ(second->textsAt(2200, slotTop(1, false) - 50), std::vector<QString>{QStringLiteral("91")});
}

TEST(ListPages, headingsThatWouldEndAPageMoveToTheNextWithTheirFirstRow)
{
    // Three members of 11 slots fill slots 0 … 32; the fourth one's four heading lines would take 33 … 36, the
    // last slots of page 1, and its first table row the top of page 2.
    const Project project = testing::projectOf({checkedSingle("1001", 12), checkedSingle("1002", 12),
                                                checkedSingle("1003", 12), checkedSingle("1004", 130, "Fourth")});

    const auto first = record(project, 1);
    EXPECT_FALSE(first->hasText(QStringLiteral("Fourth(1004)")));
    const auto second = record(project, 2);
    const auto heading = second->textsEqualTo(QStringLiteral("Fourth(1004)"));
    ASSERT_EQ(heading.size(), 1u);
    EXPECT_NEAR(heading[0].topLeft.y(), -1100, 2);
    EXPECT_TRUE(second->hasText(QStringLiteral("序 号")));

    // The four slots left empty on page 1 push the end of its table onto a third page, and the count knows it.
    PrintedPages pages(project, {});
    EXPECT_EQ(pages.count().list, 3);
    EXPECT_TRUE(record(project, 3)->hasText(QStringLiteral("130")));
}

TEST(ListPages, headingsThatFitWithTheirFirstRowStay)
{
    // 11 + 11 + 10 slots: the fourth member starts at slot 32, headings 32 … 35, first row 36, the last slot of
    // page 1.
    const Project project =
        testing::projectOf({checkedSingle("1001", 12), checkedSingle("1002", 12), checkedSingle("2001", 2),
                            checkedSingle("1004", 12, "Fourth"), checkedSingle("1005", 12)});
    const auto first = record(project, 1);
    EXPECT_TRUE(first->hasText(QStringLiteral("Fourth(1004)")));
    EXPECT_EQ(PrintedPages(project, {}).count().list, 2);
}

TEST(ListPages, pairMembersShowDiameterAndCoverOfEachPair)
{
    std::vector<std::int32_t> samples;
    for (int i = 0; i < 41; ++i)
        samples.push_back(i % 2 == 0 ? 30 + i : 16);
    MemberRecord m = testing::withTolerance(testing::member("2001", samples, "Q1"), 30, -5, 10);
    m.checked = 1;
    const Project project = testing::projectOf({m});
    EXPECT_EQ(listLineSlots(m), 18);
    m.replaceSamples(std::vector<std::int32_t>(40, 30));
    EXPECT_EQ(listLineSlots(m), 14);
    const auto page = record(project, 1);
    EXPECT_EQ(page->textsAt(8100, slotTop(2, true)), std::vector<QString>{QStringLiteral("20")});
    // Block 0: slots 5 … 8; pair 0 is cover 30 with diameter 16.
    EXPECT_EQ(page->textsAt(2200, slotTop(6, true) - 50), std::vector<QString>{QStringLiteral("16")});
    EXPECT_EQ(page->textsAt(2200, slotTop(7, true) - 50), std::vector<QString>{QStringLiteral("30")});
    EXPECT_EQ(page->textsAt(2200, slotTop(8, true) - 50), std::vector<QString>{QStringLiteral("√")});
    EXPECT_EQ(page->textsAt(2200 + 850 * 6, slotTop(8, true) - 50), std::vector<QString>{QStringLiteral("×")});
    // Block 2 (slots 13 … 16) numbers 21 … 30 and has no pair to show.
    EXPECT_EQ(page->textsAt(2200, slotTop(13, true) - 50), std::vector<QString>{QStringLiteral("21")});
    EXPECT_TRUE(page->textsAt(2200, slotTop(15, true) - 50).empty());
}

} // namespace
} // namespace trellon
