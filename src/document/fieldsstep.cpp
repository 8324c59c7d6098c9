// Steps of member fields.
#include "fieldsstep.h"

#include "evaluation/statistics.h"

namespace trellon {

FieldsStep::Fields FieldsStep::Fields::of(const MemberRecord& member)
{
    return {member.designCover, member.upperDeviation, member.lowerDeviation, member.designDiameter, member.checked};
}

FieldsStep::FieldsStep(ProjectDocument& document, StepText text, std::vector<Change> changes, bool figures,
                       std::optional<Rename> rename, TestMode mode, int focus, QUndoCommand* group)
    : DocumentStep(document, std::move(text), mode, focus, group), changes_(std::move(changes)), figures_(figures),
      rename_(std::move(rename))
{
}

QList<int> FieldsStep::install(Project& project, bool after) const
{
    QList<int> touched;
    touched.reserve(static_cast<qsizetype>(changes_.size()) + 1);
    for (const Change& change : changes_) {
        MemberRecord& live = project.members[static_cast<std::size_t>(change.index)];
        const Fields& installed = after ? change.after : change.before;
        live.designCover = installed.designCover;
        live.upperDeviation = installed.upperDeviation;
        live.lowerDeviation = installed.lowerDeviation;
        live.designDiameter = installed.designDiameter;
        live.checked = installed.checked;
        if (figures_)
            recomputeMemberStatistics(live);
        touched << change.index;
    }
    if (rename_) {
        project.members[static_cast<std::size_t>(rename_->index)].name = after ? rename_->after : rename_->before;
        if (!touched.contains(rename_->index))
            touched << rename_->index;
    }
    return touched;
}

} // namespace trellon
