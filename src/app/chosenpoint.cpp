// The chosen reading or bar.
#include "chosenpoint.h"

#include "document/projectdocument.h"
#include "panel/controlpanel.h"
#include "widgets/cdatalistview.h"

namespace trellon {

std::optional<ChosenPoint> chosenPoint(const ProjectDocument& document, const ControlPanel& panel,
                                       const CDataListView* list)
{
    if (document.currentTestMode() == TestMode::singlePoint) {
        if (list == nullptr || document.member(document.selectedMember()) == nullptr || list->currentRow() < 0)
            return std::nullopt;
        return ChosenPoint{document.selectedMember(), PointRun::none, list->currentRow() + 1};
    }
    const auto bar = panel.chosenBar();
    if (!bar)
        return std::nullopt;
    return ChosenPoint{panel.shownMember(), bar->first == BarRun::gridY ? PointRun::y : PointRun::x, bar->second + 1};
}

} // namespace trellon
