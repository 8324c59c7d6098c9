// Evaluation window.
#include "evaluationwindow.h"

#include "evaluationhtml.h"

#include "document/projectdocument.h"
#include "evaluation/acceptanceevaluation.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace trellon {

namespace {

constexpr int notEntered = -1;
constexpr int largestPopulation = 1000000;

} // namespace

EvaluationWindow::EvaluationWindow(ProjectDocument& document, QWidget* parent)
    : QDialog(parent), document_(document), pointsPerBar_(new QSpinBox(this)), page_(new QTextBrowser(this))
{
    setWindowTitle(tr("检验评定"));
    setWindowFlag(Qt::WindowMinMaxButtonsHint);
    pointsPerBar_->setRange(1, maxPointsPerBar);
    auto* settings = new QFormLayout;
    settings->addRow(tr("每根钢筋测点数"), pointsPerBar_);
    const std::pair<MemberType, QString> types[] = {{MemberType::beam, tr("梁构件总数")},
                                                    {MemberType::slab, tr("板构件总数")},
                                                    {MemberType::cantileverBeam, tr("悬挑梁构件总数")},
                                                    {MemberType::cantileverSlab, tr("悬挑板构件总数")}};
    for (const auto& [type, label] : types) {
        auto* field = new QSpinBox(this);
        field->setRange(notEntered, largestPopulation);
        field->setSpecialValueText(tr("未填"));
        settings->addRow(label, field);
        population_[type] = field;
        connect(field, &QSpinBox::editingFinished, this, [this, type = type, field] {
            const int value = field->value();
            document_.setPopulation(type, value == notEntered ? std::nullopt : std::optional<std::int32_t>(value));
        });
    }
    connect(pointsPerBar_, &QSpinBox::valueChanged, this, [this](int k) { document_.setPointsPerBar(k); });

    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->addLayout(settings);
    left->addStretch();
    layout->addLayout(left);
    layout->addWidget(page_, 1);
    resize(900, 640);

    connect(&document_, &ProjectDocument::projectReplaced, this, &EvaluationWindow::refresh);
    connect(&document_, &ProjectDocument::membersChanged, this, &EvaluationWindow::refresh);
    connect(&document_, &ProjectDocument::extensionChanged, this, &EvaluationWindow::refresh);
    refresh();
}

void EvaluationWindow::refresh()
{
    const Project* project = document_.project();
    setEnabled(project != nullptr);
    if (project == nullptr) {
        page_->clear();
        return;
    }
    {
        const QSignalBlocker quiet(pointsPerBar_);
        pointsPerBar_->setValue(project->extension.pointsPerBar);
    }
    for (const auto& [type, field] : population_) {
        const QSignalBlocker quiet(field);
        const auto entered = project->extension.population.find(type);
        field->setValue(entered == project->extension.population.end() ? notEntered : entered->second);
    }
    const int scrolled = page_->verticalScrollBar()->value();
    page_->setHtml(evaluationHtml(*project, evaluateAcceptance(*project)));
    page_->verticalScrollBar()->setValue(scrolled);
}

} // namespace trellon
