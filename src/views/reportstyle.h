// How the evaluation report's pages set their texts: the faces and sizes of paragraphs and tables, and the space
// around each block. Sizes in twips.
#pragma once

#include "textmeasure.h"

#include "evaluation/evaluationreport.h"

#include <QFont>

namespace trellon {

QFont reportFont(double points, bool bold = false);
QFont paragraphFont(ReportTextStyle style);
QFont tableFont(bool headings);

// The measures of the report's fonts, for one layout or the painting of one page.
class ReportMeasures {
public:
    TextMeasure& paragraph(ReportTextStyle style);
    TextMeasure& table(bool headings) { return headings ? tableHeadings_ : tableCells_; }

private:
    TextMeasure title_{paragraphFont(ReportTextStyle::title)};
    TextMeasure heading_{paragraphFont(ReportTextStyle::heading)};
    TextMeasure subheading_{paragraphFont(ReportTextStyle::subheading)};
    TextMeasure body_{paragraphFont(ReportTextStyle::body)};
    TextMeasure tableCells_{tableFont(false)};
    TextMeasure tableHeadings_{tableFont(true)};
};

// The space above and below a block; between two blocks the larger of the two stands, at the top of a page none.
struct Spacing {
    int before = 0;
    int after = 0;
};

Spacing spacingOf(const ReportBlock& block);

} // namespace trellon
