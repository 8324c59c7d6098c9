// Page view.
#include "pageview.h"

#include "views/pagecanvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace trellon {
namespace {

constexpr int gap = 12;
constexpr int narrowestSheet = 200;
constexpr int widestSheet = 1400;
constexpr QColor backdrop{128, 128, 128};
constexpr QColor dimming{255, 255, 255, 150};
constexpr QColor noticeColour{255, 236, 160};

} // namespace

PageView::PageView(QWidget* parent) : QAbstractScrollArea(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setAutoFillBackground(false);
    verticalScrollBar()->setSingleStep(40);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, viewport(), qOverload<>(&QWidget::update));
}

void PageView::setDocument(std::shared_ptr<const PagedDocument> document)
{
    document_ = std::move(document);
    updateScrollBars();
    viewport()->update();
}

void PageView::setNotice(const QString& notice)
{
    if (notice == notice_)
        return;
    notice_ = notice;
    viewport()->update();
}

double PageView::scale() const
{
    const int width = std::clamp(viewport()->width() - 2 * gap, narrowestSheet, widestSheet);
    return static_cast<double>(width) / sheet::width;
}

int PageView::sheetHeight() const
{
    return static_cast<int>(std::lround(sheet::height * scale()));
}

QRect PageView::pageRect(std::int32_t page) const
{
    const int width = static_cast<int>(std::lround(sheet::width * scale()));
    const int left = std::max(gap, (viewport()->width() - width) / 2);
    const int top = gap + (page - 1) * (sheetHeight() + gap) - verticalScrollBar()->value();
    return {left, top, width, sheetHeight()};
}

std::int32_t PageView::pageAt(QPoint viewportPoint) const
{
    if (document_ == nullptr)
        return 0;
    const int y = viewportPoint.y() + verticalScrollBar()->value() - gap;
    const std::int32_t page = y < 0 ? 0 : y / (sheetHeight() + gap) + 1;
    return page >= 1 && page <= document_->pageCount() && pageRect(page).contains(viewportPoint) ? page : 0;
}

void PageView::updateScrollBars()
{
    const int pages = document_ != nullptr ? document_->pageCount() : 0;
    const int total = gap + pages * (sheetHeight() + gap);
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, std::max(0, total - viewport()->height()));
    bar->setPageStep(viewport()->height());
}

void PageView::resizeEvent(QResizeEvent* event)
{
    // Keep the page at the top of the view in place as the sheets change their size.
    const double before = verticalScrollBar()->maximum() > 0
                              ? static_cast<double>(verticalScrollBar()->value()) /
                                    (verticalScrollBar()->maximum() + viewport()->height())
                              : 0.0;
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    verticalScrollBar()->setValue(
        static_cast<int>(std::lround(before * (verticalScrollBar()->maximum() + viewport()->height()))));
}

void PageView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    painter.fillRect(event->rect(), backdrop);
    std::int32_t first = 0;
    std::int32_t last = 0;
    const std::int32_t pages = document_ != nullptr ? document_->pageCount() : 0;
    const double pixelsPerTwip = scale();
    // The pages scale themselves by the device's resolution; this makes up the rest.
    const double zoom = pixelsPerTwip * twipsPerInch / viewport()->logicalDpiX();
    const double margin = sheet::printableMargin * pixelsPerTwip;
    for (std::int32_t page = 1; page <= pages; ++page) {
        const QRect sheetRect = pageRect(page);
        if (sheetRect.top() > event->rect().bottom())
            break;
        if (!sheetRect.intersects(event->rect()))
            continue;
        first = first == 0 ? page : first;
        last = page;
        painter.fillRect(sheetRect, Qt::white);
        painter.save();
        painter.setClipRect(sheetRect);
        painter.translate(QPointF(sheetRect.topLeft()) + QPointF(margin, margin));
        painter.scale(zoom, zoom);
        painter.setRenderHint(QPainter::TextAntialiasing);
        document_->paintPage(painter, page);
        painter.restore();
    }
    if (!notice_.isEmpty())
        paintNotice(painter);
    if (first > 0)
        emit pagesPainted(first, last);
}

void PageView::paintNotice(QPainter& painter)
{
    painter.fillRect(viewport()->rect(), dimming);
    QFont font = painter.font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const QRect text = metrics.boundingRect(notice_);
    QRect banner(0, 0, text.width() + 4 * metrics.height(), 2 * metrics.height());
    banner.moveCenter(QPoint(viewport()->width() / 2, gap + banner.height() / 2));
    painter.setPen(Qt::darkGray);
    painter.setBrush(noticeColour);
    painter.drawRect(banner);
    painter.setPen(Qt::black);
    painter.drawText(banner, Qt::AlignCenter, notice_);
}

} // namespace trellon
