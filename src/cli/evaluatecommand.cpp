// trellon-cli evaluate: the acceptance check of the ticked members, as a summary, as JSON or as a PDF report.
#include "clicommand.h"
#include "evaluationjson.h"
#include "evaluationsummary.h"

#include "paintingapplication.h"

#include "views/evaluationpdf.h"

#include <QFileInfo>

#include <charconv>
#include <iostream>
#include <optional>

namespace trellon::cli {
namespace {

// The --points-per-bar value, 1 to 5; none when not given.
std::optional<std::int32_t> pointsPerBarOption(const Arguments& arguments)
{
    const auto text = arguments.value("--points-per-bar");
    if (!text)
        return std::nullopt;
    std::int32_t k = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), k);
    if (error != std::errc() || end != text->data() + text->size() || k < 1 || k > maxPointsPerBar)
        throw UsageError("--points-per-bar needs a whole number from 1 to " + std::to_string(maxPointsPerBar));
    return k;
}

} // namespace

int runEvaluateCommand(const std::vector<std::string>& args)
{
    const Arguments arguments(args, {"--points-per-bar", "--pdf"}, {"--json"});
    const std::string& path = arguments.onePositional("project file");
    const std::optional<std::int32_t> pointsPerBar = pointsPerBarOption(arguments);
    auto loaded = openProjectWarning(path);
    if (!loaded)
        return fail(loaded.error());
    const Project& project = *loaded.value().project;
    const AcceptanceEvaluation evaluation =
        evaluateAcceptance(project, pointsPerBar.value_or(project.extension.pointsPerBar));
    const std::optional<std::string> pdfPath = arguments.value("--pdf");
    if (pdfPath) {
        paintingApplication();
        const QString projectName = QFileInfo(QString::fromStdString(path)).fileName();
        if (auto written = writeEvaluationPdf(*pdfPath, project, evaluation, projectName); !written)
            return fail(written.error());
    }
    // With a report to write, the summary is left out; JSON is printed when asked for.
    if (arguments.has("--json"))
        std::cout << evaluationToJson(project, evaluation).dump() << '\n';
    else if (!pdfPath)
        printEvaluationSummary(std::cout, project, evaluation);
    return exitSuccess;
}

} // namespace trellon::cli
