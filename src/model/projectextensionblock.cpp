// Extension block layout (little-endian):
//   0      8  magic "TRELLON" and a NUL
//   8      4  payload length N, unsigned
//   12     N  payload, UTF-8 JSON
//   12+N   4  CRC-32 of the payload, unsigned
#include "projectextensionblock.h"

#include "bytes.h"
#include "crc32.h"
#include "projectextensionjson.h"

#include <algorithm>
#include <string_view>

namespace trellon {
namespace {

constexpr std::uint8_t magic[extensionMagicSize] = {'T', 'R', 'E', 'L', 'L', 'O', 'N', 0};
constexpr std::size_t headerSize = extensionMagicSize + 4;
constexpr std::size_t crcSize = 4;

std::uint32_t readUint32Le(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(readInt32Le(bytes, at));
}

ExtensionBlockRead dropped(std::size_t at, const std::string& why)
{
    return {ProjectExtension{},
            "the extension block at offset " + std::to_string(at) + " is damaged (" + why +
                "); member types, second samples, points per bar, populations and the conclusion basis were not read"};
}

} // namespace

std::vector<std::uint8_t> encodeExtensionBlock(const ProjectExtension& extension, std::size_t memberCount)
{
    if (isDefaultExtension(extension))
        return {};
    const std::string payload = encodeExtensionPayload(extension, memberCount);
    const std::span<const std::uint8_t> payloadBytes(reinterpret_cast<const std::uint8_t*>(payload.data()),
                                                     payload.size());
    std::vector<std::uint8_t> out(std::begin(magic), std::end(magic));
    out.reserve(headerSize + payload.size() + crcSize);
    appendInt32Le(out, static_cast<std::int32_t>(payload.size()));
    out.insert(out.end(), payloadBytes.begin(), payloadBytes.end());
    appendInt32Le(out, static_cast<std::int32_t>(crc32(payloadBytes)));
    return out;
}

ExtensionBlockRead readExtensionBlock(std::span<const std::uint8_t> trailing, std::size_t memberCount, std::size_t at)
{
    if (trailing.size() < extensionMagicSize || !std::equal(std::begin(magic), std::end(magic), trailing.begin()))
        return {};
    if (trailing.size() < headerSize)
        return dropped(at, "the file ends inside its length");
    const std::size_t length = readUint32Le(trailing, extensionMagicSize);
    const std::size_t available = trailing.size() - headerSize;
    if (available < crcSize || length > available - crcSize)
        return dropped(at, "its length " + std::to_string(length) + " goes beyond the end of the file");

    const auto payload = trailing.subspan(headerSize, length);
    if (crc32(payload) != readUint32Le(trailing, headerSize + length))
        return dropped(at, "its CRC does not match");
    auto extension = decodeExtensionPayload(
        std::string_view(reinterpret_cast<const char*>(payload.data()), payload.size()), memberCount);
    if (!extension)
        return dropped(at, extension.error().detail);
    return {std::move(extension).value(), std::nullopt};
}

} // namespace trellon
