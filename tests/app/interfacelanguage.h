// The interface in a language for the length of a test, and what a Chinese character is.
#pragma once

#include "app/translations.h"

#include <QCoreApplication>
#include <QEvent>
#include <QString>

namespace trellon::testing {

// Installs the language's translations and delivers the change to every window.
inline void switchInterfaceLanguage(InterfaceLanguage language)
{
    useInterfaceLanguage(language);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

// The interface in a language until the end of the scope, then in Chinese again.
class InterfaceLanguageScope {
public:
    explicit InterfaceLanguageScope(InterfaceLanguage language) { switchInterfaceLanguage(language); }
    ~InterfaceLanguageScope() { switchInterfaceLanguage(InterfaceLanguage::chinese); }
    InterfaceLanguageScope(const InterfaceLanguageScope&) = delete;
    InterfaceLanguageScope& operator=(const InterfaceLanguageScope&) = delete;
};

// Han characters, and the CJK and full-width punctuation that comes with them ("：", "（").
inline bool hasChinese(const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3400 && u <= 0x4DBF) || (u >= 0x3000 && u <= 0x303F) ||
            (u >= 0xFF00 && u <= 0xFFEF))
            return true;
    }
    return false;
}

} // namespace trellon::testing
