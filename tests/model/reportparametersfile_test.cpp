// Report parameters file: exact layout, date clamping, short files and probing.
#include "model/bytes.h"
#include "model/gbk.h"
#include "model/reportparametersfile.h"
#include "settingsfolder.h"

#include <gtest/gtest.h>

namespace trellon {
namespace {

using namespace trellon::testing;

ReportParameters distinctParameters()
{
    ReportParameters p;
    p.reportNumber = "BG-2014-007";
    p.projectName = "滨江花园3号楼";
    p.strengthGrade = "C30";
    p.startDate = {2013, 11, 4};
    p.testDate = {2014, 6, 28};
    p.address = "江北路18号";
    p.structure = "框架";
    p.instrument = "钢筋扫描仪";
    p.staff = "甲, 乙";
    p.testContent = "保护层厚度";
    p.client = "委托方";
    p.testUnit = "检测站";
    p.builder = "建工";
    p.supervisor = "监理";
    p.designer = "设计院";
    return p;
}

TEST(ReportParametersFileLayout, fieldsSitAtTheirOffsets)
{
    const auto p = distinctParameters();
    auto encoded = encodeReportParametersFile(p);
    ASSERT_TRUE(encoded);
    const auto& bytes = encoded.value();
    ASSERT_EQ(bytes.size(), 2654u);

    std::vector<std::uint8_t> magic(30, 0);
    std::copy(reportParametersMagic.begin(), reportParametersMagic.end(), magic.begin());
    EXPECT_EQ(slice(bytes, 0, 30), magic);

    const std::string texts[] = {p.reportNumber, p.projectName, p.strengthGrade, p.address, p.structure,
                                 p.instrument,   p.staff,       p.testContent,   p.client,  p.testUnit,
                                 p.builder,      p.supervisor,  p.designer};
    for (std::size_t i = 0; i < 13; ++i) {
        std::vector<std::uint8_t> field(200, 0);
        const std::string gbk = systemText(texts[i]);
        std::copy(gbk.begin(), gbk.end(), field.begin());
        EXPECT_EQ(slice(bytes, 30 + 200 * i, 200), field) << "text field " << i;
    }
    EXPECT_EQ(readInt32Le(bytes, 2630), 2013);
    EXPECT_EQ(readInt32Le(bytes, 2634), 11);
    EXPECT_EQ(readInt32Le(bytes, 2638), 4);
    EXPECT_EQ(readInt32Le(bytes, 2642), 2014);
    EXPECT_EQ(readInt32Le(bytes, 2646), 6);
    EXPECT_EQ(readInt32Le(bytes, 2650), 28);
}

TEST(ReportParametersFileLayout, overlongTextIsCutAtACharacterBoundaryInsideItsField)
{
    auto p = distinctParameters();
    p.projectName = "a";
    for (int i = 0; i < 120; ++i)
        p.projectName += "楼";
    const auto bytes = encodeReportParametersFile(p).value();
    EXPECT_EQ(bytes[230 + 199], 0);
    EXPECT_EQ(slice(bytes, 430, 3), bytesOfText("C30")) << "the next field is untouched";
    EXPECT_EQ(decodeReportParametersFile(bytes, ReportParameters{}).projectName, p.projectName.substr(0, 1 + 99 * 3));
}

TEST(ReportParametersFileDates, outOfRangePartsAreClamped)
{
    EXPECT_EQ(clampedReportDate(2040, 13, 40), (CalendarDate{1971, 1, 1}));
    EXPECT_EQ(clampedReportDate(1970, 1, 1), (CalendarDate{1971, 1, 1}));
    EXPECT_EQ(clampedReportDate(2037, 12, 31), (CalendarDate{2037, 12, 31}));
    EXPECT_EQ(clampedReportDate(2014, 0, 0), (CalendarDate{2014, 1, 1}));
    EXPECT_EQ(clampedReportDate(2014, 2, 31), (CalendarDate{2014, 3, 3})) << "runs on into March";
    EXPECT_EQ(clampedReportDate(2016, 2, 29), (CalendarDate{2016, 2, 29}));

    auto bytes = encodeReportParametersFile(distinctParameters()).value();
    storeInt32Le(bytes, 2630, 2040);
    storeInt32Le(bytes, 2634, 13);
    storeInt32Le(bytes, 2638, 40);
    EXPECT_EQ(decodeReportParametersFile(bytes, ReportParameters{}).startDate, (CalendarDate{1971, 1, 1}));
}

TEST(ReportParametersFileReading, shortFileKeepsTheDefaultsForMissingFields)
{
    const auto whole = encodeReportParametersFile(distinctParameters()).value();
    const ReportParameters defaults;

    const auto texts = decodeReportParametersFile(slice(whole, 0, 700), defaults);
    EXPECT_EQ(texts.reportNumber, "BG-2014-007");
    EXPECT_EQ(texts.strengthGrade, "C30");
    EXPECT_EQ(texts.address, "江北路18号") << "a field cut short is read up to its NUL";
    EXPECT_EQ(texts.structure, defaults.structure);
    EXPECT_EQ(texts.startDate, defaults.startDate);

    const auto oneDate = decodeReportParametersFile(slice(whole, 0, 2650), defaults);
    EXPECT_EQ(oneDate.designer, "设计院");
    EXPECT_EQ(oneDate.startDate, (CalendarDate{2013, 11, 4}));
    EXPECT_EQ(oneDate.testDate, defaults.testDate) << "a date missing its day keeps the default";
}

TEST(ReportParametersFileProbing, createdThenReadAndDamagedFilesSkipped)
{
    SettingsFolder folder;
    const auto created = loadReportSettings(folder.path(), ReportParameters{});
    EXPECT_EQ(created.outcome, SettingsFileOutcome::created);
    const auto bytes = folder.content("VODReportSet0.ini");
    ASSERT_EQ(bytes.size(), 2654u);
    EXPECT_EQ(readInt32Le(bytes, 2630), 1970) << "the zero time's date is stored as held";

    const auto reread = loadReportSettings(folder.path(), ReportParameters{});
    EXPECT_EQ(reread.outcome, SettingsFileOutcome::read);
    EXPECT_FALSE(reread.values.startDate.isChosen()) << "a new file's dates were never chosen, not 1971-01-01";
    EXPECT_FALSE(reread.values.testDate.isChosen());
    EXPECT_EQ(reread.values.reportNumber, "填写报告编号");

    auto damaged = bytes;
    damaged[3] = 0;
    folder.put("VODReportSet0.ini", damaged);
    folder.put("VODReportSet1.ini", encodeReportParametersFile(distinctParameters()).value());
    const auto fromNext = loadReportSettings(folder.path(), ReportParameters{});
    EXPECT_EQ(fromNext.outcome, SettingsFileOutcome::read);
    EXPECT_EQ(fromNext.index, 1);
    EXPECT_EQ(fromNext.values, distinctParameters());

    ASSERT_TRUE(saveReportSettings(folder.path(), distinctParameters()));
    EXPECT_EQ(folder.content("VODReportSet0.ini"), encodeReportParametersFile(distinctParameters()).value());
}

} // namespace
} // namespace trellon
