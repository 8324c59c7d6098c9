// Pages of a paged document one below the other, as wide as the view allows, each drawn only when it is scrolled
// into sight and kept as a picture while near it; a notice across them says when what they show is out of date.
#pragma once

#include "views/pageddocument.h"

#include <QAbstractScrollArea>
#include <QString>

#include <QImage>

#include <cstdint>
#include <memory>
#include <utility>

namespace trellon {

class PageView final : public QAbstractScrollArea {
public:
    explicit PageView(QWidget* parent = nullptr);

    // The document shown, kept alive by the view; null shows no page. The view keeps its place in a document
    // that replaces another. `drawn` holds pictures of some of its pages already drawn (sheetImage) at the width
    // the view asked for; pictures of another width are left aside.
    void setDocument(std::shared_ptr<const PagedDocument> document, SheetPictures drawn = {});
    const PagedDocument* document() const { return document_.get(); }

    // Drawn across the top of the view over dimmed pages; empty for none.
    void setNotice(const QString& notice);
    const QString& notice() const { return notice_; }

    // The width of the sheets in pixels, and the pages (from 1) in sight at the view's place, whether the document
    // has them or not.
    int sheetWidth() const;
    std::pair<std::int32_t, std::int32_t> pagesInSight() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int sheetHeight() const;
    // The area of the viewport that page `page` takes, scrolled as it is now.
    QRect pageRect(std::int32_t page) const;
    void updateScrollBars();
    // The picture of a page at the sheets' width, drawn now when there is none.
    const QImage& sheetPicture(std::int32_t page);
    void paintNotice(QPainter& painter);

    std::shared_ptr<const PagedDocument> document_;
    SheetPictures sheets_; // pictures of pages of the document at sheetsWidth_
    int sheetsWidth_ = 0;
    QString notice_;
};

} // namespace trellon
