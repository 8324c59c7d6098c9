// trellon-cli txt: the text report of a project.
#include "clicommand.h"

#include "reports/textexport.h"

namespace trellon::cli {

int runTxtCommand(const std::vector<std::string>& args)
{
    const Arguments arguments(args, {"-o"});
    const std::string& projectPath = arguments.onePositional("project file");
    const std::string& outputPath = arguments.requireValue("-o");
    auto loaded = openProjectWarning(projectPath);
    if (!loaded)
        return fail(loaded.error());
    Project& project = *loaded.value().project;
    if (auto written = writeTextExport(outputPath, project); !written) {
        // The export's own words name no file; the command line names the one it could not open.
        if (written.error().kind == ErrorKind::cannotOpen)
            return fail(written.error().detail + " (" + outputPath + ")");
        return fail(written.error());
    }
    return exitSuccess;
}

} // namespace trellon::cli
