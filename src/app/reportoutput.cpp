#include "reportoutput.h"

#include "commandwindow.h"
#include "proposedpath.h"

#include "document/projectdocument.h"
#include "widgets/userprompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace trellon {

QString saveReport(CommandWindow& window, const ReportFile& file, const ExportJob& write)
{
    UserPrompts& prompts = window.prompts();
    QString path = prompts.chooseFileToSave(window.dialogParent(), file.filter, file.suffix.mid(1),
                                            proposedPath(window.document(), file.suffix));
    if (path.isEmpty())
        return {};
    if (!path.endsWith(file.suffix, Qt::CaseInsensitive))
        path += file.suffix;

    const std::optional<Status> written =
        runExport(window.dialogParent(),
                  QCoreApplication::translate("ReportOutput", "正在保存“%1”…").arg(QFileInfo(path).fileName()),
                  QFile::encodeName(path).toStdString(), write);
    if (!written)
        return {};
    if (!*written) {
        prompts.showMessage(
            window.dialogParent(),
            QCoreApplication::translate("ReportOutput", "无法保存文件“%1”：\n%2")
                .arg(QDir::toNativeSeparators(path), QString::fromStdString(written->error().describe())),
            QMessageBox::Warning);
        return {};
    }
    return path;
}

void saveReportAndOpen(CommandWindow& window, const ReportFile& file, const ExportJob& write)
{
    const QString path = saveReport(window, file, write);
    if (path.isEmpty() || window.openUrl(QUrl::fromLocalFile(path)))
        return;
    UserPrompts& prompts = window.prompts();
    // The report is written: say where, and offer its folder.
    const QString folder = QFileInfo(path).absolutePath();
    if (prompts.ask(window.dialogParent(), file.openFailed.arg(QDir::toNativeSeparators(path)),
                    QMessageBox::Yes | QMessageBox::No, QMessageBox::Information) == QMessageBox::Yes &&
        !window.openUrl(QUrl::fromLocalFile(folder)))
        prompts.showMessage(
            window.dialogParent(),
            QCoreApplication::translate("ReportOutput", "无法打开文件夹“%1”。").arg(QDir::toNativeSeparators(folder)),
            QMessageBox::Warning);
}

} // namespace trellon
