// The control panel's parameter grid: its section and grid layouts, filling them from a member, and which bar a
// cell holds.
#pragma once

#include "model/baredits.h"
#include "model/memberrecord.h"

#include <optional>

namespace trellon {

class CGridCtrl;

constexpr int parameterGridRows = 500;
constexpr int sectionFirstBarRow = 4;
constexpr int gridFirstBarRow = 5;

// Every cell is read-only after a layout.
void layOutSectionGrid(CGridCtrl& grid);
void layOutGridGrid(CGridCtrl& grid);

// Lay out, then show the member's name, design values and the bars its readings hold; the cells given a bar value
// become editable.
void fillSectionGrid(CGridCtrl& grid, const MemberRecord& member);
void fillGridGrid(CGridCtrl& grid, const MemberRecord& member);

struct BarCell {
    BarRun run;
    std::int32_t bar;
    BarField field;
};

// The bar value a cell of each layout stands for; none for labels, titles and the row numbers.
std::optional<BarCell> sectionBarCell(int row, int column);
std::optional<BarCell> gridBarCell(int row, int column);

// The run a row of the grid layout belongs to for insertion and deletion: columns 0 to 2 the X run, 3 and 4 Y.
BarRun gridRunOfColumn(int column);

} // namespace trellon
