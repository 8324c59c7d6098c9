// The dialog for a member's name, design cover and permitted deviations, its type and second-sample flag for the
// acceptance check, and the members they apply to.
#pragma once

#include "projectinfo.h"

#include "model/designvalues.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace trellon {

class UserPrompts;

class ProjectInfoDialog final : public QDialog {
    Q_OBJECT

public:
    ProjectInfoDialog(UserPrompts& prompts, QWidget* parent = nullptr);

    // Fills the fields; a number outside its range shows as 0.
    void setValues(const ProjectInfo& info);
    // The values read when OK was accepted.
    const ProjectInfo& values() const { return values_; }

    QLineEdit& nameField() { return *name_; }
    QLineEdit& designCoverField() { return *designCover_; }
    QLineEdit& upperDeviationField() { return *upperDeviation_; }
    QLineEdit& lowerDeviationField() { return *lowerDeviation_; }
    QComboBox& memberTypeField() { return *memberType_; }
    QCheckBox& secondSampleField() { return *secondSample_; }
    QRadioButton& applyButton(ApplyTo choice);
    QPushButton& okButton() { return *ok_; }

    // Reads and checks the fields in the order name, design cover, lower and upper deviation; the first failure
    // is reported, focuses its field and keeps the dialog open.
    void accept() override;

private:
    // Names the type the name field implies in the choice "按名称推断".
    void showInferredType();
    // The number typed in the field when it lies in the range the value may be stored in.
    bool readNumber(QLineEdit& field, DesignValue which, std::int32_t& value);

    UserPrompts& prompts_;
    QLineEdit* name_;
    QLineEdit* designCover_;
    QLineEdit* upperDeviation_;
    QLineEdit* lowerDeviation_;
    QComboBox* memberType_;
    QCheckBox* secondSample_;
    QRadioButton* apply_[3];
    QPushButton* ok_;
    ProjectInfo values_;
};

} // namespace trellon
