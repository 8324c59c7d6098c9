// One step of the document's history: records of some members before and after an edit.
#pragma once

#include "projectdocument.h"

#include <QUndoCommand>

#include <vector>

namespace trellon {

class MemberEdit final : public QUndoCommand {
public:
    using Change = ProjectDocument::Change;
    using Scope = ProjectDocument::Scope;

    MemberEdit(ProjectDocument& document, const QString& text, Scope scope, std::vector<Change> changes, TestMode mode,
               int focus);

    void undo() override;
    void redo() override;

private:
    ProjectDocument& document_;
    Scope scope_;
    std::vector<Change> changes_;
    TestMode mode_;
    int focus_;
    bool done_ = false; // the first redo is the edit itself: the member is already in view
};

} // namespace trellon
