// The print-settings dialog: header, footer and page-number settings, kept in the print settings file.
#pragma once

#include "model/printsettings.h"

#include <QDialog>
#include <QString>

#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace trellon {

class UserPrompts;

class PrintSettingsDialog final : public QDialog {
    Q_OBJECT

public:
    // Opening: shows the values of the settings file in `folder`, or creates that file from the dialog's
    // defaults when it is missing.
    PrintSettingsDialog(UserPrompts& prompts, const QString& folder, QWidget* parent = nullptr);

    // Runs the dialog; the settings confirmed, or nothing when cancelled.
    static std::optional<PrintSettings> ask(QWidget* parent, UserPrompts& prompts, const QString& folder);

    // The values handed out by OK; the header text is trimmed.
    const PrintSettings& values() const { return values_; }

    QLineEdit& headerField() { return *header_; }
    QLineEdit& footerField() { return *footer_; }
    QComboBox& formatList() { return *format_; }
    QComboBox& positionList() { return *position_; }
    QSpinBox& firstPageField() { return *firstPage_; }
    QCheckBox& headerBox() { return *headerOn_; }
    QCheckBox& footerBox() { return *footerOn_; }
    QCheckBox& pageNumberBox() { return *pageNumberOn_; }
    QPushButton& okButton() { return *ok_; }

    // Reads the controls, writes the file with the texts as typed, then refuses a page number placed on the
    // header or footer text; otherwise closes with the values.
    void accept() override;

private:
    void showValues(const PrintSettings& settings);
    void applyEnableRule();

    UserPrompts& prompts_;
    QString folder_;
    QLineEdit* header_;
    QLineEdit* footer_;
    QComboBox* format_;
    QComboBox* position_;
    QSpinBox* firstPage_;
    QCheckBox* headerOn_;
    QCheckBox* footerOn_;
    QCheckBox* pageNumberOn_;
    QPushButton* ok_;
    PrintSettings values_;
};

} // namespace trellon
