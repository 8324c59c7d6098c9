// The evaluation report's section on the drilling verification: whether the verdicts judge readings or corrected
// covers, the verification points, the corrections per diameter and the checks.
#pragma once

#include "evaluationreport.h"

#include <vector>

namespace trellon {

inline constexpr char verificationSectionTitle[] = "钻孔、剔凿验证与修正";

// The section's blocks; none when the project's verification holds nothing.
std::vector<ReportBlock> verificationSection(const Project& project, const AcceptanceEvaluation& evaluation);

} // namespace trellon
