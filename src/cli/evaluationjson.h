// The JSON form of an acceptance evaluation, for the evaluate command.
#pragma once

#include "evaluation/acceptanceevaluation.h"

#include <nlohmann/json.hpp>

namespace trellon::cli {

// Lots (beam, then slab) with their samples, verdicts and sample sizes, then the evaluated members (each saying
// whether a correction changed it when the values are corrected covers), then the drilling verification: its
// points checked, the corrections per diameter and the checks. Numbers that do not exist (no values, too few for a
// spread, the reading of an invalid point) are null; tenths of a millimetre are printed with one decimal. Member
// numbers and names converted from GBK to UTF-8.
nlohmann::ordered_json evaluationToJson(const Project& project, const AcceptanceEvaluation& evaluation);

} // namespace trellon::cli
