// The evaluation report as an A4 PDF, with its page numbers, for the command line and the evaluation window.
#pragma once

#include "pageddocument.h"

#include "evaluation/evaluationreport.h"
#include "model/result.h"

#include <QByteArray>
#include <QString>

namespace trellon {

class EvaluationPages;

// The report of the evaluation dated today; projectName names the project in it.
EvaluationReport evaluationReportOfToday(const Project& project, const AcceptanceEvaluation& evaluation,
                                         const QString& projectName);

// The PDF bytes of laid-out pages, titled with the project's name, telling progress after each page. Empty when
// the pages could not be painted or progress stopped them.
QByteArray renderEvaluationPdf(const EvaluationPages& pages, const QString& projectName,
                               const PageProgress& progress = {});

// The same from the evaluation.
QByteArray renderEvaluationPdf(const Project& project, const AcceptanceEvaluation& evaluation,
                               const QString& projectName);

// The report written whole to the local path, or not at all.
Status writeEvaluationPdf(const std::string& path, const Project& project, const AcceptanceEvaluation& evaluation,
                          const QString& projectName);
Status writeEvaluationPdf(const std::string& path, const EvaluationPages& pages, const QString& projectName,
                          const PageProgress& progress = {});

} // namespace trellon
