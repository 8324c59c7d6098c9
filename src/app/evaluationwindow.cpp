// Evaluation window.
#include "evaluationwindow.h"

#include "conclusionbasisbar.h"
#include "evaluationpagesbuilder.h"

#include "document/projectdocument.h"
#include "evaluation/evaluationreport.h"
#include "views/evaluationpages.h"
#include "widgets/pageview.h"

#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace trellon {

namespace {

constexpr int notEntered = -1;
constexpr int largestPopulation = 1000000;
constexpr int refreshDelayMs = 50;

} // namespace

EvaluationWindow::EvaluationWindow(ProjectDocument& document, QWidget* parent)
    : QDialog(parent), document_(document), pointsPerBar_(new QSpinBox(this)), pointsPerBarLabel_(new QLabel(this)),
      exportPdf_(new QPushButton(this)), conclusionBar_(new ConclusionBasisBar(document, this)),
      pageView_(new PageView(this)), refreshTimer_(new QTimer(this)), builder_(new EvaluationPagesBuilder(this))
{
    setWindowFlag(Qt::WindowMinMaxButtonsHint);
    pointsPerBar_->setRange(1, maxPointsPerBar);
    auto* settings = new QFormLayout;
    settings->addRow(pointsPerBarLabel_, pointsPerBar_);
    for (const MemberType type :
         {MemberType::beam, MemberType::slab, MemberType::cantileverBeam, MemberType::cantileverSlab}) {
        auto* field = new QSpinBox(this);
        field->setRange(notEntered, largestPopulation);
        auto* label = new QLabel(this);
        settings->addRow(label, field);
        population_[type] = field;
        populationLabels_[type] = label;
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
    exportPdf_->setAutoDefault(false);
    left->addWidget(exportPdf_);
    connect(exportPdf_, &QPushButton::clicked, this, &EvaluationWindow::exportPdfRequested);
    layout->addLayout(left);
    auto* right = new QVBoxLayout;
    right->addWidget(conclusionBar_);
    right->addWidget(pageView_, 1);
    layout->addLayout(right, 1);
    resize(1000, 700);

    refreshTimer_->setSingleShot(true);
    refreshTimer_->setInterval(refreshDelayMs);
    connect(refreshTimer_, &QTimer::timeout, this, &EvaluationWindow::refresh);
    connect(&document_, &ProjectDocument::projectReplaced, this, &EvaluationWindow::scheduleRefresh);
    connect(&document_, &ProjectDocument::membersChanged, this, &EvaluationWindow::scheduleRefresh);
    connect(&document_, &ProjectDocument::extensionChanged, this, &EvaluationWindow::scheduleRefresh);
    connect(builder_, &EvaluationPagesBuilder::built, this, &EvaluationWindow::showPages);
    retranslate();
    updateFields();
    markStale(true);
}

void EvaluationWindow::scheduleRefresh()
{
    awaited_ = 0;
    markStale(true);
    if (!isVisible())
        return;
    updateFields();
    refreshTimer_->start();
}

void EvaluationWindow::showEvent(QShowEvent* event)
{
    if (stale_ && awaited_ == 0)
        refresh();
    QDialog::showEvent(event);
}

void EvaluationWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void EvaluationWindow::retranslate()
{
    // The report itself is written in Chinese, like every report of the program.
    setWindowTitle(tr("检验评定"));
    pointsPerBarLabel_->setText(tr("每根钢筋测点数"));
    populationLabels_.at(MemberType::beam)->setText(tr("梁构件总数"));
    populationLabels_.at(MemberType::slab)->setText(tr("板构件总数"));
    populationLabels_.at(MemberType::cantileverBeam)->setText(tr("悬挑梁构件总数"));
    populationLabels_.at(MemberType::cantileverSlab)->setText(tr("悬挑板构件总数"));
    for (const auto& [type, field] : population_) {
        field->setSpecialValueText(tr("未填"));
        // The box does not tell the layout that its text grew.
        field->updateGeometry();
    }
    exportPdf_->setText(tr("导出PDF"));
    exportPdf_->setToolTip(tr("将检验评定报告保存为PDF文件"));
    markStale(stale_);
}

void EvaluationWindow::markStale(bool stale)
{
    stale_ = stale;
    pageView_->setNotice(stale ? tr("正在更新…") : QString());
}

void EvaluationWindow::updateFields()
{
    const Project* project = document_.project();
    setEnabled(project != nullptr);
    conclusionBar_->refresh();
    if (project == nullptr)
        return;
    {
        const QSignalBlocker quiet(pointsPerBar_);
        pointsPerBar_->setValue(project->extension.pointsPerBar);
    }
    for (const auto& [type, field] : population_) {
        const QSignalBlocker quiet(field);
        const auto entered = project->extension.population.find(type);
        field->setValue(entered == project->extension.population.end() ? notEntered : entered->second);
    }
}

void EvaluationWindow::refresh()
{
    refreshTimer_->stop();
    updateFields();
    const Project* project = document_.project();
    if (project == nullptr) {
        awaited_ = 0;
        pages_.reset();
        pageView_->setDocument(nullptr);
        markStale(false);
        return;
    }
    const QString path = QString::fromStdString(document_.currentFilePath());
    const auto [first, last] = pageView_->pagesInSight();
    awaited_ = builder_->request(*project,
                                 path.isEmpty() ? QString::fromUtf8(untitledProjectName) : QFileInfo(path).fileName(),
                                 {first, last, pageView_->sheetWidth(), pageView_->viewport()->devicePixelRatioF()});
}

void EvaluationWindow::showPages(std::uint64_t request, std::shared_ptr<const EvaluationPages> pages,
                                 SheetPictures pictures)
{
    if (request != awaited_)
        return;
    awaited_ = 0;
    pages_ = std::move(pages);
    pageView_->setDocument(pages_, std::move(pictures));
    markStale(false);
    emit refreshed();
}

} // namespace trellon
