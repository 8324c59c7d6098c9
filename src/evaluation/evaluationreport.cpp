// Evaluation report content.
#include "evaluationreport.h"

#include "coverjudgement.h"
#include "verdictsentence.h"

#include "model/gbk.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace trellon {
namespace {

constexpr std::size_t listedBeyondLimit = 6; // values listed per member, the others counted
constexpr char dash[] = "—";

// A member's number or name as the report prints it: runs of spaces shown as one, none at either end.
std::string memberText(const std::string& gbk)
{
    std::string text;
    for (const char c : gbkToUtf8(gbk)) {
        if (c == ' ' && (text.empty() || text.back() == ' '))
            continue;
        text += c;
    }
    if (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

std::string figure(const std::optional<double>& value, int decimals)
{
    return value ? decimalText(*value, decimals) : dash;
}

std::string rate(const std::optional<double>& percent)
{
    return percent ? rateText(*percent) + "%" : dash;
}

// The shortest text that reads back as the value.
std::string shortestText(double value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return {text, end};
}

std::string signedTenth(double value)
{
    return (value > 0 ? "+" : "") + decimalText(value, 1);
}

std::string typeText(MemberType type)
{
    switch (type) {
    case MemberType::beam:
        return "梁";
    case MemberType::slab:
        return "板";
    case MemberType::cantileverBeam:
        return "悬挑梁";
    case MemberType::cantileverSlab:
        return "悬挑板";
    case MemberType::other:
        break;
    }
    return "其他";
}

std::string joined(const std::vector<std::string>& parts, const std::string& separator)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : separator) + part;
    return text;
}

class ReportWriter {
public:
    ReportWriter(const Project& project, const AcceptanceEvaluation& evaluation)
        : project_(project), evaluation_(evaluation)
    {
    }

    EvaluationReport write(const std::string& projectName, const std::string& date)
    {
        paragraph(ReportTextStyle::title, evaluationReportTitle);
        paragraph(ReportTextStyle::body, "工程文件：" + projectName + "　　每根钢筋测点数：" +
                                             std::to_string(evaluation_.pointsPerBar) + "　　评定日期：" + date);
        for (const LotEvaluation& lot : evaluation_.lots)
            writeLot(lot);
        const std::vector<const MemberEvaluation*> others = membersOf(std::nullopt);
        if (!others.empty()) {
            paragraph(ReportTextStyle::heading, "其他构件（不参与评定）");
            membersTable(others);
        }
        return std::move(report_);
    }

private:
    const MemberRecord& record(std::int32_t index) const { return project_.members[static_cast<std::size_t>(index)]; }

    void paragraph(ReportTextStyle style, std::string text, bool introducesNext = false)
    {
        report_.blocks.emplace_back(ReportParagraph{style, std::move(text), introducesNext});
    }

    void writeLot(const LotEvaluation& lot)
    {
        paragraph(ReportTextStyle::heading, lotTitle(lot.kind) + "：" + std::string(lotResultText(lot.result)));
        paragraph(ReportTextStyle::body, verdictSentence(lot));
        ReportTable samples{
            {"抽样", "构件数", "测点数", "合格点数", "合格率", "平均值", "标准差", "最小值", "最大值", "特征值"},
            {sampleRow("第一次抽样", lot.first)}};
        if (lot.second)
            samples.rows.push_back(sampleRow("复检", *lot.second));
        report_.blocks.emplace_back(std::move(samples));
        if (lot.combinedRate)
            paragraph(ReportTextStyle::body, "按两次抽样总和计算的合格率：" + rate(lot.combinedRate));
        beyondLimit(lot);
        sampleSizes(lot);
        histogram("第一次抽样", lot.first);
        if (lot.second)
            histogram("复检", *lot.second);
        const std::vector<const MemberEvaluation*> members = membersOf(lot.kind);
        if (!members.empty()) {
            paragraph(ReportTextStyle::subheading, lotTitle(lot.kind));
            membersTable(members);
        }
    }

    static std::vector<std::string> sampleRow(const std::string& label, const SampleEvaluation& sample)
    {
        const CoverStatistics& s = sample.statistics;
        return {label,
                std::to_string(sample.members.size()),
                std::to_string(sample.values),
                std::to_string(sample.acceptable),
                rate(sample.rate),
                figure(s.mean, 1),
                figure(s.sd, 1),
                figure(s.min, 1),
                figure(s.max, 1),
                figure(s.characteristic, 1)};
    }

    // One row per member: how many of its values lie beyond the limit, and the first of them.
    void beyondLimit(const LotEvaluation& lot)
    {
        if (lot.beyondLimit.empty()) {
            paragraph(ReportTextStyle::body, "超出允许偏差1.5倍的测点：无。");
            return;
        }
        ReportTable table{{"编号", "名称", "抽样", "测点数", "测值（偏差）", "1.5倍允许偏差"}, {}};
        for (auto first = lot.beyondLimit.begin(); first != lot.beyondLimit.end();) {
            const auto last = std::find_if(first, lot.beyondLimit.end(),
                                           [first](const BeyondLimitValue& b) { return b.member != first->member; });
            const MemberRecord& m = record(first->member);
            std::vector<std::string> values;
            for (auto b = first; b != last && values.size() < listedBeyondLimit; ++b)
                values.push_back(decimalText(b->value, 1) + "（" + signedTenth(b->deviation) + "）");
            if (static_cast<std::size_t>(last - first) > listedBeyondLimit)
                values.push_back("…");
            table.rows.push_back(
                {memberText(m.number), memberText(m.name), isSecondSample(lot, first->member) ? "复检" : "第一次抽样",
                 std::to_string(last - first), joined(values, "、"),
                 "+" + shortestText(m.upperDeviation * 1.5) + " / " + shortestText(m.lowerDeviation * 1.5)});
            first = last;
        }
        paragraph(ReportTextStyle::body, "超出允许偏差1.5倍的测点：", true);
        report_.blocks.emplace_back(std::move(table));
    }

    static bool isSecondSample(const LotEvaluation& lot, std::int32_t member)
    {
        return lot.second && std::binary_search(lot.second->members.begin(), lot.second->members.end(), member);
    }

    void sampleSizes(const LotEvaluation& lot)
    {
        ReportTable table{{"构件类型", "构件总数", "应抽构件数", "已测构件数", "抽样数量"}, {}};
        for (const SampleSize& size : lot.sampleSizes) {
            std::string verdict = "未填构件总数";
            if (size.required)
                verdict = size.tested >= *size.required ? "满足" : "不足";
            table.rows.push_back({typeText(size.type), size.population ? std::to_string(*size.population) : dash,
                                  size.required ? std::to_string(*size.required) : dash, std::to_string(size.tested),
                                  verdict});
        }
        paragraph(ReportTextStyle::body, "抽样数量：", true);
        report_.blocks.emplace_back(std::move(table));
        if (lot.membersWithoutValues > 0)
            paragraph(ReportTextStyle::body,
                      "本批有" + std::to_string(lot.membersWithoutValues) + "个构件无测值，不计入已测构件数。");
    }

    void histogram(const std::string& label, const SampleEvaluation& sample)
    {
        if (sample.histogram.empty())
            return;
        ReportHistogram histogram{sample.histogram, {}};
        for (const std::int32_t index : sample.members) {
            const Tolerance tolerance(record(index));
            const AcceptedRange range{tolerance.lowest(), tolerance.highest(), tolerance.designCover()};
            if (std::find(histogram.ranges.begin(), histogram.ranges.end(), range) == histogram.ranges.end())
                histogram.ranges.push_back(range);
        }
        const std::string mixed = histogram.ranges.size() > 1
                                      ? "；各构件设计值或允许偏差不同，绿色为各自允许范围的合计，"
                                        "测点是否合格以各构件的允许范围为准"
                                      : "";
        paragraph(ReportTextStyle::body, label + "测点分布（按1 mm分组，绿色为允许范围，虚线为设计值" + mixed + "）：",
                  true);
        report_.blocks.emplace_back(std::move(histogram));
    }

    std::vector<const MemberEvaluation*> membersOf(std::optional<LotKind> lot) const
    {
        std::vector<const MemberEvaluation*> members;
        for (const MemberEvaluation& m : evaluation_.members)
            if (m.lot == lot)
                members.push_back(&m);
        return members;
    }

    void membersTable(const std::vector<const MemberEvaluation*>& members)
    {
        ReportTable table{{"编号", "名称", "类型", "抽样", "设计值", "允许偏差", "测点数", "合格数", "合格率", "平均值",
                           "标准差", "最小值", "最大值", "特征值", "说明"},
                          {}};
        table.rows.reserve(members.size());
        for (const MemberEvaluation* m : members) {
            const MemberRecord& r = record(m->index);
            std::vector<std::string> notes;
            if (m->deviationMismatch)
                notes.emplace_back("允许偏差与规范不符");
            if (m->tooFewBars)
                notes.emplace_back("钢筋少于6根");
            if (m->incompleteGroup)
                notes.emplace_back("末根钢筋测点不足");
            const CoverStatistics& s = m->statistics;
            table.rows.push_back({memberText(r.number), memberText(r.name), typeText(m->type),
                                  m->lot ? (m->secondSample ? "复检" : "第一次") : "", std::to_string(r.designCover),
                                  "+" + std::to_string(r.upperDeviation) + "/" + std::to_string(r.lowerDeviation),
                                  std::to_string(m->values.size()), std::to_string(m->acceptable), rate(memberRate(*m)),
                                  figure(s.mean, 1), figure(s.sd, 1), figure(s.min, 1), figure(s.max, 1),
                                  figure(s.characteristic, 1), joined(notes, "；")});
        }
        report_.blocks.emplace_back(std::move(table));
    }

    const Project& project_;
    const AcceptanceEvaluation& evaluation_;
    EvaluationReport report_;
};

} // namespace

EvaluationReport evaluationReport(const Project& project, const AcceptanceEvaluation& evaluation,
                                  const std::string& projectName, const std::string& date)
{
    return ReportWriter(project, evaluation).write(projectName, date);
}

std::string decimalText(double value, int decimals)
{
    // Whether the value lies exactly halfway: its exact expansion ends in 5 right after the last place shown.
    char exact[400];
    const auto exactEnd = std::to_chars(exact, exact + sizeof exact, value, std::chars_format::fixed, decimals + 80);
    const std::string_view digits(exact, exactEnd.ec == std::errc() ? exactEnd.ptr : exact);
    const auto point = digits.find('.');
    if (point != std::string_view::npos && point + decimals + 1 < digits.size() &&
        digits[point + decimals + 1] == '5' &&
        digits.find_first_not_of('0', point + decimals + 2) == std::string_view::npos)
        value = std::nextafter(value, value > 0 ? std::numeric_limits<double>::infinity()
                                                : -std::numeric_limits<double>::infinity());
    char text[400];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals).ptr;
    return {text, end};
}

} // namespace trellon
