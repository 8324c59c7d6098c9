// The editing commands: 撤销 and 重做, the toolbar's rows and bars inserted and deleted in the active window, 工程信息
// and 按规范设置允许偏差.
#pragma once

#include <QCoreApplication>

namespace trellon {

class CommandWindow;
class ControlPanel;

class EditCommands {
    Q_DECLARE_TR_FUNCTIONS(EditCommands)

public:
    // The window and the panel outlive the commands.
    EditCommands(CommandWindow& window, ControlPanel& panel);

    // What is typed but not confirmed becomes a step first, so the history is never changed under an open editor.
    void undo();
    void redo();
    // A reading row in the list window, a bar in a diagram window's member.
    void insertRow(bool below);
    void deleteRow();
    void showProjectInformation();
    // The standard's permitted deviations for the ticked beams and slabs, one step; says so when none is ticked.
    void setStandardPermittedDeviations();

    // Stores what is typed but not yet confirmed in the panel and the list window.
    void finishEditing();

private:
    CommandWindow& window_;
    ControlPanel& panel_;
};

} // namespace trellon
