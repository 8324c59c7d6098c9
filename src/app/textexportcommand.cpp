// The text report command.
#include "textexportcommand.h"

#include "commandwindow.h"
#include "proposedpath.h"

#include "document/projectdocument.h"
#include "reports/textexport.h"
#include "widgets/userprompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace trellon {

namespace {

struct TextExport {
    Q_DECLARE_TR_FUNCTIONS(TextExport)
};

} // namespace

void saveTextReport(CommandWindow& window)
{
    const Project* project = window.document().project();
    if (project == nullptr)
        return;
    UserPrompts& prompts = window.prompts();
    const QString path =
        prompts.chooseFileToSave(window.dialogParent(), TextExport::tr("钢筋仪数据处理文件(*.txt)"),
                                 QStringLiteral("txt"), proposedPath(window.document(), QStringLiteral(".txt")));
    if (path.isEmpty())
        return;
    const Status written = writeTextExport(QFile::encodeName(path).toStdString(), *project);
    if (!written)
        prompts.showMessage(
            window.dialogParent(),
            TextExport::tr("无法保存文件“%1”：\n%2")
                .arg(QDir::toNativeSeparators(path), QString::fromStdString(written.error().describe())),
            QMessageBox::Warning);
}

} // namespace trellon
