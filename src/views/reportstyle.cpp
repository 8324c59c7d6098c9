// Evaluation report type styles.
#include "reportstyle.h"

#include "pagecanvas.h"

namespace trellon {
namespace {

// Headings in the plain strokes of 黑体, which stand out where a bold 宋体 has no face of its own.
QFont headingFont(double points)
{
    return PageCanvas::font(QStringLiteral("黑体"), points);
}

} // namespace

QFont reportFont(double points, bool bold)
{
    QFont font = PageCanvas::font(QStringLiteral("宋体"), points);
    font.setBold(bold);
    return font;
}

QFont paragraphFont(ReportTextStyle style)
{
    switch (style) {
    case ReportTextStyle::title:
        return headingFont(16);
    case ReportTextStyle::heading:
        return headingFont(13);
    case ReportTextStyle::subheading:
        return headingFont(11);
    case ReportTextStyle::body:
        break;
    }
    return reportFont(10);
}

QFont tableFont(bool headings)
{
    return reportFont(8, headings);
}

TextMeasure& ReportMeasures::paragraph(ReportTextStyle style)
{
    switch (style) {
    case ReportTextStyle::title:
        return title_;
    case ReportTextStyle::heading:
        return heading_;
    case ReportTextStyle::subheading:
        return subheading_;
    case ReportTextStyle::body:
        break;
    }
    return body_;
}

Spacing spacingOf(const ReportBlock& block)
{
    if (const auto* paragraph = std::get_if<ReportParagraph>(&block)) {
        switch (paragraph->style) {
        case ReportTextStyle::title:
            return {0, 240};
        case ReportTextStyle::heading:
            return {360, 120};
        case ReportTextStyle::subheading:
            return {240, 120};
        case ReportTextStyle::body:
            break;
        }
        return {0, 120};
    }
    return {0, 240};
}

} // namespace trellon
