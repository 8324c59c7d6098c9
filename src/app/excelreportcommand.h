// "生成Excel报表": the ticked members' readings as a spreadsheet, opened in the desktop's spreadsheet application.
#pragma once

namespace trellon {

class CommandWindow;

// Stores the panel's ticks, starts the writer ("创建Excel服务失败!" when it cannot), asks where to save
// (proposing the project's name with ".xlsx"), writes the workbook under a wait cursor and opens it. A file that
// cannot be written is named in a message. Does nothing without a project.
void makeExcelReport(CommandWindow& window);

} // namespace trellon
