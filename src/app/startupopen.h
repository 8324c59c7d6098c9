// What a start does before the user's first command: offers back what a crashed run left, else opens the file named.
#pragma once

#include <QStringList>

namespace trellon {

class CMainFrame;

// A restored project comes before the file named on the command line, and the user is told that the file was
// not opened, or, when the restored edits belong to that very file, that it was not opened again.
void openAtStart(CMainFrame& frame, const QStringList& files);

} // namespace trellon
