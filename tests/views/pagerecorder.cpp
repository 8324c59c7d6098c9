// Recording paint engine: primitives mapped through the painter's transform to 1440 dots per inch.
#include "pagerecorder.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QTextItem>

#include <cmath>

namespace trellon::testing {

namespace {

constexpr int twipsPerInch = 1440;
constexpr int a4Width = 11906;
constexpr int a4Height = 16838;
constexpr double closeEnough = 2.0;

// Device y runs downwards; page y upwards.
QPointF toPage(QPointF device)
{
    return {device.x(), -device.y()};
}

QRectF toPage(const QRectF& device)
{
    return QRectF(toPage(device.topLeft()), toPage(device.bottomRight())).normalized();
}

class RecordingEngine final : public QPaintEngine {
public:
    explicit RecordingEngine(PageRecorder& recorder) : QPaintEngine(AllFeatures), recorder_(recorder) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return User; }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        const QTransform transform = state->transform();
        const QFontMetricsF metrics(item.font());
        const QPointF topLeft(p.x(), p.y() - metrics.ascent());
        const QRectF cells(topLeft,
                           QSizeF(metrics.horizontalAdvance(item.text()), metrics.ascent() + metrics.descent()));
        const bool upwards = transform.map(QLineF(0, 0, 1, 0)).dy() < 0;
        recorder_.texts.push_back(
            {item.text(), toPage(transform.map(topLeft)), upwards, toPage(transform.mapRect(cells))});
    }
    void drawLines(const QLineF* lines, int count) override
    {
        for (int i = 0; i < count; ++i) {
            const QLineF mapped = state->transform().map(lines[i]);
            recorder_.lines.emplace_back(toPage(mapped.p1()), toPage(mapped.p2()));
        }
    }
    void drawLines(const QLine* lines, int count) override
    {
        for (int i = 0; i < count; ++i) {
            const QLineF line(lines[i]);
            drawLines(&line, 1);
        }
    }
    void drawRects(const QRectF* rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            recorder_.rects.push_back({toPage(state->transform().mapRect(rects[i])),
                                       state->brush().style() != Qt::NoBrush, state->pen().style() != Qt::NoPen});
        }
    }
    void drawRects(const QRect* rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            const QRectF rect(rects[i]);
            drawRects(&rect, 1);
        }
    }
    void drawEllipse(const QRectF& rect) override
    {
        recorder_.ellipses.push_back(toPage(state->transform().mapRect(rect)));
    }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}

private:
    PageRecorder& recorder_;
};

} // namespace

PageRecorder::PageRecorder() : engine_(std::make_unique<RecordingEngine>(*this)) {}

PageRecorder::~PageRecorder() = default;

QPaintEngine* PageRecorder::paintEngine() const
{
    return engine_.get();
}

int PageRecorder::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return a4Width;
    case PdmHeight:
        return a4Height;
    case PdmWidthMM:
        return 210;
    case PdmHeightMM:
        return 297;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return twipsPerInch;
    case PdmDepth:
        return 32;
    case PdmNumColors:
        return 0xffffff;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    }
    return 0;
}

std::vector<PageRecorder::Text> PageRecorder::textsEqualTo(const QString& text) const
{
    std::vector<Text> found;
    for (const Text& t : texts) {
        if (t.text == text)
            found.push_back(t);
    }
    return found;
}

std::vector<QString> PageRecorder::overlappingTexts() const
{
    constexpr double tolerance = 0.5;
    std::vector<QString> found;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        for (std::size_t j = i + 1; j < texts.size(); ++j) {
            const QRectF common = texts[i].box.intersected(texts[j].box);
            if (common.width() > tolerance && common.height() > tolerance)
                found.push_back(texts[i].text + QStringLiteral(" / ") + texts[j].text);
        }
    }
    return found;
}

std::vector<QString> PageRecorder::textsAt(double x, double y) const
{
    std::vector<QString> found;
    for (const Text& t : texts) {
        if (std::abs(t.topLeft.x() - x) <= closeEnough && std::abs(t.topLeft.y() - y) <= closeEnough)
            found.push_back(t.text);
    }
    return found;
}

} // namespace trellon::testing
