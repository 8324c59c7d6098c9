// Child windows of the document area.
#include "cchildframe.h"

namespace trellon {

CChildFrame::CChildFrame(ChildKind kind, QWidget* view, QWidget* parent) : QMdiSubWindow(parent), kind_(kind)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view);
}

} // namespace trellon
