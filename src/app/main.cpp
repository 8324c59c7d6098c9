// Start-up of the desktop application: settings, fonts, the main window, and a project named on the command line.
#include "cmainframe.h"
#include "guardedapplication.h"
#include "startupopen.h"
#include "translations.h"
#include "windowplace.h"

#include "panel/controlpanel.h"
#include "views/cjkfonts.h"
#include "widgets/userprompts.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>
#include <QTimer>

#include <optional>

namespace {

std::optional<trellon::TestMode> modeNamed(const QString& name)
{
    if (name == QStringLiteral("single"))
        return trellon::TestMode::singlePoint;
    if (name == QStringLiteral("section"))
        return trellon::TestMode::section;
    if (name == QStringLiteral("grid"))
        return trellon::TestMode::grid;
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv)
{
    trellon::GuardedApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trellon"));
    QApplication::setOrganizationName(QStringLiteral("Trellon"));
    QApplication::setApplicationVersion(QStringLiteral(TRELLON_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("trellon"));
    trellon::installCjkFontSubstitutions();
    QSettings settings(QStringLiteral("Trellon"), QStringLiteral("Trellon"));
    trellon::useInterfaceLanguage(trellon::startLanguage(settings));

    QCommandLineParser parser;
    parser.setApplicationDescription(QApplication::translate("main", "钢筋保护层检测数据的接收、查看、校正与报告"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption modeOption(
        QStringLiteral("mode"), QApplication::translate("main", "打开后选择的测试模式：single、section 或 grid"),
        QStringLiteral("mode"));
    parser.addOption(modeOption);
    parser.addPositionalArgument(QStringLiteral("file"), QApplication::translate("main", "要打开的 .gj 工程文件"),
                                 QStringLiteral("[file.gj]"));
    parser.process(application);

    std::optional<trellon::TestMode> mode;
    if (parser.isSet(modeOption)) {
        mode = modeNamed(parser.value(modeOption));
        if (!mode) {
            fputs("trellon: --mode takes single, section or grid\n", stderr);
            return 1;
        }
    }

    trellon::DialogPrompts prompts;
    trellon::CMainFrame frame(prompts, settings);
    trellon::showAtStart(frame, settings);

    const QStringList files = parser.positionalArguments();
    QTimer::singleShot(0, &frame, [&frame, files, mode] {
        trellon::openAtStart(frame, files);
        if (mode)
            frame.controlPanel().chooseMode(*mode);
    });
    return application.exec();
}
