// The evaluation window's "导出PDF": the evaluation report saved as a PDF file.
#pragma once

namespace trellon {

class CommandWindow;

// Asks where to save (proposing the project's name with ".pdf") and writes the evaluation report of the window's
// project there; a cancelled dialog does nothing, a file that cannot be written is named in a message. Does
// nothing without a project.
void exportEvaluationPdf(CommandWindow& window);

} // namespace trellon
