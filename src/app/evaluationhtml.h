// The acceptance check as a page for the evaluation window: per lot its verdict, samples, values beyond the
// limit and sample sizes, then one row per ticked member.
#pragma once

#include "evaluation/acceptanceevaluation.h"

#include <QString>

namespace trellon {

QString evaluationHtml(const Project& project, const AcceptanceEvaluation& evaluation);

} // namespace trellon
