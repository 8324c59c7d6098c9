// The evaluation window (查看 → 检验评定): the acceptance check of the ticked members, live as the project changes,
// with the points per bar and the populations of the lots.
#pragma once

#include "model/projectextension.h"

#include <QDialog>

#include <map>

class QSpinBox;
class QTextBrowser;

namespace trellon {

class ProjectDocument;

class EvaluationWindow final : public QDialog {
    Q_OBJECT

public:
    // The document outlives the window.
    EvaluationWindow(ProjectDocument& document, QWidget* parent = nullptr);

    QTextBrowser& page() { return *page_; }
    QSpinBox& pointsPerBarField() { return *pointsPerBar_; }
    // -1 stands for a population not entered.
    QSpinBox& populationField(MemberType type) { return *population_.at(type); }

    // The page and fields again from the document.
    void refresh();

private:
    ProjectDocument& document_;
    QSpinBox* pointsPerBar_;
    std::map<MemberType, QSpinBox*> population_;
    QTextBrowser* page_;
};

} // namespace trellon
