// trellon-cli csv: one row per reading of a project, for spreadsheets and scripts.
#include "clicommand.h"

#include "reports/csvexport.h"

namespace trellon::cli {

int runCsvCommand(const std::vector<std::string>& args)
{
    const Arguments arguments(args, {"-o"});
    const std::string& projectPath = arguments.onePositional("project file");
    const std::string& outputPath = arguments.requireValue("-o");
    auto loaded = openProjectWarning(projectPath);
    if (!loaded)
        return fail(loaded.error());
    if (auto written = writeCsvExport(outputPath, *loaded.value().project); !written)
        return fail(written.error());
    return exitSuccess;
}

} // namespace trellon::cli
