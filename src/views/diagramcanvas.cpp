// Shared drawing steps of the on-screen diagrams.
#include "diagramcanvas.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace trellon::diagram {

namespace {

constexpr int screenDotsPerInch = 96;
constexpr int pointsPerInch = 72;
// Far outside any window or bitmap, yet safely inside int and QPainter's fixed-point range.
constexpr float coordinateLimit = 1.0e6f;

// Chinese characters and their punctuation stand upright in a vertical caption; other text lies along it.
bool standsUpright(QChar c)
{
    const char16_t u = c.unicode();
    return c.script() == QChar::Script_Han || (u >= 0x3000 && u <= 0x303F) || (u >= 0xFF00 && u <= 0xFFEF);
}

} // namespace

QString diagramWord(const char* source, DiagramWords words)
{
    return words == DiagramWords::translated ? QCoreApplication::translate("Diagram", source)
                                             : QString::fromUtf8(source);
}

QFont screenFont(const QString& face, int points)
{
    QFont font(face);
    font.setPixelSize((points * screenDotsPerInch + pointsPerInch / 2) / pointsPerInch);
    return font;
}

int truncated(float value)
{
    if (std::isnan(value))
        return 0;
    return static_cast<int>(std::clamp(value, -coordinateLimit, coordinateLimit));
}

void drawLineTo(QPainter& painter, int x1, int y1, int x2, int y2)
{
    if (x1 == x2 && y1 == y2)
        return;
    if (x1 == x2)
        y2 += y2 > y1 ? -1 : 1;
    else
        x2 += x2 > x1 ? -1 : 1;
    painter.drawLine(x1, y1, x2, y2);
}

void drawTextAt(QPainter& painter, int x, int y, const QString& text)
{
    painter.drawText(x, y + QFontMetrics(painter.font()).ascent(), text);
}

void blankCells(QPainter& painter, int x, int y, int count)
{
    const QFontMetrics metrics(painter.font());
    const QString spaces(count, QLatin1Char(' '));
    painter.fillRect(x, y, metrics.horizontalAdvance(spaces), metrics.height(), Qt::white);
}

void useGridPen(QPainter& painter)
{
    QPen pen(QColor(50, 50, 50), 1);
    pen.setDashPattern({3.0, 3.0});
    painter.setPen(pen);
}

void drawTitleAndFrame(QPainter& painter, int width, int height, const QString& title)
{
    painter.fillRect(0, 0, width, height, Qt::white);

    if (!title.isEmpty()) {
        painter.setFont(screenFont(QStringLiteral("楷体_GB2312"), 16));
        painter.setPen(QColor(0, 0, 255));
        painter.drawText(QRect(0, 0, width, 60), Qt::AlignCenter | Qt::TextSingleLine, title);
    }

    const QRect frame(QPoint(frameLeft, frameTop),
                      QPoint(width - frameRightMargin - 1, height - frameBottomMargin - 1));
    painter.fillRect(frame, Qt::white);
    painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
}

void drawDownwardCaption(QPainter& painter, int x, int y, const QString& text)
{
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    font.setWeight(QFont::Thin);
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(font);
    const int column = metrics.ascent() + metrics.descent();
    int down = y;
    for (qsizetype i = 0; i < text.size();) {
        if (standsUpright(text[i])) {
            // One character a line, in the middle of the column.
            const QString character(text[i]);
            drawTextAt(painter, x - column + (column - metrics.horizontalAdvance(character)) / 2, down, character);
            down += metrics.lineSpacing();
            ++i;
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && !standsUpright(text[end]))
            ++end;
        const QString run = text.mid(i, end - i);
        painter.save();
        painter.translate(x, down);
        painter.rotate(90);
        drawTextAt(painter, 0, 0, run);
        painter.restore();
        down += metrics.horizontalAdvance(run);
        i = end;
    }
    painter.restore();
}

void drawPositionCaption(QPainter& painter, int width, DiagramWords words)
{
    painter.setFont(screenFont(QStringLiteral("宋体"), 10));
    painter.setPen(Qt::black);
    drawTextAt(painter, width / 2 - 50, 47, diagramWord(QT_TRANSLATE_NOOP("Diagram", "X方向钢筋位置(mm)"), words));
}

} // namespace trellon::diagram
