// .gj reader and writer.
//
// Layout "VER1.2" (little-endian int32 throughout):
//   0   10  tag "VER1.2" and four NULs ("VER1.1" the same; the unversioned form has no tag)
//   10  4   member count n
//   14  ... n blocks: name[50] number[4] knownDiameter designCover upperDeviation lowerDeviation
//           sampleCount maxCover minCover dataOffset barDiameter designDiameter xBarCount yBarCount
//           checked samples[sampleCount]
// "VER1.1" blocks lack `checked`; unversioned blocks lack `name` and `checked`.
// In any version an extension block may follow the last member (projectextensionblock.h); other trailing bytes
// are ignored.
#include "projectfile.h"

#include "atomicfile.h"
#include "bytes.h"
#include "gbk.h"
#include "projectextensionblock.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace trellon {
namespace {

constexpr char ver12Tag[] = "VER1.2";
constexpr char ver11Tag[] = "VER1.1";
constexpr std::size_t integerFields = 12; // knownDiameter .. yBarCount

struct Layout {
    bool hasName;
    bool hasChecked;
    std::size_t fixedBlockSize() const
    {
        return (hasName ? nameFieldSize : 0) + numberFieldSize + 4 * integerFields + (hasChecked ? 4 : 0);
    }
};

Layout layoutOf(ProjectFileFormat format)
{
    switch (format) {
    case ProjectFileFormat::ver12:
        return {true, true};
    case ProjectFileFormat::ver11:
        return {true, false};
    case ProjectFileFormat::unversioned:
        break;
    }
    return {false, false};
}

// The tag is compared up to its NUL, with its tenth byte forced to NUL.
ProjectFileFormat detectFormat(std::span<const std::uint8_t> bytes)
{
    char tag[versionTagSize] = {};
    std::copy_n(bytes.begin(), std::min(bytes.size(), versionTagSize), tag);
    tag[versionTagSize - 1] = '\0';
    if (std::strcmp(tag, ver12Tag) == 0)
        return ProjectFileFormat::ver12;
    if (std::strcmp(tag, ver11Tag) == 0)
        return ProjectFileFormat::ver11;
    return ProjectFileFormat::unversioned;
}

std::string textUpToNul(std::span<const std::uint8_t> field)
{
    const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
    return std::string(field.begin(), end);
}

class BlockReader {
public:
    explicit BlockReader(std::span<const std::uint8_t> bytes, std::size_t at) : bytes_(bytes), at_(at) {}

    std::size_t offset() const { return at_; }
    std::size_t remaining() const { return bytes_.size() - at_; }

    bool has(std::size_t count) const { return count <= remaining(); }
    std::span<const std::uint8_t> take(std::size_t count)
    {
        auto field = bytes_.subspan(at_, count);
        at_ += count;
        return field;
    }
    std::int32_t takeInt32()
    {
        const std::int32_t value = readInt32Le(bytes_, at_);
        at_ += 4;
        return value;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_;
};

Error truncatedAt(std::size_t offset, const std::string& what)
{
    return Error{ErrorKind::truncated, "the file ends inside " + what, offset};
}

Status readMember(BlockReader& in, const Layout& layout, std::int32_t index, MemberRecord& member)
{
    const std::string which = "member " + std::to_string(index + 1);
    if (!in.has(layout.fixedBlockSize()))
        return truncatedAt(in.offset(), which);
    if (layout.hasName) {
        // A field without a NUL gives its first 49 bytes.
        member.name = textUpToNul(in.take(nameFieldSize).first(nameFieldSize - 1));
    }
    member.number = textUpToNul(in.take(numberFieldSize));
    member.knownDiameter = in.takeInt32();
    member.designCover = in.takeInt32();
    member.upperDeviation = in.takeInt32();
    member.lowerDeviation = in.takeInt32();
    const std::size_t sampleCountOffset = in.offset();
    const std::int32_t sampleCount = in.takeInt32();
    member.maxCover = in.takeInt32();
    member.minCover = in.takeInt32();
    member.dataOffset = in.takeInt32();
    member.barDiameter = in.takeInt32();
    member.designDiameter = in.takeInt32();
    member.xBarCount = in.takeInt32();
    member.yBarCount = in.takeInt32();
    if (layout.hasChecked)
        member.checked = in.takeInt32();

    if (sampleCount < 0)
        return Error{ErrorKind::refused, which + " has a negative reading count " + std::to_string(sampleCount),
                     sampleCountOffset};
    if (static_cast<std::uint64_t>(sampleCount) * 4 > in.remaining())
        return Error{ErrorKind::truncated,
                     which + " claims " + std::to_string(sampleCount) + " readings, more than the file holds",
                     sampleCountOffset};
    std::vector<std::int32_t> samples(static_cast<std::size_t>(sampleCount));
    const auto raw = in.take(4 * samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = readInt32Le(raw, 4 * i);
    member.replaceSamples(std::move(samples));
    return success();
}

// Fills a buffer sized and zeroed beforehand, so the bytes after a text's NUL stay zero.
class BlockWriter {
public:
    explicit BlockWriter(std::span<std::uint8_t> bytes) : bytes_(bytes) {}

    // `text` is at most fieldSize bytes.
    void putText(std::string_view text, std::size_t fieldSize)
    {
        std::copy(text.begin(), text.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(at_));
        at_ += fieldSize;
    }
    void putInt32(std::int32_t value)
    {
        storeInt32Le(bytes_, at_, value);
        at_ += 4;
    }
    void putInt32s(std::span<const std::int32_t> values)
    {
        const std::size_t start = at_;
        for (std::size_t i = 0; i < values.size(); ++i)
            storeInt32Le(bytes_, start + 4 * i, values[i]);
        at_ = start + 4 * values.size();
    }

private:
    std::span<std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

} // namespace

std::string_view formatName(ProjectFileFormat format)
{
    switch (format) {
    case ProjectFileFormat::ver12:
        return ver12Tag;
    case ProjectFileFormat::ver11:
        return ver11Tag;
    case ProjectFileFormat::unversioned:
        break;
    }
    return "unversioned";
}

Result<LoadedProject> parseProjectFile(std::span<const std::uint8_t> bytes)
{
    const ProjectFileFormat format = detectFormat(bytes);
    const Layout layout = layoutOf(format);
    BlockReader in(bytes, format == ProjectFileFormat::unversioned ? 0 : versionTagSize);
    if (format != ProjectFileFormat::unversioned && bytes.size() < versionTagSize)
        return truncatedAt(bytes.size(), "the version tag");
    if (!in.has(4))
        return truncatedAt(in.offset(), "the member count");

    const std::size_t countOffset = in.offset();
    const std::int32_t count = in.takeInt32();
    if (count < 0)
        return Error{ErrorKind::refused, "negative member count " + std::to_string(count), countOffset};
    if (static_cast<std::uint64_t>(count) * layout.fixedBlockSize() > in.remaining())
        return Error{ErrorKind::truncated,
                     "the file claims " + std::to_string(count) + " members, more than it can hold", countOffset};

    LoadedProject loaded{format, allocateMembers(count), std::nullopt};
    for (std::int32_t i = 0; i < count; ++i) {
        if (auto status = readMember(in, layout, i, loaded.project->members[static_cast<std::size_t>(i)]); !status)
            return status.error();
    }
    auto block = readExtensionBlock(bytes.subspan(in.offset()), loaded.project->members.size(), in.offset());
    loaded.project->extension = std::move(block.extension);
    loaded.extensionWarning = std::move(block.warning);
    return loaded;
}

Result<LoadedProject> readProjectFile(const std::string& path)
{
    auto bytes = readWholeFile(path);
    if (!bytes)
        return bytes.error();
    try {
        auto parsed = parseProjectFile(bytes.value());
        if (!parsed) {
            Error error = parsed.error();
            error.detail = path + ": " + error.detail;
            return error;
        }
        if (auto& warning = parsed.value().extensionWarning)
            *warning = path + ": " + *warning;
        return parsed;
    } catch (const std::bad_alloc&) {
        return Error{ErrorKind::refused, "not enough memory to read " + path, std::nullopt};
    }
}

std::vector<std::uint8_t> encodeProjectFile(const Project& project)
{
    std::size_t size = versionTagSize + 4;
    for (const auto& member : project.members)
        size += nameFieldSize + numberFieldSize + 4 * (integerFields + 1) + 4 * member.samples.size();
    std::vector<std::uint8_t> out(size);

    BlockWriter block(out);
    block.putText(ver12Tag, versionTagSize);
    block.putInt32(project.memberCount());
    for (const auto& member : project.members) {
        const std::string_view name = member.name;
        block.putText(name.substr(0, gbkPrefixLength(name, nameFieldSize - 1)), nameFieldSize);
        block.putText(std::string_view(member.number).substr(0, numberFieldSize), numberFieldSize);
        for (const std::int32_t value :
             {member.knownDiameter, member.designCover, member.upperDeviation, member.lowerDeviation,
              static_cast<std::int32_t>(member.samples.size()), member.maxCover, member.minCover, member.dataOffset,
              member.barDiameter, member.designDiameter, member.xBarCount, member.yBarCount, member.checked})
            block.putInt32(value);
        block.putInt32s(member.samples);
    }
    const auto extension = encodeExtensionBlock(project.extension, project.members.size());
    out.insert(out.end(), extension.begin(), extension.end());
    return out;
}

Result<SaveOutcome> writeProjectFile(const std::string& path, const Project& project)
{
    if (project.members.empty())
        return SaveOutcome::nothingToWrite;
    if (auto status = writeFileAtomically(path, encodeProjectFile(project), "cannot create the project file"); !status)
        return status.error();
    return SaveOutcome::written;
}

} // namespace trellon
