// The JSON form of an acceptance evaluation, for the evaluate command.
#pragma once

#include "evaluation/acceptanceevaluation.h"

#include <nlohmann/json.hpp>

namespace trellon::cli {

// Lots (beam, then slab) with their samples, verdicts and sample sizes, then the evaluated members; numbers that
// do not exist (no values, too few for a spread) are null. Member numbers and names converted from GBK to UTF-8.
nlohmann::ordered_json evaluationToJson(const Project& project, const AcceptanceEvaluation& evaluation);

} // namespace trellon::cli
