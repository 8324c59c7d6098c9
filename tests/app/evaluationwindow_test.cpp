// The evaluation window while the project changes: "正在更新…" stands over the pages from the edit until the
// newest figures are shown, and an edit made while a layout is under way ends with that edit's figures.
#include "app/evaluationwindow.h"

#include "document/projectdocument.h"
#include "model/gbk.h"
#include "support/reporttext.h"
#include "views/evaluationpages.h"
#include "widgets/pageview.h"

#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace trellon {
namespace {

// Enough members that laying the report out takes a while.
std::unique_ptr<Project> largeProject()
{
    auto project = std::make_unique<Project>();
    for (int i = 0; i < 600; ++i) {
        MemberRecord m;
        m.number = std::to_string(1001 + i);
        m.name = systemText(i % 2 == 0 ? "一层 梁" : "二层 板");
        m.designCover = 25;
        m.upperDeviation = 10;
        m.lowerDeviation = -7;
        m.checked = 1;
        m.replaceSamples({22, 25, 28, 30, 24, 26, 40, 18});
        project->members.push_back(std::move(m));
    }
    return project;
}

// Presses the spin box's up arrow where it is drawn.
void pressUp(QSpinBox& box)
{
    QStyleOptionSpinBox option;
    option.initFrom(&box);
    option.subControls = QStyle::SC_SpinBoxUp;
    const QRect up = box.style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, &box);
    QTest::mouseClick(&box, Qt::LeftButton, {}, up.center());
}

std::string shownWords(const EvaluationWindow& window)
{
    return window.pages() != nullptr ? testing::reportText(window.pages()->report()) : std::string();
}

TEST(EvaluationWindowRefresh, anEditWhileALayoutIsUnderWayEndsWithTheNewestFiguresAndNoMark)
{
    ProjectDocument document;
    document.replaceProject(largeProject());
    EvaluationWindow window(document);
    // Whenever pages are shown as current, they are the project's as it is then.
    int stalePagesShown = 0;
    QObject::connect(&window, &EvaluationWindow::refreshed, [&] {
        const std::string points = "每根钢筋测点数：" + std::to_string(document.project()->extension.pointsPerBar);
        stalePagesShown += shownWords(window).find(points) == std::string::npos ? 1 : 0;
    });
    window.show();
    EXPECT_EQ(window.pageView().notice(), QStringLiteral("正在更新…")) << "nothing is laid out yet";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.isStale(); }));
    EXPECT_TRUE(window.pageView().notice().isEmpty());

    pressUp(window.pointsPerBarField());
    ASSERT_EQ(document.project()->extension.pointsPerBar, 2);
    EXPECT_TRUE(window.isStale());
    EXPECT_EQ(window.pageView().notice(), QStringLiteral("正在更新…")) << "the old figures are marked at once";
    EXPECT_NE(shownWords(window).find("每根钢筋测点数：1"), std::string::npos) << "still the old pages";
    QTest::qWait(80); // the layout for 2 points per bar is under way
    pressUp(window.pointsPerBarField());
    ASSERT_EQ(document.project()->extension.pointsPerBar, 3);

    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.isStale(); }));
    EXPECT_TRUE(window.pageView().notice().isEmpty());
    EXPECT_NE(shownWords(window).find("每根钢筋测点数：3"), std::string::npos);
    EXPECT_EQ(stalePagesShown, 0);
    // No late layout replaces the newest pages.
    const auto shown = window.pages();
    QTest::qWait(300);
    EXPECT_EQ(window.pages(), shown);
}

} // namespace
} // namespace trellon
