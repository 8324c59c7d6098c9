// Pooled rate and conclusion basis of the evaluation window.
#include "conclusionbasisbar.h"

#include "conclusionbasistexts.h"

#include "document/projectdocument.h"
#include "evaluation/checkedsetverdict.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace trellon {

ConclusionBasisBar::ConclusionBasisBar(ProjectDocument& document, QWidget* parent)
    : QWidget(parent), document_(document), pooled_(new QLabel(this)), basis_(new QLabel(this)),
      listLabel_(new QLabel(this)), list_(new QComboBox(this))
{
    auto* choice = new QHBoxLayout;
    choice->addWidget(basis_, 1);
    choice->addWidget(listLabel_);
    choice->addWidget(list_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pooled_);
    layout->addLayout(choice);
    listLabel_->setBuddy(list_);
    connect(list_, &QComboBox::activated, this,
            [this] { document_.setConclusionBasis(chosenConclusionBasis(*list_)); });
    fillConclusionBasisList(*list_);
    listLabel_->setText(tr("结论依据："));
}

void ConclusionBasisBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        fillConclusionBasisList(*list_);
        listLabel_->setText(tr("结论依据："));
        refresh();
    }
    QWidget::changeEvent(event);
}

void ConclusionBasisBar::refresh()
{
    const Project* project = document_.project();
    if (project == nullptr) {
        pooled_->clear();
        basis_->clear();
        return;
    }
    const Verdict verdict = checkedSetVerdict(*project);
    pooled_->setText(tr("全部勾选测点：共%1点，合格%2点，合格点率%3%")
                         .arg(verdict.points)
                         .arg(verdict.acceptable)
                         .arg(QString::fromStdString(verdictRateText(verdict))));
    const ConclusionBasis basis = project->extension.conclusionBasis;
    basis_->setText(tr("Word报告结论依据：%1").arg(conclusionBasisName(basis)));
    showConclusionBasis(*list_, basis);
}

} // namespace trellon
