// A child window of the main window's document area: the list, section or grid window around its view.
#pragma once

#include "commandtable.h"

#include <QMdiSubWindow>

namespace trellon {

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT

public:
    // Takes ownership of view. The window deletes itself when closed.
    CChildFrame(ChildKind kind, QWidget* view, QWidget* parent = nullptr);

    ChildKind kind() const { return kind_; }

private:
    ChildKind kind_;
};

} // namespace trellon
