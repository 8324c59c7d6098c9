// Pass colours of the diagrams.
#include "passcolours.h"

#include "diagramcanvas.h"

#include "evaluation/coverjudgement.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

namespace trellon {

QColor passMarkColour(PassColours colours, const MemberRecord& member, std::int32_t cover)
{
    if (colours == PassColours::off)
        return Qt::black;
    return isWithinTolerance(member, cover) ? passingColour : failingColour;
}

void drawPassLegend(QPainter& painter, int right, int top, DiagramWords words)
{
    painter.save();
    painter.setFont(diagram::screenFont(QStringLiteral("宋体"), 9));
    const QFontMetrics metrics = painter.fontMetrics();
    const QString texts[] = {diagram::diagramWord(QT_TRANSLATE_NOOP("Diagram", "合格"), words),
                             diagram::diagramWord(QT_TRANSLATE_NOOP("Diagram", "不合格"), words)};
    const QColor colours[] = {passingColour, failingColour};
    constexpr int swatch = 9;
    constexpr int gap = 4;
    int x = right;
    for (int i = 1; i >= 0; --i) {
        x -= metrics.horizontalAdvance(texts[i]);
        painter.setPen(Qt::black);
        painter.drawText(x, top + metrics.ascent(), texts[i]);
        x -= gap + swatch;
        painter.fillRect(x, top + (metrics.height() - swatch) / 2, swatch, swatch, colours[i]);
        x -= 3 * gap;
    }
    painter.restore();
}

} // namespace trellon
