// The outputs that count or mark points agree with the judged points on the bundled sample: each member's pass
// counts, the pooled verdict, the spreadsheet's readings and the CSV's rows and pass column.
#include "evaluation/checkedsetverdict.h"
#include "evaluation/coverjudgement.h"
#include "evaluation/openproject.h"
#include "model/barcounts.h"
#include "model/testmode.h"
#include "reports/csvexport.h"
#include "reports/excelreport.h"

#include <gtest/gtest.h>

#include <sstream>

namespace trellon {
namespace {

const std::string sample = TRELLON_SOURCE_DIR "/data/samples/site-survey.gj";

struct Tally {
    std::int32_t points = 0;
    std::int32_t acceptable = 0;
};

std::vector<JudgedPoint> judgedPoints(const MemberRecord& m, const BarCounts& bars)
{
    std::vector<JudgedPoint> points;
    forEachJudgedPoint(m, bars, [&points](const JudgedPoint& point) { points.push_back(point); });
    return points;
}

Tally tally(const std::vector<JudgedPoint>& points)
{
    Tally t;
    for (const JudgedPoint& p : points) {
        ++t.points;
        t.acceptable += p.acceptable ? 1 : 0;
    }
    return t;
}

// Pass column (the 13th) of the CSV's rows of the member at `index`, in order.
std::string csvPassFlags(const std::string& csv, std::int32_t index)
{
    std::istringstream lines(csv);
    std::string line;
    std::string flags;
    const std::string prefix = std::to_string(index + 1) + ',';
    while (std::getline(lines, line)) {
        if (line.rfind(prefix, 0) == 0)
            flags += line[line.size() - 4]; // ",P,T\r"
    }
    return flags;
}

TEST(JudgedOutputs, agreeWithTheJudgedPointsOfEveryMemberOfTheSample)
{
    auto opened = openProject(sample);
    ASSERT_TRUE(opened) << opened.error().describe();
    Project project = *opened.value().project;
    for (MemberRecord& m : project.members)
        m.checked = 1;
    const std::string csv = renderCsvExport(project);
    const ExcelReportLayout sheet = layoutExcelReport(project);

    Tally all;
    std::int32_t sheetReadings = 0;
    for (const SheetCell& cell : sheet.cells)
        sheetReadings += !cell.heading && cell.column >= 2 ? 1 : 0;
    for (std::int32_t i = 0; i < project.memberCount(); ++i) {
        const MemberRecord& m = project.members[static_cast<std::size_t>(i)];
        const std::vector<JudgedPoint> points = judgedPoints(m, storedBarCounts(m));
        ASSERT_EQ(points, judgedPoints(m, countBars(m))) << "opening recounts the bars";
        const Tally t = tally(points);
        all.points += t.points;
        all.acceptable += t.acceptable;
        EXPECT_EQ(m.passCount + m.yPassCount, t.acceptable) << m.number;
        EXPECT_EQ(m.failCount + m.yFailCount, t.points - t.acceptable) << m.number;
        std::string flags;
        for (const JudgedPoint& p : points)
            flags += p.acceptable ? '1' : '0';
        EXPECT_EQ(csvPassFlags(csv, i), flags) << m.number;
    }
    const Verdict verdict = checkedSetVerdict(project);
    EXPECT_EQ(verdict.points, all.points);
    EXPECT_EQ(verdict.acceptable, all.acceptable);
    EXPECT_EQ(sheetReadings, all.points);
    EXPECT_GT(all.points - all.acceptable, 0) << "the sample has points that are not acceptable";
}

} // namespace
} // namespace trellon
