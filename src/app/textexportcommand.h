// "保存TXT文件": the text report of the project.
#pragma once

namespace trellon {

class CommandWindow;

// Asks where to save (proposing the project's name with ".txt") and writes the text report there. A cancelled
// dialog does nothing; a file that cannot be written is named in a message. Does nothing without a project.
void saveTextReport(CommandWindow& window);

} // namespace trellon
