// Header, footer and page numbers.
#include "pageheaderfooter.h"

#include "pagecanvas.h"

namespace trellon {

namespace {

constexpr int rightEdge = 10400;
constexpr int leftEdge = 900;

enum class Edge { bottom, top };

// Header, footer and page number share one font on every page.
QFont furnitureFont()
{
    return PageCanvas::font(QStringLiteral("宋体"), 10);
}

int centredX(int width)
{
    return pageframe::width / 2 - width / 2 + leftEdge;
}

void drawPageNumber(PageCanvas& canvas, const PrintSettings& settings, std::int64_t page, std::int64_t total, Edge edge)
{
    if (!settings.pageNumberOn)
        return;
    const int place = settings.pageNumberPosition - (edge == Edge::top ? 3 : 0);
    if (place < 0 || place > 2)
        return;
    const QString text = pageNumberText(settings, page, total);
    const int width = canvas.textWidth(text);
    const int x = place == 0 ? rightEdge - width : place == 1 ? centredX(width) : leftEdge;
    canvas.drawText(x, edge == Edge::top ? pageframe::headerTextY : pageframe::footerTextY, text);
}

void drawRuleAndText(PageCanvas& canvas, int ruleY, int textY, const std::string& text)
{
    canvas.setPen(PageCanvas::defaultPen());
    canvas.drawLine(pageframe::left, ruleY, pageframe::left + pageframe::width, ruleY);
    const QString shown = QString::fromStdString(text);
    canvas.drawText(centredX(canvas.textWidth(shown)), textY, shown);
}

} // namespace

QString pageNumberText(const PrintSettings& settings, std::int64_t page, std::int64_t total)
{
    const std::int64_t p = page + settings.firstPageNumber - 1;
    const std::int64_t t = total + settings.firstPageNumber - 1;
    switch (settings.pageNumberFormat) {
    case 1:
        return QStringLiteral(".%1.").arg(p);
    case 2:
        return QStringLiteral("--%1--").arg(p);
    case 3:
        return QStringLiteral("第%1页").arg(p);
    case 4:
        return QStringLiteral("第%1页  共%2页").arg(p).arg(t);
    default:
        return QString::number(p);
    }
}

QString pageNumberSample(std::int32_t format)
{
    PrintSettings sample;
    sample.pageNumberFormat = format;
    sample.firstPageNumber = 1;
    return pageNumberText(sample, 1, 1);
}

void drawPageHeader(PageCanvas& canvas, const PrintSettings& settings, std::int64_t page, std::int64_t total)
{
    canvas.setFont(furnitureFont());
    if (settings.headerOn)
        drawRuleAndText(canvas, pageframe::headerRuleY, pageframe::headerTextY, settings.headerText);
    drawPageNumber(canvas, settings, page, total, Edge::top);
}

void drawPageFooter(PageCanvas& canvas, const PrintSettings& settings, std::int64_t page, std::int64_t total)
{
    canvas.setFont(furnitureFont());
    if (settings.footerOn)
        drawRuleAndText(canvas, pageframe::footerRuleY, pageframe::footerTextY, settings.footerText);
    drawPageNumber(canvas, settings, page, total, Edge::bottom);
}

} // namespace trellon
