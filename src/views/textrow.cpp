// Rows of texts that never print over each other.
#include "textrow.h"

#include "pagecanvas.h"

#include <algorithm>

namespace trellon {

TextRow::TextRow(PageCanvas& canvas, int y) : canvas_(canvas), y_(y) {}

TextRow& TextRow::add(int x, const QString& text)
{
    const int left = end_ ? std::max(x, *end_) : x;
    canvas_.drawText(left, y_, text);
    end_ = left + canvas_.textWidth(text);
    return *this;
}

} // namespace trellon
