// Context menu of the member list.
#include "acceptancemenu.h"

#include "membertypechoices.h"

#include "document/projectdocument.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace trellon {

namespace {

struct AcceptanceMenu {
    Q_DECLARE_TR_FUNCTIONS(AcceptanceMenu)
};

MemberExtras extrasOf(const ProjectDocument& document, int memberIndex)
{
    const auto& members = document.project()->extension.members;
    return static_cast<std::size_t>(memberIndex) < members.size() ? members[static_cast<std::size_t>(memberIndex)]
                                                                  : MemberExtras{};
}

// The type entries for the members; with `current`, the member's own setting is checked.
void addTypeChoices(QMenu& menu, ProjectDocument& document, const std::vector<int>& members,
                    const std::optional<MemberExtras>& current)
{
    auto* group = current ? new QActionGroup(&menu) : nullptr;
    for (const MemberTypeChoice& choice : memberTypeChoices()) {
        QAction* entry = menu.addAction(memberTypeChoiceText(choice));
        if (group != nullptr) {
            entry->setCheckable(true);
            entry->setChecked(current->type == choice.type);
            group->addAction(entry);
        }
        const std::optional<MemberType> type = choice.type;
        QObject::connect(entry, &QAction::triggered, &menu,
                         [&document, members, type] { document.setMemberType(members, type); });
    }
}

void addGroupEntries(QMenu& menu, ProjectDocument& document, const std::vector<int>& members)
{
    menu.setEnabled(!members.empty());
    addTypeChoices(*menu.addMenu(AcceptanceMenu::tr("构件类型")), document, members, std::nullopt);
    QObject::connect(menu.addAction(AcceptanceMenu::tr("设为复检")), &QAction::triggered, &menu,
                     [&document, members] { document.setSecondSample(members, true); });
    QObject::connect(menu.addAction(AcceptanceMenu::tr("取消复检")), &QAction::triggered, &menu,
                     [&document, members] { document.setSecondSample(members, false); });
}

} // namespace

std::unique_ptr<QMenu> makeAcceptanceMenu(ProjectDocument& document, int memberIndex, QWidget* parent)
{
    auto menu = std::make_unique<QMenu>(parent);
    if (document.member(memberIndex) == nullptr)
        return menu;
    const MemberExtras current = extrasOf(document, memberIndex);
    addTypeChoices(*menu->addMenu(AcceptanceMenu::tr("构件类型")), document, {memberIndex}, current);
    QAction* second = menu->addAction(AcceptanceMenu::tr("复检"));
    second->setCheckable(true);
    second->setChecked(current.secondSample);
    QObject::connect(second, &QAction::triggered, menu.get(),
                     [&document, memberIndex](bool on) { document.setSecondSample({memberIndex}, on); });
    menu->addSeparator();
    std::vector<int> ticked;
    std::vector<int> all;
    for (int index = 0; index < document.memberCount(); ++index) {
        all.push_back(index);
        if (document.member(index)->checked != 0)
            ticked.push_back(index);
    }
    addGroupEntries(*menu->addMenu(AcceptanceMenu::tr("已勾选的构件")), document, ticked);
    addGroupEntries(*menu->addMenu(AcceptanceMenu::tr("全部构件")), document, all);
    return menu;
}

} // namespace trellon
