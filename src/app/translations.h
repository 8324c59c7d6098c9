// Languages of the interface: the texts are written in simplified Chinese, and an English translation of them
// ships with the program. Only the interface changes language; what the program writes stays Chinese.
#pragma once

#include <QLocale>
#include <QString>

class QSettings;

namespace trellon {

enum class InterfaceLanguage { chinese, english };

// Folders the program's own translations ("trellon_<language>.qm") are looked up in: beside the executable,
// the installed share folder, then the build folder the program was built in.
QStringList translationFolders();

// The language the interface starts in: the one last chosen in the View menu, else the system's: English for
// an English locale, Chinese for any other.
InterfaceLanguage startLanguage(const QSettings& settings, const QLocale& system = QLocale::system());
// Keeps a choice made in the View menu for the next start.
void rememberLanguage(QSettings& settings, InterfaceLanguage language);

// Installs the program's translation for language with Qt's own texts (dialog buttons, file and print dialogs)
// in the same language, in place of those installed before; every window is then told of the change. Returns
// the language the interface now runs in: Chinese when the English translation cannot be found.
InterfaceLanguage useInterfaceLanguage(InterfaceLanguage language);
// The language installed last by useInterfaceLanguage; Chinese before.
InterfaceLanguage interfaceLanguage();

} // namespace trellon
