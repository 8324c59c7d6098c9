// Print-settings dialog.
#include "printsettingsdialog.h"

#include "clampingspinbox.h"
#include "gbktextvalidator.h"

#include "model/printsettingsfile.h"
#include "views/pageheaderfooter.h"
#include "widgets/userprompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace trellon {
namespace {

QLabel* labelFor(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

PrintSettingsDialog::PrintSettingsDialog(UserPrompts& prompts, const QString& folder, QWidget* parent)
    : QDialog(parent), prompts_(prompts), folder_(folder), header_(new QLineEdit(this)), footer_(new QLineEdit(this)),
      format_(new QComboBox(this)), position_(new QComboBox(this)), firstPage_(new ClampingSpinBox(this)),
      headerOn_(new QCheckBox(tr("打印页眉"), this)), footerOn_(new QCheckBox(tr("打印页脚"), this)),
      pageNumberOn_(new QCheckBox(tr("打印页码"), this))
{
    setWindowTitle(tr("打印设置"));

    header_->setValidator(new GbkTextValidator(header_));
    footer_->setValidator(new GbkTextValidator(footer_));
    for (std::int32_t format = 0; format < pageNumberFormatCount; ++format)
        format_->addItem(pageNumberSample(format));
    position_->addItems(
        {tr("底部居右"), tr("底部居中"), tr("底部居左"), tr("顶部居右"), tr("顶部居中"), tr("顶部居左")});
    firstPage_->setRange(minFirstPageNumber, maxFirstPageNumber);
    firstPage_->setWrapping(true);

    auto* fields = new QGridLayout;
    fields->addWidget(labelFor(tr("页眉内容"), header_, this), 0, 0);
    fields->addWidget(header_, 0, 1, 1, 3);
    fields->addWidget(labelFor(tr("页脚内容"), footer_, this), 1, 0);
    fields->addWidget(footer_, 1, 1, 1, 3);
    fields->addWidget(labelFor(tr("页码格式"), format_, this), 2, 0);
    fields->addWidget(format_, 2, 1);
    fields->addWidget(labelFor(tr("页码位置"), position_, this), 3, 0);
    fields->addWidget(position_, 3, 1);
    fields->addWidget(labelFor(tr("起始页码"), firstPage_, this), 2, 2);
    fields->addWidget(firstPage_, 2, 3);
    fields->setColumnStretch(1, 2);
    fields->setColumnStretch(3, 1);

    auto* range = new QGroupBox(tr("打印范围"), this);
    auto* boxes = new QHBoxLayout(range);
    for (QCheckBox* box : {headerOn_, footerOn_, pageNumberOn_}) {
        box->setParent(range);
        boxes->addWidget(box);
        connect(box, &QCheckBox::toggled, this, &PrintSettingsDialog::applyEnableRule);
    }

    auto* buttons = new QDialogButtonBox(this);
    buttons->setCenterButtons(true);
    ok_ = buttons->addButton(tr("确定"), QDialogButtonBox::AcceptRole);
    buttons->addButton(tr("取消"), QDialogButtonBox::RejectRole);
    ok_->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &PrintSettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PrintSettingsDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(range);
    layout->addWidget(buttons);

    const auto loaded = loadPrintSettings(folder_.toStdString(), printSettingsDialogDefaults());
    if (loaded.outcome == SettingsFileOutcome::noMatchingFile)
        prompts_.showMessage(parent, tr("读设置文件失败！"), QMessageBox::Warning);
    else if (loaded.outcome == SettingsFileOutcome::creationFailed)
        prompts_.showMessage(parent, tr("写设置文件失败！"), QMessageBox::Warning);
    values_ = loaded.values;
    showValues(values_);
}

std::optional<PrintSettings> PrintSettingsDialog::ask(QWidget* parent, UserPrompts& prompts, const QString& folder)
{
    PrintSettingsDialog dialog(prompts, folder, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.values();
}

void PrintSettingsDialog::showValues(const PrintSettings& settings)
{
    header_->setText(QString::fromStdString(settings.headerText));
    footer_->setText(QString::fromStdString(settings.footerText));
    format_->setCurrentIndex(settings.pageNumberFormat);
    position_->setCurrentIndex(settings.pageNumberPosition);
    firstPage_->setValue(settings.firstPageNumber);
    headerOn_->setChecked(settings.headerOn);
    footerOn_->setChecked(settings.footerOn);
    pageNumberOn_->setChecked(settings.pageNumberOn);
    applyEnableRule();
}

void PrintSettingsDialog::applyEnableRule()
{
    header_->setEnabled(headerOn_->isChecked());
    footer_->setEnabled(footerOn_->isChecked());
    const bool numbered = pageNumberOn_->isChecked();
    format_->setEnabled(numbered);
    position_->setEnabled(numbered);
    firstPage_->setEnabled(numbered);
}

void PrintSettingsDialog::accept()
{
    PrintSettings read;
    read.headerText = header_->text().toStdString();
    read.footerText = footer_->text().toStdString();
    read.pageNumberFormat = format_->currentIndex();
    read.pageNumberPosition = position_->currentIndex();
    read.firstPageNumber = firstPage_->value();
    read.headerOn = headerOn_->isChecked();
    read.footerOn = footerOn_->isChecked();
    read.pageNumberOn = pageNumberOn_->isChecked();

    if (!writePrintSettingsFile(folder_.toStdString(), read))
        prompts_.showMessage(this, tr("写设置文件失败！"), QMessageBox::Warning);

    read.headerText = header_->text().trimmed().toStdString();
    if (pageNumberOverHeader(read)) {
        prompts_.showMessage(this, tr("页码和页眉位置干涉，请重新设置！"), QMessageBox::Warning);
        return;
    }
    if (pageNumberOverFooter(read)) {
        prompts_.showMessage(this, tr("页码和页脚位置干涉，请重新设置！"), QMessageBox::Warning);
        return;
    }
    values_ = std::move(read);
    QDialog::accept();
}

} // namespace trellon
