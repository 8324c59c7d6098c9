// What the printed section and grid pages share: the member headings, the bar table's rules and labels, and
// the diagram below the table with its frame, position axis and captions. Page coordinates in twips.
#pragma once

#include "pagecanvas.h"

#include "model/memberrecord.h"

#include <QStringList>

#include <cstdint>

namespace trellon::paper {

constexpr int frameLeft = 1800;
constexpr int frameRight = 10300;
constexpr int frameWidth = frameRight - frameLeft;
constexpr int barsPerBlock = 15;
constexpr int tableTop = -2100;
constexpr int tableLeft = 800;
constexpr int tableRowHeight = 350;

// Where the diagram frame lies, and the scale of the table above it (1 unless it had to shrink).
struct DiagramLayout {
    int top = 0;
    int bottom = 0;
    double tableScale = 1.0;
    int height() const { return top - bottom; }
    bool operator==(const DiagramLayout&) const = default;
};

// Table blocks needed for a number of bars.
std::int64_t tableBlocks(std::int64_t bars);

// The layout of a table too long for the fixed frame places: the frame keeps its bottom and reaches up to just
// below the table, never lower than minimumFrameHeight; a table that leaves less room than that is shrunk.
// headingRise is how far above the frame's top the diagram's heading starts.
constexpr int minimumFrameHeight = 3000;
DiagramLayout layoutBelowTable(std::int64_t blocks, int rowsPerBlock, int headingRise, int frameBottom);

QFont bodyFont();
QFont headingFont();

// The heading of the member's data and its name and number, above the table.
void drawMemberHeadings(PageCanvas& canvas, const MemberRecord& member, const QString& dataHeading);

// The table's rules for `blocks` blocks of `rowsPerBlock` rows, and the row labels in turn.
void drawTableRules(PageCanvas& canvas, std::int64_t blocks, int rowsPerBlock);
void drawRowLabels(PageCanvas& canvas, std::int64_t blocks, const QStringList& labels);
// Left edge of the texts in table column m (0 … 14), and the top of a row's texts.
int tableCellX(int m);
// A cell's text at (x, y), narrowed when it would reach the rule on the right of its column.
void drawCellText(PageCanvas& canvas, int x, int y, const QString& text);
int tableRowTextY(std::int64_t row);

// The frame with its border, the dotted vertical grid lines, and the position axis along the top edge with its
// caption, raised clear of the labels when they would touch; the labels step by labelStep millimetres.
void drawFrameAndPositionAxis(PageCanvas& canvas, const DiagramLayout& layout, std::int64_t labelStep);
// The dotted grid pen and the pen of the axis ticks.
QPen gridPen();
QPen tickPen();
// The caption of the left axis, running upwards beside it from 500 twips above the frame's middle; centred on
// the frame when it would rise past the frame's top. It stands left of labelsLeft, the left edge of the axis
// labels, moved further left when they reach its place.
void drawSideCaption(PageCanvas& canvas, const DiagramLayout& layout, int labelsLeft, const QString& text);
// Marks are cut to the frame widened by the largest mark, so bars beyond the axes stay inside the diagram.
void clipToFrame(PageCanvas& canvas, const DiagramLayout& layout, int margin);

} // namespace trellon::paper
