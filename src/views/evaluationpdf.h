// The evaluation report as an A4 PDF, with its page numbers, for the command line and the evaluation window.
#pragma once

#include "evaluation/acceptanceevaluation.h"
#include "model/result.h"

#include <QByteArray>
#include <QString>

namespace trellon {

// The PDF bytes; projectName names the project in the report and is the PDF's title. Empty when the pages could
// not be painted.
QByteArray renderEvaluationPdf(const Project& project, const AcceptanceEvaluation& evaluation,
                               const QString& projectName);

// The same written whole to the local path, or not at all.
Status writeEvaluationPdf(const std::string& path, const Project& project, const AcceptanceEvaluation& evaluation,
                          const QString& projectName);

} // namespace trellon
