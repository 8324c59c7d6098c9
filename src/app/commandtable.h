// The commands of the main window: their texts and the rule that enables each.
#pragma once

#include "model/testmode.h"

#include <QString>

#include <array>

namespace trellon {

enum class Command {
    newFile,
    open,
    save,
    saveTxt,
    exportCsv,
    exportPdf,
    saveBmp,
    saveAs,
    wordReport,
    excelReport,
    print,
    printPreview,
    printSettings,
    exit,
    dataTransfer,
    toolbar,
    statusBar,
    controlPanel,
    projectInformation,
    helpTopics,
    about,
    insertRowAbove,
    insertRowBelow,
    deleteBar,
};

inline constexpr std::array allCommands{
    Command::newFile,
    Command::open,
    Command::save,
    Command::saveTxt,
    Command::exportCsv,
    Command::exportPdf,
    Command::saveBmp,
    Command::saveAs,
    Command::wordReport,
    Command::excelReport,
    Command::print,
    Command::printPreview,
    Command::printSettings,
    Command::exit,
    Command::dataTransfer,
    Command::toolbar,
    Command::statusBar,
    Command::controlPanel,
    Command::projectInformation,
    Command::helpTopics,
    Command::about,
    Command::insertRowAbove,
    Command::insertRowBelow,
    Command::deleteBar,
};

// The kinds of child window; none while no child window is active.
enum class ChildKind { none, list, section, grid };

struct CommandTexts {
    QString text;    // menu entry, with its mnemonic
    QString prompt;  // status bar
    QString toolTip; // toolbar
};

// Translated texts of a command.
CommandTexts commandTexts(Command command);

// What the enable rules look at.
struct CommandContext {
    bool loaded = false;
    ChildKind active = ChildKind::none;
    TestMode mode = TestMode::singlePoint;
    int memberCount = 0;
};

bool commandEnabled(Command command, const CommandContext& context);

} // namespace trellon
