// "导出CSV文件": every reading of the project as a CSV file for spreadsheets and scripts.
#pragma once

namespace trellon {

class CommandWindow;

// Asks where to save (proposing the project's name with ".csv") and writes the CSV export of the whole project.
// A cancelled dialog does nothing; a file that cannot be written is named in a message. Does nothing without a
// project.
void exportCsv(CommandWindow& window);

} // namespace trellon
