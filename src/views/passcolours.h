// Diagrams coloured by pass state: acceptable bars green, the others red, with the tolerance band and a legend.
#pragma once

#include "diagramscale.h"

#include "model/memberrecord.h"

#include <QColor>

#include <cstdint>

class QPainter;

namespace trellon {

// Off: the marks are black, as printed pages keep them.
enum class PassColours { off, on };

constexpr QColor passingColour{0, 150, 60};
constexpr QColor failingColour{210, 0, 0};
constexpr QColor toleranceBandColour{222, 242, 222};
constexpr QColor designCoverColour{0, 120, 50};

// The colour of a bar's mark: black without colours, else by the member's tolerance.
QColor passMarkColour(PassColours colours, const MemberRecord& member, std::int32_t cover);

// Two swatches with "合格" and "不合格", their top-right corner at right, top.
void drawPassLegend(QPainter& painter, int right, int top, DiagramWords words);

} // namespace trellon
