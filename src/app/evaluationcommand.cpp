// The evaluation window's command.
#include "evaluationcommand.h"

#include "commandwindow.h"
#include "evaluationpdfcommand.h"
#include "evaluationwindow.h"

namespace trellon {

EvaluationCommand::EvaluationCommand(CommandWindow& window) : window_(window) {}

void EvaluationCommand::showWindow()
{
    if (evaluationWindow_ == nullptr) {
        evaluationWindow_ = new EvaluationWindow(window_.document(), window_.dialogParent());
        QObject::connect(evaluationWindow_, &EvaluationWindow::exportPdfRequested, evaluationWindow_,
                         [this] { exportEvaluationPdf(window_); });
    }
    evaluationWindow_->show();
    evaluationWindow_->raise();
    evaluationWindow_->activateWindow();
}

} // namespace trellon
