// Page view.
#include "pageview.h"

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
constexpr std::int32_t keptAround = 2; // pages kept drawn beyond those in sight

} // namespace

PageView::PageView(QWidget* parent) : QAbstractScrollArea(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setAutoFillBackground(false);
    verticalScrollBar()->setSingleStep(40);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, viewport(), qOverload<>(&QWidget::update));
}

void PageView::setDocument(std::shared_ptr<const PagedDocument> document, SheetPictures drawn)
{
    document_ = std::move(document);
    sheets_ = std::move(drawn);
    sheetsWidth_ = sheetWidth();
    std::erase_if(sheets_, [this](const auto& sheet) {
        return sheet.second.deviceIndependentSize().toSize().width() != sheetsWidth_;
    });
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

int PageView::sheetWidth() const
{
    return std::clamp(viewport()->width() - 2 * gap, narrowestSheet, widestSheet);
}

int PageView::sheetHeight() const
{
    return sheetHeightFor(sheetWidth());
}

std::pair<std::int32_t, std::int32_t> PageView::pagesInSight() const
{
    // Page k takes the rows from gap + (k - 1) × step, sheetHeight() of them.
    const int step = sheetHeight() + gap;
    const int top = verticalScrollBar()->value();
    const int bottom = top + viewport()->height() - 1;
    const std::int32_t first = std::max(top - gap, 0) / step + 1;
    return {first, std::max(first, std::max(bottom - gap, 0) / step + 1)};
}

QRect PageView::pageRect(std::int32_t page) const
{
    const int width = sheetWidth();
    const int left = std::max(gap, (viewport()->width() - width) / 2);
    const int top = gap + (page - 1) * (sheetHeight() + gap) - verticalScrollBar()->value();
    return {left, top, width, sheetHeight()};
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
    if (sheetWidth() != sheetsWidth_) {
        sheets_.clear();
        sheetsWidth_ = sheetWidth();
    }
    const std::int32_t pages = document_ != nullptr ? document_->pageCount() : 0;
    const auto [first, last] = pagesInSight();
    // Pictures far from sight are let go.
    std::erase_if(sheets_, [first, last](const auto& sheet) {
        return sheet.first < first - keptAround || sheet.first > last + keptAround;
    });
    for (std::int32_t page = first; page <= std::min(last, pages); ++page) {
        const QRect sheetRect = pageRect(page);
        if (sheetRect.intersects(event->rect()))
            painter.drawImage(sheetRect, sheetPicture(page));
    }
    if (!notice_.isEmpty())
        paintNotice(painter);
}

const QImage& PageView::sheetPicture(std::int32_t page)
{
    auto& picture = sheets_[page];
    if (picture.isNull())
        picture = sheetImage(*document_, page, sheetsWidth_, viewport()->devicePixelRatioF());
    return picture;
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
