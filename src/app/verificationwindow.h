// 查看 → 钻孔验证与修正: the drilling verification of the project in a dock. The verification points as a table,
// added from the point chosen in the panel or the list, deleted and edited in place; below them the corrections per
// diameter, how many points are required and verified, the error check, the spacer and the rules, and whether the
// acceptance check judges corrected covers. Every change is one step of the document's history.
#pragma once

#include "chosenpoint.h"

#include <QDockWidget>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;
class QTableWidget;

namespace trellon {

class ProjectDocument;
class VerificationPointsModel;
struct VerificationRules;

class VerificationWindow final : public QDockWidget {
    Q_OBJECT

public:
    // The document outlives the window; `chosen` tells which reading or bar "添加当前测点" takes.
    VerificationWindow(ProjectDocument& document, ChosenPointSource chosen, QWidget* parent = nullptr);

    QTableView& pointsTable() { return *points_; }
    QPushButton& addButton() { return *add_; }
    QPushButton& deleteButton() { return *delete_; }
    QLabel& hintLine() { return *hint_; }
    QTableWidget& correctionsTable() { return *corrections_; }
    QLabel& countLine() { return *count_; }
    QLabel& errorLine() { return *error_; }
    QDoubleSpinBox& spacerField() { return *spacer_; }
    QSpinBox& minShareField() { return *minShare_; }
    QSpinBox& minPointsField() { return *minPoints_; }
    QDoubleSpinBox& maxErrorField() { return *maxError_; }
    QCheckBox& judgeCorrectedBox() { return *judgeCorrected_; }

    // Everything again from the document.
    void refresh();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void retranslate();
    void addChosenPoint();
    void deleteChosenPoints();
    // The rules as the fields hold them, stored as one step.
    void storeRules();
    void showRules(const VerificationRules& rules);
    void say(const QString& hint);

    ProjectDocument& document_;
    ChosenPointSource chosen_;
    VerificationPointsModel* model_;
    QTableView* points_;
    QPushButton* add_;
    QPushButton* delete_;
    QLabel* hint_;
    QLabel* correctionsTitle_;
    QTableWidget* corrections_;
    QLabel* count_;
    QLabel* error_;
    QLabel* spacerLabel_;
    QDoubleSpinBox* spacer_;
    QLabel* minShareLabel_;
    QSpinBox* minShare_;
    QLabel* minPointsLabel_;
    QSpinBox* minPoints_;
    QLabel* maxErrorLabel_;
    QDoubleSpinBox* maxError_;
    QCheckBox* judgeCorrected_;
};

} // namespace trellon
