// The evaluation window (查看 → 检验评定): the evaluation report of the ticked members as pages, live as the project
// changes, with the points per bar, the populations of the lots and "导出PDF", and above the report the rate the
// Word report gives and what its conclusion rests on. The report is laid out off the UI thread; while the pages
// shown are older than the project, the window says so.
#pragma once

#include "model/projectextension.h"
#include "views/pageddocument.h"

#include <QDialog>

#include <cstdint>
#include <map>
#include <memory>

class QLabel;
class QPushButton;
class QSpinBox;
class QTimer;

namespace trellon {

class ConclusionBasisBar;
class EvaluationPages;
class EvaluationPagesBuilder;
class PageView;
class ProjectDocument;

class EvaluationWindow final : public QDialog {
    Q_OBJECT

public:
    // The document outlives the window.
    EvaluationWindow(ProjectDocument& document, QWidget* parent = nullptr);

    PageView& pageView() { return *pageView_; }
    // The pages shown; null before the first layout is done or without a project.
    std::shared_ptr<const EvaluationPages> pages() const { return pages_; }
    QSpinBox& pointsPerBarField() { return *pointsPerBar_; }
    QPushButton& exportPdfButton() { return *exportPdf_; }
    // -1 stands for a population not entered.
    QSpinBox& populationField(MemberType type) { return *population_.at(type); }
    QLabel& populationLabel(MemberType type) { return *populationLabels_.at(type); }
    ConclusionBasisBar& conclusionBar() { return *conclusionBar_; }

    // Lays the report out again from the document as it is now.
    void refresh();
    // Whether the pages shown are older than the document: "正在更新…" stands over them meanwhile.
    bool isStale() const { return stale_; }

signals:
    // "导出PDF" was pressed.
    void exportPdfRequested();
    // The pages of the document as it is now are shown.
    void refreshed();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void retranslate();
    // A change of the document: the pages are marked out of date at once and laid out again once the changes of
    // the moment are done, and only while the window is shown.
    void scheduleRefresh();
    void showPages(std::uint64_t request, std::shared_ptr<const EvaluationPages> pages, SheetPictures pictures);
    void updateFields();
    void markStale(bool stale);

    ProjectDocument& document_;
    QSpinBox* pointsPerBar_;
    QLabel* pointsPerBarLabel_;
    std::map<MemberType, QSpinBox*> population_;
    std::map<MemberType, QLabel*> populationLabels_;
    QPushButton* exportPdf_;
    ConclusionBasisBar* conclusionBar_;
    PageView* pageView_;
    QTimer* refreshTimer_;
    EvaluationPagesBuilder* builder_;
    std::shared_ptr<const EvaluationPages> pages_;
    std::uint64_t awaited_ = 0; // the request whose pages are current, 0 for none
    bool stale_ = true;
};

} // namespace trellon
