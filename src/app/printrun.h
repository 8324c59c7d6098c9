// Print and Print preview of the checked members: the system's dialogs, the painted pages, and the messages when
// there is nothing to print or printing cannot start.
#pragma once

#include "model/printsettings.h"
#include "model/project.h"

class QWidget;

namespace trellon {

class PrintDialogs;
class UserPrompts;

// Asks for a printer and prints the chosen pages of the checked members. Says so instead of printing when the
// run has no page, and when painting on the chosen printer fails. The project is only read.
void printCheckedMembers(QWidget* parent, const Project& project, const PrintSettings& settings, PrintDialogs& dialogs,
                         UserPrompts& prompts);

// Opens the print preview of all pages of the checked members, or says there is nothing to print.
void previewCheckedMembers(QWidget* parent, const Project& project, const PrintSettings& settings,
                           PrintDialogs& dialogs, UserPrompts& prompts);

} // namespace trellon
