// Steps of the acceptance check's data.
#include "extensionstep.h"

namespace trellon {

namespace {

// The member's extras; the defaults beyond the end of the list.
MemberExtras extrasOf(const ProjectExtension& extension, int index)
{
    const auto at = static_cast<std::size_t>(index);
    return at < extension.members.size() ? extension.members[at] : MemberExtras{};
}

} // namespace

ExtensionStep::ExtensionStep(ProjectDocument& document, StepText text, ProjectExtension before, ProjectExtension after,
                             TestMode mode, int focus, QUndoCommand* group)
    : DocumentStep(document, std::move(text), mode, focus, group), before_(std::move(before)), after_(std::move(after))
{
}

QList<int> ExtensionStep::install(Project& project, bool after) const
{
    const ProjectExtension& installed = after ? after_ : before_;
    const ProjectExtension& replaced = after ? before_ : after_;
    QList<int> touched;
    for (int index = 0; index < project.memberCount(); ++index) {
        if (extrasOf(installed, index) != extrasOf(replaced, index))
            touched << index;
    }
    project.extension = installed;
    return touched;
}

} // namespace trellon
