// trellon-cli docx: the Word inspection report of the checked members, in the normal or the Yunnan format, the
// normal one concluded on the project's basis or the one --conclusion names.
#include "clicommand.h"

#include "model/reportparametersfile.h"
#include "reports/normalreport.h"
#include "reports/reporttemplate.h"
#include "reports/yunnanreport.h"

#include <ctime>
#include <filesystem>
#include <system_error>

namespace trellon::cli {
namespace {

std::filesystem::path programDir()
{
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : self.parent_path();
}

CalendarDate localToday()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

ReportFormat formatNamed(const std::string& name)
{
    if (name == "normal")
        return ReportFormat::normal;
    if (name == "yunnan")
        return ReportFormat::yunnan;
    throw UsageError("--format takes normal or yunnan");
}

ConclusionBasis basisNamed(const std::string& name)
{
    if (name == "rate")
        return ConclusionBasis::rate;
    if (name == "appendix-e")
        return ConclusionBasis::appendixE;
    throw UsageError("--conclusion takes rate or appendix-e");
}

} // namespace

int runDocxCommand(const std::vector<std::string>& args)
{
    const Arguments arguments(args, {"-o", "--format", "--params", "--conclusion"});
    const std::string& projectPath = arguments.onePositional("project file");
    const std::string& outputPath = arguments.requireValue("-o");
    const ReportFormat format = formatNamed(arguments.value("--format").value_or("normal"));
    const auto basisName = arguments.value("--conclusion");
    const std::optional<ConclusionBasis> basis = basisName ? std::optional(basisNamed(*basisName)) : std::nullopt;

    ReportParameters parameters;
    if (const auto paramsPath = arguments.value("--params")) {
        auto read = readReportParametersFile(*paramsPath);
        if (!read)
            return fail(read.error());
        parameters = std::move(read.value());
    }
    auto loaded = openProjectWarning(projectPath);
    if (!loaded)
        return fail(loaded.error());
    Project& project = *loaded.value().project;
    // For this report only; the file keeps its own basis.
    if (basis)
        project.extension.conclusionBasis = *basis;

    const auto templateName = format == ReportFormat::normal ? normalTemplateName : yunnanTemplateName;
    const std::string templatePath = findReportTemplate(programDir(), templateName).string();
    auto reportTemplate = openReportTemplate(templatePath);
    if (!reportTemplate)
        return fail(reportTemplate.error());

    const Status written = format == ReportFormat::normal
                               ? writeNormalReport(reportTemplate.value(),
                                                   layOutNormalReport(project, parameters, localToday()), outputPath)
                               : writeYunnanReport(reportTemplate.value(), layOutYunnanRows(project), outputPath);
    if (!written)
        return fail(written.error());
    return exitSuccess;
}

} // namespace trellon::cli
