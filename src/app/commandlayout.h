// Where the commands stand: the two menu sets of the main window (while no child window is open, and while one
// is) and the toolbar, as lists naming rows of the command table in their order.
#pragma once

#include "commandtable.h"

#include <variant>
#include <vector>

namespace trellon {

struct Separator {};
struct MenuLayout;

// A row, a separator line, or a submenu.
using MenuEntry = std::variant<Command, Separator, const MenuLayout*>;

struct MenuLayout {
    const char* title; // marked with QT_TRANSLATE_NOOP in the context "CommandLayout"
    std::vector<MenuEntry> entries;
};

// The menu bar's menus in their order.
const std::vector<const MenuLayout*>& menusWithoutChildWindow();
const std::vector<const MenuLayout*>& menusWithChildWindow();

// 查看 → 语言, in both menu sets.
const MenuLayout& languagesMenu();

// The toolbar's buttons and separators.
const std::vector<MenuEntry>& toolBarLayout();

} // namespace trellon
