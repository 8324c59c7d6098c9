// Drawing steps shared by the on-screen section and grid diagrams: pixels, origin top-left, y downwards.
#pragma once

#include "diagramscale.h"

#include <QFont>
#include <QString>

class QPainter;

namespace trellon::diagram {

// Left, top, right and bottom margins of the frame inside the diagram's area.
constexpr int frameLeft = 50;
constexpr int frameTop = 80;
constexpr int frameRightMargin = 20;
constexpr int frameBottomMargin = 20;

// A word of the diagrams, given as QT_TRANSLATE_NOOP("Diagram", …): as written, or translated.
QString diagramWord(const char* source, DiagramWords words);

// A face at a point size as the screen shows it, 96 pixels per inch.
QFont screenFont(const QString& face, int points);

// A float coordinate truncated toward zero; values past any drawable range are held at its ends.
int truncated(float value);

// A horizontal or vertical line from the first point up to, but not including, the second.
void drawLineTo(QPainter& painter, int x1, int y1, int x2, int y2);

// Text with the top-left corner of its first character cell at (x, y).
void drawTextAt(QPainter& painter, int x, int y, const QString& text);

// Clears the cells of `count` spaces in the current font at (x, y) to the background, as opaque text does.
void blankCells(QPainter& painter, int x, int y, int count);

// Thin dotted grey pen of the grid lines inside the frame.
void useGridPen(QPainter& painter);

// Erases the area, draws the blue title centred above the frame (none when empty) and the white frame with its
// border.
void drawTitleAndFrame(QPainter& painter, int width, int height, const QString& title);

// Caption of the left axis, running downwards from (x, y) in a column that ends at x: Chinese characters upright,
// one a line with the font's line spacing, other text turned with its tops towards the frame.
void drawDownwardCaption(QPainter& painter, int x, int y, const QString& text);

// "X方向钢筋位置(mm)" above the top axis.
void drawPositionCaption(QPainter& painter, int width, DiagramWords words);

} // namespace trellon::diagram
