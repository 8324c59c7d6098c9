// One printed line of texts at fixed places, where a text too wide for its place pushes the rest along.
#pragma once

#include <QString>

#include <optional>

namespace trellon {

class PageCanvas;

class TextRow {
public:
    // The row's texts are drawn with their tops at y in the canvas's current font.
    TextRow(PageCanvas& canvas, int y);

    // Draws text at x, or right after the previous text of the row when that reaches past x.
    TextRow& add(int x, const QString& text);

private:
    PageCanvas& canvas_;
    int y_;
    std::optional<int> end_;
};

} // namespace trellon
