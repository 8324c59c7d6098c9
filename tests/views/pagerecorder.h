// A paint device that keeps what is painted on it in page coordinates (twips, y upwards) instead of pixels.
#pragma once

#include <QLineF>
#include <QPaintDevice>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <memory>
#include <vector>

namespace trellon::testing {

class PageRecorder final : public QPaintDevice {
public:
    struct Text {
        QString text;
        QPointF topLeft; // of the first character cell
        bool upwards = false;
        QRectF box; // the character cells, ascent to descent, in page coordinates
    };
    struct Rect {
        QRectF rect; // page coordinates: top() is the lower edge
        bool filled = false;
        bool outlined = false;
    };

    PageRecorder();
    ~PageRecorder() override;

    QPaintEngine* paintEngine() const override;

    std::vector<Text> texts;
    std::vector<QLineF> lines;
    std::vector<Rect> rects;
    std::vector<QRectF> ellipses;

    // The texts equal to `text`, in painting order.
    std::vector<Text> textsEqualTo(const QString& text) const;
    // The texts whose top-left corner lies within a twip or two of (x, y).
    std::vector<QString> textsAt(double x, double y) const;
    bool hasText(const QString& text) const { return !textsEqualTo(text).empty(); }
    // Every pair of texts whose boxes overlap by more than half a unit both ways, as "first / second".
    std::vector<QString> overlappingTexts() const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    std::unique_ptr<QPaintEngine> engine_;
};

} // namespace trellon::testing
