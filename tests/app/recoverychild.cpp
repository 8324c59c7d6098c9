// A run of the main window that corrects readings one after another, each time waiting until the recovery file
// holds the correction, says "written" and then waits to be killed: the crash the recovery test recovers from.
#include "app/cmainframe.h"
#include "evaluation/openproject.h"
#include "support/scriptedprompts.h"
#include "widgets/cdatalistview.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTimer>

#include <cstdio>

namespace {

// Reading `index` of the first member as the recovery file in the folder holds it; -1 while there is none.
int recoveredReading(const QString& folder, int index)
{
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.gj")}, QDir::Files)) {
        const auto opened = trellon::openProject(QFile::encodeName(folder + QLatin1Char('/') + name).toStdString());
        if (opened && !opened.value().project->members.empty())
            return opened.value().project->members[0].sampleAt(index);
    }
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 4) {
        std::fputs("usage: recovery_child RECOVERY-FOLDER SETTINGS-FILE PROJECT.gj\n", stderr);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    trellon::testing::ScriptedPrompts prompts;
    QSettings settings(QString::fromLocal8Bit(argv[2]), QSettings::IniFormat);
    trellon::CMainFrame frame(prompts, settings, folder);
    if (!frame.files().openProjectFile(QString::fromLocal8Bit(argv[3])))
        return 1;
    // Reading 0 becomes 60, and once that is kept, reading 1 becomes 61.
    int next = 0;
    frame.childWindows().listView()->commitCellEdit(next, trellon::CDataListView::coverColumn, QStringLiteral("60"));
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (recoveredReading(folder, next) != 60 + next)
            return;
        if (++next == 2) {
            poll.stop();
            std::puts("written");
            std::fflush(stdout);
            return;
        }
        frame.childWindows().listView()->commitCellEdit(next, trellon::CDataListView::coverColumn,
                                                        QString::number(60 + next));
    });
    poll.start(50);
    return application.exec();
}
