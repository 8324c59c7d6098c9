// The section diagram: the bars of one scan line as dots, position along the top edge, cover down the left.
#pragma once

#include "diagramscale.h"
#include "model/memberrecord.h"
#include "passcolours.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>

class QPainter;

namespace trellon {

// Centre of the dot of a bar on a diagram of the given size, relative to the diagram's top-left corner.
QPoint sectionDotCentre(QSize size, std::int32_t scaleCode, std::int32_t spanCount, std::int32_t position,
                        std::int32_t cover);

// Draws the diagram into area in pixels, erasing it first. Without a member, or for a member that is not a
// section member starting with the run marker, only the title, frame, grid and axes are drawn; with no
// member the position labels step by 200 mm. With pass colours the dots are green or red, the tolerance band
// is shaded behind them with the design cover line, and a legend stands above the frame. The words are Chinese
// unless translated ones are asked for.
void paintSectionDiagram(QPainter& painter, const QRect& area, const MemberRecord* member,
                         DiagramTitle title = DiagramTitle::shown, PassColours colours = PassColours::off,
                         DiagramWords words = DiagramWords::chinese);

} // namespace trellon
