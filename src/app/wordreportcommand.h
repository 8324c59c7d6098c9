// "生成Word报告": the inspection report of the ticked members as a Word document, opened in the desktop's word
// processor.
#pragma once

#include <QString>

namespace trellon {

class CommandWindow;

struct WordReportPlaces {
    QString settingsFolder; // of the report parameters file; empty: the user's settings folder
    QString templateFolder; // empty: beside the program, installed, or the build tree's
};

// Stores the panel's ticks, asks for the report parameters, format and conclusion basis (a basis changed there is
// an undoable edit of the project), opens the format's template
// ("创建Word2000服务失败!" when it cannot), asks where to save (proposing the project's name with ".docx"),
// writes the report under a wait cursor and opens it. A file that cannot be written is named in a message.
// Does nothing without a project or when a dialog is cancelled.
void makeWordReport(CommandWindow& window, const WordReportPlaces& places = {});

} // namespace trellon
