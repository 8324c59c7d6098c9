// trellon-cli evaluate: the acceptance check of the ticked members, as a summary or as JSON.
#include "clicommand.h"
#include "evaluationjson.h"
#include "evaluationsummary.h"

#include "paintingapplication.h"

#include "model/atomicfile.h"
#include "views/evaluationpdf.h"

#include <QFileInfo>

#include <charconv>
#include <cstdint>
#include <iostream>
#include <optional>
#include <span>

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

Status writeEvaluationPdf(const std::string& projectPath, const Project& project,
                          const AcceptanceEvaluation& evaluation, const std::string& pdfPath)
{
    paintingApplication();
    const QByteArray pdf =
        renderEvaluationPdf(project, evaluation, QFileInfo(QString::fromStdString(projectPath)).fileName());
    if (pdf.isEmpty())
        return Error{ErrorKind::cannotWrite, "the evaluation report could not be painted into a PDF", std::nullopt};
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(pdf.constData()), static_cast<std::size_t>(pdf.size()));
    return writeFileAtomically(pdfPath, bytes, "cannot create the PDF file");
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
        if (auto written = writeEvaluationPdf(path, project, evaluation, *pdfPath); !written)
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
