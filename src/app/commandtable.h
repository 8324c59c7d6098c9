// The command table: every user command of the main window as one row, with its texts, shortcuts and icon, the
// rule that enables it, its tick where it has one, and what it does. The menus and the toolbar place rows by
// their ids (commandlayout.h).
#pragma once

#include "commandicons.h"
#include "translations.h"

#include "model/testmode.h"

#include <QKeySequence>
#include <QString>
#include <QStringList>

#include <span>

class QDockWidget;
class QMainWindow;
class QToolBar;

namespace trellon {

class ChildWindows;
class CommandWindow;
class EditCommands;
class EvaluationCommand;
class FileCommands;
class HelpCommands;
class LanguageSwitch;
class PrintCommands;
class TransferCommand;
class VerificationCommand;

// The commands, each with its row in commandtable.cpp, in this order.
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
    noRecentFiles,
    recentFile1,
    recentFile2,
    recentFile3,
    recentFile4,
    exit,
    undo,
    redo,
    standardPermittedDeviations,
    dataTransfer,
    toolbar,
    statusBar,
    controlPanel,
    history,
    passColours,
    evaluation,
    verification,
    projectInformation,
    chinese,
    english,
    helpTopics,
    about,
    insertRowAbove,
    insertRowBelow,
    deleteBar,
};

// The kinds of child window; none while no child window is active.
enum class ChildKind { none, list, section, grid };

// What the enable rules, the ticks and the texts that change look at.
struct CommandState {
    bool loaded = false;
    ChildKind active = ChildKind::none;
    TestMode mode = TestMode::singlePoint;
    int memberCount = 0;
    bool canUndo = false;
    bool canRedo = false;
    QString undoText; // the names of the steps
    QString redoText;
    QStringList recentFiles; // the newest first
    bool toolbarShown = true;
    bool statusBarShown = true;
    bool workspaceShown = true;
    bool historyShown = false;
    bool passColours = true;
    InterfaceLanguage language = InterfaceLanguage::chinese;
};

// The objects that carry the commands out; the main window assembles them.
struct CommandTargets {
    QMainWindow& window;
    QToolBar& toolBar;
    QDockWidget& workspace;
    QDockWidget& history;
    CommandWindow& commandWindow;
    ChildWindows& childWindows;
    FileCommands& files;
    EditCommands& edits;
    PrintCommands& printing;
    TransferCommand& transfer;
    EvaluationCommand& evaluation;
    VerificationCommand& verification;
    HelpCommands& help;
    LanguageSwitch& languages;
};

struct CommandTexts {
    QString text;    // menu entry, with its mnemonic
    QString prompt;  // status bar
    QString toolTip; // toolbar; empty: the text
};

struct CommandRow {
    Command id;
    // Marked with QT_TRANSLATE_NOOP in the context "CommandTable"; translated when shown.
    const char* text = nullptr;
    const char* prompt = nullptr;
    const char* toolTip = nullptr;
    // A standard key, or up to two key sequences marked and translated as the texts.
    QKeySequence::StandardKey standardKey = QKeySequence::UnknownKey;
    const char* keys = nullptr;
    const char* moreKeys = nullptr;
    CommandIcon icon = CommandIcon::none;
    bool (*enabled)(const CommandState&) = nullptr; // null: always
    bool (*checked)(const CommandState&) = nullptr; // null: no tick
    bool oneOf = false;                             // a tick among the rows so marked, as a radio button
    bool (*visible)(const CommandState&) = nullptr; // null: always
    // The texts to show in place of the marked ones, for rows whose texts hold the state or figures.
    CommandTexts (*shownTexts)(const CommandState&) = nullptr;
    // What the command does; `checked` is the tick it now has.
    void (*run)(CommandTargets& targets, bool checked) = nullptr;
};

// Every row, in the order of Command.
std::span<const CommandRow> commandRows();
const CommandRow& commandRow(Command command);

// The row's texts in the language of the interface, as the state makes them.
CommandTexts commandTexts(const CommandRow& row, const CommandState& state);
// Its shortcuts in the language of the interface.
QList<QKeySequence> commandShortcuts(const CommandRow& row);

} // namespace trellon
