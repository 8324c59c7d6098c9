// Pixel checks for paint tests: diagrams draw marks in pure black on a pure white ground.
#pragma once

#include <QColor>
#include <QImage>

namespace trellon::testing {

inline bool isBlack(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y) == QColor(Qt::black);
}

inline bool isWhite(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y) == QColor(Qt::white);
}

// Pure black pixels in the rectangle, borders included.
inline int blackPixelsIn(const QImage& image, const QRect& rect)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += isBlack(image, x, y) ? 1 : 0;
    return count;
}

} // namespace trellon::testing
