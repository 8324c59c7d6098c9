// Where the print settings and report parameters files are kept.
#pragma once

#include <QString>

namespace trellon {

// The user's own configuration folder of the application, created when missing. Only its owner can write
// there, unlike the shared temporary folder. When it cannot be created the path is still returned and the
// settings files' writes report their failure.
QString userSettingsFolder();

} // namespace trellon
