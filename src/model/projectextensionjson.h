// The JSON payload of a .gj extension block: a ProjectExtension as text and back.
#pragma once

#include "projectextension.h"
#include "result.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace trellon {

// True when the extension holds nothing beyond its defaults: such a project is saved without a block.
bool isDefaultExtension(const ProjectExtension& extension);

// The payload for a project of memberCount members: members cut or padded to that count, then the unknown keys
// byte for byte. An unknownKeys text that is not a JSON object is left out. Values are written as they are; the
// caller keeps pointsPerBar within 1..maxPointsPerBar and populations non-negative.
std::string encodeExtensionPayload(const ProjectExtension& extension, std::size_t memberCount);

// Reads a payload; absent keys take their defaults and members is cut or padded to memberCount. A text that is
// not a JSON object with distinct keys, a value of the wrong type, a pointsPerBar outside 1..maxPointsPerBar, a
// negative population, an unknown member type or a conclusionBasis other than "rate" and "appendixE" is refused.
// An extension holding only defaults comes back as ProjectExtension{}.
Result<ProjectExtension> decodeExtensionPayload(std::string_view payload, std::size_t memberCount);

} // namespace trellon
