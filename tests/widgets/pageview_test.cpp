// The page view draws only the pages in sight, as they are scrolled to, and keeps its place when the document is
// replaced.
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
    const QRect last = view.pageRect(40);
    EXPECT_EQ(view.pageAt(last.center()), 40);
    EXPECT_EQ(view.pageAt(QPoint(1, 1)), 0) << "the margin beside the sheets";

    // A new layout of the same length shows the same place.
    const int scrolled = view.verticalScrollBar()->value();
    view.setDocument(std::make_shared<CountedPages>(40));
    EXPECT_EQ(view.verticalScrollBar()->value(), scrolled);
}

} // namespace
} // namespace trellon
