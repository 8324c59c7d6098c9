// Toolbar and window icons, drawn with QPainter so the program carries no image files.
#pragma once

#include "commandtable.h"

#include <QIcon>

namespace trellon {

// The command's toolbar icon; null for commands without a toolbar button.
QIcon commandIcon(Command command);

// The application's icon: a concrete section with two bars under a cover gauge.
QIcon applicationIcon();

} // namespace trellon
