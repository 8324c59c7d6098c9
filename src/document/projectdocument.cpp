// The project document and its typed edits.
#include "projectdocument.h"

#include "extensionstep.h"

#include "model/gbk.h"

#include <QUndoStack>

#include <algorithm>

namespace trellon {

namespace {

// Members past the last one with extras of its own take the defaults: the list stops there, so that two
// extensions that mean the same compare equal.
void trimDefaultExtras(ProjectExtension& extension)
{
    while (!extension.members.empty() && extension.members.back() == MemberExtras{})
        extension.members.pop_back();
}

bool isMeasuredDiameter(const MemberRecord& member)
{
    return testModeDigit(member) == TestModeDigit::singleMeasuredDiameter;
}

// Readings a row of the list holds: a cover, or a cover and a diameter.
std::int64_t readingsPerRow(const MemberRecord& member)
{
    return isMeasuredDiameter(member) ? 2 : 1;
}

std::int64_t rowCount(const MemberRecord& member)
{
    return static_cast<std::int64_t>(member.samples.size()) / readingsPerRow(member);
}

std::size_t runRow(BarRun run)
{
    return static_cast<std::size_t>(run);
}

// "4002 X钢筋3 保护层：28→31": a typed bar value, by run and field.
const char* barValueText(BarRun run, BarField field)
{
    static constexpr const char* texts[3][2] = {
        {QT_TRANSLATE_NOOP("trellon::ProjectDocument", "%1 钢筋%2 位置：%3→%4"),
         QT_TRANSLATE_NOOP("trellon::ProjectDocument", "%1 钢筋%2 保护层：%3→%4")},
        {QT_TRANSLATE_NOOP("trellon::ProjectDocument", "%1 X钢筋%2 位置：%3→%4"),
         QT_TRANSLATE_NOOP("trellon::ProjectDocument", "%1 X钢筋%2 保护层：%3→%4")},
        {QT_TRANSLATE_NOOP("trellon::ProjectDocument", "%1 Y钢筋%2 位置：%3→%4"),
         QT_TRANSLATE_NOOP("trellon::ProjectDocument", "%1 Y钢筋%2 保护层：%3→%4")},
    };
    return texts[runRow(run)][field == BarField::position ? 0 : 1];
}

const char* insertBarText(BarRun run)
{
    static constexpr const char* texts[3] = {QT_TRANSLATE_NOOP("trellon::ProjectDocument", "%1 插入钢筋%2"),
                                             QT_TRANSLATE_NOOP("trellon::ProjectDocument", "%1 插入X钢筋%2"),
                                             QT_TRANSLATE_NOOP("trellon::ProjectDocument", "%1 插入Y钢筋%2")};
    return texts[runRow(run)];
}

const char* deleteBarText(BarRun run)
{
    static constexpr const char* texts[3] = {QT_TRANSLATE_NOOP("trellon::ProjectDocument", "%1 删除钢筋%2"),
                                             QT_TRANSLATE_NOOP("trellon::ProjectDocument", "%1 删除X钢筋%2"),
                                             QT_TRANSLATE_NOOP("trellon::ProjectDocument", "%1 删除Y钢筋%2")};
    return texts[runRow(run)];
}

PointRun pointRunOf(BarRun run)
{
    return run == BarRun::gridY ? PointRun::y : PointRun::x;
}

bool isWithinRules(const VerificationRules& rules)
{
    return rules.spacer >= 0 && rules.spacer <= maxSpacer && rules.minShare >= 0 && rules.minShare <= maxMinShare &&
           rules.minPoints >= 0 && rules.minPoints <= maxMinPoints && rules.maxError >= 0 &&
           rules.maxError <= maxMaxError;
}

bool isStorable(const VerificationPoint& point)
{
    return point.member >= 0 && point.point >= 0 && point.measured >= 0 && point.measured <= maxMeasuredCover &&
           (!point.diameter || (*point.diameter >= 0 && *point.diameter <= maxStatedDiameter));
}

QString number(std::int64_t value)
{
    return QString::number(value);
}

StepText memberTypeText(std::optional<MemberType> type)
{
    return {type ? QT_TRANSLATE_NOOP("trellon::ProjectDocument", "设置构件类型")
                 : QT_TRANSLATE_NOOP("trellon::ProjectDocument", "按名称推断构件类型"),
            {}};
}

StepText secondSampleText(bool secondSample)
{
    return {secondSample ? QT_TRANSLATE_NOOP("trellon::ProjectDocument", "设为复检")
                         : QT_TRANSLATE_NOOP("trellon::ProjectDocument", "取消复检"),
            {}};
}

// The stack hands out its steps read-only; only their names change here.
void retranslateStep(const QUndoCommand& step)
{
    auto& named = const_cast<QUndoCommand&>(step);
    if (auto* edit = dynamic_cast<DocumentStep*>(&named)) {
        edit->retranslate();
        return;
    }
    for (int i = 0; i < step.childCount(); ++i)
        retranslateStep(*step.child(i));
    if (step.childCount() > 0)
        named.setText(step.child(0)->text());
}

} // namespace

ProjectDocument::ProjectDocument(QObject* parent) : QObject(parent), undoStack_(new QUndoStack(this))
{
    connect(undoStack_, &QUndoStack::cleanChanged, this, &ProjectDocument::updateModified);
    connect(undoStack_, &QUndoStack::indexChanged, this, &ProjectDocument::historyChanged);
}

ProjectDocument::~ProjectDocument()
{
    // The steps refer to the document: they go first.
    undoStack_->disconnect(this);
    delete undoStack_;
}

const MemberRecord* ProjectDocument::member(int index) const
{
    if (!project_ || index < 0 || index >= project_->memberCount())
        return nullptr;
    return &project_->members[static_cast<std::size_t>(index)];
}

bool ProjectDocument::isModified() const
{
    return modified_;
}

void ProjectDocument::markSaved(std::string path)
{
    currentFilePath_ = std::move(path);
    unsavedWithoutHistory_ = false;
    undoStack_->setClean();
    updateModified();
    emit saved();
}

void ProjectDocument::updateModified()
{
    const bool modified = unsavedWithoutHistory_ || !undoStack_->isClean();
    if (modified == modified_)
        return;
    modified_ = modified;
    emit modifiedChanged(modified_);
}

void ProjectDocument::select(TestMode mode, int memberIndex)
{
    const MemberRecord* chosen = member(memberIndex);
    const int index = chosen != nullptr && belongsToTestMode(*chosen, mode) ? memberIndex : -1;
    if (mode == testMode_ && index == selectedMember_)
        return;
    testMode_ = mode;
    selectedMember_ = index;
    emit selectionChanged();
}

void ProjectDocument::replaceProject(std::unique_ptr<Project> project, std::string filePath, bool modified)
{
    undoStack_->clear();
    project_ = std::move(project);
    if (project_)
        trimDefaultExtras(project_->extension);
    currentFilePath_ = std::move(filePath);
    testMode_ = TestMode::singlePoint;
    selectedMember_ = project_ ? memberIndexInMode(project_->members, TestMode::singlePoint, 0) : -1;
    unsavedWithoutHistory_ = modified;
    undoStack_->setClean();
    updateModified();
    emit projectReplaced();
}

template <typename Edit> FieldsStep::Change ProjectDocument::fieldChange(int memberIndex, Edit edit) const
{
    const FieldsStep::Fields before = FieldsStep::Fields::of(*member(memberIndex));
    FieldsStep::Fields after = before;
    edit(after);
    return {memberIndex, before, after};
}

bool ProjectDocument::recordReadings(StepText text, std::vector<ReadingsStep::Change> changes, int focus,
                                     QUndoCommand* group)
{
    std::erase_if(changes, [](const ReadingsStep::Change& change) { return change.before == change.after; });
    if (changes.empty() || applying_)
        return false;
    auto* step = new ReadingsStep(*this, std::move(text), std::move(changes), testMode_, focus, group);
    if (group == nullptr)
        undoStack_->push(step);
    return true;
}

bool ProjectDocument::recordFields(StepText text, std::vector<FieldsStep::Change> changes, bool figures, int focus,
                                   std::optional<FieldsStep::Rename> rename, QUndoCommand* group)
{
    std::erase_if(changes, [](const FieldsStep::Change& change) { return change.before == change.after; });
    if (rename && rename->before == rename->after)
        rename.reset();
    if ((changes.empty() && !rename) || applying_)
        return false;
    auto* step =
        new FieldsStep(*this, std::move(text), std::move(changes), figures, std::move(rename), testMode_, focus, group);
    if (group == nullptr)
        undoStack_->push(step);
    return true;
}

template <typename Edit>
bool ProjectDocument::editReadings(StepText text, int memberIndex, Edit edit, Renumber renumber)
{
    if (member(memberIndex) == nullptr || applying_)
        return false;
    MemberRecord edited = *member(memberIndex);
    if (!edit(edited))
        return false;
    std::vector<ReadingsStep::Change> changes;
    changes.push_back(
        {memberIndex, ReadingsStep::Readings::of(*member(memberIndex)), ReadingsStep::Readings::of(edited)});
    if (!renumber)
        return recordReadings(std::move(text), std::move(changes), memberIndex);
    // The verification points move with the readings in the same step.
    ProjectExtension extension = project_->extension;
    renumber(extension.verification.points);
    auto group = std::make_unique<QUndoCommand>();
    if (!recordReadings(text, std::move(changes), memberIndex, group.get()))
        return false;
    recordExtension(std::move(text), std::move(extension), group.get());
    group->setText(group->child(0)->text());
    undoStack_->push(group.release());
    return true;
}

void ProjectDocument::apply(const DocumentStep& step, bool after, bool show)
{
    applying_ = true;
    const QList<int> touched = step.install(*project_, after);
    if (show)
        select(step.mode(), step.focus());
    emit membersChanged(touched);
    if (step.changesExtension())
        emit extensionChanged();
    applying_ = false;
}

bool ProjectDocument::recordExtension(StepText text, ProjectExtension after, QUndoCommand* group)
{
    trimDefaultExtras(after);
    if (!project_ || applying_ || after == project_->extension)
        return false;
    auto* step = new ExtensionStep(*this, std::move(text), project_->extension, std::move(after), testMode_,
                                   selectedMember_, group);
    if (group == nullptr)
        undoStack_->push(step);
    return true;
}

template <typename Edit>
void ProjectDocument::editExtras(ProjectExtension& extension, const std::vector<int>& memberIndexes, Edit edit) const
{
    for (const int index : memberIndexes) {
        if (member(index) == nullptr)
            continue;
        if (extension.members.size() <= static_cast<std::size_t>(index))
            extension.members.resize(static_cast<std::size_t>(index) + 1);
        edit(extension.members[static_cast<std::size_t>(index)]);
    }
}

bool ProjectDocument::setMemberType(const std::vector<int>& memberIndexes, std::optional<MemberType> type)
{
    if (!project_)
        return false;
    ProjectExtension after = project_->extension;
    editExtras(after, memberIndexes, [type](MemberExtras& extras) { extras.type = type; });
    return recordExtension(memberTypeText(type), std::move(after));
}

bool ProjectDocument::setSecondSample(const std::vector<int>& memberIndexes, bool secondSample)
{
    if (!project_)
        return false;
    ProjectExtension after = project_->extension;
    editExtras(after, memberIndexes, [secondSample](MemberExtras& extras) { extras.secondSample = secondSample; });
    return recordExtension(secondSampleText(secondSample), std::move(after));
}

bool ProjectDocument::setPointsPerBar(std::int32_t pointsPerBar)
{
    if (!project_ || pointsPerBar < 1 || pointsPerBar > maxPointsPerBar)
        return false;
    ProjectExtension after = project_->extension;
    after.pointsPerBar = pointsPerBar;
    return recordExtension({QT_TR_NOOP("每根钢筋测点数 %1"), {number(pointsPerBar)}}, std::move(after));
}

bool ProjectDocument::setPopulation(MemberType type, std::optional<std::int32_t> population)
{
    if (!project_ || (population && *population < 0))
        return false;
    ProjectExtension after = project_->extension;
    if (population)
        after.population[type] = *population;
    else
        after.population.erase(type);
    return recordExtension({QT_TR_NOOP("修改构件总数"), {}}, std::move(after));
}

bool ProjectDocument::setConclusionBasis(ConclusionBasis basis)
{
    if (!project_)
        return false;
    ProjectExtension after = project_->extension;
    after.conclusionBasis = basis;
    return recordExtension({QT_TR_NOOP("修改结论依据"), {}}, std::move(after));
}

template <typename Edit> bool ProjectDocument::editVerification(StepText text, Edit edit)
{
    if (!project_)
        return false;
    ProjectExtension after = project_->extension;
    if (!edit(after.verification))
        return false;
    return recordExtension(std::move(text), std::move(after));
}

bool ProjectDocument::addVerificationPoint(const VerificationPoint& point)
{
    if (!isStorable(point))
        return false;
    return editVerification({QT_TR_NOOP("%1 添加验证点"), {numberOf(point.member)}}, [&](Verification& v) {
        v.points.push_back(point);
        return true;
    });
}

bool ProjectDocument::setVerificationPoint(int index, const VerificationPoint& point)
{
    if (!isStorable(point))
        return false;
    return editVerification({QT_TR_NOOP("%1 修改验证点"), {numberOf(point.member)}}, [&](Verification& v) {
        if (index < 0 || static_cast<std::size_t>(index) >= v.points.size())
            return false;
        v.points[static_cast<std::size_t>(index)] = point;
        return true;
    });
}

bool ProjectDocument::deleteVerificationPoints(const std::vector<int>& indexes)
{
    return editVerification({QT_TR_NOOP("删除 %1 个验证点"), {number(static_cast<std::int64_t>(indexes.size()))}},
                            [&](Verification& v) {
                                std::vector<VerificationPoint> kept;
                                for (std::size_t i = 0; i < v.points.size(); ++i) {
                                    if (std::find(indexes.begin(), indexes.end(), static_cast<int>(i)) == indexes.end())
                                        kept.push_back(v.points[i]);
                                }
                                v.points = std::move(kept);
                                return true;
                            });
}

bool ProjectDocument::setVerificationRules(const VerificationRules& rules)
{
    if (!isWithinRules(rules))
        return false;
    return editVerification({QT_TR_NOOP("修改验证规则"), {}}, [&](Verification& v) {
        v.rules = rules;
        return true;
    });
}

bool ProjectDocument::setJudgeCorrected(bool judgeCorrected)
{
    return editVerification({judgeCorrected ? QT_TR_NOOP("按修正值评定") : QT_TR_NOOP("按原始读数评定"), {}},
                            [&](Verification& v) {
                                v.judgeCorrected = judgeCorrected;
                                return true;
                            });
}

const MemberRecord* ProjectDocument::singlePointMember(int memberIndex) const
{
    const MemberRecord* found = member(memberIndex);
    return found != nullptr && belongsToTestMode(*found, TestMode::singlePoint) ? found : nullptr;
}

ReadingEdit ProjectDocument::setReading(int memberIndex, std::int64_t index, std::int64_t value)
{
    const MemberRecord* target = singlePointMember(memberIndex);
    if (target == nullptr)
        return ReadingEdit::noSuchReading;
    MemberRecord edited = *target;
    const ReadingEdit outcome = storeReading(edited, index, value);
    if (outcome != ReadingEdit::stored)
        return outcome;
    const bool diameter = isMeasuredDiameter(*target) && index % 2 == 1;
    StepText text{diameter ? QT_TR_NOOP("%1 测点%2 直径：%3→%4") : QT_TR_NOOP("%1 测点%2：%3→%4"),
                  {numberOf(memberIndex), number(index / readingsPerRow(*target) + 1),
                   number(target->samples[static_cast<std::size_t>(index)]), number(value)}};
    std::vector<ReadingsStep::Change> changes;
    changes.push_back({memberIndex, ReadingsStep::Readings::of(*target), ReadingsStep::Readings::of(edited)});
    return recordReadings(std::move(text), std::move(changes), memberIndex) ? ReadingEdit::stored
                                                                            : ReadingEdit::unchanged;
}

bool ProjectDocument::insertReadingRow(int memberIndex, std::int64_t row)
{
    const MemberRecord* target = singlePointMember(memberIndex);
    if (target == nullptr || row < 0 || row > rowCount(*target))
        return false;
    return editReadings(
        {QT_TR_NOOP("%1 插入测点%2"), {numberOf(memberIndex), number(row + 1)}}, memberIndex,
        [&](MemberRecord& m) {
            const std::int64_t width = readingsPerRow(m);
            m.samples.insert(m.samples.begin() + row * width, static_cast<std::size_t>(width), 0);
            m.sampleCount = static_cast<std::int32_t>(m.samples.size());
            return true;
        },
        [&](std::vector<VerificationPoint>& points) {
            verificationPointInserted(points, memberIndex, PointRun::none, static_cast<std::int32_t>(row + 1));
        });
}

bool ProjectDocument::deleteReadingRow(int memberIndex, std::int64_t row)
{
    const MemberRecord* target = singlePointMember(memberIndex);
    if (target == nullptr || row < 0 || row >= rowCount(*target))
        return false;
    return editReadings(
        {QT_TR_NOOP("%1 删除测点%2"), {numberOf(memberIndex), number(row + 1)}}, memberIndex,
        [&](MemberRecord& m) {
            const std::int64_t width = readingsPerRow(m);
            const auto first = m.samples.begin() + row * width;
            m.samples.erase(first, first + width);
            m.sampleCount = static_cast<std::int32_t>(m.samples.size());
            return true;
        },
        [&](std::vector<VerificationPoint>& points) {
            verificationPointDeleted(points, memberIndex, PointRun::none, static_cast<std::int32_t>(row + 1));
        });
}

ProjectDocument::BarValuesEdit ProjectDocument::setBarValues(int memberIndex, const std::vector<BarValue>& values)
{
    BarValuesEdit edit{std::vector<BarEdit>(values.size(), BarEdit::noSuchBar), false};
    std::vector<BarEdit>& outcomes = edit.outcomes;
    const MemberRecord* target = member(memberIndex);
    if (target == nullptr || !hasBarRuns(*target))
        return edit;
    StepText text{QT_TR_NOOP("%1 修改钢筋数据"), {numberOf(memberIndex)}};
    if (values.size() == 1) {
        const BarValue& typed = values.front();
        text = {barValueText(typed.run, typed.field),
                {numberOf(memberIndex), number(typed.bar + 1),
                 number(barValue(*target, typed.run, typed.bar, typed.field)), number(typed.value)}};
    }
    edit.stepMade = editReadings(std::move(text), memberIndex, [&](MemberRecord& m) {
        bool stored = false;
        for (std::size_t i = 0; i < values.size(); ++i) {
            outcomes[i] = storeBarValue(m, values[i].run, values[i].bar, values[i].field, values[i].value);
            stored |= outcomes[i] == BarEdit::stored;
        }
        return stored;
    });
    return edit;
}

BarEdit ProjectDocument::setBarValue(int memberIndex, BarRun run, int bar, BarField field, std::int64_t value)
{
    return setBarValues(memberIndex, {{run, bar, field, value}}).outcomes.front();
}

bool ProjectDocument::insertBar(int memberIndex, BarRun run, int bar, bool after)
{
    const MemberRecord* target = member(memberIndex);
    if (target == nullptr || !hasBarRuns(*target))
        return false;
    const int inserted = after ? bar + 1 : bar;
    return editReadings(
        {insertBarText(run), {numberOf(memberIndex), number(inserted + 1)}}, memberIndex,
        [&](MemberRecord& m) { return trellon::insertBar(m, run, bar, after); },
        [&](std::vector<VerificationPoint>& points) {
            verificationPointInserted(points, memberIndex, pointRunOf(run), inserted + 1);
        });
}

bool ProjectDocument::deleteBar(int memberIndex, BarRun run, int bar)
{
    const MemberRecord* target = member(memberIndex);
    if (target == nullptr || !hasBarRuns(*target))
        return false;
    return editReadings(
        {deleteBarText(run), {numberOf(memberIndex), number(bar + 1)}}, memberIndex,
        [&](MemberRecord& m) { return trellon::deleteBar(m, run, bar); },
        [&](std::vector<VerificationPoint>& points) {
            verificationPointDeleted(points, memberIndex, pointRunOf(run), bar + 1);
        });
}

bool ProjectDocument::setProjectInformation(int memberIndex, std::string name, const std::vector<int>& alsoTo,
                                            const DesignValues& values, const AcceptanceChanges& acceptance)
{
    if (member(memberIndex) == nullptr || designValueOutOfRange(values) || applying_)
        return false;
    std::vector<int> indexes{memberIndex};
    for (const int index : alsoTo) {
        if (index != memberIndex && member(index) != nullptr)
            indexes.push_back(index);
    }
    std::vector<FieldsStep::Change> changes;
    changes.reserve(indexes.size());
    for (const int index : indexes) {
        changes.push_back(fieldChange(index, [&values](FieldsStep::Fields& f) {
            f.designCover = values.designCover;
            f.upperDeviation = values.upperDeviation;
            f.lowerDeviation = values.lowerDeviation;
        }));
    }
    // The acceptance data go to the same members as one change of the extension, named as its first part.
    ProjectExtension extension = project_->extension;
    std::optional<StepText> extensionText;
    if (acceptance.setsType) {
        editExtras(extension, indexes, [&acceptance](MemberExtras& extras) { extras.type = acceptance.type; });
        extensionText = memberTypeText(acceptance.type);
    }
    if (acceptance.setsSecondSample) {
        editExtras(extension, indexes,
                   [&acceptance](MemberExtras& extras) { extras.secondSample = acceptance.secondSample; });
        if (!extensionText)
            extensionText = secondSampleText(acceptance.secondSample);
    }

    auto group = std::make_unique<QUndoCommand>();
    recordFields({QT_TR_NOOP("%1 修改工程信息"), {numberOf(memberIndex)}}, std::move(changes), true, memberIndex,
                 FieldsStep::Rename{memberIndex, member(memberIndex)->name, std::move(name)}, group.get());
    if (extensionText)
        recordExtension(std::move(*extensionText), std::move(extension), group.get());
    if (group->childCount() == 0)
        return false;
    group->setText(group->child(0)->text());
    undoStack_->push(group.release());
    return true;
}

bool ProjectDocument::setStandardPermittedDeviations(const std::vector<StandardPermittedDeviations>& deviations)
{
    std::vector<FieldsStep::Change> changes;
    for (const StandardPermittedDeviations& wanted : deviations) {
        if (member(wanted.memberIndex) == nullptr)
            continue;
        changes.push_back(fieldChange(wanted.memberIndex, [&wanted](FieldsStep::Fields& f) {
            f.upperDeviation = wanted.deviations.upper;
            f.lowerDeviation = wanted.deviations.lower;
        }));
    }
    return recordFields({QT_TR_NOOP("按规范设置允许偏差"), {}}, std::move(changes), true, selectedMember_);
}

bool ProjectDocument::setDesignDiameter(int memberIndex, std::int32_t diameter)
{
    if (member(memberIndex) == nullptr)
        return false;
    std::vector<FieldsStep::Change> changes{
        fieldChange(memberIndex, [diameter](FieldsStep::Fields& f) { f.designDiameter = diameter; })};
    StepText text{QT_TR_NOOP("%1 设计直径：%2→%3"),
                  {numberOf(memberIndex), number(member(memberIndex)->designDiameter), number(diameter)}};
    return recordFields(std::move(text), std::move(changes), true, memberIndex);
}

bool ProjectDocument::setChecked(const std::vector<int>& memberIndexes, bool checked)
{
    std::vector<FieldsStep::Change> changes;
    for (const int index : memberIndexes) {
        if (member(index) == nullptr || (member(index)->checked != 0) == checked)
            continue;
        changes.push_back(fieldChange(index, [checked](FieldsStep::Fields& f) { f.checked = checked ? 1 : 0; }));
    }
    if (changes.empty())
        return false;
    StepText text{checked ? QT_TR_NOOP("勾选 %1 个构件") : QT_TR_NOOP("取消勾选 %1 个构件"),
                  {number(static_cast<std::int64_t>(changes.size()))}};
    if (changes.size() == 1)
        text = {checked ? QT_TR_NOOP("勾选 %1") : QT_TR_NOOP("取消勾选 %1"), {numberOf(changes.front().index)}};
    const int focus = changes.size() == 1 ? changes.front().index : selectedMember_;
    return recordFields(std::move(text), std::move(changes), false, focus);
}

QString ProjectDocument::numberOf(int memberIndex) const
{
    const MemberRecord* named = member(memberIndex);
    return named != nullptr ? QString::fromStdString(gbkToUtf8(named->number)) : QString();
}

void ProjectDocument::retranslateHistory()
{
    for (int i = 0; i < undoStack_->count(); ++i)
        retranslateStep(*undoStack_->command(i));
}

bool ProjectDocument::canUndo() const
{
    return undoStack_->canUndo();
}

bool ProjectDocument::canRedo() const
{
    return undoStack_->canRedo();
}

QString ProjectDocument::undoText() const
{
    return undoStack_->undoText();
}

QString ProjectDocument::redoText() const
{
    return undoStack_->redoText();
}

void ProjectDocument::undo()
{
    undoStack_->undo();
}

void ProjectDocument::redo()
{
    undoStack_->redo();
}

int ProjectDocument::stepCount() const
{
    return undoStack_->count();
}

QString ProjectDocument::stepText(int step) const
{
    return undoStack_->text(step);
}

} // namespace trellon
