// The bundled site survey as the instrument sends it, for trying a transfer without hardware.
#pragma once

#include <cstdint>
#include <span>

namespace trellon {

std::span<const std::uint8_t> demoTransfer();

} // namespace trellon
