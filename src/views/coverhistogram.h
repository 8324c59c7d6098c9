// A histogram of cover values, drawn as lines and text so that screens show it sharp and paper prints it so.
#pragma once

#include "evaluation/evaluationreport.h"

#include <QRectF>

#include <vector>

class QPainter;

namespace trellon {

// Draws the classes as bars in rect, over the classes of the accepted ranges shaded, with a count axis and a
// cover axis in mm.
void paintCoverHistogram(QPainter& painter, const QRectF& rect, const CoverHistogram& classes,
                         const std::vector<AcceptedRange>& ranges);

} // namespace trellon
