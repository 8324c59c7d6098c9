// Writes the Word reports whose conversion bench/convert-word-report.sh times: both formats, for 100 and 250
// single-point members of 124 readings each and for the largest project.
#include "largestproject.h"

#include "link/framebuilder.h"
#include "link/transferframe.h"
#include "reports/normalreport.h"
#include "reports/reporttemplate.h"
#include "reports/yunnanreport.h"
#include "surveyreadings.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace {

using namespace trellon;

constexpr int singlePointReadings = 124;
constexpr CalendarDate reportDay{2024, 3, 9};

Project singlePointProject(int memberCount)
{
    SurveyReadings r(static_cast<unsigned>(memberCount));
    std::vector<InstrumentMember> members;
    for (int i = 0; i < memberCount; ++i) {
        InstrumentMember m{static_cast<std::uint16_t>(1001 + i), 0, 20, {}};
        for (int k = 0; k < singlePointReadings; ++k)
            m.readings.push_back(static_cast<std::uint8_t>(r.around(25, 8)));
        members.push_back(std::move(m));
    }
    auto received = unpackFrame(buildTransferFrame(members));
    if (!received)
        throw std::runtime_error(received.error().describe());
    return bench::editedProject(*received.value());
}

docx::DocxPackage openTemplate(std::string_view name)
{
    auto opened = openReportTemplate(TRELLON_TEMPLATE_DIR "/" + std::string(name));
    if (!opened)
        throw std::runtime_error(opened.error().describe());
    return std::move(opened.value());
}

void require(const Status& status)
{
    if (!status)
        throw std::runtime_error(status.error().describe());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: trellon-write-word-reports FOLDER\n");
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        const docx::DocxPackage normal = openTemplate(normalTemplateName);
        const docx::DocxPackage yunnan = openTemplate(yunnanTemplateName);
        for (const int members : {100, 250, bench::largestMemberCount}) {
            const Project project =
                members == bench::largestMemberCount ? bench::largestEditedProject() : singlePointProject(members);
            const std::string size = std::to_string(members);
            require(writeNormalReport(normal, layOutNormalReport(project, {}, reportDay),
                                      (folder / ("normal-" + size + ".docx")).string()));
            require(
                writeYunnanReport(yunnan, layOutYunnanRows(project), (folder / ("yunnan-" + size + ".docx")).string()));
        }
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "trellon-write-word-reports: %s\n", e.what());
        return 1;
    }
}
