// The readable form of an acceptance evaluation, for the evaluate command.
#pragma once

#include "evaluation/acceptanceevaluation.h"

#include <ostream>

namespace trellon::cli {

// Per lot its verdict, samples with their figures and histograms, values beyond the limit (a line per member with
// their count, the worst deviation and the first six of them) and sample sizes; then one line per evaluated
// member. UTF-8.
void printEvaluationSummary(std::ostream& out, const Project& project, const AcceptanceEvaluation& evaluation);

} // namespace trellon::cli
