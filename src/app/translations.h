// Translations of the interface: the texts are written in simplified Chinese, so the program runs in Chinese
// unless a translation of its own for the user's languages is installed.
#pragma once

#include <QString>

class QCoreApplication;

namespace trellon {

// Folders the program's own translations ("trellon_<language>.qm") are looked up in: beside the executable,
// then the installed share folder.
QStringList translationFolders();

// Installs the program's translation for the user's languages when one exists, with Qt's own texts (dialog
// buttons) in the same language; otherwise Qt's simplified-Chinese texts to match the interface. Returns the
// language the interface runs in, e.g. "zh_CN".
QString installTranslations(QCoreApplication& application);

} // namespace trellon
