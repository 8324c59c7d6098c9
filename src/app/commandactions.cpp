// Actions, menus and toolbar of the command table.
#include "commandactions.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QToolBar>

namespace trellon {

namespace {

void showTexts(QAction& act, const CommandTexts& texts)
{
    act.setText(texts.text);
    act.setStatusTip(texts.prompt);
    act.setToolTip(texts.toolTip);
}

} // namespace

CommandActions::CommandActions(CommandTargets targets, std::function<CommandState()> state, QWidget* owner)
    : QObject(owner), targets_(targets), state_(std::move(state)), owner_(owner), choices_(new QActionGroup(owner))
{
    for (const CommandRow& row : commandRows()) {
        auto* act = new QAction(commandIcon(row.icon), QString(), owner);
        act->setCheckable(row.checked != nullptr);
        if (row.oneOf)
            choices_->addAction(act);
        if (row.run != nullptr) {
            connect(act, &QAction::triggered, this, [this, run = row.run](bool checked) {
                run(targets_, checked);
                emit commandRun();
            });
        }
        actions_[row.id] = act;
    }
    retranslate();
}

QMenu* CommandActions::menu(const MenuLayout& layout)
{
    if (const auto built = menus_.find(&layout); built != menus_.end())
        return built->second;
    auto* shown = new QMenu(owner_);
    menus_[&layout] = shown;
    for (const MenuEntry& entry : layout.entries) {
        if (const auto* command = std::get_if<Command>(&entry))
            shown->addAction(action(*command));
        else if (std::holds_alternative<Separator>(entry))
            shown->addSeparator();
        else
            shown->addMenu(menu(*std::get<const MenuLayout*>(entry)));
    }
    shown->setTitle(QCoreApplication::translate("CommandLayout", layout.title));
    // What a menu shows is current when it opens.
    connect(shown, &QMenu::aboutToShow, this, &CommandActions::update);
    return shown;
}

QList<QMenu*> CommandActions::menus(const std::vector<const MenuLayout*>& layouts)
{
    QList<QMenu*> built;
    for (const MenuLayout* layout : layouts)
        built << menu(*layout);
    return built;
}

void CommandActions::fillToolBar(QToolBar& toolBar, const std::vector<MenuEntry>& layout)
{
    for (const MenuEntry& entry : layout) {
        if (const auto* command = std::get_if<Command>(&entry))
            toolBar.addAction(action(*command));
        else
            toolBar.addSeparator();
    }
}

void CommandActions::retranslate()
{
    for (const auto& [layout, shown] : menus_)
        shown->setTitle(QCoreApplication::translate("CommandLayout", layout->title));
    const CommandState state = state_();
    for (const CommandRow& row : commandRows()) {
        action(row.id)->setShortcuts(commandShortcuts(row));
        showTexts(*action(row.id), commandTexts(row, state));
    }
    update();
}

void CommandActions::update()
{
    const CommandState state = state_();
    for (const CommandRow& row : commandRows()) {
        QAction* act = action(row.id);
        // The fixed texts change only with the language.
        if (row.shownTexts != nullptr)
            showTexts(*act, row.shownTexts(state));
        act->setEnabled(row.enabled == nullptr || row.enabled(state));
        if (row.checked != nullptr)
            act->setChecked(row.checked(state));
        act->setVisible(row.visible == nullptr || row.visible(state));
    }
}

} // namespace trellon
