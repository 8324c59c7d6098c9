// The QtGui application of the commands that paint.
#pragma once

class QGuiApplication;

namespace trellon::cli {

// Starts the application on first use, with the CJK font substitutions; later calls return it. Painting needs
// no window, so it runs on the offscreen platform unless QT_QPA_PLATFORM names another.
QGuiApplication& paintingApplication();

} // namespace trellon::cli
