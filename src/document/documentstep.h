// One step of the document's history: what an edit changed, before and after, named in the language of the
// interface. Each kind of change is a class of its own.
#pragma once

#include "steptext.h"

#include "model/project.h"
#include "model/testmode.h"

#include <QList>
#include <QUndoCommand>

namespace trellon {

class ProjectDocument;

class DocumentStep : public QUndoCommand {
public:
    void undo() override;
    void redo() override;
    // Names the step in the language of the interface.
    void retranslate() { setText(text_.translated()); }

    // The mode and the member the step was made in; undoing or redoing it shows them again.
    TestMode mode() const { return mode_; }
    int focus() const { return focus_; }

    // Installs one side of the step (after it, or before it) in the project, with the statistics that follow;
    // the members whose records changed.
    virtual QList<int> install(Project& project, bool after) const = 0;
    // Whether the step changes the acceptance check's data.
    virtual bool changesExtension() const { return false; }

protected:
    // A part of `group` when one is given.
    DocumentStep(ProjectDocument& document, StepText text, TestMode mode, int focus, QUndoCommand* group);

private:
    ProjectDocument& document_;
    StepText text_;
    TestMode mode_;
    int focus_;
    bool done_ = false; // the first redo is the edit itself: the member is already in view
};

} // namespace trellon
