// The grid diagram: the bars of a mesh as stripes, X bars vertical at their X position, Y bars horizontal.
#pragma once

#include "diagramscale.h"
#include "model/memberrecord.h"
#include "passcolours.h"

#include <QRect>
#include <QSize>

#include <cstdint>

class QPainter;

namespace trellon {

// Column of the stripe of an X bar and row of the stripe of a Y bar on a diagram of the given size,
// relative to the diagram's top-left corner. Both axes share the full length of the scale code.
int gridStripeX(QSize size, std::int32_t scaleCode, std::int32_t spanCount, std::int32_t position);
int gridStripeY(QSize size, std::int32_t scaleCode, std::int32_t spanCount, std::int32_t position);

// Draws the diagram into area in pixels, erasing it first. Without a member, or for a member that is not a
// grid member starting with the run marker, only the title, frame, grid and axes are drawn; with no member
// the labels step by 200 mm. With pass colours each stripe is green or red by its cover, with a legend above the
// frame. The words are Chinese unless translated ones are asked for.
void paintGridDiagram(QPainter& painter, const QRect& area, const MemberRecord* member,
                      DiagramTitle title = DiagramTitle::shown, PassColours colours = PassColours::off,
                      DiagramWords words = DiagramWords::chinese);

} // namespace trellon
