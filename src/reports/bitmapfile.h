// Windows bitmap files with the 40-byte information header: 1, 4, 8, 24 or 32 bits per pixel, rows bottom-up.
#pragma once

#include "model/result.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace trellon {

// Error detail of writeBitmapFile when the file cannot be created.
inline constexpr std::string_view bitmapCannotOpenDetail = "Can't create the bitmap file.";

// Size of the file header and the information header before the colour table.
constexpr std::uint32_t bitmapHeadersSize = 54;

struct BitmapColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const BitmapColour&) const = default;
};

// Bits per pixel of the file for a display colour depth d: 1 → 1, 2 to 4 → 4, 5 to 8 → 8, 9 to 24 → 24,
// 25 and more → 32. A depth below 1 (no display) reads as 24.
int bitmapBitsForDepth(int depth);

// Colour-table entries of a file of the given bits per pixel: 2, 16 or 256 up to 8 bits, none above.
int bitmapColourTableEntries(int bitsPerPixel);

// A picture in the form the file stores it.
struct BitmapPicture {
    std::int32_t width = 0;
    std::int32_t height = 0;
    int bitsPerPixel = 24; // 1, 4, 8, 24 or 32
    // Exactly bitmapColourTableEntries(bitsPerPixel) entries.
    std::vector<BitmapColour> colourTable;
    // width × height values, top row first: a colour-table index up to 8 bits per pixel, 0xRRGGBB above.
    std::vector<std::uint32_t> pixels;
};

// The file's bytes: file header, information header, colour table (blue, green, red, 0 per entry), then the
// pixel rows bottom row first, each padded with zeros to a multiple of 4 bytes. Refuses a picture whose
// parts disagree (sizes, table length, an index beyond the table) or whose file would pass 4 GiB.
Result<std::vector<std::uint8_t>> encodeBitmapFile(const BitmapPicture& picture);

// Writes encodeBitmapFile(picture) to path atomically. When the file cannot be created the error is
// ErrorKind::cannotOpen with detail bitmapCannotOpenDetail; any previous file is then unchanged.
Status writeBitmapFile(const std::string& path, const BitmapPicture& picture);

} // namespace trellon
