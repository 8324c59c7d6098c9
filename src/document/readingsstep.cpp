// Steps of readings.
#include "readingsstep.h"

#include "evaluation/statistics.h"

namespace trellon {

ReadingsStep::Readings ReadingsStep::Readings::of(const MemberRecord& member)
{
    return {member.samples, member.sampleCount, member.xBarCount, member.yBarCount};
}

ReadingsStep::ReadingsStep(ProjectDocument& document, StepText text, std::vector<Change> changes, TestMode mode,
                           int focus, QUndoCommand* group)
    : DocumentStep(document, std::move(text), mode, focus, group), changes_(std::move(changes))
{
}

QList<int> ReadingsStep::install(Project& project, bool after) const
{
    QList<int> touched;
    touched.reserve(static_cast<qsizetype>(changes_.size()));
    for (const Change& change : changes_) {
        MemberRecord& live = project.members[static_cast<std::size_t>(change.index)];
        const Readings& installed = after ? change.after : change.before;
        live.samples = installed.samples;
        live.sampleCount = installed.sampleCount;
        live.xBarCount = installed.xBarCount;
        live.yBarCount = installed.yBarCount;
        recomputeMemberStatistics(live);
        touched << change.index;
    }
    return touched;
}

} // namespace trellon
