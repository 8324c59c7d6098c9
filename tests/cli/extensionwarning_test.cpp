// A project whose extension block is damaged opens with its measurements and a warning, exit status 0.
#include "clirunner.h"

#include "model/projectfile.h"

#include <gtest/gtest.h>

namespace trellon::testing {
namespace {

const std::string sample = TRELLON_SOURCE_DIR "/data/samples/site-survey.gj";

TEST(CliExtensionWarning, aDamagedBlockIsToldAndTheCommandGoesOn)
{
    ScratchFolder folder;
    auto loaded = readProjectFile(sample);
    ASSERT_TRUE(loaded.ok());
    Project project = *loaded.value().project;
    project.extension.pointsPerBar = 3;
    std::vector<std::uint8_t> bytes = encodeProjectFile(project);
    bytes[bytes.size() - 1] ^= 0xFF; // the block's CRC
    writeFile(folder / "damaged.gj", std::string(bytes.begin(), bytes.end()));

    const CliRun run = runCli({"txt", (folder / "damaged.gj").string(), "-o", (folder / "out.txt").string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("trellon-cli: warning: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("damaged.gj"), std::string::npos);
    EXPECT_EQ(fileContent(folder / "out.txt"),
              (runCli({"txt", sample, "-o", (folder / "plain.txt").string()}), fileContent(folder / "plain.txt")))
        << "the measurements are read as without the block";
}

} // namespace
} // namespace trellon::testing
