// The page view draws only the pages in sight, as they are scrolled to, each once while it stays near sight, and
// keeps its place when the document is replaced.
#include "widgets/pageview.h"

#include <QPainter>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace trellon {
namespace {

// Pages that count how often each is painted.
class CountedPages final : public PagedDocument {
public:
    explicit CountedPages(std::int32_t pages) : pages_(pages) {}
    std::int32_t pageCount() const override { return pages_; }
    void paintPage(QPainter& painter, std::int32_t page) const override
    {
        ++painted[page];
        painter.drawText(QPointF(100, 100), QString::number(page));
    }
    mutable std::map<std::int32_t, int> painted;

private:
    std::int32_t pages_;
};

TEST(PageViewDrawing, onlyThePagesInSightArePaintedAsTheyAreScrolledTo)
{
    PageView view;
    view.resize(500, 400);
    auto pages = std::make_shared<CountedPages>(40);
    view.setDocument(pages);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.repaint();
    ASSERT_FALSE(pages->painted.empty());
    EXPECT_EQ(pages->painted.begin()->first, 1);
    EXPECT_LE(pages->painted.rbegin()->first, 2) << "pages out of sight are not drawn";

    for (int press = 0; press < 200 && view.verticalScrollBar()->value() < view.verticalScrollBar()->maximum(); ++press)
        QTest::keyClick(view.viewport(), Qt::Key_PageDown);
    pages->painted.clear();
    view.repaint();
    EXPECT_EQ(pages->painted.rbegin()->first, 40);
    EXPECT_GE(pages->painted.begin()->first, 39);
    EXPECT_EQ(view.pagesInSight().second, 40);
    pages->painted.clear();
    view.repaint();
    EXPECT_TRUE(pages->painted.empty()) << "pages in sight are drawn once";

    // A new layout of the same length shows the same place, from the pictures handed in where they fit.
    const int scrolled = view.verticalScrollBar()->value();
    auto next = std::make_shared<CountedPages>(40);
    SheetPictures drawn{{39, sheetImage(*next, 39, view.sheetWidth())}, {40, sheetImage(*next, 40, 100)}};
    next->painted.clear();
    view.setDocument(next, drawn);
    view.repaint();
    EXPECT_EQ(view.verticalScrollBar()->value(), scrolled);
    EXPECT_EQ(next->painted, (std::map<std::int32_t, int>{{40, 1}})) << "the picture of another width is drawn anew";
}

} // namespace
} // namespace trellon
