// What the procedures of the commands ask of the main window, instead of the whole window: the document, a parent
// for their dialogs and messages, the prompts, the child windows, the print settings, the desktop's applications
// and what is typed but not yet stored.
#pragma once

class QUrl;
class QWidget;

namespace trellon {

class ChildWindows;
class ProjectDocument;
class UserPrompts;
struct PrintSettings;

class CommandWindow {
public:
    virtual ~CommandWindow() = default;

    virtual ProjectDocument& document() = 0;
    virtual UserPrompts& prompts() = 0;
    // The parent of the dialogs and messages the commands show.
    virtual QWidget* dialogParent() = 0;
    virtual ChildWindows& childWindows() = 0;
    // What print runs and the PDF export use.
    virtual const PrintSettings& printSettings() const = 0;
    // Opens a file or page in the desktop's application for it; false when that failed.
    virtual bool openUrl(const QUrl& url) = 0;
    // Stores what is typed but not yet confirmed in the panel and the list window, as a step of the history.
    virtual void finishEditing() = 0;
};

} // namespace trellon
