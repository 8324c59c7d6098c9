// Report-parameters dialog.
#include "reportparamsdialog.h"

#include "conclusionbasistexts.h"
#include "gbktextvalidator.h"

#include "model/reportparametersfile.h"
#include "widgets/userprompts.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace trellon {
namespace {

using TextMember = std::string ReportParameters::*;

constexpr std::array<TextMember, ReportParamsDialog::textFieldCount> textMembers = {
    &ReportParameters::reportNumber, &ReportParameters::projectName, &ReportParameters::address,
    &ReportParameters::structure,    &ReportParameters::instrument,  &ReportParameters::staff,
    &ReportParameters::testContent,  &ReportParameters::client,      &ReportParameters::testUnit,
    &ReportParameters::builder,      &ReportParameters::supervisor,  &ReportParameters::designer,
};

const QDate earliestDate(1971, 1, 1);
const QDate latestDate(2037, 1, 1);

QDate toQDate(const CalendarDate& date)
{
    return QDate(date.year, date.month, date.day);
}

CalendarDate toCalendarDate(const QDate& date)
{
    return {date.year(), date.month(), date.day()};
}

// The format chosen at the last OK of this run; dialogs run on the user-interface thread only.
ReportFormat& rememberedFormat()
{
    static ReportFormat format = ReportFormat::normal;
    return format;
}

} // namespace

ReportParamsDialog::ReportParamsDialog(UserPrompts& prompts, const QString& folder, ReportFormat format,
                                       ConclusionBasis basis, QWidget* parent)
    : QDialog(parent), prompts_(prompts), folder_(folder), grade_(new QComboBox(this)), startDate_(new QDateEdit(this)),
      testDate_(new QDateEdit(this)), format_(new QComboBox(this)), basisList_(new QComboBox(this)), basis_(basis)
{
    setWindowTitle(tr("设置报告参数"));

    for (std::size_t i = 0; i < texts_.size(); ++i) {
        texts_[i] = new QLineEdit(this);
        const std::size_t limit = i == 0 ? reportNumberByteLimit : reportTextByteLimit;
        texts_[i]->setValidator(new GbkTextValidator(texts_[i], limit));
    }
    for (std::string_view grade : strengthGrades)
        grade_->addItem(QString::fromUtf8(grade.data(), static_cast<qsizetype>(grade.size())));
    for (QDateEdit* date : {startDate_, testDate_}) {
        date->setCalendarPopup(true);
        date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        date->setDateRange(earliestDate, latestDate);
    }
    format_->addItems({tr("普通格式"), tr("云南格式")});
    fillConclusionBasisList(*basisList_);
    showConclusionBasis(*basisList_, basis_);

    auto* form = new QFormLayout;
    form->addRow(tr("报告编号："), texts_[0]);
    form->addRow(tr("工程名称："), texts_[1]);
    form->addRow(tr("强度等级："), grade_);
    form->addRow(tr("开工日期："), startDate_);
    form->addRow(tr("检测日期："), testDate_);
    const QString laterLabels[] = {tr("工程地址："), tr("工程结构："), tr("检测仪器："), tr("参检人员："),
                                   tr("检测内容："), tr("委托单位："), tr("检测单位："), tr("施工单位："),
                                   tr("监理单位："), tr("设计单位：")};
    for (std::size_t i = 0; i < std::size(laterLabels); ++i)
        form->addRow(laterLabels[i], texts_[i + 2]);
    form->addRow(tr("报告格式："), format_);
    form->addRow(tr("结论依据："), basisList_);

    auto* buttons = new QDialogButtonBox(this);
    buttons->setCenterButtons(true);
    ok_ = buttons->addButton(tr("确定"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("取消"), QDialogButtonBox::RejectRole);
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &ReportParamsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ReportParamsDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(420);

    const auto loaded = loadReportSettings(folder_.toStdString(), ReportParameters{});
    if (loaded.outcome == SettingsFileOutcome::noMatchingFile)
        prompts_.showMessage(parent, tr("读设置文件失败！"), QMessageBox::Warning);
    else if (loaded.outcome == SettingsFileOutcome::creationFailed)
        prompts_.showMessage(parent, tr("写设置文件失败！"), QMessageBox::Warning);
    values_ = loaded.values;
    values_.reportFormat = format;
    showValues(values_);

    connect(format_, &QComboBox::currentIndexChanged, this, &ReportParamsDialog::applyEnableRule);
}

std::optional<ReportParameters> ReportParamsDialog::ask(QWidget* parent, UserPrompts& prompts, const QString& folder,
                                                        ConclusionBasis* basis)
{
    ReportParamsDialog dialog(prompts, folder, rememberedFormat(), basis ? *basis : ConclusionBasis::rate, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    rememberedFormat() = dialog.values().reportFormat;
    if (basis)
        *basis = dialog.conclusionBasis();
    return dialog.values();
}

void ReportParamsDialog::showValues(const ReportParameters& parameters)
{
    for (std::size_t i = 0; i < texts_.size(); ++i)
        texts_[i]->setText(static_cast<const GbkTextValidator*>(texts_[i]->validator())
                               ->fitted(QString::fromStdString(parameters.*textMembers[i])));
    const int grade = grade_->findText(QString::fromStdString(parameters.strengthGrade));
    grade_->setCurrentIndex(grade >= 0 ? grade
                                       : grade_->findText(QString::fromStdString(ReportParameters{}.strengthGrade)));
    // A date not chosen yet, such as that of a new file, shows as today.
    const CalendarDate today = toCalendarDate(QDate::currentDate());
    startDate_->setDate(toQDate(chosenOrToday(parameters.startDate, today)));
    testDate_->setDate(toQDate(chosenOrToday(parameters.testDate, today)));
    format_->setCurrentIndex(static_cast<int>(parameters.reportFormat));
    applyEnableRule();
}

void ReportParamsDialog::applyEnableRule()
{
    const bool normal = format_->currentIndex() != static_cast<int>(ReportFormat::yunnan);
    for (QLineEdit* text : texts_)
        text->setEnabled(normal);
    grade_->setEnabled(normal);
    startDate_->setEnabled(normal);
    testDate_->setEnabled(normal);
    basisList_->setEnabled(normal);
}

void ReportParamsDialog::accept()
{
    ReportParameters read;
    for (std::size_t i = 0; i < texts_.size(); ++i)
        read.*textMembers[i] = texts_[i]->text().toStdString();
    read.strengthGrade = grade_->currentText().toStdString();
    read.startDate = toCalendarDate(startDate_->date());
    read.testDate = toCalendarDate(testDate_->date());
    read.reportFormat = static_cast<ReportFormat>(format_->currentIndex());
    values_ = std::move(read);
    basis_ = chosenConclusionBasis(*basisList_);
    if (!saveReportSettings(folder_.toStdString(), values_))
        prompts_.showMessage(this, tr("写设置文件失败！"), QMessageBox::Warning);
    QDialog::accept();
}

} // namespace trellon
