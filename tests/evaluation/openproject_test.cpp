// Opening a project: the reader, bar counts recounted once and statistics computed; the file is only read.
#include "evaluation/openproject.h"
#include "evaluation/statistics.h"
#include "model/barcounts.h"
#include "model/testmode.h"
#include "settingsfolder.h"

#include <gtest/gtest.h>

namespace trellon {
namespace {

const std::string sample = TRELLON_SOURCE_DIR "/data/samples/site-survey.gj";

bool hasBarRunsToCount(const MemberRecord& m)
{
    return testModeDigit(m) == TestModeDigit::grid || testModeDigit(m) == TestModeDigit::section;
}

TEST(OpenProject, bundledSampleIsReadCountedAndComputed)
{
    auto opened = openProject(sample);
    ASSERT_TRUE(opened) << opened.error().describe();
    EXPECT_EQ(opened.value().format, ProjectFileFormat::ver12);

    auto read = readProjectFile(sample);
    ASSERT_TRUE(read);
    Project expected = *read.value().project;
    recomputeStatistics(expected);
    EXPECT_EQ(*opened.value().project, expected) << "the sample's stored counts already agree with its readings";

    int barMembers = 0;
    for (const MemberRecord& m : opened.value().project->members) {
        if (!hasBarRunsToCount(m))
            continue;
        ++barMembers;
        EXPECT_EQ((BarCounts{m.xBarCount, m.yBarCount}), countBars(m)) << m.number;
    }
    EXPECT_GT(barMembers, 0);
    EXPECT_EQ(opened.value().project->members[0].passCount, 23) << "statistics are computed";
}

TEST(OpenProject, wrongStoredCountsAreCorrectedInMemoryOnly)
{
    auto read = readProjectFile(sample);
    ASSERT_TRUE(read);
    Project damaged = *read.value().project;
    Project counted = damaged;
    recomputeStatistics(counted);
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < damaged.members.size(); ++i) {
        MemberRecord& m = damaged.members[i];
        if (!hasBarRunsToCount(m))
            continue;
        m.xBarCount = m.xBarCount * 40 + 7; // more bars than the readings hold
        m.yBarCount = testModeDigit(m) == TestModeDigit::grid ? 0 : 3;
        changed.push_back(i);
    }
    ASSERT_FALSE(changed.empty());

    testing::SettingsFolder folder;
    const std::string path = folder.file("damaged.gj");
    ASSERT_TRUE(writeProjectFile(path, damaged));
    const std::vector<std::uint8_t> bytesBefore = folder.content("damaged.gj");

    auto opened = openProject(path);
    ASSERT_TRUE(opened) << opened.error().describe();
    for (const std::size_t i : changed) {
        const MemberRecord& m = opened.value().project->members[i];
        EXPECT_EQ(m.xBarCount, counted.members[i].xBarCount) << m.number;
        EXPECT_EQ(m.yBarCount, counted.members[i].yBarCount) << m.number;
        EXPECT_EQ(m.meanCover, counted.members[i].meanCover) << "statistics run on the corrected counts";
        EXPECT_EQ(m.passRatio, counted.members[i].passRatio) << m.number;
    }
    EXPECT_EQ(folder.content("damaged.gj"), bytesBefore);
}

TEST(OpenProject, readerErrorsComeBackUnchanged)
{
    testing::SettingsFolder folder;
    auto missing = openProject(folder.file("absent.gj"));
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().kind, ErrorKind::cannotOpen);

    folder.put("short.gj", {'V', 'E', 'R', '1', '.', '2', 0, 0, 0, 0, 1, 0});
    auto truncated = openProject(folder.file("short.gj"));
    ASSERT_FALSE(truncated);
    EXPECT_EQ(truncated.error().detail, readProjectFile(folder.file("short.gj")).error().detail);
}

} // namespace
} // namespace trellon
