// Opening a project for a command, with the warning about damaged extension data.
#include "clicommand.h"

#include "evaluation/openproject.h"

#include <iostream>

namespace trellon::cli {

Result<LoadedProject> openProjectWarning(const std::string& path)
{
    Result<LoadedProject> opened = openProject(path);
    if (opened && opened.value().extensionWarning)
        std::cerr << "trellon-cli: warning: " << *opened.value().extensionWarning << '\n';
    return opened;
}

} // namespace trellon::cli
