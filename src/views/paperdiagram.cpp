// Shared parts of the printed section and grid pages.
#include "paperdiagram.h"

#include "model/gbk.h"

#include <algorithm>
#include <cmath>

namespace trellon::paper {

namespace {

constexpr int tableRight = 10500;
constexpr int firstColumnRule = 2840;
constexpr int columnWidth = 510;
constexpr int firstCellText = 2920;
constexpr int rowLabelX = 1200;
constexpr int rowTextDrop = 100;
constexpr int gapBelowTable = 100;
constexpr int positionTicks = 50;
constexpr int positionTickStep = 170;
constexpr int gridColumnStep = 850;
constexpr int cellPadding = 30;
constexpr int positionLabelRise = 300;
constexpr int positionCaptionRise = 500;
constexpr int sideCaptionX = 1300;
constexpr int sideCaptionGap = 40;

QString fromGbk(const std::string& text)
{
    return QString::fromStdString(gbkToUtf8(text));
}

} // namespace

std::int64_t tableBlocks(std::int64_t bars)
{
    return bars <= 0 ? 0 : (bars + barsPerBlock - 1) / barsPerBlock;
}

DiagramLayout layoutBelowTable(std::int64_t blocks, int rowsPerBlock, int headingRise, int frameBottom)
{
    const double natural = static_cast<double>(blocks) * rowsPerBlock * tableRowHeight;
    const int lowestTableBottom = frameBottom + minimumFrameHeight + headingRise + gapBelowTable;
    const double room = tableTop - lowestTableBottom;
    DiagramLayout layout;
    layout.tableScale = natural > room ? room / natural : 1.0;
    const int tableBottom = tableTop - static_cast<int>(std::ceil(natural * layout.tableScale));
    layout.top = tableBottom - headingRise - gapBelowTable;
    layout.bottom = frameBottom;
    return layout;
}

QFont bodyFont()
{
    return PageCanvas::font(QStringLiteral("宋体"), 10);
}

QFont headingFont()
{
    return PageCanvas::font(QStringLiteral("黑体"), 12);
}

void drawMemberHeadings(PageCanvas& canvas, const MemberRecord& member, const QString& dataHeading)
{
    canvas.setFont(headingFont());
    canvas.drawText(800, -1700, dataHeading);
    canvas.drawText(800, -1200, QStringLiteral("工程名称(编号):"));
    canvas.drawText(2600, -1200, fromGbk(member.name) + QLatin1Char('(') + fromGbk(member.number) + QLatin1Char(')'));
}

void drawTableRules(PageCanvas& canvas, std::int64_t blocks, int rowsPerBlock)
{
    canvas.setPen(PageCanvas::solidPen(10));
    const std::int64_t rows = blocks * rowsPerBlock;
    for (std::int64_t i = 0; i <= rows; ++i) {
        const auto y = static_cast<int>(tableTop - tableRowHeight * i);
        canvas.drawLine(tableLeft, y, tableRight, y);
    }
    const auto bottom = static_cast<int>(tableTop - tableRowHeight * rows);
    canvas.drawLine(tableLeft, tableTop, tableLeft, bottom);
    for (int m = 0; m <= barsPerBlock; ++m) {
        const int x = firstColumnRule + columnWidth * m;
        canvas.drawLine(x, tableTop, x, bottom);
    }
}

void drawRowLabels(PageCanvas& canvas, std::int64_t blocks, const QStringList& labels)
{
    canvas.setFont(bodyFont());
    const std::int64_t rows = blocks * labels.size();
    for (std::int64_t i = 0; i < rows; ++i)
        canvas.drawText(rowLabelX, tableRowTextY(i), labels[static_cast<qsizetype>(i % labels.size())]);
}

int tableCellX(int m)
{
    return firstCellText + columnWidth * m;
}

void drawCellText(PageCanvas& canvas, int x, int y, const QString& text)
{
    const int column = (x - firstColumnRule) / columnWidth;
    const int rightRule = firstColumnRule + columnWidth * (column + 1);
    canvas.drawTextWithin(x, y, rightRule - cellPadding - x, text);
}

int tableRowTextY(std::int64_t row)
{
    return static_cast<int>(tableTop - rowTextDrop - tableRowHeight * row);
}

QPen gridPen()
{
    QPen pen(QColor(50, 50, 50), 5);
    pen.setDashPattern({3.0, 3.0});
    return pen;
}

QPen tickPen()
{
    return PageCanvas::solidPen(10);
}

void drawFrameAndPositionAxis(PageCanvas& canvas, const DiagramLayout& layout, std::int64_t labelStep)
{
    canvas.setPen(PageCanvas::solidPen(22));
    canvas.drawRect(PageBox{frameLeft, layout.top, frameRight, layout.bottom});
    canvas.setPen(gridPen());
    for (int i = 1; i <= 9; ++i) {
        const int x = frameLeft + gridColumnStep * i;
        canvas.drawLine(x, layout.top, x, layout.bottom);
    }

    canvas.setFont(PageCanvas::font(QStringLiteral("宋体"), 9));
    canvas.setPen(tickPen());
    for (int i = 0; i <= positionTicks; ++i) {
        const int x = frameLeft + positionTickStep * i;
        if (i % 5 != 0) {
            canvas.drawLine(x, layout.top + 50, x, layout.top);
            continue;
        }
        canvas.drawLine(x, layout.top + 100, x, layout.top);
        canvas.drawText(x - 100, layout.top + positionLabelRise, QString::number(i / 5 * labelStep));
    }
    canvas.setFont(bodyFont());
    const int captionHeight = canvas.metrics().ascent() + canvas.metrics().descent();
    const int captionRise = std::max(positionCaptionRise, positionLabelRise + captionHeight);
    canvas.drawText(5550, layout.top + captionRise, QStringLiteral("X方向钢筋位置(mm)"));
}

void drawSideCaption(PageCanvas& canvas, const DiagramLayout& layout, int labelsLeft, const QString& text)
{
    // The caption's character cell, ascent and descent together, is 200 twips high.
    constexpr int cellHeight = 200;
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Thin);
    font.setPixelSize(cellHeight);
    canvas.setFont(font);
    const int measured = std::max(canvas.metrics().ascent() + canvas.metrics().descent(), 1);
    font.setPixelSize(std::max(cellHeight * cellHeight / measured, 1));
    canvas.setFont(font);
    // A frame too short for the caption above its middle gets it centred, so it never rises past the frame.
    const int length = canvas.textWidth(text);
    int start = layout.top - layout.height() / 2 + 500;
    if (start + length > layout.top)
        start = std::max(layout.top - layout.height() / 2 - length / 2, layout.bottom);
    const int width = canvas.metrics().ascent() + canvas.metrics().descent();
    canvas.drawTextUpwards(std::min(sideCaptionX, labelsLeft - sideCaptionGap - width), start, text);
}

void clipToFrame(PageCanvas& canvas, const DiagramLayout& layout, int margin)
{
    canvas.clipTo(PageBox{frameLeft - margin, layout.top + margin, frameRight + margin, layout.bottom - margin});
}

} // namespace trellon::paper
