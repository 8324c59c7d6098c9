// What a save dialog proposes.
#pragma once

#include <QString>

namespace trellon {

class ProjectDocument;

// The current project's path with `suffix` for its extension (".txt"), else the home folder.
QString proposedPath(const ProjectDocument& document, const QString& suffix);

} // namespace trellon
