// 帮助主题 and 关于: the help page in the desktop's browser, or in a window of the program's own, and the About box.
#pragma once

#include <QCoreApplication>

namespace trellon {

class CommandWindow;
class HelpWindow;

class HelpCommands {
    Q_DECLARE_TR_FUNCTIONS(HelpCommands)

public:
    // The window outlives the commands.
    explicit HelpCommands(CommandWindow& window);

    // The page of the interface's language; says so when it cannot be found.
    void showHelp();
    void showAbout();

    // Null until help was shown without the desktop's browser.
    HelpWindow* helpWindow() const { return helpWindow_; }

private:
    CommandWindow& window_;
    HelpWindow* helpWindow_ = nullptr;
};

} // namespace trellon
