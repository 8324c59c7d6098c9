// The evaluation report's text: the figures of each sample as the evaluation has them, values beyond the limit
// grouped by member, and the project's name as given.
#include "views/evaluationdocument.h"

#include "evaluation/verdictsentence.h"
#include "model/gbk.h"

#include <QTextDocument>

#include <gtest/gtest.h>

namespace trellon {
namespace {

MemberRecord beam(const char* number, std::vector<std::int32_t> readings)
{
    MemberRecord m;
    m.number = number;
    m.name = systemText("一层 梁");
    m.designCover = 25;
    m.upperDeviation = 10;
    m.lowerDeviation = -7;
    m.checked = 1;
    m.replaceSamples(std::move(readings));
    return m;
}

// The report as one line of words, table cells parted by single spaces.
QString reportText(const Project& project, const AcceptanceEvaluation& evaluation, const QString& name = "p.gj")
{
    return evaluationDocument(project, evaluation, name)->toPlainText().simplified();
}

TEST(EvaluationReportText, sampleRowsHoldTheEvaluationsFigures)
{
    Project project;
    project.members = {beam("1001", {20, 25, 30, 33, 41}), beam("1002", {24, 26, 27, 29})};
    const AcceptanceEvaluation evaluation = evaluateAcceptance(project, 1);
    const SampleEvaluation& first = evaluation.lots[0].first;
    const auto tenth = [](const std::optional<double>& v) { return QString::number(*v, 'f', 1); };
    const QString row = QStringList{QStringLiteral("第一次抽样"),
                                    QString::number(first.members.size()),
                                    QString::number(first.values),
                                    QString::number(first.acceptable),
                                    QString::fromStdString(rateText(*first.rate)) + QLatin1Char('%'),
                                    tenth(first.statistics.mean),
                                    tenth(first.statistics.sd),
                                    tenth(first.statistics.min),
                                    tenth(first.statistics.max),
                                    tenth(first.statistics.characteristic)}
                            .join(QLatin1Char(' '));
    const QString text = reportText(project, evaluation);
    EXPECT_TRUE(text.contains(row)) << row.toStdString() << "\n" << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromStdString(verdictSentence(evaluation.lots[0]))));
}

TEST(EvaluationReportText, valuesBeyondTheLimitAreGroupedByMemberAndCounted)
{
    Project project;
    std::vector<std::int32_t> many(40, 25);
    many.insert(many.end(), 9, 42); // nine values beyond +15
    project.members = {beam("1001", many), beam("1002", {25, 10})};
    const QString text = reportText(project, evaluateAcceptance(project, 1));
    EXPECT_TRUE(text.contains(QStringLiteral("1001 一层 梁 第一次抽样 9 42.0（+17.0）、"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("、…"))) << "only the first values are listed";
    EXPECT_TRUE(text.contains(QStringLiteral("1002 一层 梁 第一次抽样 1 10.0（-15.0）"))) << text.toStdString();
}

TEST(EvaluationReportText, membersOfALotWithoutValuesAreCountedBelowItsSampleSizes)
{
    Project project;
    project.members = {beam("1001", {25}), beam("1002", {}), beam("1003", {})};
    const QString text = reportText(project, evaluateAcceptance(project, 1));
    EXPECT_TRUE(text.contains(QStringLiteral("梁 — — 1 未填构件总数"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("本批有2个构件无测值，不计入已测构件数。"))) << text.toStdString();
    project.members.resize(1);
    EXPECT_FALSE(reportText(project, evaluateAcceptance(project, 1)).contains(QStringLiteral("无测值")));
}

TEST(EvaluationReportText, theProjectsNameIsPrintedAsGiven)
{
    Project project;
    project.members = {beam("1001", {25})};
    const QString text = reportText(project, evaluateAcceptance(project, 1), QStringLiteral("a%2b<c>.gj"));
    EXPECT_TRUE(text.contains(QStringLiteral("工程文件：a%2b<c>.gj"))) << text.toStdString();
}

} // namespace
} // namespace trellon
