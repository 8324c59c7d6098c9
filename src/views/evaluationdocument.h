// The evaluation report as a text document, shown by the evaluation window and printed to PDF: the title, per lot
// its verdict sentence, samples, values beyond the limit, sample sizes, histograms and members, then the members
// outside the lots. Like the other reports it is written in Chinese.
#pragma once

#include "evaluation/acceptanceevaluation.h"

#include <QString>

#include <memory>

class QTextDocument;

namespace trellon {

inline constexpr char evaluationReportTitle[] = "钢筋保护层厚度检验评定（GB 50204-2015 附录E）";
// The project's name in the report while it has no file.
inline constexpr char untitledProjectName[] = "无标题";

// projectName names the project in the report's opening line.
std::unique_ptr<QTextDocument> evaluationDocument(const Project& project, const AcceptanceEvaluation& evaluation,
                                                  const QString& projectName);

} // namespace trellon
