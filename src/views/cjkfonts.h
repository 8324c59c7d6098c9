// The Chinese face names the system asks for, mapped onto the CJK fonts installed with it.
#pragma once

namespace trellon {

// 宋体 → a Song/Ming face, 黑体 → a Hei face, 楷体_GB2312 → a Kai face (also their Latin names).
void installCjkFontSubstitutions();

} // namespace trellon
