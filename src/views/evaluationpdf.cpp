// Evaluation report PDF.
#include "evaluationpdf.h"

#include "evaluationpages.h"
#include "pdfpages.h"

#include <QDate>

namespace trellon {
namespace {

constexpr char evaluationUnpainted[] = "the evaluation report could not be painted into a PDF";

} // namespace

EvaluationReport evaluationReportOfToday(const Project& project, const AcceptanceEvaluation& evaluation,
                                         const QString& projectName)
{
    return evaluationReport(project, evaluation, projectName.toStdString(),
                            QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")).toStdString());
}

QByteArray renderEvaluationPdf(const EvaluationPages& pages, const QString& projectName, const PageProgress& progress)
{
    return renderPdfPages(pages, projectName, progress);
}

QByteArray renderEvaluationPdf(const Project& project, const AcceptanceEvaluation& evaluation,
                               const QString& projectName)
{
    return renderEvaluationPdf(EvaluationPages(evaluationReportOfToday(project, evaluation, projectName)), projectName);
}

Status writeEvaluationPdf(const std::string& path, const Project& project, const AcceptanceEvaluation& evaluation,
                          const QString& projectName)
{
    return writePdfFile(path, renderEvaluationPdf(project, evaluation, projectName), evaluationUnpainted);
}

Status writeEvaluationPdf(const std::string& path, const EvaluationPages& pages, const QString& projectName,
                          const PageProgress& progress)
{
    return writePdfFile(path, renderEvaluationPdf(pages, projectName, progress), evaluationUnpainted);
}

} // namespace trellon
