// Counting the received members by test mode: readings as their judged points, bars as the diagrams count them.
#include "transfersummary.h"

#include "evaluation/coverjudgement.h"
#include "model/barcounts.h"
#include "model/testmode.h"

#include <algorithm>

namespace trellon {

TransferSummary summarizeTransfer(const Project& project)
{
    TransferSummary summary;
    for (const MemberRecord& member : project.members) {
        switch (testModeDigit(member)) {
        case TestModeDigit::singleKnownDiameter:
        case TestModeDigit::singleMeasuredDiameter:
            ++summary.singlePointMembers;
            summary.singlePointReadings += judgedPointCount(member);
            break;
        case TestModeDigit::section:
            ++summary.sectionMembers;
            summary.sectionBars += countBars(member).x;
            break;
        case TestModeDigit::grid: {
            const BarCounts bars = countBars(member);
            ++summary.gridMembers;
            summary.gridBars += bars.x + std::max(bars.y, 0);
            break;
        }
        default:
            ++summary.otherMembers;
            break;
        }
    }
    return summary;
}

} // namespace trellon
