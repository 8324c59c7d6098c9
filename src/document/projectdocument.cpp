// The project document and its typed edits.
#include "projectdocument.h"

#include "memberedit.h"

#include "evaluation/statistics.h"
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

QString number(std::int64_t value)
{
    return QString::number(value);
}

// The stack hands out its steps read-only; only their names change here.
void retranslateStep(const QUndoCommand& step)
{
    auto& named = const_cast<QUndoCommand&>(step);
    if (auto* edit = dynamic_cast<MemberEdit*>(&named)) {
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

template <typename Edit> ProjectDocument::FieldChange ProjectDocument::fieldChange(int memberIndex, Edit edit) const
{
    const MemberRecord& m = *member(memberIndex);
    const Fields before{m.designCover, m.upperDeviation, m.lowerDeviation, m.designDiameter, m.checked};
    Fields after = before;
    edit(after);
    return {memberIndex, before, after};
}

bool ProjectDocument::record(StepText text, std::vector<Change> changes, int focus)
{
    std::erase_if(changes, [](const Change& change) { return change.before == change.after; });
    if (changes.empty() || applying_)
        return false;
    undoStack_->push(new MemberEdit(*this, std::move(text), std::move(changes), testMode_, focus));
    return true;
}

bool ProjectDocument::record(StepText text, std::vector<FieldChange> changes, bool figures, int focus,
                             std::optional<Rename> rename)
{
    std::erase_if(changes, [](const FieldChange& change) { return change.before == change.after; });
    if (rename && rename->before == rename->after)
        rename.reset();
    if ((changes.empty() && !rename) || applying_)
        return false;
    undoStack_->push(
        new MemberEdit(*this, std::move(text), std::move(changes), figures, std::move(rename), testMode_, focus));
    return true;
}

template <typename Edit> bool ProjectDocument::editReadings(StepText text, int memberIndex, Edit edit)
{
    if (member(memberIndex) == nullptr || applying_)
        return false;
    MemberRecord edited = *member(memberIndex);
    if (!edit(edited))
        return false;
    const auto readingsOf = [](const MemberRecord& m) {
        return Readings{m.samples, m.sampleCount, m.xBarCount, m.yBarCount};
    };
    std::vector<Change> changes;
    changes.push_back({memberIndex, readingsOf(*member(memberIndex)), readingsOf(edited)});
    return record(std::move(text), std::move(changes), memberIndex);
}

void ProjectDocument::apply(const MemberEdit& step, bool after, bool show)
{
    applying_ = true;
    QList<int> touched;
    touched.reserve(static_cast<qsizetype>(step.readingChanges().size() + step.fieldChanges().size()));
    for (const Change& change : step.readingChanges()) {
        MemberRecord& live = project_->members[static_cast<std::size_t>(change.index)];
        const Readings& installed = after ? change.after : change.before;
        live.samples = installed.samples;
        live.sampleCount = installed.sampleCount;
        live.xBarCount = installed.xBarCount;
        live.yBarCount = installed.yBarCount;
        recomputeMemberStatistics(live);
        touched << change.index;
    }
    for (const FieldChange& change : step.fieldChanges()) {
        MemberRecord& live = project_->members[static_cast<std::size_t>(change.index)];
        const Fields& installed = after ? change.after : change.before;
        live.designCover = installed.designCover;
        live.upperDeviation = installed.upperDeviation;
        live.lowerDeviation = installed.lowerDeviation;
        live.designDiameter = installed.designDiameter;
        live.checked = installed.checked;
        if (step.changesFigures())
            recomputeMemberStatistics(live);
        touched << change.index;
    }
    if (const auto& rename = step.rename()) {
        project_->members[static_cast<std::size_t>(rename->index)].name = after ? rename->after : rename->before;
        if (!touched.contains(rename->index))
            touched << rename->index;
    }
    if (const auto& extension = step.extension()) {
        const ProjectExtension& installed = after ? extension->second : extension->first;
        const ProjectExtension& replaced = after ? extension->first : extension->second;
        for (int index = 0; index < project_->memberCount(); ++index) {
            const auto extrasOf = [index](const ProjectExtension& e) {
                return static_cast<std::size_t>(index) < e.members.size() ? e.members[static_cast<std::size_t>(index)]
                                                                          : MemberExtras{};
            };
            if (extrasOf(installed) != extrasOf(replaced))
                touched << index;
        }
        project_->extension = installed;
    }
    if (show)
        select(step.mode(), step.focus());
    emit membersChanged(touched);
    if (step.extension())
        emit extensionChanged();
    applying_ = false;
}

bool ProjectDocument::recordExtension(StepText text, ProjectExtension after)
{
    trimDefaultExtras(after);
    if (!project_ || applying_ || after == project_->extension)
        return false;
    undoStack_->push(
        new MemberEdit(*this, std::move(text), project_->extension, std::move(after), testMode_, selectedMember_));
    return true;
}

template <typename Edit>
bool ProjectDocument::editExtras(StepText text, const std::vector<int>& memberIndexes, Edit edit)
{
    if (!project_)
        return false;
    ProjectExtension after = project_->extension;
    for (const int index : memberIndexes) {
        if (member(index) == nullptr)
            continue;
        if (after.members.size() <= static_cast<std::size_t>(index))
            after.members.resize(static_cast<std::size_t>(index) + 1);
        edit(after.members[static_cast<std::size_t>(index)]);
    }
    return recordExtension(std::move(text), std::move(after));
}

bool ProjectDocument::setMemberType(const std::vector<int>& memberIndexes, std::optional<MemberType> type)
{
    return editExtras({type ? QT_TR_NOOP("设置构件类型") : QT_TR_NOOP("按名称推断构件类型"), {}}, memberIndexes,
                      [type](MemberExtras& extras) { extras.type = type; });
}

bool ProjectDocument::setSecondSample(const std::vector<int>& memberIndexes, bool secondSample)
{
    return editExtras({secondSample ? QT_TR_NOOP("设为复检") : QT_TR_NOOP("取消复检"), {}}, memberIndexes,
                      [secondSample](MemberExtras& extras) { extras.secondSample = secondSample; });
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

const MemberRecord* ProjectDocument::singlePointMember(int memberIndex) const
{
    const MemberRecord* found = member(memberIndex);
    return found != nullptr && belongsToTestMode(*found, TestMode::singlePoint) ? found : nullptr;
}

bool ProjectDocument::setReading(int memberIndex, std::int64_t index, std::int32_t value)
{
    const MemberRecord* target = singlePointMember(memberIndex);
    if (target == nullptr || index < 0 || index >= static_cast<std::int64_t>(target->samples.size()))
        return false;
    const bool diameter = isMeasuredDiameter(*target) && index % 2 == 1;
    StepText text{diameter ? QT_TR_NOOP("%1 测点%2 直径：%3→%4") : QT_TR_NOOP("%1 测点%2：%3→%4"),
                  {numberOf(memberIndex), number(index / readingsPerRow(*target) + 1),
                   number(target->samples[static_cast<std::size_t>(index)]), number(value)}};
    return editReadings(std::move(text), memberIndex, [&](MemberRecord& m) {
        m.samples[static_cast<std::size_t>(index)] = value;
        return true;
    });
}

bool ProjectDocument::insertReadingRow(int memberIndex, std::int64_t row)
{
    const MemberRecord* target = singlePointMember(memberIndex);
    if (target == nullptr || row < 0 || row > rowCount(*target))
        return false;
    return editReadings({QT_TR_NOOP("%1 插入测点%2"), {numberOf(memberIndex), number(row + 1)}}, memberIndex,
                        [&](MemberRecord& m) {
                            const std::int64_t width = readingsPerRow(m);
                            m.samples.insert(m.samples.begin() + row * width, static_cast<std::size_t>(width), 0);
                            m.sampleCount = static_cast<std::int32_t>(m.samples.size());
                            return true;
                        });
}

bool ProjectDocument::deleteReadingRow(int memberIndex, std::int64_t row)
{
    const MemberRecord* target = singlePointMember(memberIndex);
    if (target == nullptr || row < 0 || row >= rowCount(*target))
        return false;
    return editReadings({QT_TR_NOOP("%1 删除测点%2"), {numberOf(memberIndex), number(row + 1)}}, memberIndex,
                        [&](MemberRecord& m) {
                            const std::int64_t width = readingsPerRow(m);
                            const auto first = m.samples.begin() + row * width;
                            m.samples.erase(first, first + width);
                            m.sampleCount = static_cast<std::int32_t>(m.samples.size());
                            return true;
                        });
}

std::vector<BarEdit> ProjectDocument::setBarValues(int memberIndex, const std::vector<BarValue>& values)
{
    std::vector<BarEdit> outcomes(values.size(), BarEdit::noSuchBar);
    const MemberRecord* target = member(memberIndex);
    if (target == nullptr || !hasBarRuns(*target))
        return outcomes;
    StepText text{QT_TR_NOOP("%1 修改钢筋数据"), {numberOf(memberIndex)}};
    if (values.size() == 1) {
        const BarValue& typed = values.front();
        text = {barValueText(typed.run, typed.field),
                {numberOf(memberIndex), number(typed.bar + 1),
                 number(barValue(*target, typed.run, typed.bar, typed.field)), number(typed.value)}};
    }
    editReadings(std::move(text), memberIndex, [&](MemberRecord& m) {
        bool stored = false;
        for (std::size_t i = 0; i < values.size(); ++i) {
            outcomes[i] = storeBarValue(m, values[i].run, values[i].bar, values[i].field, values[i].value);
            stored |= outcomes[i] == BarEdit::stored;
        }
        return stored;
    });
    return outcomes;
}

BarEdit ProjectDocument::setBarValue(int memberIndex, BarRun run, int bar, BarField field, std::int64_t value)
{
    return setBarValues(memberIndex, {{run, bar, field, value}}).front();
}

bool ProjectDocument::insertBar(int memberIndex, BarRun run, int bar, bool after)
{
    const MemberRecord* target = member(memberIndex);
    if (target == nullptr || !hasBarRuns(*target))
        return false;
    const int inserted = after ? bar + 1 : bar;
    return editReadings({insertBarText(run), {numberOf(memberIndex), number(inserted + 1)}}, memberIndex,
                        [&](MemberRecord& m) { return trellon::insertBar(m, run, bar, after); });
}

bool ProjectDocument::deleteBar(int memberIndex, BarRun run, int bar)
{
    const MemberRecord* target = member(memberIndex);
    if (target == nullptr || !hasBarRuns(*target))
        return false;
    return editReadings({deleteBarText(run), {numberOf(memberIndex), number(bar + 1)}}, memberIndex,
                        [&](MemberRecord& m) { return trellon::deleteBar(m, run, bar); });
}

bool ProjectDocument::setProjectInformation(int memberIndex, std::string name, const std::vector<int>& alsoTo,
                                            const DesignValues& values)
{
    if (member(memberIndex) == nullptr)
        return false;
    std::vector<int> indexes{memberIndex};
    for (const int index : alsoTo) {
        if (index != memberIndex && member(index) != nullptr)
            indexes.push_back(index);
    }
    std::vector<FieldChange> changes;
    changes.reserve(indexes.size());
    for (const int index : indexes) {
        changes.push_back(fieldChange(index, [&values](Fields& f) {
            f.designCover = values.designCover;
            f.upperDeviation = values.upperDeviation;
            f.lowerDeviation = values.lowerDeviation;
        }));
    }
    return record({QT_TR_NOOP("%1 修改工程信息"), {numberOf(memberIndex)}}, std::move(changes), true, memberIndex,
                  Rename{memberIndex, member(memberIndex)->name, std::move(name)});
}

bool ProjectDocument::setStandardDeviations(const std::vector<Deviations>& deviations)
{
    std::vector<FieldChange> changes;
    for (const Deviations& wanted : deviations) {
        if (member(wanted.memberIndex) == nullptr)
            continue;
        changes.push_back(fieldChange(wanted.memberIndex, [&wanted](Fields& f) {
            f.upperDeviation = wanted.upperDeviation;
            f.lowerDeviation = wanted.lowerDeviation;
        }));
    }
    return record({QT_TR_NOOP("按规范设置允许偏差"), {}}, std::move(changes), true, selectedMember_);
}

bool ProjectDocument::setDesignDiameter(int memberIndex, std::int32_t diameter)
{
    if (member(memberIndex) == nullptr)
        return false;
    std::vector<FieldChange> changes{fieldChange(memberIndex, [diameter](Fields& f) { f.designDiameter = diameter; })};
    StepText text{QT_TR_NOOP("%1 设计直径：%2→%3"),
                  {numberOf(memberIndex), number(member(memberIndex)->designDiameter), number(diameter)}};
    return record(std::move(text), std::move(changes), true, memberIndex);
}

bool ProjectDocument::setChecked(const std::vector<int>& memberIndexes, bool checked)
{
    std::vector<FieldChange> changes;
    for (const int index : memberIndexes) {
        if (member(index) == nullptr || (member(index)->checked != 0) == checked)
            continue;
        changes.push_back(fieldChange(index, [checked](Fields& f) { f.checked = checked ? 1 : 0; }));
    }
    if (changes.empty())
        return false;
    StepText text{checked ? QT_TR_NOOP("勾选 %1 个构件") : QT_TR_NOOP("取消勾选 %1 个构件"),
                  {number(static_cast<std::int64_t>(changes.size()))}};
    if (changes.size() == 1)
        text = {checked ? QT_TR_NOOP("勾选 %1") : QT_TR_NOOP("取消勾选 %1"), {numberOf(changes.front().index)}};
    const int focus = changes.size() == 1 ? changes.front().index : selectedMember_;
    return record(std::move(text), std::move(changes), false, focus);
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

void ProjectDocument::beginStepGroup()
{
    undoStack_->beginMacro(QString());
}

void ProjectDocument::endStepGroup()
{
    undoStack_->endMacro();
    if (const QUndoCommand* group = undoStack_->command(undoStack_->index() - 1))
        retranslateStep(*group);
}

} // namespace trellon
