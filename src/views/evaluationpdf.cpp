// Evaluation report PDF.
#include "evaluationpdf.h"

#include "evaluationpages.h"
#include "pdfpages.h"

#include "model/atomicfile.h"

#include <QDate>

#include <cstdint>
#include <span>

namespace trellon {

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
    const QByteArray pdf = renderEvaluationPdf(project, evaluation, projectName);
    if (pdf.isEmpty())
        return Error{ErrorKind::cannotWrite, "the evaluation report could not be painted into a PDF", std::nullopt};
    const std::span bytes(reinterpret_cast<const std::uint8_t*>(pdf.constData()), static_cast<std::size_t>(pdf.size()));
    return writeFileAtomically(path, bytes, "cannot create the PDF file");
}

} // namespace trellon
