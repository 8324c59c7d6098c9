// Where the main window lies: its geometry and the places of its docks and toolbar, kept in the settings from one
// run to the next.
#pragma once

class QMainWindow;
class QSettings;

namespace trellon {

// The docks and the toolbar where the last run left them.
void restoreDockPlaces(QMainWindow& window, const QSettings& settings);
// The geometry of the last run; false when there is none.
bool restoreWindowPlace(QMainWindow& window, const QSettings& settings);
// Shows the window where the last run left it; otherwise maximised, and, where the desktop does not maximise it,
// over most of the screen.
void showAtStart(QMainWindow& window, const QSettings& settings);
void saveWindowPlace(const QMainWindow& window, QSettings& settings);

} // namespace trellon
