// "保存BMP文件": the diagram of the active section or grid window saved as a bitmap file.
#pragma once

namespace trellon {

class CommandWindow;

// Draws the active diagram window's picture at the view's size and the display's depth, then asks for the file
// and, before replacing an existing one, whether to. Does nothing unless a section or grid window is active.
void saveActiveDiagramBitmap(CommandWindow& window);

} // namespace trellon
