// The editing commands.
#include "editcommands.h"

#include "childwindows.h"
#include "commandwindow.h"

#include "document/projectdocument.h"
#include "evaluation/standardpermitteddeviations.h"
#include "panel/controlpanel.h"
#include "widgets/cdatalistview.h"
#include "widgets/userprompts.h"

namespace trellon {

namespace {

bool inDiagram(ChildKind kind)
{
    return kind == ChildKind::section || kind == ChildKind::grid;
}

} // namespace

EditCommands::EditCommands(CommandWindow& window, ControlPanel& panel) : window_(window), panel_(panel) {}

void EditCommands::finishEditing()
{
    panel_.finishEditing();
    if (CDataListView* list = window_.childWindows().listView())
        list->commitOpenEditor();
}

void EditCommands::undo()
{
    finishEditing();
    window_.document().undo();
}

void EditCommands::redo()
{
    finishEditing();
    window_.document().redo();
}

void EditCommands::insertRow(bool below)
{
    const ChildKind active = window_.childWindows().activeKind();
    if (active == ChildKind::list)
        window_.childWindows().listView()->insertReadingRow(below);
    else if (inDiagram(active) && below)
        panel_.insertRowBelow();
    else if (inDiagram(active))
        panel_.insertRowAbove();
}

void EditCommands::deleteRow()
{
    const ChildKind active = window_.childWindows().activeKind();
    if (active == ChildKind::list)
        window_.childWindows().listView()->deleteReadingRow();
    else if (inDiagram(active))
        panel_.deleteBar();
}

void EditCommands::showProjectInformation()
{
    if (window_.document().project() != nullptr)
        panel_.showProjectInformation();
}

void EditCommands::setStandardPermittedDeviations()
{
    const Project* project = window_.document().project();
    if (project == nullptr)
        return;
    const std::vector<StandardPermittedDeviations> deviations = standardPermittedDeviationsOfLots(*project);
    if (deviations.empty())
        window_.prompts().showMessage(window_.dialogParent(), tr("没有已勾选的梁或板构件。"));
    else
        window_.document().setStandardPermittedDeviations(deviations);
}

} // namespace trellon
