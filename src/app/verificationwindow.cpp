// Drilling verification window.
#include "verificationwindow.h"

#include "verificationpointsmodel.h"

#include "document/projectdocument.h"
#include "evaluation/acceptanceevaluation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace trellon {
namespace {

// The method of a point chosen from a list.
class MethodDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* list = new QComboBox(parent);
        list->addItems(VerificationPointsModel::methodNames());
        return list;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        static_cast<QComboBox*>(editor)->setCurrentIndex(index.data(Qt::EditRole).toInt());
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        model->setData(index, static_cast<QComboBox*>(editor)->currentIndex());
    }
};

std::int32_t tenthsOf(const QDoubleSpinBox& field)
{
    return static_cast<std::int32_t>(qRound(field.value() * 10.0));
}

QDoubleSpinBox* tenthsField(QWidget* parent, std::int32_t highest)
{
    auto* field = new QDoubleSpinBox(parent);
    field->setDecimals(1);
    field->setSingleStep(0.1);
    field->setRange(0.0, highest / 10.0);
    return field;
}

QTableWidgetItem* cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

} // namespace

VerificationWindow::VerificationWindow(ProjectDocument& document, ChosenPointSource chosen, QWidget* parent)
    : QDockWidget(parent), document_(document), chosen_(std::move(chosen)),
      model_(new VerificationPointsModel(document, this)), points_(new QTableView), add_(new QPushButton),
      delete_(new QPushButton), hint_(new QLabel), correctionsTitle_(new QLabel), corrections_(new QTableWidget(0, 3)),
      count_(new QLabel), error_(new QLabel), spacerLabel_(new QLabel), spacer_(tenthsField(nullptr, maxSpacer)),
      minShareLabel_(new QLabel), minShare_(new QSpinBox), minPointsLabel_(new QLabel), minPoints_(new QSpinBox),
      maxErrorLabel_(new QLabel), maxError_(tenthsField(nullptr, maxMaxError)), judgeCorrected_(new QCheckBox)
{
    setObjectName(QStringLiteral("verificationWindow"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);

    points_->setModel(model_);
    points_->setItemDelegateForColumn(VerificationPointsModel::methodColumn, new MethodDelegate(points_));
    points_->setSelectionBehavior(QAbstractItemView::SelectRows);
    points_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    points_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    points_->horizontalHeader()->setStretchLastSection(true);
    connect(model_, &VerificationPointsModel::refused, this, &VerificationWindow::say);

    corrections_->verticalHeader()->hide();
    corrections_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    corrections_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    corrections_->horizontalHeader()->setStretchLastSection(true);
    minShare_->setRange(0, maxMinShare);
    minPoints_->setRange(0, maxMinPoints);
    for (QAbstractSpinBox* field : std::initializer_list<QAbstractSpinBox*>{spacer_, minShare_, minPoints_, maxError_})
        connect(field, &QAbstractSpinBox::editingFinished, this, &VerificationWindow::storeRules);
    connect(judgeCorrected_, &QCheckBox::clicked, this, [this](bool judge) { document_.setJudgeCorrected(judge); });
    add_->setAutoDefault(false);
    delete_->setAutoDefault(false);
    connect(add_, &QPushButton::clicked, this, &VerificationWindow::addChosenPoint);
    connect(delete_, &QPushButton::clicked, this, &VerificationWindow::deleteChosenPoints);
    hint_->setWordWrap(true);

    // The points and their corrections on the left, the checks and the rules beside them, so that the dock stays
    // low below the document area.
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add_);
    buttons->addWidget(delete_);
    buttons->addWidget(hint_, 1);
    auto* tables = new QVBoxLayout;
    tables->addLayout(buttons);
    tables->addWidget(points_, 3);
    tables->addWidget(correctionsTitle_);
    tables->addWidget(corrections_, 1);
    auto* rules = new QFormLayout;
    rules->addRow(spacerLabel_, spacer_);
    rules->addRow(minShareLabel_, minShare_);
    rules->addRow(minPointsLabel_, minPoints_);
    rules->addRow(maxErrorLabel_, maxError_);
    count_->setWordWrap(true);
    error_->setWordWrap(true);
    auto* checks = new QVBoxLayout;
    checks->addWidget(count_);
    checks->addWidget(error_);
    checks->addLayout(rules);
    checks->addWidget(judgeCorrected_);
    checks->addStretch();
    auto* body = new QWidget(this);
    auto* layout = new QHBoxLayout(body);
    layout->addLayout(tables, 3);
    layout->addLayout(checks, 1);
    setWidget(body);

    connect(&document_, &ProjectDocument::projectReplaced, this, &VerificationWindow::refresh);
    connect(&document_, &ProjectDocument::membersChanged, this, &VerificationWindow::refresh);
    connect(&document_, &ProjectDocument::extensionChanged, this, &VerificationWindow::refresh);
    retranslate();
}

void VerificationWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDockWidget::changeEvent(event);
}

void VerificationWindow::showEvent(QShowEvent* event)
{
    refresh();
    QDockWidget::showEvent(event);
}

void VerificationWindow::retranslate()
{
    setWindowTitle(tr("钻孔验证与修正"));
    add_->setText(tr("添加当前测点"));
    add_->setToolTip(tr("把列表窗口中选中的读数或控制面板表格中选中的钢筋添加为验证点，随即输入实测值"));
    delete_->setText(tr("删除"));
    delete_->setToolTip(tr("删除选中的验证点"));
    correctionsTitle_->setText(tr("各直径的修正值（差值的平均值）："));
    corrections_->setHorizontalHeaderLabels({tr("直径(mm)"), tr("验证点数"), tr("修正值(mm)")});
    spacerLabel_->setText(tr("垫块厚度 c0 (mm)"));
    minShareLabel_->setText(tr("最少验证比例 (%)"));
    minPointsLabel_->setText(tr("最少验证点数"));
    maxErrorLabel_->setText(tr("允许误差 (mm)"));
    judgeCorrected_->setText(tr("按修正值评定"));
    judgeCorrected_->setToolTip(tr("检验评定、评定报告和Word报告的附录E结论采用修正后的保护层厚度；读数本身不变"));
    hint_->clear();
    refresh();
}

void VerificationWindow::refresh()
{
    const Project* project = document_.project();
    widget()->setEnabled(project != nullptr);
    if (project == nullptr) {
        model_->refresh({});
        corrections_->setRowCount(0);
        count_->clear();
        error_->clear();
        return;
    }
    if (!isVisible())
        return;
    const AcceptanceEvaluation evaluation = evaluateAcceptance(*project);
    const VerificationCheck& check = evaluation.verification;
    model_->refresh(check);

    corrections_->setRowCount(0);
    const auto addRow = [this](std::int32_t diameter, const QString& points, const QString& correction) {
        const int row = corrections_->rowCount();
        corrections_->insertRow(row);
        corrections_->setItem(row, 0, cell(diameter == 0 ? tr("未知") : QString::number(diameter)));
        corrections_->setItem(row, 1, cell(points));
        corrections_->setItem(row, 2, cell(correction));
    };
    for (const DiameterCorrection& c : check.corrections)
        addRow(c.diameter, QString::number(c.points), VerificationPointsModel::tenthsText(c.correction, true));
    for (const UncorrectedDiameter& u : check.uncorrected)
        addRow(u.diameter, QStringLiteral("0"), tr("未修正（%1个测点）").arg(u.points));

    count_->setText(tr("勾选构件的评定值 %1 个，应验证 %2 处，已验证 %3 处：%4")
                        .arg(check.judgedValues)
                        .arg(check.required)
                        .arg(check.verified)
                        .arg(check.enough ? tr("满足") : tr("不足")));
    const Verification& verification = project->extension.verification;
    const auto exceeded = std::count_if(check.points.begin(), check.points.end(),
                                        [](const CheckedVerificationPoint& p) { return p.errorExceeded; });
    const QString limit = VerificationPointsModel::tenthsText(verification.rules.maxError);
    error_->setText(exceeded == 0 ? tr("检测误差：有效验证点的差值均不大于 %1 mm").arg(limit)
                                  : tr("检测误差：%1 个验证点的差值大于 %2 mm，超差").arg(exceeded).arg(limit));
    error_->setStyleSheet(exceeded == 0 ? QString() : QStringLiteral("color: #c02020;"));
    showRules(verification.rules);
    const QSignalBlocker quiet(judgeCorrected_);
    judgeCorrected_->setChecked(verification.judgeCorrected);
}

void VerificationWindow::showRules(const VerificationRules& rules)
{
    const QSignalBlocker spacer(spacer_);
    const QSignalBlocker share(minShare_);
    const QSignalBlocker fewest(minPoints_);
    const QSignalBlocker error(maxError_);
    spacer_->setValue(rules.spacer / 10.0);
    minShare_->setValue(rules.minShare);
    minPoints_->setValue(rules.minPoints);
    maxError_->setValue(rules.maxError / 10.0);
}

void VerificationWindow::storeRules()
{
    document_.setVerificationRules({tenthsOf(*spacer_), minShare_->value(), minPoints_->value(), tenthsOf(*maxError_)});
}

void VerificationWindow::say(const QString& hint)
{
    hint_->setText(hint);
}

void VerificationWindow::addChosenPoint()
{
    hint_->clear();
    const std::optional<ChosenPoint> point = chosen_ ? chosen_() : std::nullopt;
    const MemberRecord* member = point ? document_.member(point->member) : nullptr;
    if (member == nullptr) {
        say(tr("请先在列表窗口中选中一个读数，或在控制面板的表格中选中一根钢筋。"));
        return;
    }
    const std::optional<std::int32_t> reading = pointReading(*member, point->run, point->number);
    if (!reading) {
        say(tr("这个测点没有读数，不能作为验证点。"));
        return;
    }
    // The measured cover starts at the reading, so that the point corrects nothing until its value is typed.
    VerificationPoint added;
    added.member = point->member;
    added.run = point->run;
    added.point = point->number;
    added.measured = std::clamp(*reading * 10, 0, maxMeasuredCover);
    if (!document_.addVerificationPoint(added))
        return;
    const QModelIndex measured = model_->index(model_->rowCount() - 1, VerificationPointsModel::measuredColumn);
    points_->setCurrentIndex(measured);
    points_->setFocus();
    points_->edit(measured);
}

void VerificationWindow::deleteChosenPoints()
{
    hint_->clear();
    std::set<int> rows;
    for (const QModelIndex& index : points_->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    if (rows.empty()) {
        say(tr("请先选中要删除的验证点。"));
        return;
    }
    document_.deleteVerificationPoints({rows.begin(), rows.end()});
}

} // namespace trellon
