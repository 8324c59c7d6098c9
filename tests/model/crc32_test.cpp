// CRC-32 against the published check values of the zlib polynomial.
#include "model/crc32.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace trellon {
namespace {

std::uint32_t crcOf(std::string_view text)
{
    return crc32(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

TEST(Crc32, matchesTheStandardCheckValues)
{
    EXPECT_EQ(crcOf(""), 0x00000000u);
    EXPECT_EQ(crcOf("a"), 0xE8B7BE43u);
    EXPECT_EQ(crcOf("123456789"), 0xCBF43926u);
    EXPECT_EQ(crcOf("The quick brown fox jumps over the lazy dog"), 0x414FA339u);
}

TEST(Crc32, seesEveryBitAndTheOrderOfTheBytes)
{
    std::vector<std::uint8_t> bytes(1000);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7);
    const std::uint32_t whole = crc32(bytes);
    bytes[999] ^= 0x80;
    EXPECT_NE(crc32(bytes), whole);
    bytes[999] ^= 0x80;
    std::swap(bytes[0], bytes[1]);
    EXPECT_NE(crc32(bytes), whole);
    EXPECT_EQ(crc32(std::vector<std::uint8_t>(32, 0)), 0x190A55ADu) << "zeros still count";
}

} // namespace
} // namespace trellon
