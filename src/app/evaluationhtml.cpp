// Evaluation page.
#include "evaluationhtml.h"

#include "model/gbk.h"
#include "model/membertype.h"

#include <QCoreApplication>

namespace trellon {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("EvaluationWindow", text);
}

QString typeText(MemberType type)
{
    switch (type) {
    case MemberType::beam:
        return tr("梁");
    case MemberType::slab:
        return tr("板");
    case MemberType::cantileverBeam:
        return tr("悬挑梁");
    case MemberType::cantileverSlab:
        return tr("悬挑板");
    case MemberType::other:
        break;
    }
    return tr("其他");
}

QString figure(const std::optional<double>& value, int decimals)
{
    return value ? QString::number(*value, 'f', decimals) : QStringLiteral("—");
}

QString sampleRow(const QString& label, const SampleEvaluation& sample)
{
    const CoverStatistics& s = sample.statistics;
    return QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td><td>%6</td><td>%7</td>"
                          "<td>%8</td><td>%9</td></tr>")
        .arg(label)
        .arg(sample.members.size())
        .arg(sample.values)
        .arg(sample.acceptable)
        .arg(sample.rate ? QStringLiteral("%1%").arg(*sample.rate, 0, 'f', 1) : QStringLiteral("—"))
        .arg(figure(s.mean, 1), figure(s.sd, 1), figure(s.min, 1), figure(s.characteristic, 1));
}

QString lotHtml(const Project& project, const LotEvaluation& lot)
{
    const QString name = lot.kind == LotKind::beam ? tr("梁类构件") : tr("板类构件");
    QString html = QStringLiteral("<h3>%1：%2</h3>")
                       .arg(name, QString::fromUtf8(lotResultText(lot.result).data(),
                                                    static_cast<qsizetype>(lotResultText(lot.result).size())));
    html += QStringLiteral("<table border=1 cellspacing=0 cellpadding=3><tr><th>%1</th><th>%2</th><th>%3</th>"
                           "<th>%4</th><th>%5</th><th>%6</th><th>%7</th><th>%8</th><th>%9</th></tr>")
                .arg(tr("抽样"), tr("构件数"), tr("测点数"), tr("合格点数"), tr("合格率"), tr("平均值"), tr("标准差"),
                     tr("最小值"), tr("特征值"));
    html += sampleRow(tr("第一次抽样"), lot.first);
    if (lot.second)
        html += sampleRow(tr("复检"), *lot.second);
    html += QStringLiteral("</table>");
    if (lot.combinedRate)
        html += QStringLiteral("<p>%1 %2%</p>").arg(tr("两次抽样总合格率")).arg(*lot.combinedRate, 0, 'f', 1);
    for (const BeyondLimitValue& beyond : lot.beyondLimit) {
        const MemberRecord& member = project.members[static_cast<std::size_t>(beyond.member)];
        html += QStringLiteral("<p>%1 %2：%3 mm（%4 %5 mm）</p>")
                    .arg(tr("超出1.5倍允许偏差："), QString::fromStdString(gbkToUtf8(member.number)))
                    .arg(beyond.value, 0, 'f', 1)
                    .arg(tr("偏差"))
                    .arg(beyond.deviation, 0, 'f', 1);
    }
    for (const SampleSize& size : lot.sampleSizes) {
        if (!size.population)
            continue;
        html += QStringLiteral("<p>%1 %2：%3 %4，%5 %6，%7 %8</p>")
                    .arg(typeText(size.type), tr("抽样数量"), tr("构件总数"))
                    .arg(*size.population)
                    .arg(tr("应抽"))
                    .arg(size.required.value_or(0))
                    .arg(tr("已测"))
                    .arg(size.tested);
    }
    return html;
}

} // namespace

QString evaluationHtml(const Project& project, const AcceptanceEvaluation& evaluation)
{
    QString html = QStringLiteral("<h2>%1</h2>").arg(tr("钢筋保护层厚度检验评定（GB 50204-2015 附录E）"));
    for (const LotEvaluation& lot : evaluation.lots)
        html += lotHtml(project, lot);
    html += QStringLiteral("<h3>%1</h3><table border=1 cellspacing=0 cellpadding=3><tr><th>%2</th><th>%3</th>"
                           "<th>%4</th><th>%5</th><th>%6</th><th>%7</th><th>%8</th><th>%9</th></tr>")
                .arg(tr("已勾选的构件"), tr("编号"), tr("名称"), tr("类型"), tr("复检"), tr("测点数"), tr("合格点数"),
                     tr("平均值"), tr("特征值"));
    for (const MemberEvaluation& m : evaluation.members) {
        const MemberRecord& member = project.members[static_cast<std::size_t>(m.index)];
        QString notes;
        if (m.deviationMismatch)
            notes += tr("允许偏差与规范不符") + QLatin1Char(' ');
        if (m.tooFewBars)
            notes += tr("钢筋少于6根") + QLatin1Char(' ');
        if (m.incompleteGroup)
            notes += tr("最后一根钢筋测点不足");
        html +=
            QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td><td>%6</td><td>%7</td>"
                           "<td>%8</td></tr>")
                .arg(QString::fromStdString(gbkToUtf8(member.number)), QString::fromStdString(gbkToUtf8(member.name)),
                     typeText(m.type), m.secondSample ? tr("是") : QString())
                .arg(m.values.size())
                .arg(m.acceptable)
                .arg(figure(m.statistics.mean, 1), figure(m.statistics.characteristic, 1) +
                                                       (notes.isEmpty() ? QString() : QStringLiteral("<br>") + notes));
    }
    html += QStringLiteral("</table>");
    return html;
}

} // namespace trellon
