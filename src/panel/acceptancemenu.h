// The member list's context menu: member type and second-sample flag of the acceptance check, for the member
// clicked, the ticked members or all of them.
#pragma once

#include <memory>
#include <vector>

class QMenu;
class QWidget;

namespace trellon {

class ProjectDocument;

// The menu for the member at memberIndex; its actions make undoable steps of the document, which outlives it.
std::unique_ptr<QMenu> makeAcceptanceMenu(ProjectDocument& document, int memberIndex, QWidget* parent);

} // namespace trellon
