// Undo and redo of the document's steps.
#include "documentstep.h"

#include "projectdocument.h"

namespace trellon {

DocumentStep::DocumentStep(ProjectDocument& document, StepText text, TestMode mode, int focus, QUndoCommand* group)
    : QUndoCommand(text.translated(), group), document_(document), text_(std::move(text)), mode_(mode), focus_(focus)
{
}

void DocumentStep::undo()
{
    document_.apply(*this, false, true);
}

void DocumentStep::redo()
{
    document_.apply(*this, true, done_);
    done_ = true;
}

} // namespace trellon
