// Standard deviations of the lots.
#include "standarddeviations.h"

#include "acceptanceevaluation.h"

namespace trellon {

std::vector<StandardDeviations> standardDeviationsOfLots(const Project& project)
{
    std::vector<StandardDeviations> deviations;
    for (const MemberEvaluation& member : evaluateAcceptance(project).members) {
        if (member.lot == LotKind::beam)
            deviations.push_back({member.index, 10, -7});
        else if (member.lot == LotKind::slab)
            deviations.push_back({member.index, 8, -5});
    }
    return deviations;
}

} // namespace trellon
