// Section page.
#include "sectionpage.h"

#include "diagramcanvas.h"
#include "diagramscale.h"

#include "model/barcounts.h"
#include "model/testmode.h"

#include <algorithm>

namespace trellon {

namespace {

using namespace paper;

constexpr int rowsPerBlock = 3;
constexpr int headingRise = 800;
constexpr int depthTicks = 75;

// Returns the left edge of the leftmost label.
int drawDepthAxis(PageCanvas& canvas, const DiagramLayout& layout)
{
    const int top = layout.top;
    canvas.setPen(gridPen());
    for (int i = 1; i <= 14; ++i) {
        const int y = top - diagram::truncated(static_cast<float>(i * layout.height()) * 0.06666667f);
        canvas.drawLine(frameLeft, y, frameRight, y);
    }
    canvas.setFont(PageCanvas::font(QStringLiteral("宋体"), 9));
    canvas.setPen(tickPen());
    const float step = static_cast<float>(layout.height()) * 0.013333334f;
    int labelsLeft = frameLeft;
    for (int i = 0; i <= depthTicks; ++i) {
        const float along = static_cast<float>(i) * step;
        const int y = top - diagram::truncated(along);
        if (i % 5 != 0) {
            canvas.drawLine(1750, y, frameLeft, y);
            continue;
        }
        canvas.drawLine(1700, y, frameLeft, y);
        const int depth = i / 5 * 10;
        const int x = depth < 100 ? 1500 : 1400;
        canvas.drawText(x, top - diagram::truncated(along + 90.0f), QString::number(depth));
        labelsLeft = std::min(labelsLeft, x);
    }
    return labelsLeft;
}

void drawTableCells(PageCanvas& canvas, const MemberRecord& member, std::int32_t bars)
{
    canvas.setFont(bodyFont());
    for (std::int32_t k = 0; k < bars; ++k) {
        const std::int64_t block = k / barsPerBlock;
        const int x = tableCellX(k % barsPerBlock);
        const std::int64_t cover = xBarCoverIndex(k);
        drawCellText(canvas, x, tableRowTextY(rowsPerBlock * block), QString::number(k + 1));
        drawCellText(canvas, x - 20, tableRowTextY(rowsPerBlock * block + 1),
                     QString::number(barPositionAt(member, cover)));
        drawCellText(canvas, x, tableRowTextY(rowsPerBlock * block + 2), QString::number(member.sampleAt(cover)));
    }
}

void drawDots(PageCanvas& canvas, const DiagramLayout& layout, const MemberRecord& member, std::int32_t bars,
              std::int32_t spanCount)
{
    const MarkExtent dot = sectionDotExtent(spanCount, DiagramMedium::paper);
    clipToFrame(canvas, layout, std::max(dot.before, dot.after));
    canvas.setPen(PageCanvas::defaultPen());
    canvas.setBrush(Qt::black);
    for (std::int32_t k = 0; k < bars; ++k) {
        const std::int64_t cover = xBarCoverIndex(k);
        const QPoint centre = sectionPageDotCentre(layout, member.sampleAt(1), spanCount, barPositionAt(member, cover),
                                                   member.sampleAt(cover));
        canvas.drawEllipse(
            PageBox{centre.x() - dot.before, centre.y() + dot.after, centre.x() + dot.after, centre.y() - dot.before});
    }
    canvas.removeClip();
}

} // namespace

std::int32_t sectionPageBars(const MemberRecord& member)
{
    return std::clamp(member.xBarCount, 0, countBars(member).x);
}

paper::DiagramLayout sectionPageLayout(std::int64_t blocks)
{
    constexpr int bottom = -15000;
    if (blocks <= 1)
        return {-5000, -12000};
    if (blocks == 2)
        return {-7000, -14000};
    if (blocks == 3)
        return {-8000, bottom};
    if (blocks <= 6)
        return {static_cast<int>(-10000 - 2000 * (blocks - 4)), bottom};
    return layoutBelowTable(blocks, rowsPerBlock, headingRise, bottom);
}

QPoint sectionPageDotCentre(const paper::DiagramLayout& layout, std::int32_t scaleCode, std::int32_t spanCount,
                            std::int32_t position, std::int32_t cover)
{
    const float u = unitsPerMillimetre(scaleCode, spanCount, frameWidth);
    const float v = static_cast<float>(layout.height()) * 0.006666667f;
    return {diagram::truncated(static_cast<float>(position) * u + static_cast<float>(frameLeft)),
            layout.top - diagram::truncated(static_cast<float>(cover) * v)};
}

void paintSectionPage(PageCanvas& canvas, const MemberRecord& member)
{
    if (testModeDigit(member) != TestModeDigit::section || member.sampleAt(0) != runMarker || member.xBarCount <= 0)
        return;
    const std::int32_t bars = sectionPageBars(member);
    const std::int64_t blocks = tableBlocks(bars);
    const DiagramLayout layout = sectionPageLayout(blocks);
    const std::int32_t spanCount = sectionSpanCount(member);

    drawMemberHeadings(canvas, member, QStringLiteral("剖面测试数据:"));
    canvas.setFont(bodyFont());
    canvas.drawText(2500, -1750,
                    QStringLiteral("钢筋直径:") + QString::number(member.barDiameter) + QStringLiteral("mm"));

    canvas.scaleAbout(tableLeft, tableTop, layout.tableScale);
    drawTableRules(canvas, blocks, rowsPerBlock);
    drawRowLabels(canvas, blocks,
                  {QStringLiteral("钢筋序号"), QStringLiteral("位置(mm)"), QStringLiteral("保护层厚度(mm)")});
    drawTableCells(canvas, member, bars);
    canvas.scaleAbout(tableLeft, tableTop, 1.0);

    canvas.setFont(headingFont());
    canvas.drawText(800, layout.top + headingRise, QStringLiteral("钢筋剖面测量示意图:"));
    drawFrameAndPositionAxis(canvas, layout, axisScale(member.sampleAt(1), spanCount).labelStep);
    const int labelsLeft = drawDepthAxis(canvas, layout);
    drawSideCaption(canvas, layout, labelsLeft, QStringLiteral("钢筋保护层厚度(mm)"));
    drawDots(canvas, layout, member, bars, spanCount);
}

} // namespace trellon
