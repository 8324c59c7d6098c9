// The standard's permitted deviations for the members of the lots.
#include "standardpermitteddeviations.h"

namespace trellon {

std::vector<StandardPermittedDeviations> standardPermittedDeviationsOfLots(const Project& project)
{
    std::vector<StandardPermittedDeviations> deviations;
    for (const MemberEvaluation& member : evaluateAcceptance(project).members) {
        if (member.lot)
            deviations.push_back({member.index, standardPermittedDeviations(*member.lot)});
    }
    return deviations;
}

} // namespace trellon
