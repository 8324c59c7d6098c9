// One step of the document's history: what an edit changed of some members, before and after.
#pragma once

#include "projectdocument.h"
#include "steptext.h"

#include <QUndoCommand>

#include <optional>
#include <utility>
#include <vector>

namespace trellon {

class MemberEdit final : public QUndoCommand {
public:
    using Change = ProjectDocument::Change;
    using FieldChange = ProjectDocument::FieldChange;
    using Rename = ProjectDocument::Rename;

    // Changes of the readings of members.
    MemberEdit(ProjectDocument& document, StepText text, std::vector<Change> changes, TestMode mode, int focus);
    // A change of the project's extension data.
    MemberEdit(ProjectDocument& document, StepText text, ProjectExtension before, ProjectExtension after, TestMode mode,
               int focus);
    // Changes of other fields; `figures`: they decide the statistics.
    MemberEdit(ProjectDocument& document, StepText text, std::vector<FieldChange> changes, bool figures,
               std::optional<Rename> rename, TestMode mode, int focus);

    void undo() override;
    void redo() override;
    // Names the step in the language of the interface.
    void retranslate() { setText(stepText_.translated()); }

    const std::vector<Change>& readingChanges() const { return readingChanges_; }
    const std::vector<FieldChange>& fieldChanges() const { return fieldChanges_; }
    bool changesFigures() const { return figures_; }
    const std::optional<Rename>& rename() const { return rename_; }
    // The extension data before and after, for a step that changes them.
    const std::optional<std::pair<ProjectExtension, ProjectExtension>>& extension() const { return extension_; }
    TestMode mode() const { return mode_; }
    int focus() const { return focus_; }

private:
    ProjectDocument& document_;
    StepText stepText_;
    std::vector<Change> readingChanges_;
    std::vector<FieldChange> fieldChanges_;
    bool figures_ = true;
    std::optional<Rename> rename_;
    std::optional<std::pair<ProjectExtension, ProjectExtension>> extension_;
    TestMode mode_;
    int focus_;
    bool done_ = false; // the first redo is the edit itself: the member is already in view
};

} // namespace trellon
