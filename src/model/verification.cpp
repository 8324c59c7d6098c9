// Verification points follow their readings when readings are inserted or deleted.
#include "verification.h"

#include <limits>

namespace trellon {
namespace {

bool isOnRun(const VerificationPoint& p, std::int32_t member, PointRun run)
{
    return p.member == member && p.run == run && p.point != deletedPointNumber;
}

} // namespace

void verificationPointInserted(std::vector<VerificationPoint>& points, std::int32_t member, PointRun run,
                               std::int32_t number)
{
    for (VerificationPoint& p : points) {
        // A number beyond any member's readings names nothing either way; it only must not overflow.
        if (isOnRun(p, member, run) && p.point >= number && p.point < std::numeric_limits<std::int32_t>::max())
            ++p.point;
    }
}

void verificationPointDeleted(std::vector<VerificationPoint>& points, std::int32_t member, PointRun run,
                              std::int32_t number)
{
    for (VerificationPoint& p : points) {
        if (!isOnRun(p, member, run))
            continue;
        if (p.point == number)
            p.point = deletedPointNumber;
        else if (p.point > number)
            --p.point;
    }
}

} // namespace trellon
