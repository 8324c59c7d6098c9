// trellon-cli xlsx: the ticked members of a project as a workbook, and the inputs that write nothing.
#include "clirunner.h"

#include "model/gbk.h"
#include "model/projectfile.h"

#include "support/zipentry.h"

#include <gtest/gtest.h>

namespace trellon {
namespace {

using namespace trellon::testing;

const std::string sampleProject = std::string(TRELLON_SOURCE_DIR) + "/data/samples/site-survey.gj";

TEST(CliXlsx, writesTheTickedMembersOfTheProject)
{
    ScratchFolder folder;
    auto loaded = readProjectFile(sampleProject);
    ASSERT_TRUE(loaded);
    Project& project = *loaded.value().project;
    ASSERT_EQ(gbkToUtf8(project.members[1].name), "一层 KL2 梁底");
    project.members[1].checked = 0;
    const std::string input = (folder / "ticks.gj").string();
    ASSERT_TRUE(writeProjectFile(input, project).ok());

    const auto out = folder / "report.xlsx";
    const CliRun run = runCli({"xlsx", input, "-o", out.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty());
    const auto strings = zipEntry(out, "xl/sharedStrings.xml");
    ASSERT_TRUE(strings);
    EXPECT_NE(strings->find("一层 KL1 梁底(1001)"), std::string::npos);
    EXPECT_EQ(strings->find("(1002)"), std::string::npos) << "not ticked";
    const auto sheet = zipEntry(out, "xl/worksheets/sheet1.xml");
    ASSERT_TRUE(sheet);
    // 24 readings of the first member: four rows under the headings.
    EXPECT_NE(sheet->find("<mergeCell ref=\"A3:A6\"/>"), std::string::npos);
}

TEST(CliXlsx, gridBarsAreCountedFromTheReadingsAsOnOpening)
{
    ScratchFolder folder;
    auto loaded = readProjectFile(sampleProject);
    ASSERT_TRUE(loaded);
    Project& project = *loaded.value().project;
    for (MemberRecord& member : project.members)
        member.checked = 0;
    MemberRecord& grid = project.members[7];
    ASSERT_EQ(grid.number, "3001");
    ASSERT_EQ(grid.xBarCount, 8);
    ASSERT_EQ(grid.yBarCount, 7);
    grid.checked = 1;
    grid.xBarCount = 2; // stale counts in the file; the readings hold 8 X and 7 Y bars
    grid.yBarCount = 40;
    const std::string input = (folder / "stale.gj").string();
    ASSERT_TRUE(writeProjectFile(input, project).ok());

    const auto out = folder / "report.xlsx";
    const CliRun run = runCli({"xlsx", input, "-o", out.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto sheet = zipEntry(out, "xl/worksheets/sheet1.xml");
    ASSERT_TRUE(sheet);
    // 8 X and 7 Y covers: three rows, not the seven that 2 + 40 would take.
    EXPECT_NE(sheet->find("<mergeCell ref=\"A3:A5\"/>"), std::string::npos) << *sheet;
}

TEST(CliXlsx, badInputExits1AndWritesNothing)
{
    ScratchFolder folder;
    writeFile(folder / "broken.gj", "VER1.2");
    const auto out = folder / "out.xlsx";
    writeFile(out, "previous");
    for (const std::string& input : {(folder / "absent.gj").string(), (folder / "broken.gj").string()}) {
        const CliRun run = runCli({"xlsx", input, "-o", out.string()});
        EXPECT_EQ(run.status, 1) << input;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_EQ(fileContent(out), "previous");
    }
    const CliRun unwritable = runCli({"xlsx", sampleProject, "-o", (folder / "absent" / "out.xlsx").string()});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("Can't create the spreadsheet file."), std::string::npos) << unwritable.err;
    EXPECT_EQ(folder.entries(), 2u) << "no temporary file may be left";
}

} // namespace
} // namespace trellon
