// trellon-cli bmp: the on-screen diagram of a section or grid member as a 24-bit bitmap file.
#include "clicommand.h"
#include "paintingapplication.h"

#include "model/testmode.h"
#include "views/diagrambitmap.h"

#include <QSize>

#include <charconv>

namespace trellon::cli {

namespace {

constexpr QSize defaultSize(600, 400);
constexpr QSize smallestSize(100, 120);
constexpr int largestSide = 10000;
constexpr int fileDepth = 24;

std::optional<int> wholeNumber(std::string_view text)
{
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return number;
}

// "WxH" within the sizes a diagram can be drawn at.
std::optional<QSize> diagramSize(const std::string& text)
{
    const auto cross = text.find('x');
    if (cross == std::string::npos)
        return std::nullopt;
    const auto width = wholeNumber(std::string_view(text).substr(0, cross));
    const auto height = wholeNumber(std::string_view(text).substr(cross + 1));
    if (!width || !height || *width < smallestSize.width() || *height < smallestSize.height() || *width > largestSide ||
        *height > largestSide)
        return std::nullopt;
    return QSize(*width, *height);
}

} // namespace

int runBmpCommand(const std::vector<std::string>& args)
{
    const Arguments arguments(args, {"--member", "-o", "--size"});
    const std::string& projectPath = arguments.onePositional("project file");
    const std::string& outputPath = arguments.requireValue("-o");
    const std::string& memberText = arguments.requireValue("--member");

    const auto index = wholeNumber(memberText);
    if (!index || *index < 0)
        return fail("--member needs a member's array index (0, 1, ...), not \"" + memberText + "\"");
    QSize size = defaultSize;
    if (const auto sizeText = arguments.value("--size")) {
        const auto parsed = diagramSize(*sizeText);
        if (!parsed)
            return fail("--size needs WIDTHxHEIGHT in pixels, from 100x120 to 10000x10000, not \"" + *sizeText + "\"");
        size = *parsed;
    }

    auto loaded = openProjectWarning(projectPath);
    if (!loaded)
        return fail(loaded.error());
    const Project& project = *loaded.value().project;
    if (*index >= project.memberCount())
        return fail("member index " + std::to_string(*index) + " is out of range: " + projectPath + " holds " +
                    std::to_string(project.memberCount()) + " members");
    const MemberRecord& member = project.members[static_cast<std::size_t>(*index)];
    DiagramKind kind = DiagramKind::section;
    if (belongsToTestMode(member, TestMode::grid))
        kind = DiagramKind::grid;
    else if (!belongsToTestMode(member, TestMode::section))
        return fail("member " + std::to_string(*index) + " is neither a section nor a grid member");

    paintingApplication();
    const QImage picture = renderDiagramPicture(kind, size, &member);
    if (auto written = writeBitmapFile(outputPath, bitmapPictureOf(picture, fileDepth)); !written)
        return fail(written.error());
    return exitSuccess;
}

} // namespace trellon::cli
