// 查看 → 钻孔验证与修正: the drilling verification dock, docked on first use where an earlier run left it (below the
// document area the first time) and brought forward after.
#pragma once

#include "chosenpoint.h"

class QMainWindow;

namespace trellon {

class VerificationWindow;

class VerificationCommand {
public:
    // The main window and the document outlive the command; `chosen` tells which reading or bar the window adds.
    VerificationCommand(QMainWindow& host, ProjectDocument& document, ChosenPointSource chosen);
    // The dock goes with the command, while the document it shows is still there.
    ~VerificationCommand();
    VerificationCommand(const VerificationCommand&) = delete;
    VerificationCommand& operator=(const VerificationCommand&) = delete;

    void showWindow();
    // Null until first shown.
    VerificationWindow* verificationWindow() const { return window_; }

private:
    QMainWindow& host_;
    ProjectDocument& document_;
    ChosenPointSource chosen_;
    VerificationWindow* window_ = nullptr;
};

} // namespace trellon
