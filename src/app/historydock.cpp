// The history dock.
#include "historydock.h"

#include "document/projectdocument.h"

#include <QEvent>
#include <QUndoView>

namespace trellon {

HistoryDock::HistoryDock(ProjectDocument& document, std::function<void()> finishEditing, QWidget* parent)
    : QDockWidget(parent), view_(new QUndoView(document.undoStack_, this)), finishEditing_(std::move(finishEditing))
{
    setObjectName(QStringLiteral("historyDock"));
    view_->viewport()->installEventFilter(this);
    setWidget(view_);
    retranslate();
}

void HistoryDock::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDockWidget::changeEvent(event);
}

void HistoryDock::retranslate()
{
    setWindowTitle(tr("操作历史"));
    view_->setEmptyLabel(tr("<打开的工程>"));
    view_->viewport()->update();
}

bool HistoryDock::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_->viewport() && event->type() == QEvent::MouseButtonPress)
        finishEditing_();
    return QDockWidget::eventFilter(watched, event);
}

} // namespace trellon
