// 查看 → 语言: the language of the interface, chosen for every window at once and kept for the next start.
#pragma once

#include "translations.h"

#include <QCoreApplication>

class QSettings;

namespace trellon {

class CommandWindow;

class LanguageSwitch {
    Q_DECLARE_TR_FUNCTIONS(LanguageSwitch)

public:
    // The window and the settings outlive the switch.
    LanguageSwitch(CommandWindow& window, QSettings& settings);

    // Says so when the English translation cannot be found; the interface then stays in Chinese.
    void choose(InterfaceLanguage language);

private:
    CommandWindow& window_;
    QSettings& settings_;
};

} // namespace trellon
