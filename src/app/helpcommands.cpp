// Help and About.
#include "helpcommands.h"

#include "aboutdialog.h"
#include "commandwindow.h"
#include "helppage.h"
#include "helpwindow.h"

#include "widgets/userprompts.h"

#include <QUrl>

namespace trellon {

HelpCommands::HelpCommands(CommandWindow& window) : window_(window) {}

void HelpCommands::showHelp()
{
    const QString page = helpPagePath();
    if (page.isEmpty()) {
        window_.prompts().showMessage(window_.dialogParent(), tr("找不到帮助文件。"), QMessageBox::Warning);
        return;
    }
    if (window_.openUrl(QUrl::fromLocalFile(page)))
        return;
    if (helpWindow_ == nullptr)
        helpWindow_ = new HelpWindow(window_.dialogParent());
    helpWindow_->showPage(page);
}

void HelpCommands::showAbout()
{
    AboutDialog about(window_.dialogParent());
    about.exec();
}

} // namespace trellon
