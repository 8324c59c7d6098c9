// Generates the bundled sample: a recorded transfer of a site survey, the project a transfer writes from it,
// and the same project after the office has entered names, design covers and ticks.
#include "link/framebuilder.h"
#include "link/transferframe.h"
#include "model/atomicfile.h"
#include "model/gbk.h"
#include "model/projectfile.h"
#include "surveyreadings.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace trellon;

struct Design {
    const char* name; // UTF-8
    int cover;
    int lower;
    int upper;
    int diameter;
};

struct SampleMember {
    InstrumentMember instrument;
    Design design;
};

std::vector<SampleMember> siteSurvey()
{
    SurveyReadings r(20261208u);
    std::vector<SampleMember> members;
    auto single = [&](std::uint16_t number, Design design, int count) {
        InstrumentMember m{number, 0, static_cast<std::uint8_t>(design.diameter), {}};
        for (int i = 0; i < count; ++i)
            m.readings.push_back(static_cast<std::uint8_t>(r.around(design.cover, 8)));
        members.push_back({m, design});
    };
    auto pairs = [&](std::uint16_t number, Design design, int count) {
        InstrumentMember m{number, 0, static_cast<std::uint8_t>(design.diameter), {}};
        for (int i = 0; i < count; ++i) {
            m.readings.push_back(static_cast<std::uint8_t>(r.around(design.cover, 8)));
            m.readings.push_back(static_cast<std::uint8_t>(design.diameter + 2 * r.around(0, 1)));
        }
        members.push_back({m, design});
    };
    auto section = [&](std::uint16_t number, Design design, int scale, int bars, int spacing) {
        InstrumentMember m{
            number, 0, static_cast<std::uint8_t>(design.diameter), {170, static_cast<std::uint8_t>(scale)}};
        r.appendBarRun(m.readings, bars, design.cover, spacing);
        members.push_back({m, design});
    };
    auto grid = [&](std::uint16_t number, Design design, int scale, int xBars, int yBars, bool separator,
                    int spacing) {
        InstrumentMember m{number,
                           static_cast<std::uint8_t>(design.diameter - 2),
                           static_cast<std::uint8_t>(design.diameter),
                           {170, static_cast<std::uint8_t>(scale)}};
        r.appendBarRun(m.readings, xBars, design.cover, spacing);
        if (separator) {
            m.readings.insert(m.readings.end(), {187, 187, 187});
            r.appendBarRun(m.readings, yBars, design.cover + 10, spacing);
        }
        members.push_back({m, design});
    };

    // Bar spacings keep every bar within the axis of its scale code: 500, 1000 and 2000 mm for codes 1 to 3.
    single(1001, {"一层 KL1 梁底", 25, -7, 10, 20}, 24);
    single(1002, {"一层 KL2 梁底", 25, -7, 10, 22}, 18);
    single(1003, {"一层 KZ3 柱", 30, -7, 10, 25}, 12);
    single(1004, {"一层 LB1 板底", 15, -5, 8, 10}, 31);
    section(4001, {"二层 KL5 梁侧", 25, -7, 10, 20}, 1, 6, 65);
    pairs(2001, {"二层 KL6 梁底", 25, -7, 10, 18}, 15);
    pairs(2002, {"二层 Q1 剪力墙", 15, -5, 8, 12}, 9);
    grid(3001, {"二层 LB3 板 网格", 15, -5, 8, 12}, 2, 8, 7, true, 110);
    section(4002, {"二层 KZ7 柱", 30, -7, 10, 25}, 2, 9, 95);
    section(4003, {"三层 Q2 墙", 15, -5, 8, 12}, 3, 14, 130);
    grid(3002, {"三层 LB4 板 网格", 15, -5, 8, 10}, 3, 12, 10, true, 150);
    single(1005, {"三层 KL9 梁底", 25, -7, 10, 20}, 0);
    grid(3003, {"三层 WB1 屋面板", 15, -5, 8, 10}, 4, 6, 0, false, 200);
    section(4004, {"三层 KL10 梁底", 25, -7, 10, 22}, 4, 20, 300);
    pairs(2003, {"三层 Q3 剪力墙", 15, -5, 8, 12}, 21);
    return members;
}

bool write(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    if (auto status = writeFileAtomically(path, bytes, "cannot create " + path); !status) {
        std::fprintf(stderr, "make-sample-data: %s\n", status.error().describe().c_str());
        return false;
    }
    std::printf("%s\n", path.c_str());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-sample-data FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const auto survey = siteSurvey();
    std::vector<InstrumentMember> instrument;
    for (const auto& m : survey)
        instrument.push_back(m.instrument);
    const auto frame = buildTransferFrame(instrument);
    auto received = unpackFrame(frame);
    if (!received) {
        std::fprintf(stderr, "make-sample-data: %s\n", received.error().describe().c_str());
        return 1;
    }

    Project edited = *received.value();
    for (std::size_t i = 0; i < survey.size(); ++i) {
        MemberRecord& m = edited.members[i];
        const Design& d = survey[i].design;
        m.name = systemText(d.name);
        m.designCover = d.cover;
        m.lowerDeviation = d.lower;
        m.upperDeviation = d.upper;
        if (m.number.front() == '2')
            m.designDiameter = d.diameter;
        m.checked = 1;
    }
    const bool ok = write(folder + "/site-survey.transfer", frame) &&
                    write(folder + "/site-survey-received.gj", encodeProjectFile(*received.value())) &&
                    write(folder + "/site-survey.gj", encodeProjectFile(edited));
    return ok ? 0 : 1;
}
