// Texts and enable rules of the main window's commands.
#include "commandtable.h"

#include <QCoreApplication>

namespace trellon {

namespace {

struct CommandTable {
    Q_DECLARE_TR_FUNCTIONS(CommandTable)
};

} // namespace

CommandTexts commandTexts(Command command)
{
    switch (command) {
    case Command::newFile:
        return {CommandTable::tr("新建(&N)"), CommandTable::tr("建立新文档"), CommandTable::tr("数据传输")};
    case Command::open:
        return {CommandTable::tr("打开(&O)..."), CommandTable::tr("打开一个现有文档"), CommandTable::tr("打开")};
    case Command::save:
        return {CommandTable::tr("保存(&S)"), CommandTable::tr("保存活动文档"), CommandTable::tr("保存")};
    case Command::saveTxt:
        return {CommandTable::tr("保存TXT文件(&T)"), CommandTable::tr("保存成txt文件"),
                CommandTable::tr("保存txt文件")};
    case Command::exportCsv:
        return {CommandTable::tr("导出CSV文件"), CommandTable::tr("将全部数据导出成csv文件"),
                CommandTable::tr("导出csv文件")};
    case Command::exportPdf:
        return {CommandTable::tr("导出PDF文件"), CommandTable::tr("将选中构件的打印页面导出成pdf文件"),
                CommandTable::tr("导出pdf文件")};
    case Command::saveBmp:
        return {CommandTable::tr("保存BMP文件(&C)"), CommandTable::tr("将视图保存成bmp文件"),
                CommandTable::tr("保存bmp文件")};
    case Command::saveAs:
        return {CommandTable::tr("另存为(&A)..."), CommandTable::tr("将活动文档以一个新文件名保存"),
                CommandTable::tr("另存为")};
    case Command::wordReport:
        return {CommandTable::tr("生成Word报告(&R)..."), CommandTable::tr("以选中的数据生成Word报告"),
                CommandTable::tr("生成报告")};
    case Command::excelReport:
        return {CommandTable::tr("生成Excel报表(&X)..."), CommandTable::tr("以选中的数据生成Excel报表"),
                CommandTable::tr("生成报表")};
    case Command::print:
        return {CommandTable::tr("打印(&P)..."), CommandTable::tr("打印活动文档"), CommandTable::tr("打印")};
    case Command::printPreview:
        return {CommandTable::tr("打印预览(&V)"), CommandTable::tr("显示整页"), CommandTable::tr("打印预览")};
    case Command::printSettings:
        return {CommandTable::tr("打印设置(&R)..."), CommandTable::tr("改变打印机及打印选项"),
                CommandTable::tr("打印设置")};
    case Command::exit:
        return {CommandTable::tr("退出(&X)"), CommandTable::tr("退出应用程序；提示保存文档"), CommandTable::tr("退出")};
    case Command::dataTransfer:
        return {CommandTable::tr("数据传输(&D)..."), CommandTable::tr("传输钢筋仪数据到计算机"),
                CommandTable::tr("数据传输")};
    case Command::toolbar:
        return {CommandTable::tr("工具栏(&T)"), CommandTable::tr("显示或隐藏工具栏"), CommandTable::tr("显隐工具栏")};
    case Command::statusBar:
        return {CommandTable::tr("状态栏(&S)"), CommandTable::tr("显示或隐藏状态栏"), CommandTable::tr("显隐状态栏")};
    case Command::controlPanel:
        return {CommandTable::tr("控制面板"), CommandTable::tr("控制面板"), CommandTable::tr("控制面板")};
    case Command::projectInformation:
        return {CommandTable::tr("工程信息"), CommandTable::tr("工程信息"), CommandTable::tr("工程信息")};
    case Command::helpTopics:
        return {CommandTable::tr("帮助主题"), QString(), CommandTable::tr("帮助主题")};
    case Command::about:
        return {CommandTable::tr("关于 (&A)..."), CommandTable::tr("显示程序信息，版本号和版权"),
                CommandTable::tr("关于")};
    case Command::insertRowAbove:
        return {CommandTable::tr("在上面插入"), CommandTable::tr("在该行的上面插入一行"), CommandTable::tr("插入数据")};
    case Command::insertRowBelow:
        return {CommandTable::tr("在下面插入"), CommandTable::tr("在该行的下面插入一行"), CommandTable::tr("插入数据")};
    case Command::deleteBar:
        return {CommandTable::tr("删除钢筋"), CommandTable::tr("删除某一根钢筋"), CommandTable::tr("删除数据")};
    }
    return {};
}

bool commandEnabled(Command command, const CommandContext& context)
{
    const bool inDiagram = context.active == ChildKind::section || context.active == ChildKind::grid;
    switch (command) {
    case Command::save:
    case Command::saveTxt:
    case Command::exportCsv:
    case Command::exportPdf:
    case Command::wordReport:
    case Command::excelReport:
    case Command::projectInformation:
    // Print and preview open the list window first when it is not open.
    case Command::print:
    case Command::printPreview:
        return context.loaded;
    case Command::saveBmp:
        return inDiagram && context.mode != TestMode::singlePoint && context.memberCount > 0;
    case Command::insertRowAbove:
    case Command::insertRowBelow:
        // In the list window they insert a reading.
        return context.loaded && context.active != ChildKind::none;
    case Command::deleteBar:
        // In the list window it deletes a reading.
        return context.loaded && context.active != ChildKind::none;
    case Command::newFile:
    case Command::open:
    case Command::saveAs:
    case Command::printSettings:
    case Command::exit:
    case Command::dataTransfer:
    case Command::toolbar:
    case Command::statusBar:
    case Command::controlPanel:
    case Command::helpTopics:
    case Command::about:
        return true;
    }
    return false;
}

} // namespace trellon
