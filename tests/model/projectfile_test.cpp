// .gj reading and writing: exact layout, the three versions, refused input and atomic saves.
#include "model/atomicfile.h"
#include "model/bytes.h"
#include "model/projectfile.h"
#include "projectfixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace trellon {
namespace {

using namespace trellon::testing;
namespace fs = std::filesystem;

class TemporaryFolder {
public:
    TemporaryFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "trellon-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TemporaryFolder() { fs::remove_all(path_); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

std::vector<std::uint8_t> contentOf(const std::string& path)
{
    auto bytes = readWholeFile(path);
    EXPECT_TRUE(bytes.ok()) << path;
    return bytes ? bytes.value() : std::vector<std::uint8_t>{};
}

// Writes the older layouts, which the program only reads.
std::vector<std::uint8_t> encodeOlderVersion(const Project& project, ProjectFileFormat format)
{
    std::vector<std::uint8_t> out;
    if (format == ProjectFileFormat::ver11) {
        const std::string tag("VER1.1\0\0\0\0", 10);
        out.assign(tag.begin(), tag.end());
    }
    appendInt32Le(out, project.memberCount());
    for (const auto& m : project.members) {
        if (format == ProjectFileFormat::ver11) {
            std::string name = m.name;
            name.resize(50, '\0');
            out.insert(out.end(), name.begin(), name.end());
        }
        std::string number = m.number.substr(0, 4);
        number.resize(4, '\0');
        out.insert(out.end(), number.begin(), number.end());
        for (std::int32_t v :
             {m.knownDiameter, m.designCover, m.upperDeviation, m.lowerDeviation, m.sampleCount, m.maxCover, m.minCover,
              m.dataOffset, m.barDiameter, m.designDiameter, m.xBarCount, m.yBarCount})
            appendInt32Le(out, v);
        for (std::int32_t v : m.samples)
            appendInt32Le(out, v);
    }
    return out;
}

TEST(ProjectFileLayout, oneSinglePointMemberIsLaidOutByteForByte)
{
    const auto bytes = encodeProjectFile(projectOf({member("1001", {30, 25, 35}, "A")}));
    ASSERT_EQ(bytes.size(), 132u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 14),
              bytesOf({0x56, 0x45, 0x52, 0x31, 0x2E, 0x32, 0, 0, 0, 0, 1, 0, 0, 0}));
    EXPECT_EQ(bytes[14], 0x41);
    for (std::size_t i = 15; i < 64; ++i)
        EXPECT_EQ(bytes[i], 0) << "name byte " << i - 14;
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 64, bytes.begin() + 68), bytesOf({0x31, 0x30, 0x30, 0x31}));
    EXPECT_EQ(readInt32Le(bytes, 14 + 70), 3); // sampleCount
    EXPECT_EQ(readInt32Le(bytes, 14 + 106), 30);
    EXPECT_EQ(readInt32Le(bytes, 14 + 114), 35);
}

TEST(ProjectFileLayout, diametersComeBeforeBarCountsAndCheckedLast)
{
    const auto bytes = encodeProjectFile(projectOf({fullyFilledMember("3001", "G")}));
    const std::size_t block = 14;
    EXPECT_EQ(readInt32Le(bytes, block + 82), 1234); // dataOffset
    EXPECT_EQ(readInt32Le(bytes, block + 86), 16);   // barDiameter
    EXPECT_EQ(readInt32Le(bytes, block + 90), 18);   // designDiameter
    EXPECT_EQ(readInt32Le(bytes, block + 94), 1);    // xBarCount
    EXPECT_EQ(readInt32Le(bytes, block + 98), 1);    // yBarCount
    EXPECT_EQ(readInt32Le(bytes, block + 102), 1);   // checked
    EXPECT_EQ(readInt32Le(bytes, block + 66), -7);   // lowerDeviation
}

TEST(ProjectFileLayout, longNameIsCutAtACharacterBoundaryAndPaddedWithZeros)
{
    // 24 two-byte characters and one ASCII letter: 49 bytes fit, a 25th character would split.
    std::string name = "x";
    for (int i = 0; i < 30; ++i)
        name += "\xB9\xA4"; // 工
    const auto bytes = encodeProjectFile(projectOf({member("1001", {}, name)}));
    const std::string stored(bytes.begin() + 14, bytes.begin() + 64);
    EXPECT_EQ(stored.substr(0, 49), name.substr(0, 49));
    EXPECT_EQ(stored[49], '\0');

    std::string even;
    for (int i = 0; i < 30; ++i)
        even += "\xB9\xA4";
    const auto cut = encodeProjectFile(projectOf({member("1001", {}, even)}));
    EXPECT_EQ(std::string(cut.begin() + 14, cut.begin() + 62), even.substr(0, 48));
    EXPECT_EQ(cut[62], 0) << "half a character must not be written";
}

TEST(ProjectFileRoundTrip, ver12KeepsEveryStoredField)
{
    Project original =
        projectOf({fullyFilledMember("3001", "\xC1\xBA A"), member("1002", {30, 25, 35}, "B"), member("512", {}, "")});
    auto read = parseProjectFile(encodeProjectFile(original));
    ASSERT_TRUE(read) << read.error().describe();
    EXPECT_EQ(read.value().format, ProjectFileFormat::ver12);
    EXPECT_EQ(*read.value().project, original);
    EXPECT_EQ(encodeProjectFile(*read.value().project), encodeProjectFile(original));
}

TEST(ProjectFileRoundTrip, ver11HasNamesButNoCheckedFlag)
{
    Project original = projectOf({fullyFilledMember("4001", "S1")});
    auto read = parseProjectFile(encodeOlderVersion(original, ProjectFileFormat::ver11));
    ASSERT_TRUE(read) << read.error().describe();
    EXPECT_EQ(read.value().format, ProjectFileFormat::ver11);
    original.members[0].checked = 0;
    EXPECT_EQ(*read.value().project, original);
}

TEST(ProjectFileRoundTrip, unversionedHasNeitherNamesNorCheckedFlag)
{
    Project original = projectOf({fullyFilledMember("1001", "A"), member("2001", {30, 12, 31, 12}, "B")});
    auto read = parseProjectFile(encodeOlderVersion(original, ProjectFileFormat::unversioned));
    ASSERT_TRUE(read) << read.error().describe();
    EXPECT_EQ(read.value().format, ProjectFileFormat::unversioned);
    for (auto& m : original.members) {
        m.name.clear();
        m.checked = 0;
    }
    EXPECT_EQ(*read.value().project, original);
}

TEST(ProjectFileRoundTrip, numbersKeepFourDigitsAndEndAtTheirNul)
{
    auto read = parseProjectFile(encodeProjectFile(projectOf({member("40012", {}), member("512", {})})));
    ASSERT_TRUE(read);
    EXPECT_EQ(read.value().project->members[0].number, "4001");
    EXPECT_EQ(read.value().project->members[1].number, "512");
}

TEST(ProjectFileRoundTrip, nameFieldWithoutNulGivesItsFirst49Bytes)
{
    auto bytes = encodeProjectFile(projectOf({member("1001", {}, "A")}));
    std::fill(bytes.begin() + 14, bytes.begin() + 64, std::uint8_t{'n'});
    auto read = parseProjectFile(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read.value().project->members[0].name, std::string(49, 'n'));
}

TEST(ProjectFileVersionTag, isComparedOnlyUpToItsNulWithTheTenthByteIgnored)
{
    auto bytes = encodeProjectFile(projectOf({member("1001", {7}, "A")}));
    bytes[7] = 'x';
    bytes[9] = 'y';
    auto read = parseProjectFile(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read.value().format, ProjectFileFormat::ver12);

    bytes[6] = ' '; // "VER1.2 x.." is no longer the tag: read as unversioned, whose count is absurd
    auto unversioned = parseProjectFile(bytes);
    ASSERT_FALSE(unversioned);
}

TEST(ProjectFileVersionTag, emptyProjectFileLoadsWithNoMembers)
{
    auto read = parseProjectFile(bytesOf({'V', 'E', 'R', '1', '.', '2', 0, 0, 0, 0, 0, 0, 0, 0}));
    ASSERT_TRUE(read);
    EXPECT_EQ(read.value().project->memberCount(), 0);
}

struct RefusedCase {
    const char* what;
    std::vector<std::uint8_t> bytes;
    ErrorKind kind;
};

std::vector<RefusedCase> refusedCases()
{
    const auto good = encodeProjectFile(projectOf({member("1001", {30, 25, 35}, "A"), member("1002", {1}, "B")}));
    std::vector<RefusedCase> cases;
    auto patched = [&](std::size_t at, std::int32_t value) {
        auto bytes = good;
        std::vector<std::uint8_t> v;
        appendInt32Le(v, value);
        std::copy(v.begin(), v.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
        return bytes;
    };
    cases.push_back({"negative member count", patched(10, -1), ErrorKind::refused});
    cases.push_back({"member count beyond the file", patched(10, 1'000'000'000), ErrorKind::truncated});
    cases.push_back({"member count one too many", patched(10, 3), ErrorKind::truncated});
    cases.push_back({"negative reading count", patched(14 + 70, -5), ErrorKind::refused});
    cases.push_back({"reading count beyond the file", patched(14 + 70, 0x7FFFFFFF), ErrorKind::truncated});
    cases.push_back(
        {"cut inside the tag", std::vector<std::uint8_t>(good.begin(), good.begin() + 8), ErrorKind::truncated});
    cases.push_back(
        {"cut inside the count", std::vector<std::uint8_t>(good.begin(), good.begin() + 12), ErrorKind::truncated});
    cases.push_back({"cut inside the first block", std::vector<std::uint8_t>(good.begin(), good.begin() + 60),
                     ErrorKind::truncated});
    cases.push_back(
        {"last reading cut short", std::vector<std::uint8_t>(good.begin(), good.end() - 1), ErrorKind::truncated});
    cases.push_back({"empty file", {}, ErrorKind::truncated});
    return cases;
}

TEST(ProjectFileRefusal, everyMalformedFileIsRefusedWithAReason)
{
    for (const auto& c : refusedCases()) {
        auto read = parseProjectFile(c.bytes);
        ASSERT_FALSE(read) << c.what;
        EXPECT_FALSE(read.error().detail.empty()) << c.what;
        EXPECT_EQ(read.error().kind, c.kind) << c.what << ": " << read.error().describe();
    }
}

TEST(ProjectFileRefusal, truncatedAndMissingFilesAreRefusedWithTheirKind)
{
    TemporaryFolder folder;
    const std::string path = folder.file("cut.gj");
    auto bytes = encodeProjectFile(projectOf({member("1001", {30, 25, 35}, "A")}));
    bytes.pop_back();
    ASSERT_TRUE(writeFileAtomically(path, bytes, "x"));

    auto read = readProjectFile(path);
    ASSERT_FALSE(read);
    EXPECT_EQ(read.error().kind, ErrorKind::truncated);

    auto missing = readProjectFile(folder.file("absent.gj"));
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().kind, ErrorKind::cannotOpen);
    EXPECT_NE(missing.error().detail.find("absent.gj"), std::string::npos);
}

TEST(ProjectFileSave, writesAndReadsBackThroughTheFileSystem)
{
    TemporaryFolder folder;
    const Project project = projectOf({fullyFilledMember("3001", "G"), member("1001", {30})});
    const std::string path = folder.file("site.gj");
    auto saved = writeProjectFile(path, project);
    ASSERT_TRUE(saved) << saved.error().describe();
    EXPECT_EQ(saved.value(), SaveOutcome::written);
    auto read = readProjectFile(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(*read.value().project, project);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1)
        << "no temporary file may be left behind";
}

TEST(ProjectFileSave, projectWithoutMembersCreatesNoFile)
{
    TemporaryFolder folder;
    auto saved = writeProjectFile(folder.file("empty.gj"), Project{});
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved.value(), SaveOutcome::nothingToWrite);
    EXPECT_FALSE(fs::exists(folder.file("empty.gj")));
}

TEST(ProjectFileSave, failedSaveLeavesThePreviousFileUnchanged)
{
    TemporaryFolder folder;
    const Project project = projectOf({member("1001", {30})});

    auto noFolder = writeProjectFile(folder.file("absent/site.gj"), project);
    ASSERT_FALSE(noFolder);
    EXPECT_EQ(noFolder.error().kind, ErrorKind::cannotOpen);

    // A folder standing where the file should go cannot be replaced by the rename.
    const std::string blocked = folder.file("blocked.gj");
    fs::create_directory(blocked);
    std::ofstream(blocked + "/keep") << "previous";
    auto renameFails = writeProjectFile(blocked, project);
    ASSERT_FALSE(renameFails);
    EXPECT_EQ(renameFails.error().kind, ErrorKind::cannotWrite);
    EXPECT_TRUE(fs::is_directory(blocked));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1)
        << "the temporary file must be removed";
}

TEST(ProjectFileSave, overwritesAnExistingFileWhole)
{
    TemporaryFolder folder;
    const std::string path = folder.file("site.gj");
    ASSERT_TRUE(writeProjectFile(path, projectOf({member("1001", std::vector<std::int32_t>(500, 30))})));
    const Project smaller = projectOf({member("1002", {1})});
    ASSERT_TRUE(writeProjectFile(path, smaller));
    EXPECT_EQ(contentOf(path), encodeProjectFile(smaller));
}

TEST(ProjectFileSave, keepsThePermissionsOfTheFileItReplaces)
{
    TemporaryFolder folder;
    const std::string path = folder.file("site.gj");
    const Project project = projectOf({member("1001", {30})});
    const mode_t mask = ::umask(022);
    ASSERT_TRUE(writeProjectFile(path, project));
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0644)) << "a new file is readable and writable as usual";
    fs::permissions(path, fs::perms(0600));
    ASSERT_TRUE(writeProjectFile(path, project));
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0600));
    ::umask(mask);
}

} // namespace
} // namespace trellon
