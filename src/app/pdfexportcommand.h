// "导出PDF文件": the print run of the ticked members written to a PDF file instead of a printer.
#pragma once

namespace trellon {

class CommandWindow;

// The pages Print would print with the window's print settings, as an A4 PDF in a file chosen in a save dialog
// (proposing the project's name with ".pdf"), without a printer dialog. Says, as the print run does, that there
// is nothing to print when no ticked member has a page, and then asks nothing and writes nothing. A cancelled
// dialog does nothing; a file that cannot be written is named in a message. Does nothing without a project.
void exportPdf(CommandWindow& window);

} // namespace trellon
