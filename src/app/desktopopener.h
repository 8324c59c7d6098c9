// Opening files and folders in the desktop's application for them.
#pragma once

class QUrl;

namespace trellon {

// Opens a local file or folder in the application the desktop has registered for its type, or any other URL
// through the desktop. False when no application is registered for a local file's type, or opening failed, so
// the caller can say where the file is instead of leaving the user waiting for a window that never comes.
bool openWithDesktopApplication(const QUrl& url);

} // namespace trellon
