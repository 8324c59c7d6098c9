// The language of the interface.
#include "languageswitch.h"

#include "commandwindow.h"

#include "widgets/userprompts.h"

namespace trellon {

LanguageSwitch::LanguageSwitch(CommandWindow& window, QSettings& settings) : window_(window), settings_(settings) {}

void LanguageSwitch::choose(InterfaceLanguage language)
{
    const InterfaceLanguage shown = useInterfaceLanguage(language);
    rememberLanguage(settings_, shown);
    if (shown != language)
        window_.prompts().showMessage(window_.dialogParent(), tr("找不到英文界面的翻译文件，界面仍为中文。"),
                                      QMessageBox::Warning);
}

} // namespace trellon
