// QtGui start-up for painting without a display.
#include "paintingapplication.h"

#include "views/cjkfonts.h"

#include <QGuiApplication>

namespace trellon::cli {

namespace {

QtMessageHandler qtHandler = nullptr;

// The command's stderr carries its own one-line errors: Qt's notes about the environment stay out of it.
void keepOnlyFailures(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        qtHandler(type, context, message);
}

} // namespace

QGuiApplication& paintingApplication()
{
    static int argc = 1;
    static char name[] = "trellon-cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* application = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qtHandler = qInstallMessageHandler(keepOnlyFailures);
        auto* started = new QGuiApplication(argc, argv);
        installCjkFontSubstitutions();
        return started;
    }();
    return *application;
}

} // namespace trellon::cli
