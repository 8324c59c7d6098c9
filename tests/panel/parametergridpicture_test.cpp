// The parameter grid draws what a freshly laid-out grid of the same member draws, after every way of changing it.
#include "panelfixture.h"

#include "panel/parametergrid.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>

namespace trellon::testing {
namespace {

class GridPictureTest : public PanelTest {
protected:
    void SetUp() override
    {
        PanelTest::SetUp();
        std::vector<Bar> bars;
        for (std::int32_t i = 0; i < 40; ++i)
            bars.push_back({10 * i, 20 + i});
        loadWith([&](std::vector<MemberRecord>& members) { members[5] = sectionMember("4003", 4, bars); });
        panel->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(panel.get()));
    }

    void clickCell(int row, int column)
    {
        const QRect cell = grid().visualRect(grid().model()->index(row, column));
        ASSERT_TRUE(grid().viewport()->rect().contains(cell)) << "cell " << row << "," << column << " is not in view";
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, cell.center());
    }

    // Neither grid has the focus when drawn, so the current cell draws no frame and only the selection shows.
    QImage panelPicture()
    {
        list().setFocus();
        QApplication::processEvents();
        return grid().grab().toImage();
    }

    // A grid laid out from scratch for the member, in the same window, at the panel grid's size and scroll
    // position, with the same cells selected.
    QImage freshPicture(int memberIndex)
    {
        CGridCtrl fresh(panel.get());
        fresh.setEditable(true);
        fresh.setGeometry(grid().geometry());
        if (panel->mode() == TestMode::section)
            fillSectionGrid(fresh, member(memberIndex));
        else
            fillGridGrid(fresh, member(memberIndex));
        fresh.show();
        QApplication::processEvents();
        fresh.verticalScrollBar()->setValue(grid().verticalScrollBar()->value());
        fresh.horizontalScrollBar()->setValue(grid().horizontalScrollBar()->value());
        for (const QModelIndex& selected : grid().selectionModel()->selectedIndexes())
            fresh.selectionModel()->select(fresh.model()->index(selected.row(), selected.column()),
                                           QItemSelectionModel::Select);
        QApplication::processEvents();
        return fresh.grab().toImage();
    }

    void expectFreshPicture(const char* step)
    {
        SCOPED_TRACE(step);
        const QImage shown = panelPicture();
        const QImage fresh = freshPicture(panel->shownMember());
        ASSERT_EQ(shown.size(), fresh.size());
        int differing = 0;
        QPoint first(-1, -1);
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                if (shown.pixel(x, y) != fresh.pixel(x, y) && differing++ == 0)
                    first = {x, y};
            }
        }
        EXPECT_EQ(differing, 0) << "first at " << first.x() << "," << first.y();
    }
};

TEST_F(GridPictureTest, sectionGridAfterClickEditInsertionAndDeletion)
{
    panel->chooseMode(TestMode::section);
    QApplication::processEvents();
    clickCell(5, 2);
    expectFreshPicture("click");
    typeIntoCell(5, 2, "33");
    expectFreshPicture("edit");
    clickCell(4, 1);
    panel->insertRowBelow();
    expectFreshPicture("insertion");
    clickCell(6, 2);
    host.scripted.answers = {QMessageBox::Yes};
    panel->deleteBar();
    expectFreshPicture("deletion");
    EXPECT_EQ(member(1).xBarCount, 2);
}

TEST_F(GridPictureTest, gridGridAfterClickAndInsertion)
{
    panel->chooseMode(TestMode::grid);
    QApplication::processEvents();
    clickCell(6, 2);
    expectFreshPicture("click");
    panel->insertRowAbove();
    expectFreshPicture("insertion");
    EXPECT_EQ(member(4).xBarCount, 3);
}

TEST_F(GridPictureTest, scrolledGridStaysWhereItWasAndKeepsItsFixedCellsInStep)
{
    panel->chooseMode(TestMode::section);
    clickLine(2);
    QApplication::processEvents();
    grid().verticalScrollBar()->setValue(20);
    QApplication::processEvents();
    expectFreshPicture("scrolled");
    clickCell(30, 2);
    expectFreshPicture("click");
    typeIntoCell(30, 2, "77");
    EXPECT_EQ(grid().verticalScrollBar()->value(), 20);
    expectFreshPicture("edit");
    EXPECT_EQ(member(5).samples[2 + 3 * 26], 77);
    host.scripted.answers = {QMessageBox::Yes};
    panel->deleteBar();
    EXPECT_EQ(grid().verticalScrollBar()->value(), 20);
    expectFreshPicture("deletion");
    EXPECT_EQ(member(5).xBarCount, 39);
}

} // namespace
} // namespace trellon::testing
