// Project files dropped on the main window.
#pragma once

#include <QString>

class QMimeData;

namespace trellon {

// A name with the project files' extension, ".gj" in any case.
bool isProjectFileName(const QString& path);

// The first local project file among dropped URLs; empty when there is none.
QString droppedProjectFile(const QMimeData* dropped);

} // namespace trellon
