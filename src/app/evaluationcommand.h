// 查看 → 检验评定: the evaluation window, opened on first use and brought forward after; its "导出PDF" saves the
// report.
#pragma once

namespace trellon {

class CommandWindow;
class EvaluationWindow;

class EvaluationCommand {
public:
    // The window outlives the command.
    explicit EvaluationCommand(CommandWindow& window);

    void showWindow();
    // Null until first shown.
    EvaluationWindow* evaluationWindow() const { return evaluationWindow_; }

private:
    CommandWindow& window_;
    EvaluationWindow* evaluationWindow_ = nullptr;
};

} // namespace trellon
