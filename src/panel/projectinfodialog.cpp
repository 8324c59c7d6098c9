// Project information dialog.
#include "projectinfodialog.h"

#include "membertypechoices.h"

#include "widgets/userprompts.h"

#include "model/designvalues.h"
#include "model/gbk.h"
#include "model/membertype.h"
#include "model/projectfile.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

namespace trellon {

ProjectInfoDialog::ProjectInfoDialog(UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts), name_(new QLineEdit(this)), designCover_(new QLineEdit(this)),
      upperDeviation_(new QLineEdit(this)), lowerDeviation_(new QLineEdit(this)), memberType_(new QComboBox(this)),
      secondSample_(new QCheckBox(tr("复检（第二次抽样）"), this))
{
    setWindowTitle(tr("输入工程信息"));

    auto* form = new QFormLayout;
    form->addRow(tr("工程名称"), name_);

    auto* cover = new QGroupBox(tr("保护层厚度"), this);
    auto* coverForm = new QFormLayout(cover);
    coverForm->addRow(tr("设计厚度(mm)"), designCover_);
    coverForm->addRow(tr("上偏差(mm)"), upperDeviation_);
    coverForm->addRow(tr("下偏差(mm)"), lowerDeviation_);

    auto* acceptance = new QGroupBox(tr("检验评定"), this);
    auto* acceptanceForm = new QFormLayout(acceptance);
    for (const MemberTypeChoice& choice : memberTypeChoices())
        memberType_->addItem(memberTypeChoiceText(choice));
    acceptanceForm->addRow(tr("构件类型"), memberType_);
    acceptanceForm->addRow(secondSample_);
    connect(name_, &QLineEdit::textChanged, this, &ProjectInfoDialog::showInferredType);

    auto* applyBox = new QGroupBox(tr(" 应用于 "), this);
    auto* applyRow = new QHBoxLayout(applyBox);
    auto* group = new QButtonGroup(this);
    const QString applyTexts[] = {tr("当前构件"), tr("所有构件"), tr("勾选构件")};
    for (int i = 0; i < 3; ++i) {
        apply_[i] = new QRadioButton(applyTexts[i], applyBox);
        group->addButton(apply_[i], i);
        applyRow->addWidget(apply_[i]);
    }

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(tr("确 定"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("取 消"), QDialogButtonBox::RejectRole);
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &ProjectInfoDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ProjectInfoDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(cover);
    layout->addWidget(acceptance);
    layout->addWidget(applyBox);
    layout->addWidget(buttons);

    setValues(ProjectInfo{});
}

QRadioButton& ProjectInfoDialog::applyButton(ApplyTo choice)
{
    return *apply_[static_cast<int>(choice)];
}

void ProjectInfoDialog::setValues(const ProjectInfo& info)
{
    values_ = info;
    for (const auto& [value, which] : {std::pair{&values_.designCover, DesignValue::designCover},
                                       std::pair{&values_.lowerDeviation, DesignValue::lowerDeviation},
                                       std::pair{&values_.upperDeviation, DesignValue::upperDeviation}}) {
        if (!designValueRange(which).contains(*value))
            *value = 0;
    }
    name_->setText(QString::fromStdString(gbkToUtf8(values_.name)));
    // A long name shows its start.
    name_->setCursorPosition(0);
    designCover_->setText(QString::number(values_.designCover));
    upperDeviation_->setText(QString::number(values_.upperDeviation));
    lowerDeviation_->setText(QString::number(values_.lowerDeviation));
    const auto choices = memberTypeChoices();
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].type == values_.memberType)
            memberType_->setCurrentIndex(static_cast<int>(i));
    }
    secondSample_->setChecked(values_.secondSample);
    applyButton(values_.applyTo).setChecked(true);
}

void ProjectInfoDialog::showInferredType()
{
    const auto gbk = utf8ToGbk(name_->text().toStdString());
    const MemberType type = typeFromName(gbk ? std::string_view(gbk.value()) : std::string_view());
    const auto choices = memberTypeChoices();
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (!choices[i].type)
            memberType_->setItemText(static_cast<int>(i),
                                     tr("%1（%2）").arg(memberTypeChoiceText(choices[i]), memberTypeText(type)));
    }
}

bool ProjectInfoDialog::readNumber(QLineEdit& field, DesignValue which, std::int32_t& value)
{
    bool ok = false;
    const int v = field.text().trimmed().toInt(&ok);
    const ValueRange range = designValueRange(which);
    if (!ok) {
        prompts_.showMessage(this, tr("请键入一个整数。"));
    } else if (!range.contains(v)) {
        prompts_.showMessage(this, tr("“请填入一个在%1和%2之间的整数。”").arg(range.lowest).arg(range.highest),
                             QMessageBox::Warning);
    } else {
        value = v;
        return true;
    }
    field.setFocus();
    field.selectAll();
    return false;
}

void ProjectInfoDialog::accept()
{
    ProjectInfo read;
    auto gbk = utf8ToGbk(name_->text().toStdString());
    if (!gbk) {
        prompts_.showMessage(this, tr("工程名称中有无法保存的字符，请改用其他文字。"), QMessageBox::Warning);
        name_->setFocus();
        return;
    }
    if (gbk.value().size() >= nameFieldSize) {
        prompts_.showMessage(this, tr("工程名称太长：最多%1个字节（一个汉字占两个字节）。").arg(nameFieldSize - 1),
                             QMessageBox::Warning);
        name_->setFocus();
        return;
    }
    read.name = std::move(gbk).value();
    if (!readNumber(*designCover_, DesignValue::designCover, read.designCover) ||
        !readNumber(*lowerDeviation_, DesignValue::lowerDeviation, read.lowerDeviation) ||
        !readNumber(*upperDeviation_, DesignValue::upperDeviation, read.upperDeviation))
        return;
    for (int i = 0; i < 3; ++i) {
        if (apply_[i]->isChecked())
            read.applyTo = static_cast<ApplyTo>(i);
    }
    read.memberType = memberTypeChoices()[static_cast<std::size_t>(memberType_->currentIndex())].type;
    read.secondSample = secondSample_->isChecked();
    values_ = std::move(read);
    QDialog::accept();
}

} // namespace trellon
