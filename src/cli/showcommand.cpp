// trellon-cli show: reads a project as File > Open does and prints every member with all its fields.
#include "clicommand.h"
#include "memberfields.h"

#include "evaluation/checkedsetverdict.h"
#include "model/pagecount.h"

#include <iostream>

namespace trellon::cli {
namespace {

nlohmann::ordered_json projectToJson(const LoadedProject& loaded)
{
    const Project& project = *loaded.project;
    nlohmann::ordered_json j;
    j["format"] = formatName(loaded.format);
    j["memberCount"] = project.memberCount();
    j["members"] = nlohmann::ordered_json::array();
    for (const auto& member : project.members)
        j["members"].push_back(memberToJson(member));

    const Verdict verdict = checkedSetVerdict(project);
    j["verdict"] = {{"points", verdict.points},
                    {"acceptable", verdict.acceptable},
                    {"rate", shortestDecimal(verdict.rate)},
                    {"result", verdictText(verdict)}};
    const PageCount pages = countPrintPages(project);
    j["pages"] = {{"list", pages.list}, {"grid", pages.grid}, {"section", pages.section}, {"total", pages.total()}};
    return j;
}

void printAsText(const nlohmann::ordered_json& j)
{
    std::cout << "format: " << j["format"].get<std::string>() << '\n';
    std::cout << "memberCount: " << j["memberCount"] << '\n';
    int index = 0;
    for (const auto& member : j["members"]) {
        std::cout << "\nmember " << ++index << '\n';
        for (const auto& [field, value] : member.items())
            std::cout << "  " << field << ": " << (value.is_string() ? value.get<std::string>() : value.dump()) << '\n';
    }
    const auto& verdict = j["verdict"];
    char rate[32];
    std::snprintf(rate, sizeof rate, "%0.1f", verdict["rate"].get<double>());
    std::cout << "\nverdict: " << verdict["points"] << " points, " << verdict["acceptable"] << " acceptable, " << rate
              << "%, " << verdict["result"].get<std::string>() << '\n';
    const auto& pages = j["pages"];
    std::cout << "pages: " << pages["list"] << " list, " << pages["grid"] << " grid, " << pages["section"]
              << " section, " << pages["total"] << " in all\n";
}

} // namespace

int runShowCommand(const std::vector<std::string>& args)
{
    const Arguments arguments(args, {}, {"--json"});
    auto loaded = openProjectWarning(arguments.onePositional("project file"));
    if (!loaded)
        return fail(loaded.error());
    const auto j = projectToJson(loaded.value());
    if (arguments.has("--json"))
        std::cout << j.dump() << '\n';
    else
        printAsText(j);
    return exitSuccess;
}

} // namespace trellon::cli
