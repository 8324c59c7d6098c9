// A step that changes the acceptance check's data: member types, second-sample flags, points per bar, populations,
// the conclusion basis and the drilling verification.
#pragma once

#include "documentstep.h"

namespace trellon {

class ExtensionStep final : public DocumentStep {
public:
    ExtensionStep(ProjectDocument& document, StepText text, ProjectExtension before, ProjectExtension after,
                  TestMode mode, int focus, QUndoCommand* group = nullptr);

    QList<int> install(Project& project, bool after) const override;
    bool changesExtension() const override { return true; }

private:
    ProjectExtension before_;
    ProjectExtension after_;
};

} // namespace trellon
