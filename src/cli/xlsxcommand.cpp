// trellon-cli xlsx: the spreadsheet report of a project's ticked members.
#include "clicommand.h"

#include "reports/excelreport.h"
#include "reports/spreadsheetwriter.h"

namespace trellon::cli {

int runXlsxCommand(const std::vector<std::string>& args)
{
    const Arguments arguments(args, {"-o"});
    const std::string& projectPath = arguments.onePositional("project file");
    const std::string& outputPath = arguments.requireValue("-o");
    auto loaded = openProjectWarning(projectPath);
    if (!loaded)
        return fail(loaded.error());
    Project& project = *loaded.value().project;
    const auto writer = SpreadsheetWriter::start();
    if (!writer)
        return fail(writer.error());
    if (auto written = writer.value().write(outputPath, layoutExcelReport(project)); !written)
        return fail(written.error());
    return exitSuccess;
}

} // namespace trellon::cli
