// Evaluation report document.
#include "evaluationdocument.h"

#include "histogramobject.h"

#include "evaluation/coverjudgement.h"
#include "evaluation/verdictsentence.h"
#include "model/gbk.h"

#include <QDate>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include <algorithm>
#include <vector>

namespace trellon {
namespace {

constexpr char histogramScheme[] = "histogram:";
constexpr QSizeF histogramSizeMm{160.0, 55.0};
constexpr qsizetype listedBeyondLimit = 6; // values listed per member, the others counted
constexpr char tableStart[] =
    "<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"3\" style=\"border-collapse:collapse;"
    " border-color:#000; font-size:8pt\">";

QString text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

QString systemText(const std::string& gbk)
{
    return QString::fromStdString(gbkToUtf8(gbk)).toHtmlEscaped();
}

QString figure(const std::optional<double>& value, int decimals)
{
    return value ? QString::number(*value, 'f', decimals) : QStringLiteral("—");
}

QString rate(const std::optional<double>& percent)
{
    return percent ? text(rateText(*percent)) + QLatin1Char('%') : QStringLiteral("—");
}

QString typeText(MemberType type)
{
    switch (type) {
    case MemberType::beam:
        return QStringLiteral("梁");
    case MemberType::slab:
        return QStringLiteral("板");
    case MemberType::cantileverBeam:
        return QStringLiteral("悬挑梁");
    case MemberType::cantileverSlab:
        return QStringLiteral("悬挑板");
    case MemberType::other:
        break;
    }
    return QStringLiteral("其他");
}

QString row(const QStringList& cells, bool heading = false)
{
    const QString tag = heading ? QStringLiteral("th") : QStringLiteral("td");
    QString html = QStringLiteral("<tr>");
    for (const QString& cell : cells)
        html += QStringLiteral("<%1>%2</%1>").arg(tag, cell);
    return html + QStringLiteral("</tr>");
}

QString headedTable(const QStringList& headings, const QString& rows)
{
    return QLatin1String(tableStart) + QStringLiteral("<thead>") + row(headings, true) + QStringLiteral("</thead>") +
           rows + QStringLiteral("</table>");
}

class ReportBuilder {
public:
    ReportBuilder(const Project& project, const AcceptanceEvaluation& evaluation)
        : project_(project), evaluation_(evaluation)
    {
    }

    QString html(const QString& projectName)
    {
        QString html = QStringLiteral("<h1 align=\"center\" style=\"font-size:15pt\">%1</h1>")
                           .arg(QString::fromUtf8(evaluationReportTitle));
        html += QStringLiteral("<p>工程文件：%1　　每根钢筋测点数：%2　　评定日期：%3</p>")
                    .arg(projectName.toHtmlEscaped(), QString::number(evaluation_.pointsPerBar),
                         QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
        for (const LotEvaluation& lot : evaluation_.lots)
            html += lotHtml(lot);
        std::vector<const MemberEvaluation*> others;
        for (const MemberEvaluation& m : evaluation_.members)
            if (!m.lot)
                others.push_back(&m);
        if (!others.empty())
            html += QStringLiteral("<h2 style=\"margin-top:18px\">其他构件（不参与评定）</h2>") + membersTable(others);
        return html;
    }

    const std::vector<QTextCharFormat>& histograms() const { return histograms_; }

private:
    const MemberRecord& record(std::int32_t index) const { return project_.members[static_cast<std::size_t>(index)]; }

    QString lotHtml(const LotEvaluation& lot)
    {
        QString html = QStringLiteral("<h2 style=\"margin-top:18px\">%1：%2</h2><p>%3</p>")
                           .arg(text(lotTitle(lot.kind)), QString::fromUtf8(lotResultText(lot.result).data()),
                                text(verdictSentence(lot)));
        QString samples = sampleRow(QStringLiteral("第一次抽样"), lot.first);
        if (lot.second)
            samples += sampleRow(QStringLiteral("复检"), *lot.second);
        html += headedTable({QStringLiteral("抽样"), QStringLiteral("构件数"), QStringLiteral("测点数"),
                             QStringLiteral("合格点数"), QStringLiteral("合格率"), QStringLiteral("平均值"),
                             QStringLiteral("标准差"), QStringLiteral("最小值"), QStringLiteral("最大值"),
                             QStringLiteral("特征值")},
                            samples);
        if (lot.combinedRate)
            html += QStringLiteral("<p>按两次抽样总和计算的合格率：%1</p>").arg(rate(lot.combinedRate));
        html += beyondLimitHtml(lot);
        html += sampleSizeHtml(lot);
        html += histogramHtml(QStringLiteral("第一次抽样"), lot.first);
        if (lot.second)
            html += histogramHtml(QStringLiteral("复检"), *lot.second);
        std::vector<const MemberEvaluation*> members;
        for (const MemberEvaluation& m : evaluation_.members)
            if (m.lot == lot.kind)
                members.push_back(&m);
        if (!members.empty())
            html += QStringLiteral("<h3>%1</h3>").arg(text(lotTitle(lot.kind))) + membersTable(members);
        return html;
    }

    static QString sampleRow(const QString& label, const SampleEvaluation& sample)
    {
        const CoverStatistics& s = sample.statistics;
        return row({label, QString::number(sample.members.size()), QString::number(sample.values),
                    QString::number(sample.acceptable), rate(sample.rate), figure(s.mean, 1), figure(s.sd, 1),
                    figure(s.min, 1), figure(s.max, 1), figure(s.characteristic, 1)});
    }

    // One row per member: how many of its values lie beyond the limit, and the first of them.
    QString beyondLimitHtml(const LotEvaluation& lot) const
    {
        if (lot.beyondLimit.empty())
            return QStringLiteral("<p>超出允许偏差1.5倍的测点：无。</p>");
        QString rows;
        for (auto first = lot.beyondLimit.begin(); first != lot.beyondLimit.end();) {
            const auto last = std::find_if(first, lot.beyondLimit.end(),
                                           [first](const BeyondLimitValue& b) { return b.member != first->member; });
            const MemberRecord& m = record(first->member);
            QStringList values;
            for (auto b = first; b != last && values.size() < listedBeyondLimit; ++b)
                values << QStringLiteral("%1（%2%3）")
                              .arg(QString::number(b->value, 'f', 1),
                                   b->deviation > 0 ? QStringLiteral("+") : QString(),
                                   QString::number(b->deviation, 'f', 1));
            if (last - first > listedBeyondLimit)
                values << QStringLiteral("…");
            rows += row({systemText(m.number), systemText(m.name),
                         isSecondSample(lot, first->member) ? QStringLiteral("复检") : QStringLiteral("第一次抽样"),
                         QString::number(last - first), values.join(QStringLiteral("、")),
                         QStringLiteral("+%1 / %2").arg(m.upperDeviation * 1.5).arg(m.lowerDeviation * 1.5)});
            first = last;
        }
        return QStringLiteral("<p>超出允许偏差1.5倍的测点：</p>") +
               headedTable({QStringLiteral("编号"), QStringLiteral("名称"), QStringLiteral("抽样"),
                            QStringLiteral("测点数"), QStringLiteral("测值（偏差）"), QStringLiteral("1.5倍允许偏差")},
                           rows);
    }

    static bool isSecondSample(const LotEvaluation& lot, std::int32_t member)
    {
        return lot.second && std::binary_search(lot.second->members.begin(), lot.second->members.end(), member);
    }

    static QString sampleSizeHtml(const LotEvaluation& lot)
    {
        QString rows;
        for (const SampleSize& size : lot.sampleSizes) {
            QString verdict = QStringLiteral("未填构件总数");
            if (size.required)
                verdict = size.tested >= *size.required ? QStringLiteral("满足") : QStringLiteral("不足");
            rows += row({typeText(size.type), size.population ? QString::number(*size.population) : QStringLiteral("—"),
                         size.required ? QString::number(*size.required) : QStringLiteral("—"),
                         QString::number(size.tested), verdict});
        }
        const QString untested =
            lot.membersWithoutValues > 0
                ? QStringLiteral("<p>本批有%1个构件无测值，不计入已测构件数。</p>").arg(lot.membersWithoutValues)
                : QString();
        return QStringLiteral("<p>抽样数量：</p>") +
               headedTable({QStringLiteral("构件类型"), QStringLiteral("构件总数"), QStringLiteral("应抽构件数"),
                            QStringLiteral("已测构件数"), QStringLiteral("抽样数量")},
                           rows) +
               untested;
    }

    QString histogramHtml(const QString& label, const SampleEvaluation& sample)
    {
        if (sample.histogram.empty())
            return {};
        std::vector<AcceptedRange> ranges;
        for (const std::int32_t index : sample.members) {
            const MemberRecord& m = record(index);
            const Tolerance tolerance(m);
            const AcceptedRange range{tolerance.lowest(), tolerance.highest(), tolerance.designCover()};
            if (std::find(ranges.begin(), ranges.end(), range) == ranges.end())
                ranges.push_back(range);
        }
        histograms_.push_back(histogramFormat(sample.histogram, ranges, histogramSizeMm));
        const QString mixed = ranges.size() > 1
                                  ? QStringLiteral("；各构件设计值或允许偏差不同，绿色为各自允许范围的合计，"
                                                   "测点是否合格以各构件的允许范围为准")
                                  : QString();
        return QStringLiteral("<p>%1测点分布（按1 mm分组，绿色为允许范围，虚线为设计值%4）：</p>"
                              "<p align=\"center\"><img src=\"%2%3\" width=\"1\" height=\"1\"></p>")
            .arg(label, QLatin1String(histogramScheme), QString::number(histograms_.size() - 1), mixed);
    }

    QString membersTable(const std::vector<const MemberEvaluation*>& members) const
    {
        QString rows;
        for (const MemberEvaluation* m : members) {
            const MemberRecord& r = record(m->index);
            QStringList notes;
            if (m->deviationMismatch)
                notes << QStringLiteral("允许偏差与规范不符");
            if (m->tooFewBars)
                notes << QStringLiteral("钢筋少于6根");
            if (m->incompleteGroup)
                notes << QStringLiteral("末根钢筋测点不足");
            const CoverStatistics& s = m->statistics;
            rows += row({systemText(r.number), systemText(r.name), typeText(m->type),
                         m->lot ? (m->secondSample ? QStringLiteral("复检") : QStringLiteral("第一次")) : QString(),
                         QString::number(r.designCover),
                         QStringLiteral("+%1/%2").arg(r.upperDeviation).arg(r.lowerDeviation),
                         QString::number(m->values.size()), QString::number(m->acceptable), rate(memberRate(*m)),
                         figure(s.mean, 1), figure(s.sd, 1), figure(s.min, 1), figure(s.max, 1),
                         figure(s.characteristic, 1), notes.join(QStringLiteral("；"))});
        }
        return headedTable({QStringLiteral("编号"), QStringLiteral("名称"), QStringLiteral("类型"),
                            QStringLiteral("抽样"), QStringLiteral("设计值"), QStringLiteral("允许偏差"),
                            QStringLiteral("测点数"), QStringLiteral("合格数"), QStringLiteral("合格率"),
                            QStringLiteral("平均值"), QStringLiteral("标准差"), QStringLiteral("最小值"),
                            QStringLiteral("最大值"), QStringLiteral("特征值"), QStringLiteral("说明")},
                           rows);
    }

    const Project& project_;
    const AcceptanceEvaluation& evaluation_;
    std::vector<QTextCharFormat> histograms_;
};

// Puts the histogram objects where the HTML holds their placeholder images.
void embedHistograms(QTextDocument& document, const std::vector<QTextCharFormat>& histograms)
{
    std::vector<std::pair<int, std::size_t>> placeholders;
    for (QTextBlock block = document.begin(); block != document.end(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            const QString name = format.isImageFormat() ? format.toImageFormat().name() : QString();
            if (name.startsWith(QLatin1String(histogramScheme)))
                placeholders.emplace_back(fragment.fragment().position(),
                                          name.mid(qsizetype(sizeof histogramScheme) - 1).toULongLong());
        }
    }
    for (const auto& [position, index] : placeholders) {
        QTextCursor cursor(&document);
        cursor.setPosition(position);
        cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
        cursor.setCharFormat(histograms.at(index));
    }
}

} // namespace

std::unique_ptr<QTextDocument> evaluationDocument(const Project& project, const AcceptanceEvaluation& evaluation,
                                                  const QString& projectName)
{
    auto document = std::make_unique<QTextDocument>();
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(10);
    document->setDefaultFont(font);
    registerHistogramObject(*document);
    ReportBuilder builder(project, evaluation);
    document->setHtml(builder.html(projectName));
    embedHistograms(*document, builder.histograms());
    return document;
}

} // namespace trellon
