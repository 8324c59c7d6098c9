// The largest project of the benchmarks.
#include "largestproject.h"

#include "evaluation/statistics.h"
#include "link/transferframe.h"
#include "model/gbk.h"
#include "surveyreadings.h"

#include <stdexcept>
#include <string>

namespace trellon::bench {

std::vector<InstrumentMember> largestMembers()
{
    constexpr int perMode = largestMemberCount / 4;
    constexpr std::size_t others = 62 * 2 + (2 + 20 * 3 + 3 + 20 * 3) + (2 + 41 * 3);
    constexpr std::size_t singles = largestSampleArea - perMode * others;
    SurveyReadings r(1004u);
    std::vector<InstrumentMember> members;
    for (int i = 0; i < perMode; ++i) {
        const auto index = static_cast<std::uint16_t>(i + 1);
        InstrumentMember single{static_cast<std::uint16_t>(1000 + index), 0, 20, {}};
        const std::size_t count = singles / perMode + (static_cast<std::size_t>(i) < singles % perMode ? 1 : 0);
        for (std::size_t k = 0; k < count; ++k)
            single.readings.push_back(static_cast<std::uint8_t>(r.around(25, 8)));
        members.push_back(std::move(single));

        InstrumentMember pairs{static_cast<std::uint16_t>(2000 + index), 0, 18, {}};
        for (int k = 0; k < 62; ++k) {
            pairs.readings.push_back(static_cast<std::uint8_t>(r.around(25, 8)));
            pairs.readings.push_back(static_cast<std::uint8_t>(18 + 2 * r.around(0, 1)));
        }
        members.push_back(std::move(pairs));

        InstrumentMember grid{
            static_cast<std::uint16_t>(3000 + index), 10, 12, {170, static_cast<std::uint8_t>(1 + i % 4)}};
        r.appendBarRun(grid.readings, 20, 15, 200);
        grid.readings.insert(grid.readings.end(), {187, 187, 187});
        r.appendBarRun(grid.readings, 20, 25, 200);
        members.push_back(std::move(grid));

        InstrumentMember section{
            static_cast<std::uint16_t>(4000 + index), 0, 20, {170, static_cast<std::uint8_t>(1 + i % 4)}};
        r.appendBarRun(section.readings, 41, 25, 150);
        members.push_back(std::move(section));
    }
    return members;
}

Project editedProject(const Project& received)
{
    const std::string name = systemText("三层 KL10 梁底 ");
    Project edited = received;
    for (MemberRecord& m : edited.members) {
        m.name = name + m.number;
        m.designCover = m.number.front() == '3' ? 15 : 25;
        m.lowerDeviation = -7;
        m.upperDeviation = 10;
        if (m.number.front() == '2')
            m.designDiameter = 18;
        m.checked = 1;
    }
    recomputeStatistics(edited);
    return edited;
}

Project largestEditedProject()
{
    const auto members = largestMembers();
    auto received = unpackFrame(buildTransferFrame(members));
    if (!received)
        throw std::runtime_error(received.error().describe());
    return editedProject(*received.value());
}

Project largestMixedProject()
{
    Project project = largestEditedProject();
    const char* const names[] = {"三层 KL10 梁底 ", "三层 LB3 板底 ", "二层 XL1 悬挑梁 ", "二层 XB2 悬挑板 ",
                                 "一层 Q1 剪力墙 "};
    for (std::size_t i = 0; i < project.members.size(); ++i) {
        MemberRecord& m = project.members[i];
        m.name = systemText(names[i % std::size(names)]) + m.number;
    }
    return project;
}

} // namespace trellon::bench
