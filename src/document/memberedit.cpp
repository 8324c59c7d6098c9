// Undo and redo of member edits.
#include "memberedit.h"

namespace trellon {

MemberEdit::MemberEdit(ProjectDocument& document, const QString& text, Scope scope, std::vector<Change> changes,
                       TestMode mode, int focus)
    : QUndoCommand(text), document_(document), scope_(scope), changes_(std::move(changes)), mode_(mode), focus_(focus)
{
}

void MemberEdit::undo()
{
    document_.apply(changes_, scope_, false, true, mode_, focus_);
}

void MemberEdit::redo()
{
    document_.apply(changes_, scope_, true, done_, mode_, focus_);
    done_ = true;
}

} // namespace trellon
