// The actions of the command table's rows, one for each row, and the menus and toolbar built from the layouts.
// The actions follow a state of the window: enabled by their rules, ticked, named and shown as it says.
#pragma once

#include "commandlayout.h"
#include "commandtable.h"

#include <QList>
#include <QObject>

#include <functional>
#include <map>
#include <vector>

class QAction;
class QActionGroup;
class QMenu;
class QToolBar;
class QWidget;

namespace trellon {

class CommandActions final : public QObject {
    Q_OBJECT

public:
    // `state` tells the window's state when asked; the targets outlive the actions. The actions, menus and groups
    // belong to `owner`.
    CommandActions(CommandTargets targets, std::function<CommandState()> state, QWidget* owner);

    QAction* action(Command command) const { return actions_.at(command); }

    // The menus of a layout, built once and then shared by every menu set that names them.
    QList<QMenu*> menus(const std::vector<const MenuLayout*>& layouts);
    QMenu* menu(const MenuLayout& layout);
    void fillToolBar(QToolBar& toolBar, const std::vector<MenuEntry>& layout);

    // Texts, tips and shortcuts of the actions and titles of the menus in the language of the interface.
    void retranslate();
    // Enables, ticks, names and shows every action as the state now says.
    void update();

signals:
    // A command has run; what it changed is shown.
    void commandRun();

private:
    CommandTargets targets_;
    std::function<CommandState()> state_;
    QWidget* owner_;
    std::map<Command, QAction*> actions_;
    QActionGroup* choices_;
    std::map<const MenuLayout*, QMenu*> menus_;
};

} // namespace trellon
