// The report-parameters dialog: the administrative data of a Word report, its format and what the normal format's
// conclusion rests on.
#pragma once

#include "usersettingsfolder.h"

#include "model/projectextension.h"
#include "model/reportparameters.h"

#include <QDialog>
#include <QString>

#include <array>
#include <optional>

class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

namespace trellon {

class UserPrompts;

class ReportParamsDialog final : public QDialog {
    Q_OBJECT

public:
    // Opening: values 1 to 15 from the settings file in `folder` (created from the defaults when missing),
    // the format from `format`, the conclusion basis from `basis`.
    ReportParamsDialog(UserPrompts& prompts, const QString& folder, ReportFormat format,
                       ConclusionBasis basis = ConclusionBasis::rate, QWidget* parent = nullptr);

    // Runs the dialog with the format chosen at the last OK of this run ("普通格式" at first) and remembers the
    // format chosen now. The parameters on OK, nothing on Cancel. With `basis`, the dialog shows it, and OK sets
    // it to the basis chosen.
    static std::optional<ReportParameters> ask(QWidget* parent, UserPrompts& prompts,
                                               const QString& folder = userSettingsFolder(),
                                               ConclusionBasis* basis = nullptr);

    // The values read by OK, with the chosen format, and the conclusion basis chosen.
    const ReportParameters& values() const { return values_; }
    ConclusionBasis conclusionBasis() const { return basis_; }

    // The twelve text edits in the order of ReportParameters: report number, project name, address, structure,
    // instrument, staff, test content, client, test unit, builder, supervisor, designer.
    static constexpr int textFieldCount = 12;
    QLineEdit& textField(int index) { return *texts_[static_cast<std::size_t>(index)]; }
    QComboBox& strengthGradeList() { return *grade_; }
    QDateEdit& startDateField() { return *startDate_; }
    QDateEdit& testDateField() { return *testDate_; }
    QComboBox& formatList() { return *format_; }
    // Offered only for the normal format.
    QComboBox& conclusionBasisList() { return *basisList_; }
    QPushButton& okButton() { return *ok_; }

    // Reads all values, saves values 1 to 15 (a failed save is reported and the dialog still closes with OK).
    void accept() override;

private:
    void showValues(const ReportParameters& parameters);
    void applyEnableRule();

    UserPrompts& prompts_;
    QString folder_;
    std::array<QLineEdit*, textFieldCount> texts_{};
    QComboBox* grade_;
    QDateEdit* startDate_;
    QDateEdit* testDate_;
    QComboBox* format_;
    QComboBox* basisList_;
    QPushButton* ok_;
    ReportParameters values_;
    ConclusionBasis basis_;
};

} // namespace trellon
