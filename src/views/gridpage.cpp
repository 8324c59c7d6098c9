// Grid page.
#include "gridpage.h"

#include "diagramcanvas.h"
#include "diagramscale.h"
#include "textrow.h"

#include "model/testmode.h"

#include <algorithm>

namespace trellon {

namespace {

using namespace paper;

constexpr int rowsPerBlock = 5;
constexpr int headingRise = 700;
constexpr int axisTicks = 50;
// Right edge of the Y axis labels, where the major ticks begin.
constexpr int labelsRight = 1700;

// Returns the left edge of the widest label.
int drawYAxis(PageCanvas& canvas, const DiagramLayout& layout, std::int64_t labelStep)
{
    const int top = layout.top;
    canvas.setPen(gridPen());
    for (int i = 1; i <= 9; ++i) {
        const int y = diagram::truncated(static_cast<float>(top) - static_cast<float>(i * layout.height()) * 0.1f);
        canvas.drawLine(frameLeft, y, frameRight, y);
    }
    canvas.setFont(PageCanvas::font(QStringLiteral("宋体"), 9));
    canvas.setPen(tickPen());
    const float step = static_cast<float>(layout.height()) * 0.02f;
    int labelsLeft = labelsRight;
    for (int j = 0; j <= axisTicks; ++j) {
        const int y = top - diagram::truncated(static_cast<float>(j) * step);
        if (j % 5 != 0) {
            canvas.drawLine(1750, y, frameLeft, y);
            continue;
        }
        canvas.drawLine(labelsRight, y, frameLeft, y);
        const QString label = QString::number(j / 5 * labelStep);
        canvas.drawText(PageBox{1000, y + 200, labelsRight, y - 200}, Qt::AlignRight | Qt::AlignVCenter, label);
        labelsLeft = std::min(labelsLeft, labelsRight - canvas.textWidth(label));
    }
    return labelsLeft;
}

void drawTableCells(PageCanvas& canvas, const MemberRecord& member, const GridRuns& runs, GridPageBars bars)
{
    canvas.setFont(bodyFont());
    for (std::int32_t k = 0; k < std::max(bars.x, bars.y); ++k) {
        const std::int64_t row = rowsPerBlock * std::int64_t{k / barsPerBlock};
        const int x = tableCellX(k % barsPerBlock);
        drawCellText(canvas, x, tableRowTextY(row), QString::number(k + 1));
        if (k < bars.x) {
            const std::int64_t cover = xBarCoverIndex(k);
            drawCellText(canvas, x - 20, tableRowTextY(row + 1), QString::number(barPositionAt(member, cover)));
            drawCellText(canvas, x, tableRowTextY(row + 2), QString::number(member.sampleAt(cover)));
        }
        if (k < bars.y) {
            const std::int64_t cover = yBarCoverIndex(runs.separator, k);
            drawCellText(canvas, x, tableRowTextY(row + 3), QString::number(barPositionAt(member, cover)));
            drawCellText(canvas, x - 20, tableRowTextY(row + 4), QString::number(member.sampleAt(cover)));
        }
    }
}

void drawStripes(PageCanvas& canvas, const DiagramLayout& layout, const MemberRecord& member, const GridRuns& runs,
                 std::int32_t spanCount)
{
    const MarkExtent stripe = gridStripeExtent(spanCount, DiagramMedium::paper);
    const std::int32_t scaleCode = member.sampleAt(1);
    clipToFrame(canvas, layout, std::max(stripe.before, stripe.after));
    for (std::int32_t k = 0; k < runs.xBars; ++k) {
        const int x = gridPageStripeX(scaleCode, spanCount, barPositionAt(member, xBarCoverIndex(k)));
        canvas.fillRect(PageBox{x - stripe.before, layout.top, x + stripe.after, layout.bottom}, Qt::black);
    }
    for (std::int32_t k = 0; k < runs.yBars; ++k) {
        const int y =
            gridPageStripeY(layout, scaleCode, spanCount, barPositionAt(member, yBarCoverIndex(runs.separator, k)));
        canvas.fillRect(PageBox{frameLeft, y + stripe.after, frameRight, y - stripe.before}, Qt::black);
    }
    canvas.removeClip();
}

} // namespace

GridPageBars gridPageBars(const MemberRecord& member)
{
    const GridRuns runs = gridRuns(member);
    return {std::clamp(member.xBarCount, 0, runs.xBars), std::clamp(member.yBarCount, 0, runs.yBars)};
}

paper::DiagramLayout gridPageLayout(std::int64_t blocks)
{
    constexpr int bottom = -15300;
    if (blocks <= 1)
        return {-5000, -12000};
    if (blocks == 2)
        return {-7000, -14000};
    if (blocks == 3)
        return {-8300, bottom};
    if (blocks <= 6)
        return {static_cast<int>(-10300 - 2000 * (blocks - 4)), bottom};
    return layoutBelowTable(blocks, rowsPerBlock, headingRise, bottom);
}

int gridPageStripeX(std::int32_t scaleCode, std::int32_t spanCount, std::int32_t position)
{
    const float u = unitsPerMillimetre(scaleCode, spanCount, frameWidth);
    return diagram::truncated(static_cast<float>(position) * u + static_cast<float>(frameLeft));
}

int gridPageStripeY(const paper::DiagramLayout& layout, std::int32_t scaleCode, std::int32_t spanCount,
                    std::int32_t position)
{
    const float v = unitsPerMillimetre(scaleCode, spanCount, layout.height());
    return diagram::truncated(static_cast<float>(layout.top) - static_cast<float>(position) * v);
}

void paintGridPage(PageCanvas& canvas, const MemberRecord& member)
{
    if (testModeDigit(member) != TestModeDigit::grid || member.sampleAt(0) != runMarker ||
        (member.xBarCount <= 0 && member.yBarCount <= 0))
        return;
    const GridRuns runs = gridRuns(member);
    const GridPageBars bars = gridPageBars(member);
    const std::int64_t blocks = tableBlocks(std::max(bars.x, bars.y));
    const DiagramLayout layout = gridPageLayout(blocks);
    const std::int32_t spanCount = gridSpanCount(member);
    const std::int64_t labelStep = axisScale(member.sampleAt(1), spanCount).labelStep;

    drawMemberHeadings(canvas, member, QStringLiteral("网格测试数据:"));
    canvas.setFont(bodyFont());
    TextRow(canvas, -1750)
        .add(2500, QStringLiteral("X钢筋直径:") + QString::number(member.knownDiameter) + QStringLiteral("mm"))
        .add(4500, QStringLiteral("Y钢筋直径:") + QString::number(member.barDiameter) + QStringLiteral("mm"));

    canvas.scaleAbout(tableLeft, tableTop, layout.tableScale);
    drawTableRules(canvas, blocks, rowsPerBlock);
    drawRowLabels(canvas, blocks,
                  {QStringLiteral("钢筋序号"), QStringLiteral("X位置(mm)"), QStringLiteral("X保护层(mm)"),
                   QStringLiteral("Y位置(mm)"), QStringLiteral("Y保护层(mm)")});
    drawTableCells(canvas, member, runs, bars);
    canvas.scaleAbout(tableLeft, tableTop, 1.0);

    canvas.setFont(headingFont());
    canvas.drawText(800, layout.top + headingRise, QStringLiteral("钢筋网格测量示意图:"));
    drawFrameAndPositionAxis(canvas, layout, labelStep);
    const int labelsLeft = drawYAxis(canvas, layout, labelStep);
    drawSideCaption(canvas, layout, labelsLeft, QStringLiteral("Y方向钢筋位置(mm)"));
    drawStripes(canvas, layout, member, runs, spanCount);
}

} // namespace trellon
