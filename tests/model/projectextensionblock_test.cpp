// The extension block of a .gj file: where it sits, what survives a save, and what a damaged block does.
#include "model/atomicfile.h"
#include "model/bytes.h"
#include "model/crc32.h"
#include "model/projectextensionblock.h"
#include "model/projectfile.h"
#include "projectfixtures.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace trellon {
namespace {

using namespace trellon::testing;
namespace fs = std::filesystem;

constexpr std::size_t onePointMemberFileSize = 132; // tag, count and one member with three readings

Project twoMembers()
{
    return projectOf({member("1001", {30, 25, 35}, "A"), member("3001", {170, 2, 30}, "B")});
}

Project withEveryExtensionField(Project project)
{
    project.extension.pointsPerBar = 3;
    project.extension.members = {{MemberType::cantileverSlab, true}, {std::nullopt, true}};
    project.extension.population = {{MemberType::beam, 12}, {MemberType::cantileverBeam, 0}};
    project.extension.unknownKeys = R"({"later" : [1, 2.50]})";
    return project;
}

std::vector<std::uint8_t> concat(std::vector<std::uint8_t> head, std::string_view tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

// A block framed by hand around any payload, with its CRC right.
std::vector<std::uint8_t> blockAround(std::string_view payload)
{
    std::vector<std::uint8_t> block = concat({}, std::string_view("TRELLON\0", 8));
    appendInt32Le(block, static_cast<std::int32_t>(payload.size()));
    block = concat(std::move(block), payload);
    appendInt32Le(block, static_cast<std::int32_t>(
                             crc32(std::span(reinterpret_cast<const std::uint8_t*>(payload.data()), payload.size()))));
    return block;
}

std::vector<std::uint8_t> join(std::vector<std::uint8_t> head, const std::vector<std::uint8_t>& tail)
{
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

LoadedProject parsed(const std::vector<std::uint8_t>& bytes)
{
    auto read = parseProjectFile(bytes);
    EXPECT_TRUE(read) << (read ? "" : read.error().describe());
    return read ? std::move(read).value() : LoadedProject{ProjectFileFormat::ver12, nullptr, std::nullopt};
}

TEST(ExtensionBlock, followsTheLastMemberWithMagicLengthPayloadAndCrc)
{
    const Project project = withEveryExtensionField(projectOf({member("1001", {30, 25, 35}, "A")}));
    const auto bytes = encodeProjectFile(project);
    Project plain = project;
    plain.extension = {};
    ASSERT_GT(bytes.size(), onePointMemberFileSize + 16);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + onePointMemberFileSize),
              encodeProjectFile(plain))
        << "the members are stored exactly as without the block";
    EXPECT_EQ(std::string(bytes.begin() + onePointMemberFileSize, bytes.begin() + onePointMemberFileSize + 8),
              std::string("TRELLON\0", 8));

    const auto length = static_cast<std::uint32_t>(readInt32Le(bytes, onePointMemberFileSize + 8));
    ASSERT_EQ(onePointMemberFileSize + 12 + length + 4, bytes.size());
    const std::span<const std::uint8_t> payload(bytes.data() + onePointMemberFileSize + 12, length);
    EXPECT_EQ(static_cast<std::uint32_t>(readInt32Le(bytes, bytes.size() - 4)), crc32(payload));
    const std::string text(payload.begin(), payload.end());
    EXPECT_EQ(
        text.rfind(R"({"version":1,"pointsPerBar":3,"members":[{"type":"cantileverSlab","secondSample":true}])", 0), 0u)
        << text;
}

TEST(ExtensionBlock, saveAndOpenKeepEveryField)
{
    const fs::path folder = fs::temp_directory_path() / ("trellon-ext-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const std::string path = (folder / "site.gj").string();
    const Project project = withEveryExtensionField(twoMembers());
    ASSERT_TRUE(writeProjectFile(path, project));
    auto read = readProjectFile(path);
    fs::remove_all(folder);
    ASSERT_TRUE(read) << read.error().describe();
    EXPECT_EQ(read.value().format, ProjectFileFormat::ver12);
    EXPECT_EQ(*read.value().project, project);
    EXPECT_FALSE(read.value().extensionWarning);
}

TEST(ExtensionBlock, unknownKeysSurviveARoundTripByteForByte)
{
    const std::string payload = R"({"pointsPerBar":2,"lots" : [{"id": 1, "w": 2.50}],"note":"\u6881"})";
    const auto first = join(encodeProjectFile(twoMembers()), blockAround(payload));
    const LoadedProject read = parsed(first);
    const auto saved = encodeProjectFile(*read.project);
    const std::string savedText(saved.begin(), saved.end());
    EXPECT_NE(savedText.find(R"(,"lots" : [{"id": 1, "w": 2.50}],"note":"\u6881"})"), std::string::npos);
    EXPECT_EQ(encodeProjectFile(*parsed(saved).project), saved);
}

TEST(ExtensionBlock, projectWithoutExtensionDataIsSavedAsBefore)
{
    const std::string sample = TRELLON_SOURCE_DIR "/data/samples/site-survey.gj";
    const auto golden = readWholeFile(sample);
    ASSERT_TRUE(golden);
    const LoadedProject read = parsed(golden.value());
    EXPECT_EQ(read.project->extension, ProjectExtension{});
    EXPECT_EQ(encodeProjectFile(*read.project), golden.value());

    Project defaults = twoMembers();
    defaults.extension.members = std::vector<MemberExtras>(2);
    defaults.extension.unknownKeys = "{}";
    EXPECT_EQ(encodeProjectFile(defaults), encodeProjectFile(twoMembers()));
    EXPECT_EQ(encodeProjectFile(projectOf({member("1001", {30, 25, 35}, "A")})).size(), onePointMemberFileSize);
}

TEST(ExtensionBlock, theConclusionBasisAloneMakesABlockAndTheRateBasisNone)
{
    Project project = twoMembers();
    const auto plain = encodeProjectFile(project);
    project.extension.conclusionBasis = ConclusionBasis::appendixE;
    const auto withBasis = encodeProjectFile(project);
    EXPECT_EQ(
        std::vector<std::uint8_t>(withBasis.begin(), withBasis.begin() + static_cast<std::ptrdiff_t>(plain.size())),
        plain);
    EXPECT_EQ(parsed(withBasis).project->extension.conclusionBasis, ConclusionBasis::appendixE);
    project.extension.conclusionBasis = ConclusionBasis::rate;
    EXPECT_EQ(encodeProjectFile(project), plain);

    auto damaged = parseProjectFile(join(plain, blockAround(R"({"conclusionBasis":"appendix"})")));
    ASSERT_TRUE(damaged);
    EXPECT_EQ(damaged.value().project->extension.conclusionBasis, ConclusionBasis::rate);
    ASSERT_TRUE(damaged.value().extensionWarning);
    EXPECT_NE(damaged.value().extensionWarning->find("conclusion basis"), std::string::npos);
}

TEST(ExtensionBlock, olderVersionsReadTheBlockThatFollowsTheirLastMember)
{
    // An unversioned file of one member numbered 1001 without readings, then a block.
    std::vector<std::uint8_t> unversioned;
    appendInt32Le(unversioned, 1);
    unversioned = concat(std::move(unversioned), "1001");
    for (int i = 0; i < 12; ++i)
        appendInt32Le(unversioned, 0);
    const LoadedProject old = parsed(join(unversioned, blockAround(R"({"members":[{"type":"slab"}]})")));
    EXPECT_EQ(old.format, ProjectFileFormat::unversioned);
    EXPECT_EQ(old.project->members[0].number, "1001");
    EXPECT_EQ(old.project->extension.members, (std::vector<MemberExtras>{{MemberType::slab, false}}));

    std::vector<std::uint8_t> ver11 = concat({}, std::string_view("VER1.1\0\0\0\0", 10));
    appendInt32Le(ver11, 0);
    const LoadedProject empty = parsed(join(ver11, blockAround(R"({"pointsPerBar":4})")));
    EXPECT_EQ(empty.format, ProjectFileFormat::ver11);
    EXPECT_EQ(empty.project->extension.pointsPerBar, 4);
}

struct DamagedCase {
    const char* what;
    std::vector<std::uint8_t> block;
};

std::vector<DamagedCase> damagedBlocks()
{
    const auto good = encodeExtensionBlock(withEveryExtensionField(twoMembers()).extension, 2);
    auto patched = [&](std::size_t at, std::uint8_t value) {
        auto block = good;
        block[at] = value;
        return block;
    };
    auto withLength = [&](std::int32_t length) {
        auto block = good;
        storeInt32Le(block, 8, length);
        return block;
    };
    return {
        {"cut inside the length", std::vector<std::uint8_t>(good.begin(), good.begin() + 10)},
        {"cut inside the CRC", std::vector<std::uint8_t>(good.begin(), good.end() - 1)},
        {"length beyond the file", withLength(static_cast<std::int32_t>(good.size()))},
        {"length of 4 GiB - 1", withLength(-1)},
        {"CRC one bit off", patched(good.size() - 1, good.back() ^ 0x01)},
        {"payload byte changed", patched(20, 'X')},
        {"JSON syntax", blockAround(R"({"pointsPerBar":2,)")},
        {"empty payload", blockAround("")},
        {"payload not an object", blockAround("[1,2]")},
        {"points per bar 6", blockAround(R"({"pointsPerBar":6})")},
        {"points per bar as text", blockAround(R"({"pointsPerBar":"2"})")},
        {"negative population", blockAround(R"({"population":{"slab":-3}})")},
        {"second sample as a number", blockAround(R"({"members":[{"secondSample":1}]})")},
        {"invalid UTF-8", blockAround("{\"note\":\"\xC0\xAF\"}")},
    };
}

TEST(ExtensionBlock, damagedBlockLeavesTheMembersReadAndSaysSo)
{
    const Project project = twoMembers();
    const auto plain = encodeProjectFile(project);
    for (const auto& c : damagedBlocks()) {
        auto read = parseProjectFile(join(plain, c.block));
        ASSERT_TRUE(read) << c.what << ": " << read.error().describe();
        EXPECT_EQ(*read.value().project, project) << c.what;
        ASSERT_TRUE(read.value().extensionWarning) << c.what;
        EXPECT_NE(read.value().extensionWarning->find("offset " + std::to_string(plain.size())), std::string::npos)
            << c.what << ": " << *read.value().extensionWarning;
    }
}

TEST(ExtensionBlock, warningOfAFileNamesTheFile)
{
    const fs::path folder = fs::temp_directory_path() / ("trellon-ext-warning-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const std::string path = (folder / "bad.gj").string();
    ASSERT_TRUE(writeFileAtomically(path, join(encodeProjectFile(twoMembers()), blockAround("{")), "x"));
    auto read = readProjectFile(path);
    fs::remove_all(folder);
    ASSERT_TRUE(read) << read.error().describe();
    ASSERT_TRUE(read.value().extensionWarning);
    EXPECT_EQ(read.value().extensionWarning->rfind(path + ": ", 0), 0u) << *read.value().extensionWarning;
}

TEST(ExtensionBlock, trailingBytesWithoutTheMagicAreIgnoredAsBefore)
{
    const Project project = twoMembers();
    const auto plain = encodeProjectFile(project);
    for (const std::string_view tail :
         {std::string_view("garbage after the last member"), std::string_view("TRELLO"), std::string_view("TRELLON"),
          std::string_view("trellon\0\4\0\0\0{}  ", 15), std::string_view("\0\0\0\0\0\0\0\0\0\0\0\0", 12)}) {
        const LoadedProject read = parsed(concat(plain, tail));
        EXPECT_EQ(*read.project, project) << tail;
        EXPECT_FALSE(read.extensionWarning) << tail;
    }

    const Project extended = withEveryExtensionField(project);
    const LoadedProject after = parsed(concat(encodeProjectFile(extended), "more bytes after the block"));
    EXPECT_EQ(*after.project, extended);
    EXPECT_FALSE(after.extensionWarning);
}

} // namespace
} // namespace trellon
