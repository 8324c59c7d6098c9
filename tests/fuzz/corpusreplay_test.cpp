// Replays every committed fuzz corpus input through its fuzz target: each is read or refused cleanly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int gjreaderFuzzInput(const std::uint8_t* data, std::size_t size);
extern "C" int extensionpayloadFuzzInput(const std::uint8_t* data, std::size_t size);
extern "C" int framedecoderFuzzInput(const std::uint8_t* data, std::size_t size);
extern "C" int templatexmlFuzzInput(const std::uint8_t* data, std::size_t size);

namespace {

using FuzzEntry = int (*)(const std::uint8_t*, std::size_t);

std::filesystem::path corpusFolder(const std::string& target)
{
    return std::filesystem::path(TRELLON_SOURCE_DIR) / "fuzz" / "corpus" / target;
}

std::vector<std::filesystem::path> corpusFiles(const std::string& target)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(corpusFolder(target)))
        if (entry.is_regular_file())
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::uint8_t> contentOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A target aborts on a broken invariant and a sanitizer build stops at the first fault, so each input runs in a
// child process of its own and the failure names the file.
void replayCorpus(const std::string& target, FuzzEntry entry)
{
    const auto files = corpusFiles(target);
    ASSERT_FALSE(files.empty()) << "no corpus inputs in " << corpusFolder(target);
    for (const auto& file : files) {
        const std::vector<std::uint8_t> bytes = contentOf(file);
        EXPECT_EXIT(std::exit(entry(bytes.data(), bytes.size())), ::testing::ExitedWithCode(0), "")
            << target << " input " << file.filename().string();
    }
}

TEST(FuzzCorpus, everyProjectFileInputIsReadOrRefusedCleanly)
{
    replayCorpus("gjreader", gjreaderFuzzInput);
}

TEST(FuzzCorpus, everyExtensionPayloadIsReadOrRefusedCleanly)
{
    replayCorpus("extensionpayload", extensionpayloadFuzzInput);
}

TEST(FuzzCorpus, everyTransferStreamIsDecodedOrRefusedCleanly)
{
    replayCorpus("framedecoder", framedecoderFuzzInput);
}

TEST(FuzzCorpus, everyTemplateTextIsFilledOrRefusedCleanly)
{
    replayCorpus("templatexml", templatexmlFuzzInput);
}

} // namespace
