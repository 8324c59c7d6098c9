// Where the help page that ships with the program lies.
#pragma once

#include "translations.h"

#include <QString>

namespace trellon {

// The help page in the language given: index.html in Chinese, en/index.html in English, installed beside the
// executable (../share/trellon/help/), else in the source tree the program was built from. The Chinese page
// stands in for a missing English one; empty when neither exists.
QString helpPagePath(InterfaceLanguage language = interfaceLanguage());

} // namespace trellon
