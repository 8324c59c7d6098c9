// The project document: the loaded project, the file it belongs to, whether it changed since, the one selection
// every window shows, and the history of its edits. Every change of the data is one of its typed, undoable edits.
#pragma once

#include "fieldsstep.h"
#include "readingsstep.h"
#include "steptext.h"

#include "evaluation/standardpermitteddeviations.h"
#include "model/baredits.h"
#include "model/designvalues.h"
#include "model/project.h"
#include "model/readingedits.h"
#include "model/testmode.h"

#include <QList>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QUndoStack;

namespace trellon {

// The acceptance data the project information sets on its members besides the design values, each only when
// the user changed it there.
struct AcceptanceChanges {
    bool setsType = false;
    std::optional<MemberType> type; // none: inferred from the name
    bool setsSecondSample = false;
    bool secondSample = false;
};

class ProjectDocument final : public QObject {
    Q_OBJECT

public:
    explicit ProjectDocument(QObject* parent = nullptr);
    ~ProjectDocument() override;

    // Null while no project is loaded.
    const Project* project() const { return project_.get(); }
    // The member at index, or null outside the project.
    const MemberRecord* member(int index) const;
    std::int32_t memberCount() const { return project_ ? project_->memberCount() : 0; }

    // The file the project was opened from or last saved to; empty for none.
    const std::string& currentFilePath() const { return currentFilePath_; }

    // Changed since it was opened, received or saved.
    bool isModified() const;
    // The project was written to path: it now belongs to that file and is unchanged from it.
    void markSaved(std::string path);

    // The panel's test mode and the array index of the member chosen in it (-1: none). Every view reads these.
    TestMode currentTestMode() const { return testMode_; }
    int selectedMember() const { return selectedMember_; }
    // Chooses the mode and the member; a member that is not of the mode, or none, selects nothing.
    void select(TestMode mode, int memberIndex);

    // The history of the edits: what can be undone and redone, and the names of the steps.
    bool canUndo() const;
    bool canRedo() const;
    QString undoText() const;
    QString redoText() const;
    void undo();
    void redo();
    // Steps in the history, done and undone, and the name of each, the oldest first.
    int stepCount() const;
    QString stepText(int step) const;
    // Names every step of the history in the interface's language.
    void retranslateHistory();

    // Installs a complete project in place of the loaded one and forgets the history. `modified`: the project is
    // not what the file holds (a recovered project, a transfer that wrote no file).
    void replaceProject(std::unique_ptr<Project> project, std::string filePath = {}, bool modified = false);

    // Typed edits. Each is one undoable step that recomputes the statistics of the members it touches; false (or
    // an outcome other than stored) when it changes nothing, and then nothing enters the history. Values outside
    // what the records may store are refused.

    // Reading `index` of a single-point member; stored only when it made a step.
    ReadingEdit setReading(int memberIndex, std::int64_t index, std::int64_t value);
    // A new row of readings (cover 0, and diameter 0 for a measured-diameter member) before row `row`; a row
    // equal to the row count appends.
    bool insertReadingRow(int memberIndex, std::int64_t row);
    bool deleteReadingRow(int memberIndex, std::int64_t row);
    BarEdit setBarValue(int memberIndex, BarRun run, int bar, BarField field, std::int64_t value);
    // Several typed values of one member, as pasted or cut together: one step for all that are stored.
    struct BarValue {
        BarRun run;
        int bar;
        BarField field;
        std::int64_t value;
    };
    struct BarValuesEdit {
        std::vector<BarEdit> outcomes; // each value's, in order
        bool stepMade = false;         // false too when every value stored was already held
    };
    BarValuesEdit setBarValues(int memberIndex, const std::vector<BarValue>& values);
    bool insertBar(int memberIndex, BarRun run, int bar, bool after);
    bool deleteBar(int memberIndex, BarRun run, int bar);
    // The project information in one step: the member's name (GBK bytes, as the records hold them), the design
    // values of the member and of the others named, and the acceptance data of all of them. The step is named
    // as the first change it makes. Refused when a design value is outside its range (designValueOutOfRange).
    bool setProjectInformation(int memberIndex, std::string name, const std::vector<int>& alsoTo,
                               const DesignValues& values, const AcceptanceChanges& acceptance = {});
    bool setDesignDiameter(int memberIndex, std::int32_t diameter);
    // The standard's permitted deviations of several members at once, each its own, in one step.
    bool setStandardPermittedDeviations(const std::vector<StandardPermittedDeviations>& deviations);
    // The acceptance check's data: member types (none: inferred from the name) and second-sample flags of the
    // members named, the points per bar (1 to maxPointsPerBar) and the population of a type (none: not entered).
    bool setMemberType(const std::vector<int>& memberIndexes, std::optional<MemberType> type);
    bool setSecondSample(const std::vector<int>& memberIndexes, bool secondSample);
    bool setPointsPerBar(std::int32_t pointsPerBar);
    bool setPopulation(MemberType type, std::optional<std::int32_t> population);
    // What the normal-format Word report's conclusion rests on.
    bool setConclusionBasis(ConclusionBasis basis);
    // The drilling verification: a point added, replaced or deleted, its rules, and whether the acceptance check
    // judges corrected covers. Measured covers, diameters and rules outside their ranges change nothing.
    bool addVerificationPoint(const VerificationPoint& point);
    bool setVerificationPoint(int index, const VerificationPoint& point);
    bool deleteVerificationPoints(const std::vector<int>& indexes);
    bool setVerificationRules(const VerificationRules& rules);
    bool setJudgeCorrected(bool judgeCorrected);
    // Ticks or unticks the members named, in one step.
    bool setChecked(const std::vector<int>& memberIndexes, bool checked);

signals:
    void projectReplaced();
    // A step was made, undone or redone, or the history was emptied.
    void historyChanged();
    // Members changed by an edit, its undo or its redo; their statistics are already recomputed.
    void membersChanged(const QList<int>& memberIndexes);
    void selectionChanged();
    void modifiedChanged(bool modified);
    // The project was written to its file (markSaved).
    void saved();
    // The acceptance check's data changed (types, flags, points per bar, populations, conclusion basis, drilling
    // verification).
    void extensionChanged();

private:
    friend class DocumentStep;
    // The one view of the history, which shows its steps and moves through them, is handed the stack.
    friend class HistoryDock;

    // Steps of the changes, with the unchanged ones left out; none when nothing changes or while a step is
    // undone or redone. A step becomes a part of `group` when one is given.
    bool recordReadings(StepText text, std::vector<ReadingsStep::Change> changes, int focus,
                        QUndoCommand* group = nullptr);
    bool recordFields(StepText text, std::vector<FieldsStep::Change> changes, bool figures, int focus,
                      std::optional<FieldsStep::Rename> rename = std::nullopt, QUndoCommand* group = nullptr);
    // Pushes one step that replaces the project's extension data, or makes it a part of `group`.
    bool recordExtension(StepText text, ProjectExtension after, QUndoCommand* group = nullptr);
    // The member's fields before and after `edit` changes them.
    template <typename Edit> FieldsStep::Change fieldChange(int memberIndex, Edit edit) const;
    // Changes the extras of the members named in `extension` by `edit`.
    template <typename Edit>
    void editExtras(ProjectExtension& extension, const std::vector<int>& memberIndexes, Edit edit) const;
    // Pushes one step of a single member changed by `edit`, which returns false when it changed nothing.
    // `renumber` moves the verification points on the member's readings as the edit moved the readings.
    using Renumber = std::function<void(std::vector<VerificationPoint>&)>;
    template <typename Edit> bool editReadings(StepText text, int memberIndex, Edit edit, Renumber renumber = {});
    // Pushes one step that changes the drilling verification.
    template <typename Edit> bool editVerification(StepText text, Edit edit);
    // The member's number as the history names it.
    QString numberOf(int memberIndex) const;
    // Installs one side of a step and tells what changed; with `show`, the step's member is selected again.
    void apply(const DocumentStep& step, bool after, bool show);
    // The single-point member at index, or null.
    const MemberRecord* singlePointMember(int memberIndex) const;
    void updateModified();

    std::unique_ptr<Project> project_;
    std::string currentFilePath_;
    TestMode testMode_ = TestMode::singlePoint;
    int selectedMember_ = -1;
    bool unsavedWithoutHistory_ = false;
    // Set while a step is undone or redone: what answers its notices must not make another step meanwhile.
    bool applying_ = false;
    bool modified_ = false;
    QUndoStack* undoStack_;
};

} // namespace trellon
