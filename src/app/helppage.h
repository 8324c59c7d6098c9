// Where the help page that ships with the program lies.
#pragma once

#include <QString>

namespace trellon {

// The installed help page beside the executable (../share/trellon/help/index.html), else the one of the
// source tree the program was built from; empty when neither exists.
QString helpPagePath();

} // namespace trellon
