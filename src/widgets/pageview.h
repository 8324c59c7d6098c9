// Pages of a paged document one below the other, as wide as the view allows, each drawn only when it is scrolled
// into sight; a notice across them says when what they show is out of date.
#pragma once

#include "views/pageddocument.h"

#include <QAbstractScrollArea>
#include <QString>

#include <cstdint>
#include <memory>

namespace trellon {

class PageView final : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit PageView(QWidget* parent = nullptr);

    // The document shown, kept alive by the view; null shows no page. The view keeps its place in a document
    // that replaces another.
    void setDocument(std::shared_ptr<const PagedDocument> document);
    const PagedDocument* document() const { return document_.get(); }

    // Drawn across the top of the view over dimmed pages; empty for none.
    void setNotice(const QString& notice);
    const QString& notice() const { return notice_; }

    // The page (from 1) whose sheet lies at a point of the viewport, or 0 for none.
    std::int32_t pageAt(QPoint viewportPoint) const;
    // The area of the viewport that page `page` takes, scrolled as it is now.
    QRect pageRect(std::int32_t page) const;

signals:
    // Pages first … last were drawn.
    void pagesPainted(std::int32_t first, std::int32_t last);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Pixels per twip of the sheets at the view's width.
    double scale() const;
    int sheetHeight() const;
    void updateScrollBars();
    void paintNotice(QPainter& painter);

    std::shared_ptr<const PagedDocument> document_;
    QString notice_;
};

} // namespace trellon
