// What the end-of-transfer message counts: members per test mode, judged readings and bars.
#include "app/transfersummary.h"

#include "model/barcounts.h"

#include <gtest/gtest.h>

namespace trellon {
namespace {

MemberRecord received(const char* number, std::vector<std::int32_t> samples)
{
    MemberRecord m;
    m.number = number;
    m.replaceSamples(std::move(samples));
    recountBars(m);
    return m;
}

TEST(TransferSummary, countsJudgedReadingsAndBarsPerTestMode)
{
    Project project;
    project.members = {
        received("1001", {30, 31, 32, 33, 34}),
        received("2002", {40, 12, 41, 14, 42}), // two cover and diameter pairs and a stray cover
        received("4001", {170, 1, 25, 0, 80, 26, 0, 160, 9}),
        received("3001", {170, 2, 25, 0, 80, 187, 187, 187, 27, 0, 90, 28, 0, 180}),
        received("3002", {170, 1, 25, 0, 80}),
        received("9001", {1, 2}),
    };
    TransferSummary expected;
    expected.singlePointMembers = 2;
    expected.singlePointReadings = 5 + 2;
    expected.sectionMembers = 1;
    expected.sectionBars = 2;
    expected.gridMembers = 2;
    expected.gridBars = 3 + 1;
    expected.otherMembers = 1;
    EXPECT_EQ(summarizeTransfer(project), expected);
}

} // namespace
} // namespace trellon
