// Above the evaluation report: the rate of every ticked point as the Word report's first sentence gives it, what
// that report's conclusion rests on, and the choice of it.
#pragma once

#include <QWidget>

class QComboBox;
class QLabel;

namespace trellon {

class ProjectDocument;

class ConclusionBasisBar final : public QWidget {
    Q_OBJECT

public:
    // The document outlives the bar. Choosing a basis is an edit of the document.
    explicit ConclusionBasisBar(ProjectDocument& document, QWidget* parent = nullptr);

    QLabel& pooledLine() { return *pooled_; }
    QLabel& basisLine() { return *basis_; }
    QComboBox& basisList() { return *list_; }

    // The lines and the list again from the document.
    void refresh();

protected:
    void changeEvent(QEvent* event) override;

private:
    ProjectDocument& document_;
    QLabel* pooled_;
    QLabel* basis_;
    QLabel* listLabel_;
    QComboBox* list_;
};

} // namespace trellon
