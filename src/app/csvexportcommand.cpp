// The CSV export command.
#include "csvexportcommand.h"

#include "cmainframe.h"

#include "reports/csvexport.h"
#include "widgets/userprompts.h"
#include "widgets/waitcursor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace trellon {

void exportCsv(CMainFrame& frame)
{
    const Project* project = frame.document().project();
    if (project == nullptr)
        return;
    UserPrompts& prompts = frame.prompts();
    QString path = prompts.chooseFileToSave(&frame, QCoreApplication::translate("CsvExport", "CSV文件(*.csv)"),
                                            QStringLiteral("csv"), frame.proposedPath(QStringLiteral(".csv")));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        path += QStringLiteral(".csv");

    Status written = success();
    {
        const WaitCursor waiting;
        written = writeCsvExport(QFile::encodeName(path).toStdString(), *project);
    }
    if (!written)
        prompts.showMessage(
            &frame,
            QCoreApplication::translate("ReportOutput", "无法保存文件“%1”：\n%2")
                .arg(QDir::toNativeSeparators(path), QString::fromStdString(written.error().describe())),
            QMessageBox::Warning);
}

} // namespace trellon
