// The rows of the command table.
#include "commandtable.h"

#include "bitmapexportcommand.h"
#include "childwindows.h"
#include "csvexportcommand.h"
#include "editcommands.h"
#include "evaluationcommand.h"
#include "excelreportcommand.h"
#include "filecommands.h"
#include "helpcommands.h"
#include "languageswitch.h"
#include "pdfexportcommand.h"
#include "printcommands.h"
#include "textexportcommand.h"
#include "transfercommand.h"
#include "verificationcommand.h"
#include "wordreportcommand.h"

#include "evaluation/standardpermitteddeviations.h"

#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QMainWindow>
#include <QStatusBar>
#include <QToolBar>

#include <array>

namespace trellon {

namespace {

struct CommandTable {
    Q_DECLARE_TR_FUNCTIONS(CommandTable)
};

bool loaded(const CommandState& s)
{
    return s.loaded;
}

// Save BMP needs a diagram window with a member of its mode.
bool diagramShown(const CommandState& s)
{
    const bool inDiagram = s.active == ChildKind::section || s.active == ChildKind::grid;
    return inDiagram && s.mode != TestMode::singlePoint && s.memberCount > 0;
}

// In the list window the editing buttons act on readings, in a diagram window on bars.
bool editableWindow(const CommandState& s)
{
    return s.loaded && s.active != ChildKind::none;
}

bool never(const CommandState&)
{
    return false;
}

bool noRecentFiles(const CommandState& s)
{
    return s.recentFiles.isEmpty();
}

template <int position> bool hasRecentFile(const CommandState& s)
{
    return s.recentFiles.size() > position;
}

template <int position> CommandTexts recentFileTexts(const CommandState& s)
{
    const QString path = position < s.recentFiles.size() ? s.recentFiles[position] : QString();
    return {QStringLiteral("&%1 %2").arg(position + 1).arg(QDir::toNativeSeparators(path)),
            CommandTable::tr("打开该文档"),
            {}};
}

template <int position> void openRecentFile(CommandTargets& t, bool)
{
    t.files.openRecentFile(position);
}

// Undo and redo are named by the step they undo or redo.
CommandTexts undoTexts(const CommandState& s)
{
    return {s.canUndo ? CommandTable::tr("撤销 %1").arg(s.undoText) : CommandTable::tr("撤销"),
            CommandTable::tr("撤销上一个操作"),
            {}};
}

CommandTexts redoTexts(const CommandState& s)
{
    return {s.canRedo ? CommandTable::tr("重做 %1").arg(s.redoText) : CommandTable::tr("重做"),
            CommandTable::tr("重做撤销的操作"),
            {}};
}

CommandTexts standardPermittedDeviationsTexts(const CommandState&)
{
    const PermittedDeviations beams = standardPermittedDeviations(LotKind::beam);
    const PermittedDeviations slabs = standardPermittedDeviations(LotKind::slab);
    return {CommandTable::tr("按规范设置允许偏差"),
            CommandTable::tr("已勾选的梁允许偏差设为 +%1/%2 mm，板设为 +%3/%4 mm")
                .arg(beams.upper)
                .arg(beams.lower)
                .arg(slabs.upper)
                .arg(slabs.lower),
            {}};
}

// Each language is named in its own words, so it can be found whatever language the menus are in.
CommandTexts chineseTexts(const CommandState&)
{
    return {QStringLiteral("中文"), {}, {}};
}

CommandTexts englishTexts(const CommandState&)
{
    return {QStringLiteral("English"), {}, {}};
}

// In the order of Command.
constexpr std::array rows{
    CommandRow{.id = Command::newFile,
               .text = QT_TRANSLATE_NOOP("CommandTable", "新建(&N)"),
               .prompt = QT_TRANSLATE_NOOP("CommandTable", "建立新文档"),
               .toolTip = QT_TRANSLATE_NOOP("CommandTable", "数据传输"),
               .keys = QT_TRANSLATE_NOOP("CommandTable", "Ctrl+N"),
               .run = [](CommandTargets& t, bool) { t.childWindows.showListWindow(); }},
    CommandRow{.id = Command::open,
               .text = QT_TRANSLATE_NOOP("CommandTable", "打开(&O)..."),
               .prompt = QT_TRANSLATE_NOOP("CommandTable", "打开一个现有文档"),
               .toolTip = QT_TRANSLATE_NOOP("CommandTable", "打开"),
               .keys = QT_TRANSLATE_NOOP("CommandTable", "Ctrl+O"),
               .icon = CommandIcon::open,
               .run = [](CommandTargets& t, bool) { t.files.open(); }},
    // A save always asks for the name: it is Save As.
    CommandRow{.id = Command::save,
               .text = QT_TRANSLATE_NOOP("CommandTable", "保存(&S)"),
               .prompt = QT_TRANSLATE_NOOP("CommandTable", "保存活动文档"),
               .toolTip = QT_TRANSLATE_NOOP("CommandTable", "保存"),
               .keys = QT_TRANSLATE_NOOP("CommandTable", "Ctrl+S"),
               .icon = CommandIcon::save,
               .enabled = loaded,
               .run = [](CommandTargets& t, bool) { t.files.saveAs(); }},
    CommandRow{.id = Command::saveTxt,
               .text = QT_TRANSLATE_NOOP("CommandTable", "保存TXT文件(&T)"),
               .prompt = QT_TRANSLATE_NOOP("CommandTable", "保存成txt文件"),
               .toolTip = QT_TRANSLATE_NOOP("CommandTable", "保存txt文件"),
               .icon = CommandIcon::saveTxt,
               .enabled = loaded,
               .run = [](CommandTargets& t, bool) { saveTextReport(t.commandWindow); }},
    CommandRow{.id = Command::exportCsv,
               .text = QT_TRANSLATE_NOOP("CommandTable", "导出CSV文件"),
               .prompt = QT_TRANSLATE_NOOP("CommandTable", "将全部数据导出成csv文件"),
               .toolTip = QT_TRANSLATE_NOOP("CommandTable", "导出csv文件"),
               .enabled = loaded,
               .run = [](CommandTargets& t, bool) { exportCsv(t.commandWindow); }},
    CommandRow{.id = Command::exportPdf,
               .text = QT_TRANSLATE_NOOP("CommandTable", "导出PDF文件"),
               .prompt = QT_TRANSLATE_NOOP("CommandTable", "将选中构件的打印页面导出成pdf文件"),
               .toolTip = QT_TRANSLATE_NOOP("CommandTable", "导出pdf文件"),
               .enabled = loaded,
               .run = [](CommandTargets& t, bool) { exportPdf(t.commandWindow); }},
    CommandRow{.id = Command::saveBmp,
               .text = QT_TRANSLATE_NOOP("CommandTable", "保存BMP文件(&C)"),
               .prompt = QT_TRANSLATE_NOOP("CommandTable", "将视图保存成bmp文件"),
               .toolTip = QT_TRANSLATE_NOOP("CommandTable", "保存bmp文件"),
               .icon = CommandIcon::saveBmp,
               .enabled = diagramShown,
               .run = [](CommandTargets& t, bool) { saveActiveDiagramBitmap(t.commandWindow); }},
    CommandRow{.id = Command::saveAs,
               .text = QT_TRANSLATE_NOOP("CommandTable", "另存为(&A)..."),
               .prompt = QT_TRANSLATE_NOOP("CommandTable", "将活动文档以一个新文件名保存"),
               .toolTip = QT_TRANSLATE_NOOP("CommandTable", "另存为"),
               .run = [](CommandTargets& t, bool) { t.files.saveAs(); }},
    CommandRow{.id = Command::wordReport,
               .text = QT_TRANSLATE_NOOP("CommandTable", "生成Word报告(&R)..."),
               .prompt = QT_TRANSLATE_NOOP("CommandTable", "以选中的数据生成Word报告"),
               .toolTip = QT_TRANSLATE_NOOP("CommandTable", "生成报告"),
               .icon = CommandIcon::wordReport,
               .enabled = loaded,
               .run = [](CommandTargets& t, bool) { makeWordReport(t.commandWindow); }},
    CommandRow{.id = Command::excelReport,
               .text = QT_TRANSLATE_NOOP("CommandTable", "生成Excel报表(&X)..."),
               .prompt = QT_TRANSLATE_NOOP("CommandTable", "以选中的数据生成Excel报表"),
               .toolTip = QT_TRANSLATE_NOOP("CommandTable", "生成报表"),
               .icon = CommandIcon::excelReport,
               .enabled = loaded,
               .run = [](CommandTargets& t, bool) { makeExcelReport(t.commandWindow); }},
    // Print and preview open the list window first when it is not open.
    CommandRow{.id = Command::print,
               .text = QT_TRANSLATE_NOOP("CommandTable", "打印(&P)..."),
               .prompt = QT_TRANSLATE_NOOP("CommandTable", "打印活动文档"),
               .toolTip = QT_TRANSLATE_NOOP("CommandTable", "打印"),
               .keys = QT_TRANSLATE_NOOP("CommandTable", "Ctrl+P"),
               .icon = CommandIcon::print,
               .enabled = loaded,
               .run = [](CommandTargets& t, bool) { t.printing.print(); }},
    CommandRow{.id = Command::printPreview,
               .text = QT_TRANSLATE_NOOP("CommandTable", "打印预览(&V)"),
               .prompt = QT_TRANSLATE_NOOP("CommandTable", "显示整页"),
               .toolTip = QT_TRANSLATE_NOOP("CommandTable", "打印预览"),
               .icon = CommandIcon::printPreview,
               .enabled = loaded,
               .run = [](CommandTargets& t, bool) { t.printing.preview(); }},
    CommandRow{.id = Command::printSettings,
               .text = QT_TRANSLATE_NOOP("CommandTable", "打印设置(&R)..."),
               .prompt = QT_TRANSLATE_NOOP("CommandTable", "改变打印机及打印选项"),
               .toolTip = QT_TRANSLATE_NOOP("CommandTable", "打印设置"),
               .icon = CommandIcon::printSettings,
               .run = [](CommandTargets& t, bool) { t.printing.showSettingsDialog(); }},
    CommandRow{.id = Command::noRecentFiles,
               .text = QT_TRANSLATE_NOOP("CommandTable", "最近文件"),
               .enabled = never,
               .visible = noRecentFiles},
    CommandRow{.id = Command::recentFile1,
               .visible = hasRecentFile<0>,
               .shownTexts = recentFileTexts<0>,
               .run = openRecentFile<0>},
    CommandRow{.id = Command::recentFile2,
               .visible = hasRecentFile<1>,
               .shownTexts = recentFileTexts<1>,
               .run = openRecentFile<1>},
    CommandRow{.id = Command::recentFile3,
               .visible = hasRecentFile<2>,
               .shownTexts = recentFileTexts<2>,
               .run = openRecentFile<2>},
    CommandRow{.id = Command::recentFile4,
               .visible = hasRecentFile<3>,
               .shownTexts = recentFileTexts<3>,
               .run = openRecentFile<3>},
    // The File menu's 退出(&X) shares its mnemonic with 生成Excel报表(&X): the shortcut reaches it in one step.
    CommandRow{.id = Command::exit,
               .text = QT_TRANSLATE_NOOP("CommandTable", "退出(&X)"),
               .prompt = QT_TRANSLATE_NOOP("CommandTable", "退出应用程序；提示保存文档"),
               .toolTip = QT_TRANSLATE_NOOP("CommandTable", "退出"),
               .keys = QT_TRANSLATE_NOOP("CommandTable", "Ctrl+Q"),
               .run = [](CommandTargets& t, bool) { t.window.close(); }},
    CommandRow{.id = Command::undo,
               .standardKey = QKeySequence::Undo,
               .icon = CommandIcon::undo,
               .enabled = [](const CommandState& s) { return s.canUndo; },
               .shownTexts = undoTexts,
               .run = [](CommandTargets& t, bool) { t.edits.undo(); }},
    CommandRow{.id = Command::redo,
               .keys = QT_TRANSLATE_NOOP("CommandTable", "Ctrl+Y"),
               .moreKeys = QT_TRANSLATE_NOOP("CommandTable", "Ctrl+Shift+Z"),
               .icon = CommandIcon::redo,
               .enabled = [](const CommandState& s) { return s.canRedo; },
               .shownTexts = redoTexts,
               .run = [](CommandTargets& t, bool) { t.edits.redo(); }},
    CommandRow{.id = Command::standardPermittedDeviations,
               .enabled = loaded,
               .shownTexts = standardPermittedDeviationsTexts,
               .run = [](CommandTargets& t, bool) { t.edits.setStandardPermittedDeviations(); }},
    CommandRow{.id = Command::dataTransfer,
               .text = QT_TRANSLATE_NOOP("CommandTable", "数据传输(&D)..."),
               .prompt = QT_TRANSLATE_NOOP("CommandTable", "传输钢筋仪数据到计算机"),
               .toolTip = QT_TRANSLATE_NOOP("CommandTable", "数据传输"),
               .icon = CommandIcon::dataTransfer,
               .run = [](CommandTargets& t, bool) { t.transfer.start(); }},
    CommandRow{.id = Command::toolbar,
               .text = QT_TRANSLATE_NOOP("CommandTable", "工具栏(&T)"),
               .prompt = QT_TRANSLATE_NOOP("CommandTable", "显示或隐藏工具栏"),
               .toolTip = QT_TRANSLATE_NOOP("CommandTable", "显隐工具栏"),
               .checked = [](const CommandState& s) { return s.toolbarShown; },
               .run = [](CommandTargets& t, bool on) { t.toolBar.setVisible(on); }},
    CommandRow{.id = Command::statusBar,
               .text = QT_TRANSLATE_NOOP("CommandTable", "状态栏(&S)"),
               .prompt = QT_TRANSLATE_NOOP("CommandTable", "显示或隐藏状态栏"),
               .toolTip = QT_TRANSLATE_NOOP("CommandTable", "显隐状态栏"),
               .checked = [](const CommandState& s) { return s.statusBarShown; },
               .run = [](CommandTargets& t, bool on) { t.window.statusBar()->setVisible(on); }},
    // Ticked while the dock is shown, also after its own close button hid it.
    CommandRow{.id = Command::controlPanel,
               .text = QT_TRANSLATE_NOOP("CommandTable", "控制面板"),
               .prompt = QT_TRANSLATE_NOOP("CommandTable", "控制面板"),
               .toolTip = QT_TRANSLATE_NOOP("CommandTable", "控制面板"),
               .icon = CommandIcon::controlPanel,
               .checked = [](const CommandState& s) { return s.workspaceShown; },
               .run = [](CommandTargets& t, bool on) { t.workspace.setVisible(on); }},
    CommandRow{.id = Command::history,
               .text = QT_TRANSLATE_NOOP("CommandTable", "操作历史"),
               .prompt = QT_TRANSLATE_NOOP("CommandTable", "显示或隐藏可以撤销的操作"),
               .checked = [](const CommandState& s) { return s.historyShown; },
               .run = [](CommandTargets& t, bool on) { t.history.setVisible(on); }},
    CommandRow{.id = Command::passColours,
               .text = QT_TRANSLATE_NOOP("CommandTable", "按合格着色"),
               .prompt = QT_TRANSLATE_NOOP("CommandTable", "示意图中合格的钢筋显示为绿色，不合格的显示为红色"),
               .checked = [](const CommandState& s) { return s.passColours; },
               .run = [](CommandTargets& t,
                         bool on) { t.childWindows.setPassColours(on ? PassColours::on : PassColours::off); }},
    CommandRow{.id = Command::evaluation,
               .text = QT_TRANSLATE_NOOP("CommandTable", "检验评定"),
               .prompt = QT_TRANSLATE_NOOP("CommandTable", "按 GB 50204-2015 附录E 评定已勾选构件的保护层厚度"),
               .run = [](CommandTargets& t, bool) { t.evaluation.showWindow(); }},
    CommandRow{.id = Command::verification,
               .text = QT_TRANSLATE_NOOP("CommandTable", "钻孔验证与修正"),
               .prompt = QT_TRANSLATE_NOOP("CommandTable",
                                           "记录钻孔、剔凿验证点，按钢筋直径计算修正值，检查验证数量和检测误差"),
               .run = [](CommandTargets& t, bool) { t.verification.showWindow(); }},
    CommandRow{.id = Command::projectInformation,
               .text = QT_TRANSLATE_NOOP("CommandTable", "工程信息"),
               .prompt = QT_TRANSLATE_NOOP("CommandTable", "工程信息"),
               .toolTip = QT_TRANSLATE_NOOP("CommandTable", "工程信息"),
               .icon = CommandIcon::projectInformation,
               .enabled = loaded,
               .run = [](CommandTargets& t, bool) { t.edits.showProjectInformation(); }},
    CommandRow{.id = Command::chinese,
               .checked = [](const CommandState& s) { return s.language == InterfaceLanguage::chinese; },
               .oneOf = true,
               .shownTexts = chineseTexts,
               .run = [](CommandTargets& t, bool) { t.languages.choose(InterfaceLanguage::chinese); }},
    CommandRow{.id = Command::english,
               .checked = [](const CommandState& s) { return s.language == InterfaceLanguage::english; },
               .oneOf = true,
               .shownTexts = englishTexts,
               .run = [](CommandTargets& t, bool) { t.languages.choose(InterfaceLanguage::english); }},
    CommandRow{.id = Command::helpTopics,
               .text = QT_TRANSLATE_NOOP("CommandTable", "帮助主题"),
               .toolTip = QT_TRANSLATE_NOOP("CommandTable", "帮助主题"),
               .run = [](CommandTargets& t, bool) { t.help.showHelp(); }},
    CommandRow{.id = Command::about,
               .text = QT_TRANSLATE_NOOP("CommandTable", "关于 (&A)..."),
               .prompt = QT_TRANSLATE_NOOP("CommandTable", "显示程序信息，版本号和版权"),
               .toolTip = QT_TRANSLATE_NOOP("CommandTable", "关于"),
               .icon = CommandIcon::about,
               .run = [](CommandTargets& t, bool) { t.help.showAbout(); }},
    CommandRow{.id = Command::insertRowAbove,
               .text = QT_TRANSLATE_NOOP("CommandTable", "在上面插入"),
               .prompt = QT_TRANSLATE_NOOP("CommandTable", "在该行的上面插入一行"),
               .toolTip = QT_TRANSLATE_NOOP("CommandTable", "插入数据"),
               .icon = CommandIcon::insertRowAbove,
               .enabled = editableWindow,
               .run = [](CommandTargets& t, bool) { t.edits.insertRow(false); }},
    CommandRow{.id = Command::insertRowBelow,
               .text = QT_TRANSLATE_NOOP("CommandTable", "在下面插入"),
               .prompt = QT_TRANSLATE_NOOP("CommandTable", "在该行的下面插入一行"),
               .toolTip = QT_TRANSLATE_NOOP("CommandTable", "插入数据"),
               .icon = CommandIcon::insertRowBelow,
               .enabled = editableWindow,
               .run = [](CommandTargets& t, bool) { t.edits.insertRow(true); }},
    CommandRow{.id = Command::deleteBar,
               .text = QT_TRANSLATE_NOOP("CommandTable", "删除钢筋"),
               .prompt = QT_TRANSLATE_NOOP("CommandTable", "删除某一根钢筋"),
               .toolTip = QT_TRANSLATE_NOOP("CommandTable", "删除数据"),
               .icon = CommandIcon::deleteBar,
               .enabled = editableWindow,
               .run = [](CommandTargets& t, bool) { t.edits.deleteRow(); }},
};

constexpr bool inOrderOfCommand()
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (static_cast<std::size_t>(rows[i].id) != i)
            return false;
    }
    return true;
}
static_assert(inOrderOfCommand(), "one row for each command, in the order of Command");

QString translated(const char* source)
{
    return source != nullptr ? QCoreApplication::translate("CommandTable", source) : QString();
}

} // namespace

std::span<const CommandRow> commandRows()
{
    return rows;
}

const CommandRow& commandRow(Command command)
{
    return rows.at(static_cast<std::size_t>(command));
}

CommandTexts commandTexts(const CommandRow& row, const CommandState& state)
{
    if (row.shownTexts != nullptr)
        return row.shownTexts(state);
    return {translated(row.text), translated(row.prompt), translated(row.toolTip)};
}

QList<QKeySequence> commandShortcuts(const CommandRow& row)
{
    QList<QKeySequence> keys;
    if (row.standardKey != QKeySequence::UnknownKey)
        keys << QKeySequence(row.standardKey);
    for (const char* sequence : {row.keys, row.moreKeys}) {
        if (sequence != nullptr)
            keys << QKeySequence(translated(sequence));
    }
    return keys;
}

} // namespace trellon
