// The Excel report command.
#include "excelreportcommand.h"

#include "commandwindow.h"
#include "reportoutput.h"

#include "document/projectdocument.h"
#include "panel/controlpanel.h"
#include "reports/excelreport.h"
#include "reports/spreadsheetwriter.h"
#include "widgets/userprompts.h"

#include <QCoreApplication>

namespace trellon {

namespace {

struct ExcelReport {
    Q_DECLARE_TR_FUNCTIONS(ExcelReport)
};

} // namespace

void makeExcelReport(CommandWindow& window)
{
    const Project* project = window.document().project();
    if (project == nullptr)
        return;

    UserPrompts& prompts = window.prompts();
    const auto writer = SpreadsheetWriter::start();
    if (!writer) {
        prompts.showMessage(window.dialogParent(), ExcelReport::tr("创建Excel服务失败!"), QMessageBox::Warning);
        return;
    }
    const ReportFile file{
        ExcelReport::tr("Excel工作簿(*.xlsx)"), QStringLiteral(".xlsx"),
        ExcelReport::tr("Excel报表已保存为“%1”。\n没有找到能打开它的应用程序。要打开它所在的文件夹吗?")};
    saveReportAndOpen(window, file, [&](const std::string& path, ExportTask&) {
        return writer.value().write(path, layoutExcelReport(*project));
    });
}

} // namespace trellon
