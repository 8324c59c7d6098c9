// The member list's context menu: type and second-sample flag for one, the ticked or all members, as steps.
#include "panelfixture.h"

#include "panel/acceptancemenu.h"

#include <QMenu>

namespace trellon::testing {
namespace {

// The action at the end of a path of menu texts.
QAction* entry(QMenu& menu, const QStringList& path)
{
    QMenu* level = &menu;
    for (qsizetype i = 0; i < path.size(); ++i) {
        QAction* found = nullptr;
        for (QAction* action : level->actions()) {
            if (action->text() == path[i])
                found = action;
        }
        if (found == nullptr || i + 1 == path.size())
            return found;
        level = found->menu();
        if (level == nullptr)
            return nullptr;
    }
    return nullptr;
}

const MemberExtras& extras(const ProjectDocument& document, int index)
{
    static const MemberExtras none;
    const auto& members = document.project()->extension.members;
    return static_cast<std::size_t>(index) < members.size() ? members[static_cast<std::size_t>(index)] : none;
}

using AcceptanceMenuTest = PanelTest;

TEST_F(AcceptanceMenuTest, theClickedMembersTypeAndFlagAreSetAndShown)
{
    auto menu = makeAcceptanceMenu(document, 1, panel.get());
    QAction* cantilever = entry(*menu, {"构件类型", "悬挑梁"});
    ASSERT_NE(cantilever, nullptr);
    EXPECT_TRUE(entry(*menu, {"构件类型", "按名称推断"})->isChecked());
    cantilever->trigger();
    EXPECT_EQ(extras(document, 1).type, MemberType::cantileverBeam);
    entry(*menu, {"复检"})->trigger();
    EXPECT_TRUE(extras(document, 1).secondSample);

    auto again = makeAcceptanceMenu(document, 1, panel.get());
    EXPECT_TRUE(entry(*again, {"构件类型", "悬挑梁"})->isChecked());
    EXPECT_TRUE(entry(*again, {"复检"})->isChecked());
    document.undo();
    document.undo();
    EXPECT_EQ(extras(document, 1), MemberExtras{});
}

TEST_F(AcceptanceMenuTest, tickedAndAllMembersAreOneStepEach)
{
    panel->chooseMode(TestMode::section);
    list().item(0)->setCheckState(Qt::Checked); // 4001
    list().item(2)->setCheckState(Qt::Checked); // 4003
    auto menu = makeAcceptanceMenu(document, 3, panel.get());
    const int steps = document.stepCount();
    entry(*menu, {"已勾选的构件", "设为复检"})->trigger();
    EXPECT_TRUE(extras(document, 1).secondSample);
    EXPECT_TRUE(extras(document, 5).secondSample);
    EXPECT_FALSE(extras(document, 3).secondSample) << "not ticked";
    entry(*menu, {"全部构件", "构件类型", "板"})->trigger();
    for (int i = 0; i < document.memberCount(); ++i)
        EXPECT_EQ(extras(document, i).type, MemberType::slab) << i;
    EXPECT_EQ(document.stepCount(), steps + 2);
}

} // namespace
} // namespace trellon::testing
