// trellon-cli bmp: the diagram bitmap of a grid member read back pixel by pixel, and the inputs it refuses.
#include "clirunner.h"

#include "model/projectfile.h"

#include "model/projectfixtures.h"
#include "support/bitmapreader.h"

#include <gtest/gtest.h>

namespace trellon {
namespace {

using testing::member;

using namespace trellon::testing;

// A single-point member, then the grid example: an X bar at 100 mm and a Y bar at 150 mm, scale code 1.
std::string writeProject(const ScratchFolder& folder)
{
    Project project;
    project.members = {member("1001", {25, 26}), member("3001", {170, 1, 20, 0, 100, 187, 187, 187, 25, 0, 150})};
    const std::string path = (folder / "grid.gj").string();
    EXPECT_TRUE(writeProjectFile(path, project).ok());
    return path;
}

BitmapReader readBitmap(const std::filesystem::path& path)
{
    const std::string bytes = fileContent(path);
    auto reader = BitmapReader::parse(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    EXPECT_TRUE(reader.has_value());
    return reader.value_or(BitmapReader{});
}

TEST(CliBmp, gridExampleAtTheDefaultSize)
{
    ScratchFolder folder;
    const std::string project = writeProject(folder);
    const auto out = folder / "grid.bmp";
    const CliRun run = runCli({"bmp", project, "--member", "1", "-o", out.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty()) << run.err;
    EXPECT_EQ(std::filesystem::file_size(out), 54u + 400u * 600u * 3u);
    const BitmapReader bmp = readBitmap(out);
    ASSERT_EQ(bmp.width, 600);
    ASSERT_EQ(bmp.height, 400);
    ASSERT_EQ(bmp.bits, 24);
    // 530 pixels stand for 500 mm: X 100 mm at column 156, Y 150 mm at row 170 (300 pixels for 500 mm).
    constexpr int clearRow = 125;
    EXPECT_TRUE(bmp.isWhite(153, clearRow));
    for (int x = 154; x <= 157; ++x)
        EXPECT_TRUE(bmp.isBlack(x, clearRow)) << x;
    EXPECT_TRUE(bmp.isWhite(158, clearRow));
    constexpr int clearColumn = 130;
    EXPECT_TRUE(bmp.isWhite(clearColumn, 167));
    for (int y = 168; y <= 171; ++y)
        EXPECT_TRUE(bmp.isBlack(clearColumn, y)) << y;
    EXPECT_TRUE(bmp.isWhite(clearColumn, 172));
}

TEST(CliBmp, badInputExits1WithOneLineAndWritesNothing)
{
    ScratchFolder folder;
    const std::string project = writeProject(folder);
    writeFile(folder / "broken.gj", "VER1.2");
    const auto out = folder / "out.bmp";
    writeFile(out, "previous");
    const std::vector<std::vector<std::string>> cases{
        {"bmp", (folder / "absent.gj").string(), "--member", "1"},
        {"bmp", (folder / "broken.gj").string(), "--member", "0"},
        {"bmp", project, "--member", "2"},
        {"bmp", project, "--member", "-1"},
        {"bmp", project, "--member", "one"},
        {"bmp", project, "--member", "0"},
        {"bmp", project, "--member", "1", "--size", "600"},
        {"bmp", project, "--member", "1", "--size", "0x0"},
        {"bmp", project, "--member", "1", "--size", "600x400x2"},
        {"bmp", project, "--member", "1", "--size", "20000x400"},
    };
    for (auto args : cases) {
        args.insert(args.end(), {"-o", out.string()});
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, 1) << args[3] << ' ' << args.back();
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_EQ(fileContent(out), "previous");
    }
    const CliRun single = runCli({"bmp", project, "--member", "0", "-o", out.string()});
    EXPECT_NE(single.err.find("neither a section nor a grid member"), std::string::npos) << single.err;
    EXPECT_EQ(folder.entries(), 3u) << "no temporary file may be left";
}

} // namespace
} // namespace trellon
