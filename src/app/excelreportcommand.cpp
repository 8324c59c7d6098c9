// The Excel report command.
#include "excelreportcommand.h"

#include "cmainframe.h"

#include "panel/controlpanel.h"
#include "reports/excelreport.h"
#include "reports/spreadsheetwriter.h"
#include "widgets/userprompts.h"
#include "widgets/waitcursor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QUrl>

namespace trellon {

namespace {

const QString suffix = QStringLiteral(".xlsx");

QString tr(const char* text)
{
    return QCoreApplication::translate("ExcelReport", text);
}

} // namespace

void makeExcelReport(CMainFrame& frame)
{
    const Project* project = frame.session().project();
    if (project == nullptr)
        return;
    frame.controlPanel().storeCheckMarks();

    UserPrompts& prompts = frame.prompts();
    const auto writer = SpreadsheetWriter::start();
    if (!writer) {
        prompts.showMessage(&frame, tr("创建Excel服务失败!"), QMessageBox::Warning);
        return;
    }
    QString path =
        prompts.chooseFileToSave(&frame, tr("Excel工作簿(*.xlsx)"), QStringLiteral("xlsx"), frame.proposedPath(suffix));
    if (path.isEmpty())
        return;
    if (!path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;

    Status written = success();
    {
        const WaitCursor waiting;
        written = writer.value().write(QFile::encodeName(path).toStdString(), layoutExcelReport(*project));
    }
    if (!written) {
        prompts.showMessage(
            &frame,
            tr("无法保存文件“%1”：\n%2")
                .arg(QDir::toNativeSeparators(path), QString::fromStdString(written.error().describe())),
            QMessageBox::Warning);
        return;
    }
    if (!frame.openUrl(QUrl::fromLocalFile(path)))
        prompts.showMessage(&frame, tr("Excel报表已保存为“%1”，但无法打开它。").arg(QDir::toNativeSeparators(path)),
                            QMessageBox::Warning);
}

} // namespace trellon
