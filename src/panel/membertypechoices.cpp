// Member type choices.
#include "membertypechoices.h"

#include <QCoreApplication>

#include <algorithm>

namespace trellon {
namespace {

const MemberTypeChoice choices[] = {
    {MemberType::beam, QT_TRANSLATE_NOOP("MemberType", "梁")},
    {MemberType::slab, QT_TRANSLATE_NOOP("MemberType", "板")},
    {MemberType::cantileverBeam, QT_TRANSLATE_NOOP("MemberType", "悬挑梁")},
    {MemberType::cantileverSlab, QT_TRANSLATE_NOOP("MemberType", "悬挑板")},
    {MemberType::other, QT_TRANSLATE_NOOP("MemberType", "其他")},
    {std::nullopt, QT_TRANSLATE_NOOP("MemberType", "按名称推断")},
};

} // namespace

std::span<const MemberTypeChoice> memberTypeChoices()
{
    return choices;
}

QString memberTypeChoiceText(const MemberTypeChoice& choice)
{
    return QCoreApplication::translate("MemberType", choice.text);
}

QString memberTypeText(MemberType type)
{
    const auto found = std::find_if(std::begin(choices), std::end(choices),
                                    [type](const MemberTypeChoice& c) { return c.type == type; });
    return memberTypeChoiceText(*found);
}

} // namespace trellon
