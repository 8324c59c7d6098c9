// The run a judged point lies in, shared by the judged points and the verification points that name them.
#pragma once

namespace trellon {

// Single points have no run; a section's bars and a grid's X bars form the X run, a grid's Y bars the Y run.
enum class PointRun { none, x, y };

} // namespace trellon
