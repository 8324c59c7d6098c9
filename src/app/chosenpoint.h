// The judged point chosen in the control panel or the list window, as a verification point names it.
#pragma once

#include "model/pointrun.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace trellon {

struct ChosenPoint {
    int member = -1;
    PointRun run = PointRun::none;
    std::int32_t number = 0; // from 1 within the run
    bool operator==(const ChosenPoint&) const = default;
};

// Asks where the user's choice stands at the moment; none when no reading or bar is chosen.
using ChosenPointSource = std::function<std::optional<ChosenPoint>()>;

class CDataListView;
class ControlPanel;
class ProjectDocument;

// In the single-point mode the current row of the list window (none without one), in the section and grid modes
// the bar of the panel's grid.
std::optional<ChosenPoint> chosenPoint(const ProjectDocument& document, const ControlPanel& panel,
                                       const CDataListView* list);

} // namespace trellon
