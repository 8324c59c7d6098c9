// The evaluation report on pages: rows never split and each drawn once, headings kept with what follows them,
// column headings on every page of a table, every member and beyond-limit group drawn, page numbers at the foot;
// and the line breaking and column widths the layout rests on.
#include "pagerecorder.h"

#include "views/evaluationpages.h"
#include "views/tablecolumns.h"
#include "views/textmeasure.h"

#include "model/gbk.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

namespace trellon {
namespace {

using testing::PageRecorder;

// `count` members named by type in turn (beams, slabs, walls), with long notes and, on every seventh, values
// beyond the limit: many pages, tables of many rows, wrapped cells.
Project largeProject(int count)
{
    const char* const names[] = {"一层 KL 梁", "二层 LB 板", "三层 Q 剪力墙"};
    Project project;
    for (int i = 0; i < count; ++i) {
        MemberRecord m;
        m.number = std::to_string(1001 + i);
        m.name = systemText(names[i % 3]) + std::to_string(i);
        m.designCover = 25;
        m.upperDeviation = 10;
        m.lowerDeviation = -7;
        m.checked = 1;
        std::vector<std::int32_t> readings{24, 25, 26, 27, 23};
        if (i % 7 == 0)
            readings.insert(readings.end(), {45, 46, 47, 48, 49, 50, 51, 2});
        m.replaceSamples(std::move(readings));
        project.members.push_back(std::move(m));
    }
    return project;
}

EvaluationPages pagesOf(const Project& project)
{
    return EvaluationPages(evaluationReport(project, evaluateAcceptance(project, 1), "large.gj", "2024-03-09"));
}

std::vector<std::unique_ptr<PageRecorder>> recordAll(const EvaluationPages& pages)
{
    std::vector<std::unique_ptr<PageRecorder>> recorded;
    for (std::int32_t page = 1; page <= pages.pageCount(); ++page) {
        recorded.push_back(std::make_unique<PageRecorder>());
        QPainter painter(recorded.back().get());
        pages.paintPage(painter, page);
    }
    return recorded;
}

// The texts of a page with the pieces a text is drawn in (one per script) put together again.
std::vector<QString> runsOfText(const PageRecorder& page)
{
    std::vector<QString> runs;
    double right = 0.0;
    double top = 0.0;
    for (const PageRecorder::Text& text : page.texts) {
        if (!runs.empty() && std::abs(text.topLeft.y() - top) < 2 && std::abs(text.topLeft.x() - right) < 2)
            runs.back() += text.text;
        else
            runs.push_back(text.text);
        right = text.box.right();
        top = text.topLeft.y();
    }
    return runs;
}

class EvaluationPageLayout : public ::testing::Test {
protected:
    const Project project = largeProject(400);
    const EvaluationPages pages = pagesOf(project);
};

TEST_F(EvaluationPageLayout, everyRowStandsWholeOnOnePageInOrderAndNothingOverlaps)
{
    ASSERT_GE(pages.pageCount(), 5);
    std::map<std::size_t, std::int32_t> nextRow;
    for (const EvaluationPages::Page& page : pages.pages()) {
        int bottom = 0;
        for (const EvaluationPages::Piece& piece : page) {
            EXPECT_GE(piece.top, bottom) << "pieces overlap";
            bottom = piece.top + piece.height;
            EXPECT_LE(bottom, reportpage::textHeight) << "a piece runs into the footer";
            if (const auto* table = std::get_if<ReportTable>(&pages.report().blocks[piece.block])) {
                EXPECT_EQ(piece.firstRow, nextRow[piece.block]) << "rows lost or repeated";
                EXPECT_GT(piece.endRow, piece.firstRow) << "column headings without a row";
                nextRow[piece.block] = piece.endRow;
                EXPECT_LE(piece.endRow, static_cast<std::int32_t>(table->rows.size()));
            }
        }
    }
    for (std::size_t block = 0; block < pages.report().blocks.size(); ++block) {
        if (const auto* table = std::get_if<ReportTable>(&pages.report().blocks[block])) {
            EXPECT_EQ(nextRow[block], static_cast<std::int32_t>(table->rows.size())) << "block " << block;
        }
    }
}

TEST_F(EvaluationPageLayout, headingsStayWithWhatFollowsThemAndKeepClearOfIt)
{
    const auto& blocks = pages.report().blocks;
    for (const EvaluationPages::Page& page : pages.pages()) {
        ASSERT_FALSE(page.empty());
        const auto* last = std::get_if<ReportParagraph>(&blocks[page.back().block]);
        EXPECT_FALSE(last != nullptr && last->keepsWithNext()) << last->text;
        for (std::size_t k = 0; k + 1 < page.size(); ++k) {
            const auto* heading = std::get_if<ReportParagraph>(&blocks[page[k].block]);
            if (heading != nullptr && heading->style != ReportTextStyle::body) {
                EXPECT_GT(page[k + 1].top, page[k].top + page[k].height) << heading->text << " touches what follows";
            }
        }
    }
}

TEST_F(EvaluationPageLayout, everyMemberEveryBeyondLimitGroupAndEveryTablesHeadingsAreDrawn)
{
    const auto recorded = recordAll(pages);
    std::map<QString, int> drawn;
    for (const auto& page : recorded)
        for (const QString& text : runsOfText(*page))
            ++drawn[text];
    const AcceptanceEvaluation evaluation = evaluateAcceptance(project, 1);
    for (const MemberEvaluation& m : evaluation.members) {
        const MemberRecord& record = project.members[static_cast<std::size_t>(m.index)];
        const bool beyond = m.index % 7 == 0 && m.lot.has_value();
        EXPECT_EQ(drawn[QString::fromStdString(record.number)], beyond ? 2 : 1) << record.number;
        EXPECT_EQ(drawn[QString::fromStdString(gbkToUtf8(record.name))], beyond ? 2 : 1) << record.number;
    }
    // "编号" heads the members' and the beyond-limit tables, on every page each runs over.
    int numberHeadings = 0;
    for (const EvaluationPages::Page& page : pages.pages())
        for (const EvaluationPages::Piece& piece : page)
            if (const auto* table = std::get_if<ReportTable>(&pages.report().blocks[piece.block]))
                numberHeadings += table->headings.front() == "编号" ? 1 : 0;
    EXPECT_GT(numberHeadings, 5);
    EXPECT_EQ(drawn[QStringLiteral("编号")], numberHeadings);
}

TEST_F(EvaluationPageLayout, everyPageIsNumberedWithTheTotalAtItsFoot)
{
    const auto recorded = recordAll(pages);
    for (std::int32_t page = 1; page <= pages.pageCount(); ++page) {
        const auto footers =
            recorded[static_cast<std::size_t>(page - 1)]->textsEqualTo(evaluationFooterText(page, pages.pageCount()));
        ASSERT_EQ(footers.size(), 1u) << page;
        EXPECT_LT(footers.front().topLeft.y(), -(reportpage::top + reportpage::textHeight)) << "below the text";
    }
    EXPECT_EQ(evaluationFooterText(3, 12), QStringLiteral("第 3 页  共 12 页"));
}

TEST(EvaluationPageLayoutStop, aStoppedLayoutHasNoPages)
{
    const std::atomic<bool> stop{true};
    const Project project = largeProject(30);
    const EvaluationPages pages(evaluationReport(project, evaluateAcceptance(project, 1), "p.gj", "2024-03-09"), &stop);
    EXPECT_EQ(pages.pageCount(), 0);
}

TEST(ReportLineBreaking, linesFitTheWidthAsDrawnAndKeepEveryCharacter)
{
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(200);
    TextMeasure measure(font);
    // What drawing the lines takes, shaped as a whole.
    const QFontMetricsF metrics(measure.font());
    const double cjk = metrics.horizontalAdvance(QStringLiteral("梁"));
    const struct {
        QString text;
        double width;
        int lines;
    } cases[] = {
        {QStringLiteral("梁类构件"), 4.5 * cjk, 1},
        {QStringLiteral("梁类构件钢筋保护层厚度"), 4.5 * cjk, 3},
        {QStringLiteral("42.0（+17.0）、42.0（+17.0）"), metrics.horizontalAdvance(QStringLiteral("42.0（+17.0）、")),
         2},
        {QStringLiteral("1234567890123"), metrics.horizontalAdvance(QStringLiteral("12345")), 3}, // cut in a word
        {QStringLiteral("ab   cd"), metrics.horizontalAdvance(QStringLiteral("ab ")), 2},
    };
    for (const auto& c : cases) {
        const QStringList lines = measure.breakLines(c.text, c.width);
        EXPECT_EQ(lines.size(), c.lines) << c.text.toStdString();
        EXPECT_EQ(measure.lineCount(c.text, c.width), c.lines) << c.text.toStdString();
        QString joined;
        for (const QString& line : lines) {
            EXPECT_NEAR(measure.width(line), metrics.horizontalAdvance(line), 0.01) << line.toStdString();
            EXPECT_LE(metrics.horizontalAdvance(line), c.width) << line.toStdString();
            EXPECT_FALSE(line.endsWith(QLatin1Char(' '))) << line.toStdString();
            joined += line;
        }
        EXPECT_EQ(joined, QString(c.text).remove(QLatin1Char(' '))) << c.text.toStdString();
    }
}

TEST(ReportTableColumns, columnsFillTheWidthNarrowingWhatCanWrap)
{
    const struct {
        std::vector<double> natural;
        std::vector<double> least;
        double available;
        std::vector<double> widths;
    } cases[] = {
        {{100, 300}, {100, 100}, 800, {200, 600}},               // room to spare: in proportion to the texts
        {{100, 500}, {100, 100}, 400, {100, 300}},               // squeezed: what wraps gives way
        {{200, 400}, {100, 200}, 150, {50, 100}},                // not even the pieces fit
        {{100, 100, 400}, {100, 50, 200}, 450, {100, 100, 250}}, // the widest gives way first
    };
    for (const auto& c : cases) {
        const std::vector<double> widths = columnWidths(c.natural, c.least, c.available);
        ASSERT_EQ(widths.size(), c.widths.size());
        for (std::size_t i = 0; i < widths.size(); ++i)
            EXPECT_NEAR(widths[i], c.widths[i], 0.01) << i;
    }
}

} // namespace
} // namespace trellon
