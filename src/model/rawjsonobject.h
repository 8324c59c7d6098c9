// The top-level members of a JSON object text, each kept as the exact bytes it was written with.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trellon {

struct RawJsonMember {
    std::string key;       // decoded
    std::string_view text; // from the key's opening quote to the end of its value, inside the given text
};

// The members in written order; nothing when text is not one well-formed JSON object or a key appears twice.
std::optional<std::vector<RawJsonMember>> rawObjectMembers(std::string_view text);

} // namespace trellon
