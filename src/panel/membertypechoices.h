// The member types the user can choose for the acceptance check, with their texts, in the order menus list them.
#pragma once

#include "model/projectextension.h"

#include <QString>

#include <optional>
#include <span>

namespace trellon {

struct MemberTypeChoice {
    std::optional<MemberType> type; // none: inferred from the member's name
    const char* text;               // source text, translated by memberTypeChoiceText
};

// Beam, slab, cantilever beam, cantilever slab, other, then "按名称推断".
std::span<const MemberTypeChoice> memberTypeChoices();

QString memberTypeChoiceText(const MemberTypeChoice& choice);

// The text of a type as the menus show it.
QString memberTypeText(MemberType type);

} // namespace trellon
