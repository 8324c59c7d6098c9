// The evaluation window (查看 → 检验评定): the evaluation report of the ticked members, live as the project
// changes, with the points per bar, the populations of the lots and "导出PDF", and above the report the rate the
// Word report gives and what its conclusion rests on.
#pragma once

#include "model/projectextension.h"

#include <QDialog>

#include <map>

class QLabel;
class QPushButton;
class QSpinBox;
class QTextBrowser;
class QTimer;

namespace trellon {

class ConclusionBasisBar;
class ProjectDocument;

class EvaluationWindow final : public QDialog {
    Q_OBJECT

public:
    // The document outlives the window.
    EvaluationWindow(ProjectDocument& document, QWidget* parent = nullptr);

    QTextBrowser& page() { return *page_; }
    QSpinBox& pointsPerBarField() { return *pointsPerBar_; }
    QPushButton& exportPdfButton() { return *exportPdf_; }
    // -1 stands for a population not entered.
    QSpinBox& populationField(MemberType type) { return *population_.at(type); }
    QLabel& populationLabel(MemberType type) { return *populationLabels_.at(type); }
    ConclusionBasisBar& conclusionBar() { return *conclusionBar_; }

    // The page and fields again from the document.
    void refresh();
    // Whether the page waits for a refresh after a change of the document.
    bool isStale() const { return stale_; }

signals:
    // "导出PDF" was pressed.
    void exportPdfRequested();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void retranslate();
    // A change of the document: the page is built again once the changes of the moment are done, and only while
    // the window is shown, as a large project's report takes a while to build.
    void scheduleRefresh();

    ProjectDocument& document_;
    QSpinBox* pointsPerBar_;
    QLabel* pointsPerBarLabel_;
    std::map<MemberType, QSpinBox*> population_;
    std::map<MemberType, QLabel*> populationLabels_;
    QPushButton* exportPdf_;
    ConclusionBasisBar* conclusionBar_;
    QTextBrowser* page_;
    QTimer* refreshTimer_;
    bool stale_ = true;
};

} // namespace trellon
