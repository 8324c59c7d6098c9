// The drilling verification window driven as a user does: points added from the chosen reading with the measured
// cover typed in place, edited, deleted, the rules typed, and judging on corrected covers ticked and undone.
#include "app/verificationwindow.h"

#include "app/verificationpointsmodel.h"
#include "document/projectdocument.h"
#include "evaluation/acceptanceevaluation.h"
#include "model/gbk.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QUndoStack>

#include <gtest/gtest.h>

namespace trellon {
namespace {

using Column = VerificationPointsModel::Column;

// A beam of diameter 20 whose readings 17 lie below its lower limit 18, and a slab of diameter 10.
std::unique_ptr<Project> beamAndSlab()
{
    const auto member = [](const char* number, const char* name, std::vector<std::int32_t> readings, int diameter) {
        MemberRecord m;
        m.number = number;
        m.name = systemText(name);
        m.knownDiameter = diameter;
        m.designCover = 25;
        m.upperDeviation = 10;
        m.lowerDeviation = -7;
        m.checked = 1;
        m.replaceSamples(std::move(readings));
        return m;
    };
    auto project = std::make_unique<Project>();
    project->members = {member("1001", "一层 KL1 梁", {24, 17, 26, 17, 28, 25, 30, 22, 17, 26}, 20),
                        member("1002", "一层 LB1 板", {25, 26, 24}, 10)};
    return project;
}

class VerificationWindowTest : public ::testing::Test {
protected:
    VerificationWindowTest() : window(document, [this] { return chosen; })
    {
        document.replaceProject(beamAndSlab());
        window.resize(1100, 600);
        window.show();
    }

    const std::vector<VerificationPoint>& stored() const { return document.project()->extension.verification.points; }
    QTableView& table() { return window.pointsTable(); }
    QRect cellRect(int row, int column) { return table().visualRect(table().model()->index(row, column)); }
    QString shown(int row, int column) { return table().model()->index(row, column).data().toString(); }
    LotResult beamVerdict() const { return evaluateAcceptance(*document.project()).lots[0].result; }

    // Types into the editor open on the cell and confirms with Return.
    void typeInto(int row, int column, const QString& text)
    {
        QWidget* editor = table().indexWidget(table().model()->index(row, column));
        ASSERT_NE(editor, nullptr) << "no editor on " << row << "," << column;
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        // Each character as a key that types it, Chinese ones included.
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::keyClick(editor, Qt::Key_Return);
        // The view stores and closes the editor once the key is handled.
        QCoreApplication::processEvents();
    }
    // Adds the chosen reading and types its measured cover where the editor opened.
    void addPoint(int number, const QString& measured)
    {
        chosen = ChosenPoint{0, PointRun::none, number};
        QTest::mouseClick(&window.addButton(), Qt::LeftButton);
        typeInto(table().model()->rowCount() - 1, Column::measuredColumn, measured);
    }
    // A double click as the window system gives it: a click, then the second press.
    void doubleClickCell(int row, int column)
    {
        QTest::mouseClick(table().viewport(), Qt::LeftButton, {}, cellRect(row, column).center());
        QTest::mouseDClick(table().viewport(), Qt::LeftButton, {}, cellRect(row, column).center());
    }

    ProjectDocument document;
    std::optional<ChosenPoint> chosen;
    VerificationWindow window;
};

TEST_F(VerificationWindowTest, drilledCoversTypedInPlaceCorrectTheBeamAndJudgingOnThemIsOneUndoableStep)
{
    QTest::mouseClick(&window.addButton(), Qt::LeftButton);
    EXPECT_TRUE(stored().empty());
    EXPECT_FALSE(window.hintLine().text().isEmpty()) << "nothing chosen: the window says what to do";

    addPoint(2, QStringLiteral("18.6"));
    addPoint(4, QStringLiteral("18.3"));
    addPoint(9, QStringLiteral("18.5"));
    ASSERT_EQ(stored().size(), 3u);
    EXPECT_EQ(stored()[0], (VerificationPoint{0, PointRun::none, 2, 186, VerificationMethod::drill, std::nullopt, ""}));
    EXPECT_EQ(shown(1, Column::readingColumn), QStringLiteral("17"));
    EXPECT_EQ(shown(1, Column::differenceColumn), QStringLiteral("+1.3"));
    EXPECT_EQ(shown(2, Column::diameterColumn), QStringLiteral("20"));
    ASSERT_EQ(window.correctionsTable().rowCount(), 2) << "diameter 20, and 10 uncorrected";
    EXPECT_EQ(window.correctionsTable().item(0, 2)->text(), QStringLiteral("+1.5"));
    EXPECT_TRUE(window.correctionsTable().item(1, 2)->text().contains(QStringLiteral("3")));

    doubleClickCell(2, Column::methodColumn);
    auto* method = qobject_cast<QComboBox*>(table().indexWidget(table().model()->index(2, Column::methodColumn)));
    ASSERT_NE(method, nullptr);
    QTest::keyClick(method, Qt::Key_Down);
    QTest::keyClick(method, Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(stored()[2].method, VerificationMethod::chisel);
    doubleClickCell(0, Column::noteColumn);
    typeInto(0, Column::noteColumn, QStringLiteral("邻近钢筋"));
    EXPECT_EQ(stored()[0].note, "邻近钢筋");

    EXPECT_EQ(beamVerdict(), LotResult::rejected);
    QCheckBox& judge = window.judgeCorrectedBox();
    QStyleOptionButton option;
    option.initFrom(&judge);
    const QRect indicator = judge.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &judge);
    QTest::mouseClick(&judge, Qt::LeftButton, {}, indicator.center());
    EXPECT_TRUE(document.project()->extension.verification.judgeCorrected);
    EXPECT_EQ(beamVerdict(), LotResult::accepted);
    document.undo();
    EXPECT_EQ(beamVerdict(), LotResult::rejected);
    EXPECT_FALSE(window.judgeCorrectedBox().isChecked());

    EXPECT_TRUE(window.countLine().text().contains(QStringLiteral("应验证 6 处，已验证 3 处：不足")))
        << "13 values ask for 6: " << window.countLine().text().toStdString();
    window.minPointsField().setFocus();
    QTest::keyClick(&window.minPointsField(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&window.minPointsField(), QStringLiteral("3"));
    QTest::keyClick(&window.minPointsField(), Qt::Key_Return);
    EXPECT_EQ(document.project()->extension.verification.rules.minPoints, 3);
    EXPECT_TRUE(window.countLine().text().contains(QStringLiteral("应验证 4 处"))) << "30 % of 13";

    QTest::mouseClick(table().viewport(), Qt::LeftButton, {}, cellRect(1, Column::numberColumn).center());
    QTest::mouseClick(&window.deleteButton(), Qt::LeftButton);
    ASSERT_EQ(stored().size(), 2u);
    EXPECT_EQ(stored()[1].point, 9);
    document.undo();
    EXPECT_EQ(table().model()->rowCount(), 3);
}

TEST_F(VerificationWindowTest, valuesOutsideTheirRangesAreRefusedAndADeletedReadingIsShownSo)
{
    addPoint(3, QStringLiteral("27.45"));
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(stored()[0].measured, 260) << "the reading, as the point started";
    EXPECT_TRUE(window.hintLine().text().contains(QStringLiteral("0.1 mm"))) << window.hintLine().text().toStdString();

    doubleClickCell(0, Column::diameterColumn);
    typeInto(0, Column::diameterColumn, QStringLiteral("101"));
    EXPECT_FALSE(stored()[0].diameter);
    doubleClickCell(0, Column::diameterColumn);
    typeInto(0, Column::diameterColumn, QStringLiteral("0"));
    EXPECT_EQ(stored()[0].diameter, 0);
    EXPECT_EQ(shown(0, Column::diameterColumn), QStringLiteral("未知"));

    chosen = ChosenPoint{0, PointRun::none, 11};
    QTest::mouseClick(&window.addButton(), Qt::LeftButton);
    EXPECT_EQ(stored().size(), 1u) << "the member has ten readings";

    ASSERT_TRUE(document.deleteReadingRow(0, 2));
    EXPECT_EQ(shown(0, Column::pointColumn), QStringLiteral("测点已删除"));
    EXPECT_EQ(shown(0, Column::readingColumn), QStringLiteral("—"));
}

} // namespace
} // namespace trellon
