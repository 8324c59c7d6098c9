// Test-mode digits, bar positions, bar counts after a transfer, and the page count of a print run.
#include "model/barcounts.h"
#include "model/pagecount.h"
#include "model/testmode.h"
#include "projectfixtures.h"

#include <gtest/gtest.h>

#include <limits>

namespace trellon {
namespace {

using namespace trellon::testing;

MemberRecord countedAfterTransfer(MemberRecord m)
{
    recountBars(m);
    return m;
}

TEST(TestModeDigit, isTheFirstCharacterOfTheNumber)
{
    EXPECT_EQ(testModeDigit(member("3001", {})), TestModeDigit::grid);
    EXPECT_EQ(testModeDigit(member("", {})), TestModeDigit::none);
    EXPECT_FALSE(isKnownTestMode(testModeDigit(member("5001", {}))));
    EXPECT_TRUE(isKnownTestMode(testModeDigit(member("4", {}))));
}

TEST(TestModeDigit, listPositionsCountTheMembersOfTheModeInArrayOrder)
{
    const Project p = projectOf({member("3001", {}), member("1001", {}), member("4001", {}), member("2001", {}),
                                 member("5001", {}), member("3002", {})});
    EXPECT_EQ(memberIndexInMode(p.members, TestMode::singlePoint, 0), 1);
    EXPECT_EQ(memberIndexInMode(p.members, TestMode::singlePoint, 1), 3);
    EXPECT_EQ(memberIndexInMode(p.members, TestMode::singlePoint, 2), -1);
    EXPECT_EQ(memberIndexInMode(p.members, TestMode::grid, 1), 5);
    EXPECT_EQ(memberIndexInMode(p.members, TestMode::section, 0), 2);
    EXPECT_EQ(memberIndexInMode(p.members, TestMode::section, -1), -1);
}

TEST(BarCountsAfterTransfer, gridSplitsAtTheFirstSeparator)
{
    const MemberRecord m = countedAfterTransfer(member("3001", {170, 1, 20, 0, 100, 187, 187, 187, 25, 0, 150}));
    EXPECT_EQ(m.xBarCount, 1);
    EXPECT_EQ(m.yBarCount, 1);
}

TEST(BarCountsAfterTransfer, gridWithoutSeparatorHasMinusOneYBars)
{
    const MemberRecord m = countedAfterTransfer(member("3001", {170, 1, 20, 0, 100, 21, 0, 200}));
    EXPECT_EQ(m.xBarCount, 2);
    EXPECT_EQ(m.yBarCount, -1);
}

TEST(BarCountsAfterTransfer, separatorMustBeThreeWholeValues)
{
    EXPECT_EQ(findRunSeparator(std::vector<std::int32_t>{1, 187, 187}), 3);
    EXPECT_EQ(findRunSeparator(std::vector<std::int32_t>{187, 187, 1, 187, 187, 187, 187}), 3);
    EXPECT_EQ(findRunSeparator(std::vector<std::int32_t>{}), 0);
}

TEST(BarCountsAfterTransfer, gridWithoutRunMarkerKeepsZeroCounts)
{
    const MemberRecord m = countedAfterTransfer(member("3001", {20, 1, 20, 0, 100, 187, 187, 187}));
    EXPECT_EQ(m.xBarCount, 0);
    EXPECT_EQ(m.yBarCount, 0);
    EXPECT_EQ(countedAfterTransfer(member("3001", {})).yBarCount, 0);
}

TEST(BarCountsAfterTransfer, sectionCountTruncates)
{
    EXPECT_EQ(countedAfterTransfer(member("4001", {170, 1})).xBarCount, 0);
    EXPECT_EQ(countedAfterTransfer(member("4001", {170, 1, 20, 0})).xBarCount, 0);
    EXPECT_EQ(countedAfterTransfer(member("4001", {170, 1, 20, 0, 5, 21, 0, 9})).xBarCount, 2);
    EXPECT_EQ(countedAfterTransfer(member("4001", {})).xBarCount, 0) << "(0 - 2) / 3 truncates toward zero";
}

TEST(BarPosition, isHighTimes256PlusLow)
{
    EXPECT_EQ(decodePosition(1, 44), 300);
    EXPECT_EQ(decodePosition(255, 255), 65535);
    EXPECT_EQ(encodePosition(300), (EncodedPosition{1, 44}));
    EXPECT_EQ(encodePosition(255), (EncodedPosition{0, 255}));
    EXPECT_EQ(encodePosition(256), (EncodedPosition{1, 0}));
    EXPECT_EQ(encodePosition(65520), (EncodedPosition{255, 240}));
    const MemberRecord m = member("4001", {170, 1, 20, 1});
    EXPECT_EQ(barPositionAt(m, 2), 256) << "the missing low byte reads as 0";
}

TEST(BarPosition, everyPositionOfTwoReadingsRoundTripsThroughTwoBytes)
{
    for (std::int32_t position = 0; position <= 65535; ++position) {
        const EncodedPosition encoded = encodePosition(position);
        ASSERT_TRUE(encoded.high >= 0 && encoded.high <= 255 && encoded.low >= 0 && encoded.low <= 255) << position;
        ASSERT_EQ(decodePosition(encoded.high, encoded.low), position);
    }
}

// A .gj file may hold any integer as a reading; the constant expression would not compile if it overflowed.
TEST(BarPosition, wrapsForReadingsOutsideAByte)
{
    static_assert(decodePosition(0x00800000, 0) == std::numeric_limits<std::int32_t>::min());
    const MemberRecord m = member("4001", {170, 1, 20, 0x7FFFFFFF, 255});
    EXPECT_EQ(barPositionAt(m, 2), -1);
}

MemberRecord checkedMember(std::string number, std::size_t readings)
{
    MemberRecord m = member(std::move(number), std::vector<std::int32_t>(readings, 30));
    m.checked = 1;
    return m;
}

TEST(PageCount, singlePointMembersFillListPagesOf37Then40Slots)
{
    EXPECT_EQ(listLineSlots(checkedMember("1001", 0)), 6);
    EXPECT_EQ(listLineSlots(checkedMember("1001", 10)), 8);
    EXPECT_EQ(listLineSlots(checkedMember("1001", 11)), 11);
    EXPECT_EQ(listLineSlots(checkedMember("2001", 0)), 7);
    EXPECT_EQ(listLineSlots(checkedMember("2001", 21)), 14);

    // 4 members of 11 slots: 44 slots, one more than the first page: 2 pages.
    Project p = projectOf(
        {checkedMember("1001", 11), checkedMember("1002", 11), checkedMember("1003", 11), checkedMember("1004", 11)});
    EXPECT_EQ(countPrintPages(p).list, 2);
    p.members.pop_back();
    EXPECT_EQ(countPrintPages(p).list, 1);
    // 37 + 40 slots exactly: two pages, one slot more: three.
    Project exact = projectOf({checkedMember("1001", 0)});
    exact.members.front().replaceSamples(std::vector<std::int32_t>(240, 1)); // 5 + 72 = 77 slots
    EXPECT_EQ(countPrintPages(exact).list, 2);
    exact.members.push_back(checkedMember("1002", 0));
    EXPECT_EQ(countPrintPages(exact).list, 3);
}

TEST(PageCount, gridAndSectionMembersWithBarsTakeAPageEach)
{
    MemberRecord grid = checkedMember("3001", 0);
    grid.yBarCount = 1;
    MemberRecord emptyGrid = checkedMember("3002", 0);
    emptyGrid.yBarCount = -1;
    MemberRecord section = checkedMember("4001", 0);
    section.xBarCount = 2;
    MemberRecord unchecked = section;
    unchecked.checked = 0;
    const PageCount pages = countPrintPages(projectOf({grid, emptyGrid, section, unchecked, checkedMember("5001", 9)}));
    EXPECT_EQ(pages.list, 0);
    EXPECT_EQ(pages.grid, 1);
    EXPECT_EQ(pages.section, 1);
    EXPECT_EQ(pages.total(), 2);
}

} // namespace
} // namespace trellon
