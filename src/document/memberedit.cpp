// Undo and redo of member edits.
#include "memberedit.h"

namespace trellon {

MemberEdit::MemberEdit(ProjectDocument& document, StepText text, std::vector<Change> changes, TestMode mode, int focus)
    : QUndoCommand(text.translated()), document_(document), stepText_(std::move(text)),
      readingChanges_(std::move(changes)), mode_(mode), focus_(focus)
{
}

MemberEdit::MemberEdit(ProjectDocument& document, StepText text, std::vector<FieldChange> changes, bool figures,
                       std::optional<Rename> rename, TestMode mode, int focus)
    : QUndoCommand(text.translated()), document_(document), stepText_(std::move(text)),
      fieldChanges_(std::move(changes)), figures_(figures), rename_(std::move(rename)), mode_(mode), focus_(focus)
{
}

MemberEdit::MemberEdit(ProjectDocument& document, StepText text, ProjectExtension before, ProjectExtension after,
                       TestMode mode, int focus)
    : QUndoCommand(text.translated()), document_(document), stepText_(std::move(text)),
      extension_(std::make_pair(std::move(before), std::move(after))), mode_(mode), focus_(focus)
{
}

void MemberEdit::undo()
{
    document_.apply(*this, false, true);
}

void MemberEdit::redo()
{
    document_.apply(*this, true, done_);
    done_ = true;
}

} // namespace trellon
