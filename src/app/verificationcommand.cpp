// The drilling verification window's command.
#include "verificationcommand.h"

#include "verificationwindow.h"

#include <QMainWindow>

namespace trellon {

VerificationCommand::VerificationCommand(QMainWindow& host, ProjectDocument& document, ChosenPointSource chosen)
    : host_(host), document_(document), chosen_(std::move(chosen))
{
}

VerificationCommand::~VerificationCommand()
{
    delete window_;
}

void VerificationCommand::showWindow()
{
    if (window_ == nullptr) {
        window_ = new VerificationWindow(document_, chosen_, &host_);
        // Where the user left it in an earlier run, else below the document area, whose width the table needs.
        if (!host_.restoreDockWidget(window_)) {
            host_.addDockWidget(Qt::BottomDockWidgetArea, window_);
            host_.resizeDocks({window_}, {320}, Qt::Vertical);
        }
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

} // namespace trellon
