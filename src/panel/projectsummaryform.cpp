// Summary of the selected single-point member.
#include "projectsummaryform.h"

#include "panelhost.h"

#include "document/projectdocument.h"
#include "widgets/leadinginteger.h"
#include "widgets/userprompts.h"

#include "evaluation/acceptanceevaluation.h"
#include "evaluation/verdictsentence.h"
#include "model/gbk.h"
#include "model/testmode.h"

#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <limits>

namespace trellon {

ProjectSummaryForm::ProjectSummaryForm(ProjectDocument& document, PanelHost& host, QWidget* parent)
    : QWidget(parent), document_(document), host_(host)
{
    auto* layout = new QFormLayout(this);
    for (int i = 0; i < fieldCount; ++i) {
        labels_[i] = new QLabel(this);
        fields_[i] = new QLineEdit(this);
        setTypable(*fields_[i], false);
        layout->addRow(labels_[i], fields_[i]);
    }
    retranslate();
    // Typing "25" is one edit: the value goes to the member when the field is left or Enter is pressed.
    connect(&field(Field::designDiameter), &QLineEdit::editingFinished, this,
            &ProjectSummaryForm::designDiameterEdited);
}

void ProjectSummaryForm::setTypable(QLineEdit& field, bool typable)
{
    field.setReadOnly(!typable);
    // Figures to read are selected by a click; the Tab key passes them by.
    field.setFocusPolicy(typable ? Qt::StrongFocus : Qt::ClickFocus);
}

void ProjectSummaryForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void ProjectSummaryForm::retranslate()
{
    const QString texts[] = {tr("工程名称"),         tr("工程编号"),       tr("数据个(组)数"),
                             tr("已知直径(mm)"),     tr("设计直径(mm)"),   tr("设计厚度(mm)"),
                             tr("厚度最大值(mm)"),   tr("厚度最小值(mm)"), tr("允许偏差上限(mm)"),
                             tr("允许偏差下限(mm)"), tr("平均厚度(mm)"),   tr("标准差(mm)"),
                             tr("特征值(mm)"),       tr("合格率")};
    for (int i = 0; i < fieldCount; ++i)
        labels_[i]->setText(texts[i]);
}

void ProjectSummaryForm::refresh()
{
    const MemberRecord* member = document_.member(document_.selectedMember());
    shownMember_ =
        member != nullptr && belongsToTestMode(*member, TestMode::singlePoint) ? document_.selectedMember() : -1;
    if (shownMember_ < 0) {
        setTypable(field(Field::designDiameter), false);
        for (QLineEdit* f : fields_)
            f->clear();
        return;
    }
    const TestModeDigit digit = testModeDigit(*member);
    const auto number = [](std::int32_t v) { return QString::number(v); };
    field(Field::name).setText(QString::fromStdString(gbkToUtf8(member->name)));
    field(Field::name).setCursorPosition(0);
    field(Field::number).setText(QString::fromStdString(gbkToUtf8(member->number)));
    const std::int32_t readings =
        digit == TestModeDigit::singleMeasuredDiameter ? member->sampleCount / 2 : member->sampleCount;
    field(Field::sampleCount).setText(number(readings));
    field(Field::knownDiameter).setText(number(member->knownDiameter));
    field(Field::designDiameter).setText(number(member->designDiameter));
    field(Field::designCover).setText(number(member->designCover));
    // Without readings there are no extremes, as there is no mean.
    field(Field::maxCover).setText(readings > 0 ? number(member->maxCover) : QString());
    field(Field::minCover).setText(readings > 0 ? number(member->minCover) : QString());
    field(Field::upperDeviation).setText(number(member->upperDeviation));
    field(Field::lowerDeviation).setText(number(member->lowerDeviation));
    // Only a measured-diameter member has a design diameter to type; a known-diameter member shows none.
    if (digit == TestModeDigit::singleKnownDiameter)
        field(Field::designDiameter).clear();
    else if (digit == TestModeDigit::singleMeasuredDiameter)
        field(Field::knownDiameter).clear();
    setTypable(field(Field::designDiameter), digit == TestModeDigit::singleMeasuredDiameter);
    showCoverStatistics(*member);
    lowerDeviationAcceptable();
}

void ProjectSummaryForm::showCoverStatistics(const MemberRecord& member)
{
    const MemberEvaluation evaluated = evaluateMemberValues(member, document_.project()->extension.pointsPerBar);
    const CoverStatistics& figures = evaluated.statistics;
    const auto tenths = [](const std::optional<double>& v) { return v ? QString::number(*v, 'f', 1) : QString(); };
    field(Field::meanCover).setText(tenths(figures.mean));
    field(Field::standardDeviation).setText(tenths(figures.sd));
    field(Field::characteristicCover).setText(tenths(figures.characteristic));
    // Cut to a tenth as the evaluation report shows it.
    const std::optional<double> rate = memberRate(evaluated);
    field(Field::passRate).setText(rate ? QString::fromStdString(rateText(*rate)) + QLatin1Char('%') : QString());
}

bool ProjectSummaryForm::lowerDeviationAcceptable()
{
    const QString text = field(Field::lowerDeviation).text();
    if (text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('0')))
        return true;
    host_.prompts().showMessage(this, tr("允许偏差下限应为负值或零!"));
    field(Field::lowerDeviation).setText(QStringLiteral("0"));
    return false;
}

void ProjectSummaryForm::designDiameterEdited()
{
    // The value belongs to the member the field shows, whatever is selected by now.
    const MemberRecord* member = document_.member(shownMember_);
    QLineEdit& edited = field(Field::designDiameter);
    if (member == nullptr || edited.isReadOnly())
        return;
    const auto value = static_cast<std::int32_t>(std::clamp<std::int64_t>(leadingInteger(edited.text()).value_or(0),
                                                                          std::numeric_limits<std::int32_t>::min(),
                                                                          std::numeric_limits<std::int32_t>::max()));
    if (!document_.setDesignDiameter(shownMember_, value))
        edited.setText(QString::number(member->designDiameter));
}

void ProjectSummaryForm::commitTypedValue()
{
    if (field(Field::designDiameter).isModified()) {
        designDiameterEdited();
        field(Field::designDiameter).setModified(false);
    }
}

} // namespace trellon
