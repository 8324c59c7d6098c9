// The drilling verification section of the evaluation report.
#include "verificationreport.h"

#include <algorithm>

namespace trellon {
namespace {

constexpr char dash[] = "—";

std::string tenthsText(std::int64_t tenths)
{
    return decimalText(static_cast<double>(tenths) / 10.0, 1);
}

std::string signedTenthsText(std::int64_t tenths)
{
    return (tenths > 0 ? "+" : "") + tenthsText(tenths);
}

std::string diameterText(std::int32_t diameter)
{
    return diameter == 0 ? "直径未知" : "直径" + std::to_string(diameter) + " mm";
}

std::string runText(PointRun run)
{
    return run == PointRun::x ? "X" : run == PointRun::y ? "Y" : "";
}

class SectionWriter {
public:
    SectionWriter(const Project& project, const AcceptanceEvaluation& evaluation)
        : project_(project), verification_(project.extension.verification), check_(evaluation.verification),
          judgedCorrected_(evaluation.judgedCorrected)
    {
    }

    std::vector<ReportBlock> write()
    {
        paragraph(ReportTextStyle::heading, verificationSectionTitle);
        paragraph(ReportTextStyle::body, basis());
        points();
        corrections();
        checks();
        return std::move(blocks_);
    }

private:
    void paragraph(ReportTextStyle style, std::string text, bool introducesNext = false)
    {
        blocks_.emplace_back(ReportParagraph{style, std::move(text), introducesNext});
    }

    std::string basis() const
    {
        if (!judgedCorrected_)
            return "本报告各检验批按钢筋仪的原始读数评定，以下修正值未用于评定。";
        return "本报告各检验批按钻孔、剔凿修正后的保护层厚度评定（各表中标为“修正后”）：修正后的厚度 c = (c1 + c2 + "
               "2cc − 2c0) / 2，c1 = c2 为测点读数，cc 为该测点钢筋直径的修正值，垫块厚度 c0 = " +
               tenthsText(verification_.rules.spacer) + " mm，四舍五入到1 mm。";
    }

    void points()
    {
        if (verification_.points.empty()) {
            paragraph(ReportTextStyle::body, "验证点：无。");
            return;
        }
        ReportTable table{
            {"序号", "编号", "名称", "方向", "测点", "读数", "实测值", "差值", "直径", "方式", "检查", "备注"}, {}};
        for (std::size_t i = 0; i < verification_.points.size(); ++i)
            table.rows.push_back(pointRow(i));
        paragraph(ReportTextStyle::body, "验证点（厚度单位 mm）：", true);
        blocks_.emplace_back(std::move(table));
    }

    std::vector<std::string> pointRow(std::size_t i) const
    {
        const VerificationPoint& p = verification_.points[i];
        const CheckedVerificationPoint& c = check_.points.at(i);
        const bool memberExists = p.member >= 0 && p.member < project_.memberCount();
        const MemberRecord* member = memberExists ? &project_.members[static_cast<std::size_t>(p.member)] : nullptr;
        std::string checked;
        if (!c.valid)
            checked = member == nullptr ? "构件不存在" : p.point == deletedPointNumber ? "测点已删除" : "测点不存在";
        else if (c.errorExceeded)
            checked = "超差";
        return {std::to_string(i + 1),
                member ? reportMemberText(member->number) : dash,
                member ? reportMemberText(member->name) : dash,
                runText(p.run),
                p.point == deletedPointNumber ? dash : std::to_string(p.point),
                c.reading ? std::to_string(*c.reading) : dash,
                tenthsText(p.measured),
                c.difference ? signedTenthsText(*c.difference) : dash,
                c.diameter ? (*c.diameter == 0 ? "未知" : std::to_string(*c.diameter)) : dash,
                p.method == VerificationMethod::drill ? "钻孔" : "剔凿",
                checked,
                p.note};
    }

    void corrections()
    {
        if (check_.corrections.empty()) {
            paragraph(ReportTextStyle::body, "修正值：无有效验证点，读数未作修正。");
            return;
        }
        ReportTable table{{"钢筋直径", "有效验证点数", "修正值 cc (mm)"}, {}};
        for (const DiameterCorrection& c : check_.corrections)
            table.rows.push_back({c.diameter == 0 ? "未知" : std::to_string(c.diameter) + " mm",
                                  std::to_string(c.points), signedTenthsText(c.correction)});
        paragraph(ReportTextStyle::body, "修正值（按钢筋直径，为该直径各有效验证点差值的平均值，四舍五入到0.1 mm）：",
                  true);
        blocks_.emplace_back(std::move(table));
        if (check_.uncorrected.empty())
            return;
        std::string uncorrected;
        for (const UncorrectedDiameter& u : check_.uncorrected)
            uncorrected += (uncorrected.empty() ? "" : "、") + diameterText(u.diameter) + "（" +
                           std::to_string(u.points) + "个测点）";
        paragraph(ReportTextStyle::body, "以下钢筋直径无验证点，其测点未修正：" + uncorrected + "。");
    }

    void checks()
    {
        const VerificationRules& rules = verification_.rules;
        paragraph(ReportTextStyle::body,
                  "验证数量：勾选构件的评定值共" + std::to_string(check_.judgedValues) + "个，按不少于" +
                      std::to_string(rules.minShare) + "%且不少于" + std::to_string(rules.minPoints) +
                      "处（不足时全部验证），应验证" + std::to_string(check_.required) + "处，已验证" +
                      std::to_string(check_.verified) + "处，" + (check_.enough ? "满足" : "不足") + "。");
        const auto exceeded = std::count_if(check_.points.begin(), check_.points.end(),
                                            [](const CheckedVerificationPoint& p) { return p.errorExceeded; });
        const std::string limit = tenthsText(rules.maxError) + " mm";
        paragraph(ReportTextStyle::body, exceeded == 0 ? "检测误差：各有效验证点的差值均不大于" + limit + "，满足要求。"
                                                       : "检测误差：" + std::to_string(exceeded) +
                                                             "个验证点的差值大于" + limit + "，检测误差超过允许值。");
    }

    const Project& project_;
    const Verification& verification_;
    const VerificationCheck& check_;
    bool judgedCorrected_;
    std::vector<ReportBlock> blocks_;
};

} // namespace

std::vector<ReportBlock> verificationSection(const Project& project, const AcceptanceEvaluation& evaluation)
{
    if (project.extension.verification == Verification{})
        return {};
    return SectionWriter(project, evaluation).write();
}

} // namespace trellon
