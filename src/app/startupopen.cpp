// Recovery and the command line's file at start.
#include "startupopen.h"

#include "cmainframe.h"

#include "widgets/userprompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace trellon {
namespace {

struct StartupOpen {
    Q_DECLARE_TR_FUNCTIONS(StartupOpen)
};

} // namespace

void openAtStart(CMainFrame& frame, const QStringList& files)
{
    if (!frame.crashRecovery().offer()) {
        if (!files.isEmpty())
            frame.files().openProjectFile(files.front());
        return;
    }
    if (files.isEmpty())
        return;
    const QString named = QFileInfo(files.front()).absoluteFilePath();
    const bool sameFile = named == QString::fromStdString(frame.document().currentFilePath());
    const QString text = sameFile ? StartupOpen::tr("窗口中显示的是恢复的未保存修改，“%1”本身没有重新打开。")
                                  : StartupOpen::tr("已恢复上次未保存的修改，“%1”没有打开。");
    frame.prompts().showMessage(&frame, text.arg(QDir::toNativeSeparators(named)));
}

} // namespace trellon
