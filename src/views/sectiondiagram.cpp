// Section diagram on screen.
#include "sectiondiagram.h"

#include "diagramcanvas.h"
#include "diagramscale.h"
#include "evaluation/coverjudgement.h"
#include "model/barcounts.h"
#include "model/testmode.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPen>

#include <QString>
#include <algorithm>

namespace trellon {

namespace {

using namespace diagram;

// The depth axis always reaches 150 mm, labelled every 10 mm.
constexpr int depthTicks = 75;
constexpr int positionTicks = 50;
constexpr std::int64_t deepest = 150; // mm, the foot of the depth axis

void drawGridRows(QPainter& painter, int width, int height)
{
    useGridPen(painter);
    for (int i = 1; i <= 14; ++i) {
        const int y = frameTop + truncated(static_cast<float>(i * (height - 100)) * 0.06666667f);
        drawLineTo(painter, frameLeft, y, width - 21, y);
    }
}

void drawDepthScale(QPainter& painter, int height, DiagramWords words)
{
    painter.setFont(screenFont(QStringLiteral("宋体"), 9));
    const float step = static_cast<float>(height - 100) * 0.013333334f;
    for (int d = 0; d <= depthTicks; ++d) {
        const int y = frameTop + truncated(static_cast<float>(d) * step);
        painter.setPen(Qt::black);
        if (d % 5 != 0) {
            drawLineTo(painter, 46, y, frameLeft, y);
            continue;
        }
        drawLineTo(painter, 44, y, frameLeft, y);
        const int depth = d / 5 * 10;
        const int x = depth == 0 ? 36 : depth < 100 ? 30 : 25;
        drawTextAt(painter, x, y - 5, QString::number(depth));
    }
    drawDownwardCaption(painter, 25, height / 2 - 50,
                        diagramWord(QT_TRANSLATE_NOOP("Diagram", "保护层厚度(mm)"), words));
}

void drawPositionScale(QPainter& painter, int width, int height, std::int64_t labelStep, DiagramWords words)
{
    painter.setFont(screenFont(QStringLiteral("宋体"), 9));
    const float step = static_cast<float>(width - 70) * 0.02f;
    for (int j = 0; j <= positionTicks; ++j) {
        const int x = frameLeft + truncated(static_cast<float>(j) * step);
        painter.setPen(Qt::black);
        if (j % 5 != 0) {
            drawLineTo(painter, x, frameTop, x, 75);
            continue;
        }
        const int o = j / 5;
        drawLineTo(painter, x, frameTop, x, 72);
        if (o >= 1 && o <= 9) {
            useGridPen(painter);
            drawLineTo(painter, x, frameTop, x, height - frameBottomMargin);
            painter.setPen(Qt::black);
        }
        blankCells(painter, x - 15, 62, 6);
        painter.drawText(QRect(QPoint(x - 15, 62), QPoint(x + 19, 71)), Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(o * labelStep));
    }
    drawPositionCaption(painter, width, words);
}

// The band of acceptable covers across the frame, and the design cover as a dashed line.
void drawToleranceBand(QPainter& painter, QSize size, const MemberRecord& member)
{
    const auto yOf = [size](std::int64_t cover) {
        return sectionDotCentre(size, 1, 1, 0, static_cast<std::int32_t>(std::clamp<std::int64_t>(cover, 0, deepest)))
            .y();
    };
    const Tolerance tolerance(member);
    const auto lower = static_cast<std::int64_t>(tolerance.lowest());
    const auto upper = static_cast<std::int64_t>(tolerance.highest());
    const int right = size.width() - frameRightMargin;
    if (upper >= 0 && lower <= deepest && lower <= upper)
        painter.fillRect(QRect(QPoint(frameLeft + 1, yOf(lower)), QPoint(right - 1, yOf(upper))), toleranceBandColour);
    if (member.designCover >= 0 && member.designCover <= deepest) {
        painter.save();
        painter.setPen(QPen(designCoverColour, 1, Qt::DashLine));
        drawLineTo(painter, frameLeft + 1, yOf(member.designCover), right - 1, yOf(member.designCover));
        painter.restore();
    }
}

void drawDots(QPainter& painter, QSize size, const MemberRecord& member, std::int32_t spanCount, PassColours colours)
{
    const std::int32_t scaleCode = member.sampleAt(1);
    const MarkExtent dot = sectionDotExtent(spanCount, DiagramMedium::screen);
    const std::int32_t bars = countBars(member).x;
    for (std::int32_t k = 0; k < bars; ++k) {
        const std::int64_t coverIndex = xBarCoverIndex(k);
        const QColor colour = passMarkColour(colours, member, member.sampleAt(coverIndex));
        painter.setPen(colour);
        painter.setBrush(colour);
        const QPoint centre = sectionDotCentre(size, scaleCode, spanCount, barPositionAt(member, coverIndex),
                                               member.sampleAt(coverIndex));
        // The ellipse's box runs from centre − before up to, not including, centre + after.
        painter.drawEllipse(QRect(centre.x() - dot.before, centre.y() - dot.before, dot.before + dot.after - 1,
                                  dot.before + dot.after - 1));
    }
}

} // namespace

QPoint sectionDotCentre(QSize size, std::int32_t scaleCode, std::int32_t spanCount, std::int32_t position,
                        std::int32_t cover)
{
    const float u = unitsPerMillimetre(scaleCode, spanCount, size.width() - 70);
    const float v = static_cast<float>(size.height() - 100) * 0.006666667f;
    return {truncated(u * static_cast<float>(position) + 50.0f), truncated(v * static_cast<float>(cover)) + frameTop};
}

void paintSectionDiagram(QPainter& painter, const QRect& area, const MemberRecord* member, DiagramTitle title,
                         PassColours colours, DiagramWords words)
{
    painter.save();
    painter.setClipRect(area);
    painter.translate(area.topLeft());
    const int width = area.width();
    const int height = area.height();

    drawTitleAndFrame(painter, width, height,
                      title == DiagramTitle::shown
                          ? diagramWord(QT_TRANSLATE_NOOP("Diagram", "钢筋剖面测量示意图"), words)
                          : QString());
    const bool drawable = member && testModeDigit(*member) == TestModeDigit::section && !member->samples.empty() &&
                          member->samples.front() == runMarker;
    if (drawable && colours == PassColours::on)
        drawToleranceBand(painter, area.size(), *member);
    drawGridRows(painter, width, height);
    drawDepthScale(painter, height, words);

    const std::int32_t spanCount = member ? sectionSpanCount(*member) : 0;
    const std::int64_t labelStep = member ? axisScale(member->sampleAt(1), spanCount).labelStep : defaultLabelStep;
    drawPositionScale(painter, width, height, labelStep, words);

    if (drawable)
        drawDots(painter, area.size(), *member, spanCount, colours);
    if (drawable && colours == PassColours::on)
        drawPassLegend(painter, width - frameRightMargin, 40, words);
    painter.restore();
}

} // namespace trellon
