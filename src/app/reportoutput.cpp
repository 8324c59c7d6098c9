#include "reportoutput.h"

#include "cmainframe.h"

#include "widgets/userprompts.h"
#include "widgets/waitcursor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QUrl>

namespace trellon {

void saveReportAndOpen(CMainFrame& frame, const ReportFile& file,
                       const std::function<Status(const std::string& path)>& write)
{
    UserPrompts& prompts = frame.prompts();
    QString path = prompts.chooseFileToSave(&frame, file.filter, file.suffix.mid(1), frame.proposedPath(file.suffix));
    if (path.isEmpty())
        return;
    if (!path.endsWith(file.suffix, Qt::CaseInsensitive))
        path += file.suffix;

    Status written = success();
    {
        const WaitCursor waiting;
        written = write(QFile::encodeName(path).toStdString());
    }
    if (!written) {
        prompts.showMessage(
            &frame,
            QCoreApplication::translate("ReportOutput", "无法保存文件“%1”：\n%2")
                .arg(QDir::toNativeSeparators(path), QString::fromStdString(written.error().describe())),
            QMessageBox::Warning);
        return;
    }
    if (!frame.openUrl(QUrl::fromLocalFile(path)))
        prompts.showMessage(&frame, file.openFailed.arg(QDir::toNativeSeparators(path)), QMessageBox::Warning);
}

} // namespace trellon
