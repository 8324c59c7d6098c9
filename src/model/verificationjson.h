// The "verification" value of the extension payload: the rules, the judging switch and the points.
#pragma once

#include "result.h"
#include "verification.h"

#include <nlohmann/json.hpp>

namespace trellon {

// {"spacer": 0.0, "minShare": 30, "minPoints": 6, "maxError": 1.0, "judgeCorrected": false, "points": [{"member": i,
// "run": "X"|"Y"|null, "point": n, "measured": 27.4, "method": "drill"|"chisel", "diameter": d|null, "note": "…"}]}.
// Tenths are written with one decimal.
nlohmann::ordered_json encodeVerification(const Verification& verification);

// Absent keys take their defaults, except a point's member, point and measured. A wrong type, a length with more
// than one decimal or outside its range, a negative member or point number, or an unknown run or method is refused.
// A point naming a member or point the project does not have is kept.
Result<Verification> decodeVerification(const nlohmann::json& value);

} // namespace trellon
