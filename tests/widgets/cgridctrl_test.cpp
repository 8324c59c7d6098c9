// The grid control as the control panel uses it: read-only cells, merges, the in-place editor, the end-of-edit
// notification and the clipboard keys.
#include "widgets/cgridctrl.h"
#include "widgets/gridinplaceedit.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace trellon {
namespace {

class GridCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid = std::make_unique<CGridCtrl>();
        grid->resize(400, 300);
        grid->setEditable(true);
        grid->setRowCount(10);
        grid->setColumnCount(5);
        grid->show();
        grid->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(grid.get()));
    }

    QPoint centreOf(int row, int column) const
    {
        return {grid->columnViewportPosition(column) + grid->columnWidth(column) / 2,
                grid->rowViewportPosition(row) + grid->rowHeight(row) / 2};
    }

    // The cell drawn at a point of the viewport, by the grid or by the overlay of fixed cells on top of it.
    QModelIndex cellShownAt(QPoint inViewport) const
    {
        const QPoint inGrid = grid->viewport()->geometry().topLeft() + inViewport;
        QWidget* shown = grid->childAt(inGrid);
        auto* view = shown != nullptr ? qobject_cast<QTableView*>(shown->parentWidget()) : nullptr;
        return view != nullptr ? view->indexAt(shown->mapFrom(grid.get(), inGrid)) : QModelIndex();
    }

    // Keys go where the user's would: to the widget with the focus, the grid or its open editor.
    static void typeKeys(const QString& keys)
    {
        for (const QChar key : keys)
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    }

    QLineEdit* editorOf() const { return grid->viewport()->findChild<QLineEdit*>(); }

    QLineEdit* openEditor(int row, int column)
    {
        const QModelIndex index = grid->model()->index(row, column);
        grid->setCurrentIndex(index);
        grid->edit(index);
        return editorOf();
    }

    std::unique_ptr<CGridCtrl> grid;
};

TEST_F(GridCtrlTest, fixedRowsStayInPlaceWhileTheRestScrolls)
{
    grid->setRowCount(500);
    grid->setFixedRowCount(2);
    grid->setRowHeight(1, 30);
    grid->setItemText(0, 1, QStringLiteral("工程名称"));
    ASSERT_TRUE(grid->mergeCells(0, 1, 0, 3));
    grid->verticalScrollBar()->setValue(100);
    QApplication::processEvents();

    // What shows at the top of the viewport is still row 0, merged as in the grid.
    const QPoint top = grid->viewport()->geometry().topLeft() + QPoint(grid->columnWidth(0) + 5, 5);
    QWidget* shown = grid->childAt(top);
    ASSERT_NE(shown, nullptr);
    auto* fixedRows = qobject_cast<QTableView*>(shown->parentWidget());
    ASSERT_NE(fixedRows, nullptr);
    ASSERT_NE(fixedRows, grid.get());
    const QModelIndex index = fixedRows->indexAt(shown->mapFrom(grid.get(), top));
    EXPECT_EQ(index.row(), 0);
    EXPECT_EQ(fixedRows->columnSpan(0, 1), 4);
    EXPECT_EQ(fixedRows->height(), 50);

    // A cell scrolled to comes out below the fixed rows, not under them.
    const QModelIndex target = grid->model()->index(120, 2);
    grid->scrollTo(target);
    EXPECT_GE(grid->visualRect(target).top(), 50);

    // Without fixed rows nothing covers the grid.
    grid->deleteAllItems();
    grid->setRowCount(10);
    grid->setColumnCount(3);
    QApplication::processEvents();
    EXPECT_FALSE(fixedRows->isVisible());
}

TEST_F(GridCtrlTest, fixedColumnStaysInPlaceWhileTheRestScrollsSideways)
{
    grid->setColumnCount(12);
    grid->setFixedRowCount(1);
    grid->setFixedColumnCount(1);
    grid->setItemText(5, 0, QStringLiteral("钢筋5"));
    grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
    QApplication::processEvents();
    ASSERT_GT(grid->horizontalScrollBar()->value(), 0);

    const QPoint left =
        grid->viewport()->geometry().topLeft() + QPoint(5, grid->rowViewportPosition(5) + grid->rowHeight(5) / 2);
    QWidget* shown = grid->childAt(left);
    ASSERT_NE(shown, nullptr);
    auto* overlay = qobject_cast<QTableView*>(shown->parentWidget());
    ASSERT_NE(overlay, nullptr);
    ASSERT_NE(overlay, grid.get());
    const QModelIndex index = overlay->indexAt(shown->mapFrom(grid.get(), left));
    EXPECT_EQ(index.row(), 5);
    EXPECT_EQ(index.column(), 0);

    // A cell scrolled to comes out beside the fixed column, not under it.
    grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
    const QModelIndex target = grid->model()->index(5, 1);
    grid->scrollTo(target);
    EXPECT_GE(grid->visualRect(target).left(), grid->columnWidth(0));
}

TEST_F(GridCtrlTest, fixedCellsStayInPlaceWhenTheCurrentCellMovesOrTheGridIsLaidOutAgain)
{
    const auto layOut = [this] {
        grid->deleteAllItems();
        grid->setRowCount(500);
        grid->setColumnCount(12);
        grid->setFixedRowCount(2);
        grid->setFixedColumnCount(1);
        for (int row = 0; row < 500; ++row)
            grid->setItemText(row, 0, QString::number(row));
    };
    layOut();
    const QPoint header(grid->columnWidth(0) + 5, 5);
    const auto expectInStep = [&](const QModelIndex& current) {
        QApplication::processEvents();
        const QRect cell = grid->visualRect(current);
        EXPECT_EQ(cellShownAt(header).row(), 0);
        EXPECT_EQ(cellShownAt({5, 5}), grid->model()->index(0, 0));
        EXPECT_EQ(cellShownAt({5, cell.center().y()}).row(), current.row());
        EXPECT_EQ(cellShownAt({cell.center().x(), 5}).column(), current.column());
    };

    const QModelIndex far = grid->model()->index(120, 9);
    grid->setCurrentIndex(far);
    expectInStep(far);
    const QModelIndex near = grid->model()->index(118, 8);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(near).center());
    expectInStep(near);

    const int scrolled = grid->verticalScrollBar()->value();
    layOut();
    grid->verticalScrollBar()->setValue(scrolled);
    grid->setCurrentIndex(grid->model()->index(near.row(), near.column()));
    expectInStep(grid->model()->index(near.row(), near.column()));
}

TEST_F(GridCtrlTest, doubleClickOnAHeaderBorderFitsTheColumn)
{
    grid->setFixedRowCount(1);
    grid->setColumnWidth(1, 20);
    grid->setItemText(3, 1, QStringLiteral("钢筋保护层厚度很长的文字"));
    QApplication::processEvents();

    const int border = grid->columnViewportPosition(1) + grid->columnWidth(1);
    const QPoint onBorder = grid->viewport()->geometry().topLeft() + QPoint(border, grid->rowHeight(0) / 2);
    QWidget* header = grid->childAt(onBorder);
    ASSERT_NE(header, nullptr);
    QTest::mouseDClick(header, Qt::LeftButton, {}, header->mapFrom(grid.get(), onBorder));
    EXPECT_GT(grid->columnWidth(1), 100);

    // Inside a header cell a double click changes no width.
    const int before = grid->columnWidth(2);
    const QPoint inside = grid->viewport()->geometry().topLeft() +
                          QPoint(grid->columnViewportPosition(2) + before / 2, grid->rowHeight(0) / 2);
    QTest::mouseDClick(header, Qt::LeftButton, {}, header->mapFrom(grid.get(), inside));
    EXPECT_EQ(grid->columnWidth(2), before);
}

TEST_F(GridCtrlTest, redrawOffGathersCellChangesIntoOneAnnouncement)
{
    QSignalSpy changes(grid->model(), &QAbstractItemModel::dataChanged);
    grid->setRedraw(false);
    grid->setItemText(2, 1, QStringLiteral("7"));
    grid->setItemText(6, 3, QStringLiteral("8"));
    EXPECT_EQ(changes.count(), 0);
    grid->setRedraw(true);
    ASSERT_EQ(changes.count(), 1);
    const auto topLeft = changes.front().at(0).toModelIndex();
    const auto bottomRight = changes.front().at(1).toModelIndex();
    EXPECT_EQ(QPoint(topLeft.column(), topLeft.row()), QPoint(1, 2));
    EXPECT_EQ(QPoint(bottomRight.column(), bottomRight.row()), QPoint(3, 6));
    EXPECT_EQ(grid->itemText(6, 3), QStringLiteral("8"));

    grid->setItemText(0, 0, QStringLiteral("9"));
    EXPECT_EQ(changes.count(), 2);
}

TEST_F(GridCtrlTest, readOnlyFlagOverridesTheEditableGrid)
{
    ASSERT_TRUE(grid->setCellReadOnly(3, 2, true));
    EXPECT_FALSE(grid->isCellEditable(3, 2));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centreOf(3, 2));
    EXPECT_EQ(editorOf(), nullptr);
    grid->setCellReadOnly(3, 2, false);
    EXPECT_TRUE(grid->isCellEditable(3, 2));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centreOf(3, 2));
    EXPECT_NE(editorOf(), nullptr);
}

TEST_F(GridCtrlTest, fixedCellsAndANonEditableGridAreNeverEdited)
{
    grid->setFixedRowCount(2);
    grid->setFixedColumnCount(1);
    EXPECT_FALSE(grid->isCellEditable(1, 3));
    EXPECT_FALSE(grid->isCellEditable(5, 0));
    EXPECT_TRUE(grid->isCellEditable(2, 1));
    grid->setEditable(false);
    EXPECT_FALSE(grid->isCellEditable(2, 1));
}

TEST_F(GridCtrlTest, fixedRowCountGrowsTheGrid)
{
    grid->deleteAllItems();
    grid->setFixedRowCount(4);
    EXPECT_EQ(grid->rowCount(), 4);
}

TEST_F(GridCtrlTest, positionsOutsideTheGridAreRefused)
{
    EXPECT_FALSE(grid->setItemText(10, 0, QStringLiteral("x")));
    EXPECT_FALSE(grid->setItemText(0, 5, QStringLiteral("x")));
    EXPECT_FALSE(grid->setCellReadOnly(-1, 0, true));
    EXPECT_TRUE(grid->itemText(99, 99).isEmpty());
}

TEST_F(GridCtrlTest, newRowsTakeTheFormatOfTheCellAbove)
{
    grid->setRowCount(1);
    const CellFormat centred{Qt::AlignCenter, true};
    grid->setItemFormat(0, 2, centred);
    grid->setRowCount(3);
    EXPECT_EQ(grid->model()->index(2, 2).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
}

TEST_F(GridCtrlTest, mergedBlockIsHitAndSelectedAsItsTopLeftCell)
{
    grid->setItemText(0, 1, QStringLiteral("Member A"));
    ASSERT_TRUE(grid->mergeCells(0, 1, 0, 3));
    EXPECT_EQ(grid->mergeOwner(0, 3), QPoint(1, 0));
    EXPECT_EQ(grid->mergeOwner(1, 3), QPoint(3, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centreOf(0, 3));
    EXPECT_EQ(grid->currentIndex().row(), 0);
    EXPECT_EQ(grid->currentIndex().column(), 1);
    const CellRange range = grid->selectedCellRange();
    EXPECT_EQ(range.minRow, 0);
    EXPECT_EQ(range.minColumn, 1);
}

TEST_F(GridCtrlTest, overlappingOrDegenerateMergesAreRefused)
{
    ASSERT_TRUE(grid->mergeCells(0, 1, 0, 3));
    EXPECT_FALSE(grid->mergeCells(0, 3, 1, 1));
    EXPECT_FALSE(grid->mergeCells(0, 0, 0, 1));
    EXPECT_FALSE(grid->mergeCells(2, 2, 0, 0));
    EXPECT_FALSE(grid->mergeCells(9, 0, 1, 0));
    EXPECT_TRUE(grid->mergeCells(1, 1, 0, 3));
}

TEST_F(GridCtrlTest, deleteAllItemsForgetsTheMerges)
{
    ASSERT_TRUE(grid->mergeCells(0, 1, 0, 3));
    grid->deleteAllItems();
    EXPECT_EQ(grid->rowCount(), 0);
    EXPECT_EQ(grid->columnCount(), 0);
    grid->setRowCount(10);
    grid->setColumnCount(5);
    EXPECT_EQ(grid->mergeOwner(0, 3), QPoint(3, 0));
    EXPECT_EQ(grid->columnSpan(0, 1), 1);
    EXPECT_TRUE(grid->mergeCells(0, 2, 0, 2));
}

TEST_F(GridCtrlTest, selectedRangeWithoutSelectionLiesPastTheEnd)
{
    grid->clearSelection();
    const CellRange range = grid->selectedCellRange();
    EXPECT_EQ(range.minRow, 10);
    EXPECT_EQ(range.minColumn, 5);
}

TEST_F(GridCtrlTest, editorTakesOnlyNumberCharacters)
{
    QLineEdit* editor = openEditor(2, 1);
    ASSERT_NE(editor, nullptr);
    QSignalSpy edited(grid.get(), &CGridCtrl::cellEdited);
    QTest::keyClicks(editor, QStringLiteral("12a3 "));
    QCoreApplication::processEvents();
    EXPECT_EQ(edited.count(), 0);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(grid->itemText(2, 1).isEmpty());
    EXPECT_EQ(editor->text(), QStringLiteral("123"));
    QTest::keyClicks(editor, QStringLiteral("&'()*+,-./"));
    EXPECT_EQ(editor->text(), QStringLiteral("123&'()*+,-./"));
    QTest::keyClick(editor, Qt::Key_Backspace);
    EXPECT_EQ(editor->text(), QStringLiteral("123&'()*+,-."));
}

TEST_F(GridCtrlTest, enterStoresTheEditAndMovesDown)
{
    QLineEdit* editor = openEditor(2, 1);
    ASSERT_NE(editor, nullptr);
    QSignalSpy edited(grid.get(), &CGridCtrl::cellEdited);
    QTest::keyClicks(editor, QStringLiteral("12"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(grid->itemText(2, 1), QStringLiteral("12"));
    ASSERT_TRUE(edited.wait(1000));
    EXPECT_EQ(edited.at(0).at(0).toInt(), 2);
    EXPECT_EQ(edited.at(0).at(1).toInt(), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(3, 1));
    EXPECT_EQ(QApplication::focusWidget(), grid.get());

    // Unchanged text is announced all the same.
    ASSERT_NE(openEditor(2, 1), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_TRUE(edited.wait(1000));
    EXPECT_EQ(edited.count(), 2);
}

TEST_F(GridCtrlTest, tabStoresTheEditSoTheNextTypingGoesIntoTheCellBeside)
{
    grid->setCurrentIndex(grid->model()->index(2, 1));
    grid->setFocus();
    QSignalSpy edited(grid.get(), &CGridCtrl::cellEdited);
    typeKeys(QStringLiteral("300"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(edited.wait(1000));
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(2, 2));
    typeKeys(QStringLiteral("27"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_TRUE(edited.wait(1000));
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->itemText(2, 1), QStringLiteral("300"));
    EXPECT_EQ(grid->itemText(2, 2), QStringLiteral("27"));
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(2, 1));
    EXPECT_EQ(edited.count(), 2);
}

TEST_F(GridCtrlTest, escapeDropsTheEditAndKeepsTheCellText)
{
    grid->setItemText(3, 3, QStringLiteral("9"));
    QLineEdit* editor = openEditor(3, 3);
    ASSERT_NE(editor, nullptr);
    QSignalSpy edited(grid.get(), &CGridCtrl::cellEdited);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("55"));
    QTest::keyClick(editor, Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(grid->itemText(3, 3), QStringLiteral("9"));
    EXPECT_FALSE(grid->isCellModified(3, 3));
    EXPECT_EQ(edited.count(), 0);
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(3, 3));
}

TEST_F(GridCtrlTest, editorPastesOnlyTheAcceptedCharacters)
{
    QLineEdit* editor = openEditor(2, 1);
    ASSERT_NE(editor, nullptr);
    QApplication::clipboard()->setText(QStringLiteral("4x5 mm"));
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(editor->text(), QStringLiteral("45"));
}

TEST_F(GridCtrlTest, focusLossStoresTheTextThenNotifies)
{
    QSignalSpy edited(grid.get(), &CGridCtrl::cellEdited);
    int seenRow = -1;
    QString seenText;
    QObject::connect(grid.get(), &CGridCtrl::cellEdited, grid.get(), [&](int row, int column) {
        seenRow = row;
        seenText = grid->itemText(row, column);
    });
    QLineEdit* editor = openEditor(4, 2);
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("57"));
    grid->setFocus();
    // Queued: nothing has been delivered yet.
    EXPECT_EQ(edited.count(), 0);
    EXPECT_EQ(grid->itemText(4, 2), QStringLiteral("57"));
    EXPECT_TRUE(grid->isCellModified(4, 2));
    ASSERT_TRUE(edited.wait(1000));
    EXPECT_EQ(seenRow, 4);
    EXPECT_EQ(seenText, QStringLiteral("57"));
}

TEST_F(GridCtrlTest, endingAnEditWithoutAChangeStillNotifies)
{
    grid->setItemText(3, 3, QStringLiteral("9"));
    QSignalSpy edited(grid.get(), &CGridCtrl::cellEdited);
    ASSERT_NE(openEditor(3, 3), nullptr);
    grid->finishEditing();
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(edited.at(0).at(0).toInt(), 3);
    EXPECT_EQ(edited.at(0).at(1).toInt(), 3);
    EXPECT_FALSE(grid->isCellModified(3, 3));
}

TEST_F(GridCtrlTest, arrowKeyEndsATypedEditAndMovesOn)
{
    grid->setCurrentIndex(grid->model()->index(2, 2));
    grid->setFocus();
    QSignalSpy edited(grid.get(), &CGridCtrl::cellEdited);
    QTest::keyClick(grid.get(), Qt::Key_7);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Down);
    ASSERT_TRUE(edited.wait(1000));
    EXPECT_EQ(grid->itemText(2, 2), QStringLiteral("7"));
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->currentIndex().row(), 3);
}

TEST_F(GridCtrlTest, arrowKeyInsideADoubleClickedEditKeepsEditing)
{
    QLineEdit* editor = openEditor(2, 2);
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Down);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), editor);
}

TEST_F(GridCtrlTest, copiesTheSelectionAsTabbedLines)
{
    grid->setItemText(1, 1, QStringLiteral("a"));
    grid->setItemText(1, 2, QStringLiteral("b"));
    grid->setItemText(2, 1, QStringLiteral("c"));
    grid->setItemText(2, 2, QStringLiteral("d"));
    grid->selectionModel()->select(QItemSelection(grid->model()->index(1, 1), grid->model()->index(2, 2)),
                                   QItemSelectionModel::ClearAndSelect);
    grid->setFocus();
    QTest::keyClick(grid.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("a\tb\nc\td"));
}

TEST_F(GridCtrlTest, pasteFillsEditableCellsFromTheFocusCellAndAnnouncesThem)
{
    grid->setCellReadOnly(1, 2, true);
    grid->setCurrentIndex(grid->model()->index(1, 1));
    QApplication::clipboard()->setText(QStringLiteral("10,20\t30\r\n4x0\n"));
    QSignalSpy changed(grid.get(), &CGridCtrl::cellsChangedByClipboard);
    QTest::keyClick(grid.get(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(grid->itemText(1, 1), QStringLiteral("10"));
    EXPECT_TRUE(grid->itemText(1, 2).isEmpty());
    EXPECT_EQ(grid->itemText(1, 3), QStringLiteral("30"));
    EXPECT_EQ(grid->itemText(2, 1), QStringLiteral("40"));
    ASSERT_TRUE(changed.wait(1000));
    const auto cells = changed.at(0).at(0).value<QList<QPoint>>();
    EXPECT_EQ(cells, (QList<QPoint>{{1, 1}, {3, 1}, {1, 2}}));
}

TEST_F(GridCtrlTest, cutClearsOnlyEditableCells)
{
    grid->setItemText(1, 1, QStringLiteral("5"));
    grid->setItemText(1, 2, QStringLiteral("6"));
    grid->setCellReadOnly(1, 2, true);
    grid->selectionModel()->select(QItemSelection(grid->model()->index(1, 1), grid->model()->index(1, 2)),
                                   QItemSelectionModel::ClearAndSelect);
    QSignalSpy changed(grid.get(), &CGridCtrl::cellsChangedByClipboard);
    QTest::keyClick(grid.get(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("5\t6"));
    EXPECT_TRUE(grid->itemText(1, 1).isEmpty());
    EXPECT_EQ(grid->itemText(1, 2), QStringLiteral("6"));
    ASSERT_TRUE(changed.wait(1000));
    EXPECT_EQ(changed.at(0).at(0).value<QList<QPoint>>(), QList<QPoint>{QPoint(1, 1)});
}

TEST_F(GridCtrlTest, selectAllKeySelectsEveryCell)
{
    QTest::keyClick(grid.get(), Qt::Key_A, Qt::ControlModifier);
    const CellRange range = grid->selectedCellRange();
    EXPECT_EQ(range.minRow, 0);
    EXPECT_EQ(range.maxRow, 9);
    EXPECT_EQ(range.maxColumn, 4);
}

} // namespace
} // namespace trellon
