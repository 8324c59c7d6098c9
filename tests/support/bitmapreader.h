// Reads back the bitmap files the application writes, for pixel checks in tests.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace trellon::testing {

struct BitmapPixel {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const BitmapPixel&) const = default;
};

// An uncompressed bitmap with the 40-byte information header, bottom-up rows.
class BitmapReader {
public:
    // Null unless the bytes hold such a bitmap of 1, 4, 8, 24 or 32 bits per pixel, complete.
    static std::optional<BitmapReader> parse(std::vector<std::uint8_t> bytes)
    {
        if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M' || word(bytes, 14) != 40)
            return std::nullopt;
        BitmapReader reader;
        reader.width = static_cast<int>(word(bytes, 18));
        reader.height = static_cast<int>(word(bytes, 22));
        reader.bits = static_cast<int>(bytes[28] | bytes[29] << 8);
        reader.offset = word(bytes, 10);
        reader.rowBytes =
            (static_cast<std::size_t>(reader.bits) * static_cast<std::size_t>(reader.width) + 31) / 32 * 4;
        if (reader.offset + reader.rowBytes * static_cast<std::size_t>(reader.height) > bytes.size())
            return std::nullopt;
        reader.bytes_ = std::move(bytes);
        return reader;
    }

    // The colour at (x, y), y counted from the top row as on screen.
    BitmapPixel pixel(int x, int y) const
    {
        const std::size_t row = offset + rowBytes * static_cast<std::size_t>(height - 1 - y);
        if (bits >= 24) {
            const std::size_t at = row + static_cast<std::size_t>(x) * static_cast<std::size_t>(bits / 8);
            return {bytes_[at + 2], bytes_[at + 1], bytes_[at]};
        }
        const std::size_t bit = static_cast<std::size_t>(x) * static_cast<std::size_t>(bits);
        const unsigned shift = 8u - static_cast<unsigned>(bits) - static_cast<unsigned>(bit % 8);
        const unsigned index = (bytes_[row + bit / 8] >> shift) & ((1u << bits) - 1u);
        const std::size_t entry = 54 + 4 * index;
        return {bytes_[entry + 2], bytes_[entry + 1], bytes_[entry]};
    }

    bool isBlack(int x, int y) const { return pixel(x, y) == BitmapPixel{0, 0, 0}; }
    bool isWhite(int x, int y) const { return pixel(x, y) == BitmapPixel{255, 255, 255}; }

    int width = 0;
    int height = 0;
    int bits = 0;
    std::size_t offset = 0;
    std::size_t rowBytes = 0;

private:
    static std::uint32_t word(const std::vector<std::uint8_t>& b, std::size_t at)
    {
        return std::uint32_t{b[at]} | std::uint32_t{b[at + 1]} << 8 | std::uint32_t{b[at + 2]} << 16 |
               std::uint32_t{b[at + 3]} << 24;
    }

    std::vector<std::uint8_t> bytes_;
};

} // namespace trellon::testing
