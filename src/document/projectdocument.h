// The project document: the loaded project, the file it belongs to, whether it changed since, the one selection
// every window shows, and the history of its edits. Every change of the data is one of its typed, undoable edits.
#pragma once

#include "steptext.h"

#include "model/baredits.h"
#include "model/project.h"
#include "model/testmode.h"

#include <QList>
#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QUndoStack;

namespace trellon {

class MemberEdit;

// The design values the project information sets on one or several members.
struct DesignValues {
    std::int32_t designCover = 0;
    std::int32_t upperDeviation = 0;
    std::int32_t lowerDeviation = 0;
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
    // Where the last transfer wrote its file; what the transfer dialog proposes next.
    const std::string& receivePath() const { return receivePath_; }
    void setReceivePath(std::string path) { receivePath_ = std::move(path); }

    // Changed since it was opened, received or saved.
    bool isModified() const;
    // The project was written to path: it now belongs to that file and is unchanged from it.
    void markSaved(std::string path);

    // The panel's test mode and the array index of the member chosen in it (-1: none). Every view reads these.
    TestMode currentTestMode() const { return testMode_; }
    int selectedMember() const { return selectedMember_; }
    // Chooses the mode and the member; a member that is not of the mode, or none, selects nothing.
    void select(TestMode mode, int memberIndex);

    QUndoStack& undoStack() { return *undoStack_; }
    // Names every step of the history, and the Edit menu's undo and redo with them, in the interface's language.
    void retranslateHistory();
    // Several edits that make one step: the step is named as its first edit.
    void beginStepGroup();
    void endStepGroup();

    // Installs a complete project in place of the loaded one and forgets the history. `modified`: the project is
    // not what the file holds (a recovered project, a transfer that wrote no file).
    void replaceProject(std::unique_ptr<Project> project, std::string filePath = {}, bool modified = false);

    // Typed edits. Each is one undoable step that recomputes the statistics of the members it touches; false (or
    // an outcome other than stored) when it changes nothing, and then nothing enters the history.

    // Reading `index` of a single-point member.
    bool setReading(int memberIndex, std::int64_t index, std::int32_t value);
    // A new row of readings (cover 0, and diameter 0 for a measured-diameter member) before row `row`; a row
    // equal to the row count appends.
    bool insertReadingRow(int memberIndex, std::int64_t row);
    bool deleteReadingRow(int memberIndex, std::int64_t row);
    BarEdit setBarValue(int memberIndex, BarRun run, int bar, BarField field, std::int64_t value);
    // Several typed values of one member, as pasted or cut together: one step for all that are stored. Returns
    // each value's outcome in order.
    struct BarValue {
        BarRun run;
        int bar;
        BarField field;
        std::int64_t value;
    };
    std::vector<BarEdit> setBarValues(int memberIndex, const std::vector<BarValue>& values);
    bool insertBar(int memberIndex, BarRun run, int bar, bool after);
    bool deleteBar(int memberIndex, BarRun run, int bar);
    // The project information in one step: the member's name (GBK bytes, as the records hold them) and the
    // design values of the member and of the others named.
    bool setProjectInformation(int memberIndex, std::string name, const std::vector<int>& alsoTo,
                               const DesignValues& values);
    bool setDesignDiameter(int memberIndex, std::int32_t diameter);
    // The standard's permitted deviations of several members at once, each its own, in one step.
    struct Deviations {
        int memberIndex;
        std::int32_t upperDeviation;
        std::int32_t lowerDeviation;
    };
    bool setStandardDeviations(const std::vector<Deviations>& deviations);
    // The acceptance check's data: member types (none: inferred from the name) and second-sample flags of the
    // members named, the points per bar (1 to maxPointsPerBar) and the population of a type (none: not entered).
    bool setMemberType(const std::vector<int>& memberIndexes, std::optional<MemberType> type);
    bool setSecondSample(const std::vector<int>& memberIndexes, bool secondSample);
    bool setPointsPerBar(std::int32_t pointsPerBar);
    bool setPopulation(MemberType type, std::optional<std::int32_t> population);
    // What the normal-format Word report's conclusion rests on.
    bool setConclusionBasis(ConclusionBasis basis);
    // Ticks or unticks the members named, in one step.
    bool setChecked(const std::vector<int>& memberIndexes, bool checked);

signals:
    void projectReplaced();
    // Members changed by an edit, its undo or its redo; their statistics are already recomputed.
    void membersChanged(const QList<int>& memberIndexes);
    void selectionChanged();
    void modifiedChanged(bool modified);
    // The acceptance check's data changed (types, flags, points per bar, populations, conclusion basis).
    void extensionChanged();

private:
    friend class MemberEdit;

    // What a step that changes readings changes of a member: the readings and the counts kept with them.
    struct Readings {
        std::vector<std::int32_t> samples;
        std::int32_t sampleCount;
        std::int32_t xBarCount;
        std::int32_t yBarCount;
        bool operator==(const Readings&) const = default;
    };
    struct Change {
        int index;
        Readings before;
        Readings after;
    };
    // What the other steps change of a member, before and after.
    struct Fields {
        std::int32_t designCover;
        std::int32_t upperDeviation;
        std::int32_t lowerDeviation;
        std::int32_t designDiameter;
        std::int32_t checked;
        bool operator==(const Fields&) const = default;
    };
    struct FieldChange {
        int index;
        Fields before;
        Fields after;
    };
    // A member's name before and after; at most one member is renamed by a step.
    struct Rename {
        int index;
        std::string before;
        std::string after;
    };
    // The member's fields before and after `edit` changes them.
    template <typename Edit> FieldChange fieldChange(int memberIndex, Edit edit) const;
    // Pushes one step that turns each `before` into its `after`; undoing or redoing it shows the member `focus`.
    // `figures`: the statistics of the members follow (design values), else only labels change.
    bool record(StepText text, std::vector<Change> changes, int focus);
    bool record(StepText text, std::vector<FieldChange> changes, bool figures, int focus,
                std::optional<Rename> rename = std::nullopt);
    // Pushes one step that replaces the project's extension data.
    bool recordExtension(StepText text, ProjectExtension after);
    // Pushes one step that changes the extras of the members named.
    template <typename Edit> bool editExtras(StepText text, const std::vector<int>& memberIndexes, Edit edit);
    // Pushes one step of a single member changed by `edit`, which returns false when it changed nothing.
    template <typename Edit> bool editReadings(StepText text, int memberIndex, Edit edit);
    // The member's number as the history names it.
    QString numberOf(int memberIndex) const;
    // Installs one side of a step and recomputes the statistics it affects; with `show`, the step's member is
    // selected again.
    void apply(const MemberEdit& step, bool after, bool show);
    // The single-point member at index, or null.
    const MemberRecord* singlePointMember(int memberIndex) const;
    void updateModified();

    std::unique_ptr<Project> project_;
    std::string currentFilePath_;
    std::string receivePath_;
    TestMode testMode_ = TestMode::singlePoint;
    int selectedMember_ = -1;
    bool unsavedWithoutHistory_ = false;
    // Set while a step is undone or redone: what answers its notices must not make another step meanwhile.
    bool applying_ = false;
    bool modified_ = false;
    QUndoStack* undoStack_;
};

} // namespace trellon
