// Bitmap file encoding.
#include "bitmapfile.h"

#include "model/atomicfile.h"

#include <limits>

namespace trellon {

namespace {

constexpr std::uint32_t informationHeaderSize = 40;

void putUint16(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void putUint32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    putUint16(out, value & 0xFFFFu);
    putUint16(out, value >> 16);
}

Error refused(const std::string& why)
{
    return Error{ErrorKind::refused, "bitmap: " + why, std::nullopt};
}

bool isFileDepth(int bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
}

// Appends one row of pixels in the file's format, padded to a multiple of 4 bytes.
void appendRow(std::vector<std::uint8_t>& out, const std::uint32_t* row, std::int32_t width, int bits,
               std::size_t rowBytes)
{
    const std::size_t start = out.size();
    if (bits >= 24) {
        for (std::int32_t x = 0; x < width; ++x) {
            const std::uint32_t rgb = row[x];
            out.push_back(static_cast<std::uint8_t>(rgb));
            out.push_back(static_cast<std::uint8_t>(rgb >> 8));
            out.push_back(static_cast<std::uint8_t>(rgb >> 16));
            if (bits == 32)
                out.push_back(0);
        }
    } else {
        // Indexes packed from the most significant bits of each byte, leftmost pixel first.
        const int perByte = 8 / bits;
        for (std::int32_t x = 0; x < width; x += perByte) {
            std::uint32_t packed = 0;
            for (int k = 0; k < perByte; ++k) {
                packed <<= bits;
                if (x + k < width)
                    packed |= row[x + k];
            }
            out.push_back(static_cast<std::uint8_t>(packed));
        }
    }
    out.resize(start + rowBytes, 0);
}

} // namespace

int bitmapBitsForDepth(int depth)
{
    if (depth < 1)
        return 24;
    if (depth == 1)
        return 1;
    if (depth <= 4)
        return 4;
    if (depth <= 8)
        return 8;
    if (depth <= 24)
        return 24;
    return 32;
}

int bitmapColourTableEntries(int bitsPerPixel)
{
    return bitsPerPixel <= 8 ? 1 << bitsPerPixel : 0;
}

Result<std::vector<std::uint8_t>> encodeBitmapFile(const BitmapPicture& picture)
{
    const int bits = picture.bitsPerPixel;
    if (!isFileDepth(bits))
        return refused(std::to_string(bits) + " bits per pixel is not a bitmap depth");
    if (picture.width < 1 || picture.height < 1)
        return refused("a picture needs at least one pixel each way");
    const auto entries = static_cast<std::size_t>(bitmapColourTableEntries(bits));
    if (picture.colourTable.size() != entries)
        return refused("a colour table of " + std::to_string(picture.colourTable.size()) + " entries at " +
                       std::to_string(bits) + " bits per pixel");
    const std::uint64_t width = static_cast<std::uint64_t>(picture.width);
    const std::uint64_t height = static_cast<std::uint64_t>(picture.height);
    if (picture.pixels.size() != width * height)
        return refused("the pixels do not fill the picture");
    if (entries > 0) {
        for (const std::uint32_t index : picture.pixels) {
            if (index >= entries)
                return refused("a pixel's index lies beyond the colour table");
        }
    }

    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(bits) * width + 31) / 32 * 4;
    const std::uint64_t tableBytes = entries * 4;
    const std::uint64_t fileSize = bitmapHeadersSize + tableBytes + rowBytes * height;
    if (fileSize > std::numeric_limits<std::uint32_t>::max())
        return refused("the file would be larger than a bitmap can say");

    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(fileSize));
    out.push_back('B');
    out.push_back('M');
    putUint32(out, static_cast<std::uint32_t>(fileSize));
    putUint16(out, 0);
    putUint16(out, 0);
    putUint32(out, static_cast<std::uint32_t>(bitmapHeadersSize + tableBytes));

    putUint32(out, informationHeaderSize);
    putUint32(out, static_cast<std::uint32_t>(picture.width));
    putUint32(out, static_cast<std::uint32_t>(picture.height)); // positive: bottom-up rows
    putUint16(out, 1);                                          // planes
    putUint16(out, static_cast<std::uint32_t>(bits));
    for (int field = 0; field < 6; ++field) // compression, image size, resolutions, colours used and important
        putUint32(out, 0);

    for (const BitmapColour& colour : picture.colourTable)
        out.insert(out.end(), {colour.blue, colour.green, colour.red, 0});

    for (std::uint64_t y = height; y-- > 0;)
        appendRow(out, picture.pixels.data() + y * width, picture.width, bits, static_cast<std::size_t>(rowBytes));
    return out;
}

Status writeBitmapFile(const std::string& path, const BitmapPicture& picture)
{
    const auto bytes = encodeBitmapFile(picture);
    if (!bytes)
        return bytes.error();
    return writeFileAtomically(path, bytes.value(), std::string(bitmapCannotOpenDetail));
}

} // namespace trellon
