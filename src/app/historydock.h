// The dock of the history (查看 → 操作历史): every step of the document, the project as opened first; a click on
// a step undoes or redoes up to it.
#pragma once

#include <QDockWidget>

#include <functional>

class QUndoView;

namespace trellon {

class ProjectDocument;

class HistoryDock final : public QDockWidget {
    Q_OBJECT

public:
    // finishEditing stores what is typed but not yet confirmed; it runs before a click moves through the history,
    // so that the history is never changed under an open editor. The document outlives the dock.
    HistoryDock(ProjectDocument& document, std::function<void()> finishEditing, QWidget* parent = nullptr);

    QUndoView& view() { return *view_; }

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void retranslate();

    QUndoView* view_;
    std::function<void()> finishEditing_;
};

} // namespace trellon
