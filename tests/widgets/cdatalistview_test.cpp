// The list window's rows, marks and in-place editor.
#include "document/projectdocument.h"
#include "widgets/cdatalistview.h"
#include "widgets/passmarkdelegate.h"

#include "support/scriptedprompts.h"

#include "model/project.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace trellon {
namespace {

MemberRecord singlePoint(const char* number, std::vector<std::int32_t> readings)
{
    MemberRecord member;
    member.number = number;
    member.designCover = 25;
    member.lowerDeviation = -7;
    member.upperDeviation = 10;
    member.replaceSamples(std::move(readings));
    return member;
}

class ListViewTest : public ::testing::Test {
protected:
    void load(std::vector<MemberRecord> members, int selected)
    {
        auto project = std::make_unique<Project>();
        project->members = std::move(members);
        document.replaceProject(std::move(project));
        document.select(TestMode::singlePoint, selected);
    }
    QString text(int row, int column) const
    {
        const QTableWidgetItem* cell = view.item(row, column);
        return cell != nullptr ? cell->text() : QStringLiteral("<none>");
    }
    void pressOn(int row, int column)
    {
        const QRect cell = view.visualRect(view.model()->index(row, column));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, cell.center());
    }

    ProjectDocument document;
    testing::ScriptedPrompts prompts;
    CDataListView view{document, prompts};
};

TEST_F(ListViewTest, knownDiameterMemberListsEveryReadingWithAnEmptyDiameterColumn)
{
    std::vector<std::int32_t> readings(23, 30);
    readings[22] = 41;
    load({singlePoint("1001", readings)}, 0);
    ASSERT_EQ(view.rowCount(), 23);
    EXPECT_EQ(text(0, 0), QStringLiteral("1"));
    EXPECT_EQ(text(22, 0), QStringLiteral("23"));
    EXPECT_EQ(text(22, 1), QString());
    EXPECT_EQ(text(22, 2), QStringLiteral("41"));
    EXPECT_EQ(view.horizontalHeaderItem(3)->text(), QStringLiteral("厚度合格"));
}

TEST_F(ListViewTest, measuredDiameterMemberPairsCoverAndDiameterAndDropsAnOddLastReading)
{
    load({singlePoint("2001", {20, 12, 21, 14, 22, 16, 99})}, 0);
    ASSERT_EQ(view.rowCount(), 3);
    EXPECT_EQ(text(2, 0), QStringLiteral("3"));
    EXPECT_EQ(text(2, 1), QStringLiteral("16"));
    EXPECT_EQ(text(2, 2), QStringLiteral("22"));
}

TEST_F(ListViewTest, marksFollowBothInclusiveBounds)
{
    load({singlePoint("1001", {18, 35, 17, 36})}, 0);
    EXPECT_EQ(text(0, 3), QStringLiteral("√"));
    EXPECT_EQ(text(1, 3), QStringLiteral("√"));
    EXPECT_EQ(text(2, 3), QStringLiteral("×"));
    EXPECT_EQ(text(3, 3), QStringLiteral("×"));
}

TEST_F(ListViewTest, emptyWithoutProjectOrSinglePointMember)
{
    view.refreshPassMarks();
    EXPECT_EQ(view.rowCount(), 0);
    MemberRecord grid;
    grid.number = "3001";
    grid.replaceSamples({170, 1, 30, 0, 100});
    load({grid, singlePoint("1001", {30})}, 0);
    EXPECT_EQ(view.rowCount(), 0);
    pressOn(0, 2);
    EXPECT_FALSE(view.cellEditor().isVisible());
}

TEST_F(ListViewTest, singlePointMemberIndexCountsOnlyDigitsOneAndTwo)
{
    EXPECT_EQ(view.singlePointMemberIndex(0), -1);
    MemberRecord section;
    section.number = "4001";
    load({section, singlePoint("1001", {}), section, singlePoint("2001", {})}, 1);
    EXPECT_EQ(view.singlePointMemberIndex(0), 1);
    EXPECT_EQ(view.singlePointMemberIndex(1), 3);
    EXPECT_EQ(view.singlePointMemberIndex(2), -1);
}

TEST_F(ListViewTest, commitStoresTheLeadingIntegerAndUpdatesTheMarkAtOnce)
{
    load({singlePoint("1001", {40, 30})}, 0);
    ASSERT_EQ(text(0, 3), QStringLiteral("×"));
    view.commitCellEdit(0, CDataListView::coverColumn, QStringLiteral("  30mm"));
    EXPECT_EQ(document.project()->members[0].samples[0], 30);
    EXPECT_EQ(text(0, 2), QStringLiteral("30"));
    EXPECT_EQ(text(0, 3), QStringLiteral("√"));
    EXPECT_EQ(document.project()->members[0].passCount, 2) << "statistics recomputed";
    EXPECT_EQ(document.undoText(), QStringLiteral("1001 测点1：40→30"));

    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(ListViewTest, commitRefusesTextWithoutDigitsAndValuesOutsideAByte)
{
    load({singlePoint("1001", {30, 31}), singlePoint("2001", {20, 12})}, 0);
    const QString refusals[] = {QStringLiteral("abc"),   QStringLiteral("x12"), QStringLiteral("256"),
                                QStringLiteral("99999"), QStringLiteral("-5"),  QString()};
    for (const QString& typed : refusals) {
        view.commitCellEdit(1, CDataListView::coverColumn, typed);
        EXPECT_EQ(document.project()->members[0].samples[1], 31) << typed.toStdString();
        EXPECT_EQ(text(1, 2), QStringLiteral("31")) << "the cell shows the stored reading again";
    }
    EXPECT_EQ(prompts.messages.count(QStringLiteral("您输入的数据越界（0–255）")), 3);
    EXPECT_EQ(prompts.messages.count(QStringLiteral("请键入一个整数。")), 3);
    EXPECT_EQ(text(1, 3), QStringLiteral("√"));

    view.commitCellEdit(0, CDataListView::coverColumn, QStringLiteral("255"));
    view.commitCellEdit(1, CDataListView::coverColumn, QStringLiteral("0"));
    EXPECT_EQ(document.project()->members[0].samples, (std::vector<std::int32_t>{255, 0}));

    document.select(TestMode::singlePoint, 1);
    view.commitCellEdit(0, CDataListView::diameterColumn, QStringLiteral("300"));
    EXPECT_EQ(document.project()->members[1].samples, (std::vector<std::int32_t>{20, 12}));
}

TEST_F(ListViewTest, commitIgnoresCellsWithoutAReadingBehindThem)
{
    load({singlePoint("1001", {30}), singlePoint("2001", {20, 12, 21})}, 0);
    view.commitCellEdit(0, CDataListView::diameterColumn, QStringLiteral("9"));
    view.commitCellEdit(0, CDataListView::markColumn, QStringLiteral("9"));
    view.commitCellEdit(5, CDataListView::coverColumn, QStringLiteral("9"));
    EXPECT_EQ(document.project()->members[0].samples, (std::vector<std::int32_t>{30}));

    document.select(TestMode::singlePoint, 1);
    view.commitCellEdit(0, CDataListView::diameterColumn, QStringLiteral("18"));
    view.commitCellEdit(1, CDataListView::coverColumn, QStringLiteral("9"));
    EXPECT_EQ(document.project()->members[1].samples, (std::vector<std::int32_t>{20, 18, 21}));
}

TEST_F(ListViewTest, pressOnAnotherRowCommitsTheTypedText)
{
    load({singlePoint("1001", {40, 30, 31})}, 0);
    view.resize(600, 300);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    pressOn(0, 2);
    ASSERT_TRUE(view.cellEditor().isVisible());
    EXPECT_EQ(view.cellEditor().text(), QStringLiteral("40"));
    view.cellEditor().setText(QStringLiteral("12x"));
    pressOn(1, 2);
    EXPECT_EQ(document.project()->members[0].samples[0], 12);
    EXPECT_EQ(text(0, 2), QStringLiteral("12"));
    EXPECT_EQ(text(0, 3), QStringLiteral("×"));
    ASSERT_TRUE(view.cellEditor().isVisible()) << "the editor moves to the pressed cell";
    EXPECT_EQ(view.editorRow(), 1);
}

TEST_F(ListViewTest, typedTextWithoutDigitsLeavesTheReadingAsItWas)
{
    load({singlePoint("1001", {40, 30})}, 0);
    view.resize(600, 300);
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    pressOn(0, 2);
    ASSERT_TRUE(view.cellEditor().hasFocus());
    QTest::keyClicks(&view.cellEditor(), QStringLiteral("abc"));
    pressOn(1, 2);
    EXPECT_EQ(document.project()->members[0].samples[0], 40);
    EXPECT_EQ(text(0, 2), QStringLiteral("40"));
    EXPECT_EQ(prompts.messages, QStringList{QStringLiteral("请键入一个整数。")});
}

TEST_F(ListViewTest, failingMarksAreRedAlsoOnASelectedRow)
{
    const auto isRed = [](const QColor& c) { return c.red() > 150 && c.green() < 100 && c.blue() < 100; };
    ASSERT_TRUE(isRed(PassMarkDelegate::failingColour));
    load({singlePoint("1001", {30, 50})}, 0);
    view.resize(600, 300);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const auto redPixels = [this, isRed](int row) {
        const QImage cells = view.viewport()->grab().toImage();
        const QRect mark = view.visualRect(view.model()->index(row, CDataListView::markColumn));
        int count = 0;
        for (int y = mark.top(); y <= mark.bottom(); ++y) {
            for (int x = mark.left(); x <= mark.right(); ++x)
                count += isRed(cells.pixelColor(x, y)) ? 1 : 0;
        }
        return count;
    };
    EXPECT_EQ(redPixels(0), 0) << "a passing mark";
    EXPECT_GT(redPixels(1), 20) << "a failing mark";
    pressOn(1, 0);
    ASSERT_TRUE(view.selectionModel()->isRowSelected(1, {}));
    EXPECT_GT(redPixels(1), 20) << "a failing mark on the selected row";
}

TEST_F(ListViewTest, pressOnANonEditableCellStoresTheFirstCellAndClosesTheEditor)
{
    load({singlePoint("1001", {40, 30})}, 0);
    view.resize(600, 300);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    pressOn(0, 1);
    EXPECT_FALSE(view.cellEditor().isVisible()) << "diameter of a digit 1 member is not editable";
    pressOn(0, 2);
    view.cellEditor().setText(QStringLiteral("33"));
    pressOn(1, 3);
    EXPECT_FALSE(view.cellEditor().isVisible());
    EXPECT_EQ(document.project()->members[0].samples[0], 33);
}

TEST_F(ListViewTest, enterCommitsAndEscapeDiscards)
{
    load({singlePoint("1001", {40, 30})}, 0);
    view.resize(600, 300);
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    ASSERT_TRUE(view.openCellEditor(1, CDataListView::coverColumn));
    view.cellEditor().setFocus();
    view.cellEditor().setText(QStringLiteral("27"));
    QTest::keyClick(&view.cellEditor(), Qt::Key_Escape);
    EXPECT_FALSE(view.cellEditor().isVisible());
    EXPECT_EQ(document.project()->members[0].samples[1], 30);

    ASSERT_TRUE(view.openCellEditor(1, CDataListView::coverColumn));
    view.cellEditor().setFocus();
    view.cellEditor().setText(QStringLiteral("27"));
    QTest::keyClick(&view.cellEditor(), Qt::Key_Return);
    EXPECT_EQ(document.project()->members[0].samples[1], 27);
}

TEST_F(ListViewTest, deleteKeyRemovesTheClickedReadingAsOneStep)
{
    load({singlePoint("1001", {40, 30, 31})}, 0);
    view.resize(600, 300);
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    pressOn(1, CDataListView::numberColumn);
    QTest::keyClick(&view, Qt::Key_Delete);
    EXPECT_EQ(document.project()->members[0].samples, (std::vector<std::int32_t>{40, 31}));
    EXPECT_EQ(view.rowCount(), 2);
    EXPECT_EQ(text(1, 2), QStringLiteral("31"));
    EXPECT_EQ(document.undoText(), QStringLiteral("1001 删除测点2"));
    document.undo();
    EXPECT_EQ(text(1, 2), QStringLiteral("30"));
}

TEST_F(ListViewTest, anInsertedReadingWaitsInTheEditorForItsValue)
{
    load({singlePoint("2001", {20, 12, 21, 14})}, 0);
    view.resize(600, 300);
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    pressOn(0, CDataListView::numberColumn);
    view.insertReadingRow(true);
    EXPECT_EQ(document.project()->members[0].samples, (std::vector<std::int32_t>{20, 12, 0, 0, 21, 14}));
    ASSERT_TRUE(view.cellEditor().isVisible());
    EXPECT_EQ(view.editorRow(), 1);
    QTest::keyClicks(&view.cellEditor(), QStringLiteral("27"));
    QTest::keyClick(&view.cellEditor(), Qt::Key_Return);
    EXPECT_EQ(document.project()->members[0].samples[2], 27);
    EXPECT_EQ(document.stepCount(), 2);
}

struct EditorMove {
    const char* number; // the member's test-mode digit decides which cells can be typed into
    int row;
    int column;
    QString typedFirst; // typed into the first cell before the keys
    std::vector<QKeyCombination> keys;
    int endRow;
    int endColumn;
};

class EditorMoveTest : public ListViewTest, public ::testing::WithParamInterface<EditorMove> {};

TEST_P(EditorMoveTest, keysStoreTheTextAndTakeTheEditorWithTheHighlight)
{
    const EditorMove& move = GetParam();
    // Ten rows: readings 30 … 39, with diameters 10 … 19 for a measured-diameter member.
    std::vector<std::int32_t> readings;
    for (int i = 0; i < 10; ++i) {
        readings.push_back(30 + i);
        if (move.number[0] == '2')
            readings.push_back(10 + i);
    }
    load({singlePoint(move.number, readings)}, 0);
    const int perRow = move.number[0] == '2' ? 2 : 1;
    const auto sampleOf = [perRow](int row, int column) {
        return static_cast<std::size_t>(row * perRow + (column == CDataListView::diameterColumn ? 1 : 0));
    };
    view.resize(600, 400);
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    pressOn(move.row, move.column);
    ASSERT_TRUE(view.cellEditor().hasFocus());
    QTest::keyClicks(&view.cellEditor(), move.typedFirst);
    for (const QKeyCombination key : move.keys) {
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        ASSERT_TRUE(view.cellEditor().isVisible());
        EXPECT_EQ(view.currentRow(), view.editorRow()) << "the editor stays on the highlighted row";
    }
    EXPECT_EQ(view.editorRow(), move.endRow);
    EXPECT_EQ(view.editorColumn(), move.endColumn);
    QTest::keyClicks(&view.cellEditor(), QStringLiteral("44"));
    QTest::keyClick(&view.cellEditor(), Qt::Key_Return);
    const std::vector<std::int32_t>& samples = document.project()->members[0].samples;
    EXPECT_EQ(samples[sampleOf(move.endRow, move.endColumn)], 44);
    if (move.endRow != move.row || move.endColumn != move.column) {
        EXPECT_EQ(samples[sampleOf(move.row, move.column)],
                  move.typedFirst.isEmpty() ? readings[sampleOf(move.row, move.column)] : move.typedFirst.toInt());
    }
}

constexpr int cover = CDataListView::coverColumn;
constexpr int diameter = CDataListView::diameterColumn;

INSTANTIATE_TEST_SUITE_P(
    ListViewTest, EditorMoveTest,
    ::testing::Values(EditorMove{"1001", 4, cover, {}, {Qt::Key_Down, Qt::Key_Down}, 6, cover},
                      EditorMove{"1001", 4, cover, QStringLiteral("33"), {Qt::Key_Down}, 5, cover},
                      EditorMove{"1001", 4, cover, QStringLiteral("21"), {Qt::Key_Up}, 3, cover},
                      EditorMove{"1001", 0, cover, {}, {Qt::Key_Up}, 0, cover},
                      EditorMove{"1001", 9, cover, {}, {Qt::Key_Down}, 9, cover},
                      EditorMove{"1001", 4, cover, QStringLiteral("35"), {Qt::Key_Tab}, 5, cover},
                      EditorMove{"1001", 4, cover, {}, {Qt::Key_Backtab}, 3, cover},
                      EditorMove{"2001", 1, diameter, QStringLiteral("12"), {Qt::Key_Tab}, 1, cover},
                      EditorMove{"2001", 1, cover, {}, {Qt::Key_Tab}, 2, diameter},
                      EditorMove{"2001", 1, diameter, {}, {Qt::ShiftModifier | Qt::Key_Tab}, 0, cover},
                      EditorMove{"2001", 3, diameter, {}, {Qt::Key_Down, Qt::Key_Down}, 5, diameter}));

TEST_F(ListViewTest, aRefusedTextKeepsTheEditorWhereItWas)
{
    load({singlePoint("1001", {40, 30, 31})}, 0);
    view.resize(600, 300);
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    pressOn(1, cover);
    QTest::keyClicks(&view.cellEditor(), QStringLiteral("300"));
    QTest::keyClick(&view.cellEditor(), Qt::Key_Down);
    EXPECT_EQ(prompts.messages, QStringList{QStringLiteral("您输入的数据越界（0–255）")});
    EXPECT_EQ(view.editorRow(), 1);
    EXPECT_EQ(view.currentRow(), 1);
    EXPECT_EQ(document.project()->members[0].samples[1], 30);
}

TEST_F(ListViewTest, focusLeavingForAnotherWidgetDiscardsTheText)
{
    QWidget window;
    auto* list = new CDataListView(document, prompts, &window);
    auto* other = new QLineEdit(&window);
    list->setGeometry(0, 0, 600, 300);
    other->setGeometry(0, 310, 100, 20);
    auto project = std::make_unique<Project>();
    project->members = {singlePoint("1001", {40})};
    document.replaceProject(std::move(project));
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_TRUE(list->openCellEditor(0, CDataListView::coverColumn));
    list->cellEditor().setFocus();
    list->cellEditor().setText(QStringLiteral("29"));
    other->setFocus();
    EXPECT_FALSE(list->cellEditor().isVisible());
    EXPECT_EQ(document.project()->members[0].samples[0], 40);
}

} // namespace
} // namespace trellon
