// Opening a project file the one way every caller uses.
#pragma once

#include "model/projectfile.h"
#include "model/result.h"

#include <string>

namespace trellon {

// Reads the file at path (any version the reader accepts) into a new project that is ready for use: the bar
// counts of its section and grid members recounted from their readings (recountBars), then its statistics
// computed. The file is only read. Returns the reader's error when it cannot be read.
Result<LoadedProject> openProject(const std::string& path);

} // namespace trellon
