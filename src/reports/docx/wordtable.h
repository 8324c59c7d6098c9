// A word-processor table as plain data: rows of cells with their spans, merges, heights and paragraphs.
#pragma once

#include <string>
#include <vector>

namespace trellon::docx {

enum class Alignment { left, centred, justified };

enum class VerticalMerge {
    none,
    first,     // the top cell of a vertical merge, holding its content
    continued, // a cell merged into the one above it
};

struct CellParagraph {
    std::string text; // UTF-8
    int pointSize = 12;
    Alignment alignment = Alignment::left;

    friend bool operator==(const CellParagraph&, const CellParagraph&) = default;
};

struct TableCell {
    int columnSpan = 1;
    VerticalMerge verticalMerge = VerticalMerge::none;
    bool verticallyCentred = false;
    std::vector<CellParagraph> paragraphs; // an empty cell holds one empty paragraph when written
};

struct TableRow {
    std::vector<TableCell> cells;
    int minimumHeightPoints = 0; // 0: as tall as its content
    bool repeatsOnEveryPage = false;
    bool keepsWithRowAbove = false; // in the same table as the row above, where a long table is cut
};

struct WordTable {
    std::vector<int> columnWidthsPoints;
    std::vector<TableRow> rows;
};

} // namespace trellon::docx
