// A run of the main window that corrects a reading, waits until the recovery file holds it, says "written" and
// then waits to be killed: the crash the recovery test recovers from.
#include "app/cmainframe.h"
#include "support/scriptedprompts.h"
#include "widgets/cdatalistview.h"

#include <QApplication>
#include <QSettings>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 4) {
        std::fputs("usage: recovery_child RECOVERY-FOLDER SETTINGS-FILE PROJECT.gj\n", stderr);
        return 2;
    }
    trellon::testing::ScriptedPrompts prompts;
    QSettings settings(QString::fromLocal8Bit(argv[2]), QSettings::IniFormat);
    trellon::CMainFrame frame(prompts, settings, QString::fromLocal8Bit(argv[1]));
    if (!frame.openProjectFile(QString::fromLocal8Bit(argv[3])))
        return 1;
    frame.listView()->commitCellEdit(0, trellon::CDataListView::coverColumn, QStringLiteral("60"));
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (frame.recoveryFile().exists()) {
            poll.stop();
            std::puts("written");
            std::fflush(stdout);
        }
    });
    poll.start(50);
    return application.exec();
}
