// Grid diagram on screen.
#include "griddiagram.h"

#include "diagramcanvas.h"
#include "diagramscale.h"
#include "model/testmode.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include <algorithm>

namespace trellon {

namespace {

using namespace diagram;

constexpr int axisTicks = 50;
// Left ends of the Y axis's major and minor ticks.
constexpr int majorTickLeft = 44;
constexpr int minorTickLeft = 46;
// The Y labels end short of the major ticks, centred on them; the caption stands left of them.
constexpr int yLabelsRight = majorTickLeft - 3;
constexpr int yCaptionX = 20;

void drawGridLines(QPainter& painter, int width, int height)
{
    useGridPen(painter);
    for (int i = 1; i <= 9; ++i) {
        const int y = truncated(static_cast<float>(i * (height - 100)) * 0.1f) + frameTop;
        drawLineTo(painter, frameLeft, y, width - 21, y);
        const int x = truncated(static_cast<float>(i * (width - 70)) * 0.1f) + frameLeft;
        drawLineTo(painter, x, frameTop, x, height - frameBottomMargin);
    }
}

// Returns the left edge of the widest label.
int drawYScale(QPainter& painter, int height, std::int64_t labelStep)
{
    const QFontMetrics metrics(painter.font());
    const float step = static_cast<float>(height - 100) * 0.02f;
    int labelsLeft = yLabelsRight;
    for (int j = 0; j <= axisTicks; ++j) {
        const int y = truncated(static_cast<float>(j) * step) + frameTop;
        painter.setPen(Qt::black);
        if (j % 5 != 0) {
            drawLineTo(painter, minorTickLeft, y, frameLeft, y);
            continue;
        }
        drawLineTo(painter, majorTickLeft, y, frameLeft, y);
        const int top = y - metrics.height() / 2;
        blankCells(painter, 17, top, 4);
        const QString label = QString::number(j / 5 * labelStep);
        painter.drawText(QRect(17, top, yLabelsRight - 17, metrics.height()), Qt::AlignRight | Qt::AlignVCenter, label);
        labelsLeft = std::min(labelsLeft, yLabelsRight - metrics.horizontalAdvance(label));
    }
    return labelsLeft;
}

void drawXScale(QPainter& painter, int width, std::int64_t labelStep)
{
    const float step = static_cast<float>(width - 70) * 0.02f;
    for (int j = 0; j <= axisTicks; ++j) {
        const int x = truncated(static_cast<float>(j) * step) + frameLeft;
        painter.setPen(Qt::black);
        if (j % 5 != 0) {
            drawLineTo(painter, x, frameTop, x, 76);
            continue;
        }
        drawLineTo(painter, x, 74, x, frameTop);
        blankCells(painter, x - 15, 62, 6);
        painter.drawText(QRect(QPoint(x - 15, 62), QPoint(x + 19, 71)), Qt::AlignHCenter | Qt::AlignTop,
                         QString::number(j / 5 * labelStep));
    }
}

void drawStripes(QPainter& painter, QSize size, const MemberRecord& member, std::int32_t spanCount, PassColours colours)
{
    const std::int32_t scaleCode = member.sampleAt(1);
    const MarkExtent stripe = gridStripeExtent(spanCount, DiagramMedium::screen);
    const int thickness = stripe.before + stripe.after;
    const GridRuns runs = gridRuns(member);
    for (std::int32_t k = 0; k < runs.xBars; ++k) {
        const int x = gridStripeX(size, scaleCode, spanCount, barPositionAt(member, xBarCoverIndex(k)));
        painter.fillRect(x - stripe.before, frameTop, thickness, size.height() - frameTop - frameBottomMargin,
                         passMarkColour(colours, member, member.sampleAt(xBarCoverIndex(k))));
    }
    for (std::int32_t k = 0; k < runs.yBars; ++k) {
        const std::int64_t coverIndex = yBarCoverIndex(runs.separator, k);
        const int y = gridStripeY(size, scaleCode, spanCount, barPositionAt(member, coverIndex));
        painter.fillRect(frameLeft, y - stripe.before, size.width() - frameLeft - frameRightMargin, thickness,
                         passMarkColour(colours, member, member.sampleAt(coverIndex)));
    }
}

} // namespace

int gridStripeX(QSize size, std::int32_t scaleCode, std::int32_t spanCount, std::int32_t position)
{
    const float u = unitsPerMillimetre(scaleCode, spanCount, size.width() - 70);
    return truncated(static_cast<float>(position) * u + 50.0f);
}

int gridStripeY(QSize size, std::int32_t scaleCode, std::int32_t spanCount, std::int32_t position)
{
    const float v = unitsPerMillimetre(scaleCode, spanCount, size.height() - 100);
    return truncated(static_cast<float>(position) * v + 80.0f);
}

void paintGridDiagram(QPainter& painter, const QRect& area, const MemberRecord* member, DiagramTitle title,
                      PassColours colours, DiagramWords words)
{
    painter.save();
    painter.setClipRect(area);
    painter.translate(area.topLeft());
    const int width = area.width();
    const int height = area.height();

    drawTitleAndFrame(painter, width, height,
                      title == DiagramTitle::shown
                          ? diagramWord(QT_TRANSLATE_NOOP("Diagram", "钢筋网格测量示意图"), words)
                          : QString());
    drawGridLines(painter, width, height);

    const std::int32_t spanCount = member ? gridSpanCount(*member) : 0;
    const std::int64_t labelStep = member ? axisScale(member->sampleAt(1), spanCount).labelStep : defaultLabelStep;
    painter.setFont(screenFont(QStringLiteral("宋体"), 9));
    const int yLabelsLeft = drawYScale(painter, height, labelStep);
    drawXScale(painter, width, labelStep);
    drawDownwardCaption(painter, std::min(yCaptionX, yLabelsLeft - 1), height / 2 - 50,
                        diagramWord(QT_TRANSLATE_NOOP("Diagram", "Y方向钢筋位置(mm)"), words));
    drawPositionCaption(painter, width, words);

    const bool drawable = member && testModeDigit(*member) == TestModeDigit::grid && !member->samples.empty() &&
                          member->samples.front() == runMarker;
    if (drawable)
        drawStripes(painter, area.size(), *member, spanCount, colours);
    if (drawable && colours == PassColours::on)
        drawPassLegend(painter, width - frameRightMargin, 40, words);
    painter.restore();
}

} // namespace trellon
