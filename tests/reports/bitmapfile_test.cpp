// Tests of the bitmap file layout: headers, colour tables, row padding and order, and writing the file.
#include "reports/bitmapfile.h"

#include "model/atomicfile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace trellon {
namespace {

namespace fs = std::filesystem;

std::uint32_t uint32At(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return std::uint32_t{bytes[at]} | std::uint32_t{bytes[at + 1]} << 8 | std::uint32_t{bytes[at + 2]} << 16 |
           std::uint32_t{bytes[at + 3]} << 24;
}

std::uint32_t uint16At(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return std::uint32_t{bytes[at]} | std::uint32_t{bytes[at + 1]} << 8;
}

BitmapPicture picture(std::int32_t width, std::int32_t height, int bits, std::uint32_t fill = 0)
{
    BitmapPicture p;
    p.width = width;
    p.height = height;
    p.bitsPerPixel = bits;
    p.colourTable.resize(static_cast<std::size_t>(bitmapColourTableEntries(bits)));
    p.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
    return p;
}

std::vector<std::uint8_t> encode(const BitmapPicture& p)
{
    auto bytes = encodeBitmapFile(p);
    EXPECT_TRUE(bytes.ok()) << (bytes.ok() ? "" : bytes.error().describe());
    return bytes.ok() ? bytes.value() : std::vector<std::uint8_t>{};
}

TEST(BitmapDepth, displayDepthsChooseTheFileDepth)
{
    const std::pair<int, int> table[] = {{1, 1},   {2, 4},   {4, 4},   {5, 8},   {8, 8},  {9, 24},
                                         {16, 24}, {24, 24}, {25, 32}, {32, 32}, {0, 24}, {-3, 24}};
    for (const auto& [depth, bits] : table)
        EXPECT_EQ(bitmapBitsForDepth(depth), bits) << "display depth " << depth;
    EXPECT_EQ(bitmapColourTableEntries(1), 2);
    EXPECT_EQ(bitmapColourTableEntries(4), 16);
    EXPECT_EQ(bitmapColourTableEntries(8), 256);
    EXPECT_EQ(bitmapColourTableEntries(24), 0);
    EXPECT_EQ(bitmapColourTableEntries(32), 0);
}

TEST(BitmapFile, headersOfA32BitPicture)
{
    const auto bytes = encode(picture(600, 400, 32, 0x102030));
    ASSERT_EQ(bytes.size(), 54u + 600u * 400u * 4u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(uint32At(bytes, 2), bytes.size());
    EXPECT_EQ(uint32At(bytes, 6), 0u); // both reserved words
    EXPECT_EQ(uint32At(bytes, 10), 54u);
    EXPECT_EQ(uint32At(bytes, 14), 40u);
    EXPECT_EQ(uint32At(bytes, 18), 600u);
    EXPECT_EQ(uint32At(bytes, 22), 400u);
    EXPECT_EQ(uint16At(bytes, 26), 1u);
    EXPECT_EQ(uint16At(bytes, 28), 32u);
    for (std::size_t at = 30; at < 54; at += 4)
        EXPECT_EQ(uint32At(bytes, at), 0u) << "offset " << at;
    // Blue, green, red and a zero byte per pixel.
    EXPECT_EQ(uint32At(bytes, 54), 0x00102030u);
}

TEST(BitmapFile, rowsRunBottomUpAndArePaddedToFourBytes)
{
    BitmapPicture p = picture(601, 3, 24, 0xFFFFFF);
    p.pixels[0] = 0x123456;             // top-left
    p.pixels[2 * 601 + 600] = 0xABCDEF; // bottom-right
    const auto bytes = encode(p);
    constexpr std::size_t row = 1804; // 1803 bytes of pixels and one of padding
    ASSERT_EQ(bytes.size(), 54u + 3 * row);
    EXPECT_EQ(uint32At(bytes, 2), bytes.size());
    EXPECT_EQ(uint32At(bytes, 10), 54u);
    EXPECT_EQ(uint16At(bytes, 28), 24u);
    // The bottom row comes first; its last pixel is blue, green, red.
    EXPECT_EQ(bytes[54 + 600 * 3], 0xEF);
    EXPECT_EQ(bytes[54 + 600 * 3 + 1], 0xCD);
    EXPECT_EQ(bytes[54 + 600 * 3 + 2], 0xAB);
    for (std::size_t r = 0; r < 3; ++r)
        EXPECT_EQ(bytes[54 + r * row + 1803], 0) << "padding of row " << r;
    const std::size_t top = 54 + 2 * row;
    EXPECT_EQ(bytes[top], 0x56);
    EXPECT_EQ(bytes[top + 1], 0x34);
    EXPECT_EQ(bytes[top + 2], 0x12);
}

TEST(BitmapFile, eightBitsCarryA1024ByteColourTable)
{
    BitmapPicture p = picture(601, 2, 8);
    p.colourTable[1] = {0x11, 0x22, 0x33};
    p.colourTable[255] = {0xFF, 0xFE, 0xFD};
    p.pixels[601] = 255; // left pixel of the bottom row
    const auto bytes = encode(p);
    ASSERT_EQ(bytes.size(), 1078u + 2 * 604);
    EXPECT_EQ(uint32At(bytes, 10), 1078u);
    EXPECT_EQ(uint32At(bytes, 2), bytes.size());
    EXPECT_EQ(uint16At(bytes, 28), 8u);
    // Entries are blue, green, red, 0.
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 58, bytes.begin() + 62),
              (std::vector<std::uint8_t>{0x33, 0x22, 0x11, 0}));
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 54 + 255 * 4, bytes.begin() + 1078),
              (std::vector<std::uint8_t>{0xFD, 0xFE, 0xFF, 0}));
    EXPECT_EQ(bytes[1078], 255);
}

TEST(BitmapFile, fourAndOneBitPixelsPackFromTheHighBits)
{
    BitmapPicture four = picture(3, 1, 4);
    four.pixels = {0x1, 0xA, 0xF};
    const auto nibbles = encode(four);
    ASSERT_EQ(nibbles.size(), 54u + 64u + 4u);
    EXPECT_EQ(uint32At(nibbles, 10), 118u);
    EXPECT_EQ(std::vector<std::uint8_t>(nibbles.begin() + 118, nibbles.end()),
              (std::vector<std::uint8_t>{0x1A, 0xF0, 0, 0}));

    BitmapPicture one = picture(10, 1, 1);
    one.pixels = {1, 0, 0, 0, 0, 0, 0, 1, 1, 1};
    const auto bits = encode(one);
    ASSERT_EQ(bits.size(), 54u + 8u + 4u);
    EXPECT_EQ(uint32At(bits, 10), 62u);
    EXPECT_EQ(std::vector<std::uint8_t>(bits.begin() + 62, bits.end()), (std::vector<std::uint8_t>{0x81, 0xC0, 0, 0}));
}

TEST(BitmapFile, refusesPicturesWhosePartsDisagree)
{
    BitmapPicture beyondTable = picture(2, 2, 4);
    beyondTable.pixels[3] = 16;
    BitmapPicture shortPixels = picture(2, 2, 24);
    shortPixels.pixels.pop_back();
    BitmapPicture shortTable = picture(2, 2, 8);
    shortTable.colourTable.resize(16);
    BitmapPicture oddDepth = picture(2, 2, 24);
    oddDepth.bitsPerPixel = 16;
    BitmapPicture empty = picture(0, 5, 24);
    for (const BitmapPicture* p : {&beyondTable, &shortPixels, &shortTable, &oddDepth, &empty}) {
        const auto bytes = encodeBitmapFile(*p);
        ASSERT_FALSE(bytes.ok());
        EXPECT_EQ(bytes.error().kind, ErrorKind::refused);
    }
}

class BitmapFileWrite : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "trellon-bmp-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }
    fs::path folder;
};

TEST_F(BitmapFileWrite, aFileThatCannotBeCreatedIsReportedAndAnOldOneKept)
{
    const auto missing = writeBitmapFile((folder / "absent" / "x.bmp").string(), picture(2, 2, 24));
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().kind, ErrorKind::cannotOpen);
    EXPECT_EQ(missing.error().detail.rfind(bitmapCannotOpenDetail, 0), 0u);

    const fs::path old = folder / "old.bmp";
    std::ofstream(old) << "previous";
    BitmapPicture refused = picture(2, 2, 8);
    refused.colourTable.clear();
    EXPECT_FALSE(writeBitmapFile(old.string(), refused).ok());
    std::ifstream in(old);
    std::string kept;
    in >> kept;
    EXPECT_EQ(kept, "previous");
}

} // namespace
} // namespace trellon
