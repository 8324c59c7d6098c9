// trellon-cli pdf read back as a user sees it: page count, texts per page, header and footer, pixels of a rule
// and a dot, and the inputs it refuses.
#include "clirunner.h"

#include "model/gbk.h"
#include "model/pagecount.h"
#include "model/printsettingsfile.h"
#include "model/projectfile.h"
#include "model/testmode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace trellon {
namespace {

using namespace trellon::testing;

const std::string sampleProject = std::string(TRELLON_SOURCE_DIR) + "/data/samples/site-survey.gj";
// The PDF's printable area starts 18 pt (360 twips) in from the paper's corner; 144 dpi is 10 twips a pixel.
constexpr int marginTwips = 360;
constexpr int twipsPerPixel = 10;

Project readSample()
{
    auto loaded = readProjectFile(sampleProject);
    EXPECT_TRUE(loaded.ok());
    return std::move(*loaded.value().project);
}

int pdfPages(const std::string& pdf)
{
    const CliRun info = runProgram("/usr/bin/pdfinfo", {pdf});
    const auto at = info.out.find("Pages:");
    return at == std::string::npos ? -1 : std::atoi(info.out.c_str() + at + 6);
}

std::string pageText(const std::string& pdf, int page)
{
    const std::string number = std::to_string(page);
    return runProgram("/usr/bin/pdftotext", {"-layout", "-f", number, "-l", number, pdf, "-"}).out;
}

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The text with every run of spaces made one, as the layout of pdftotext widens gaps.
std::string singleSpaced(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c != ' ' || out.empty() || out.back() != ' ')
            out += c;
    }
    return out;
}

// One page as 8-bit grey pixels.
struct GreyPage {
    int width = 0;
    int height = 0;
    std::string pixels;
    int grey(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return 255;
        return static_cast<unsigned char>(pixels[static_cast<std::size_t>(y * width + x)]);
    }
    bool dark(int x, int y) const { return grey(x, y) < 100; }
    // A thin line through (x, y): one of the pixels just above, at or below it is clearly darkened.
    bool lineAt(int x, int y) const { return std::min({grey(x, y - 1), grey(x, y), grey(x, y + 1)}) < 192; }
    bool lineAcross(int x, int y) const { return std::min({grey(x - 1, y), grey(x, y), grey(x + 1, y)}) < 192; }
};

GreyPage renderPage(const std::string& pdf, int page, const ScratchFolder& folder)
{
    const std::string number = std::to_string(page);
    const std::string prefix = (folder / ("page" + number)).string();
    runProgram("/usr/bin/pdftoppm", {"-gray", "-r", "144", "-f", number, "-l", number, "-singlefile", pdf, prefix});
    std::istringstream in(fileContent(prefix + ".pgm"));
    std::string magic;
    int maxValue = 0;
    GreyPage grey;
    in >> magic >> grey.width >> grey.height >> maxValue;
    in.get();
    EXPECT_EQ(magic, "P5");
    grey.pixels.assign(std::istreambuf_iterator<char>(in), {});
    EXPECT_EQ(grey.pixels.size(), static_cast<std::size_t>(grey.width * grey.height));
    return grey;
}

int pixelX(int twips)
{
    return (twips + marginTwips) / twipsPerPixel;
}

int pixelY(int twips)
{
    return (-twips + marginTwips) / twipsPerPixel;
}

TEST(CliPdf, printsEveryPageOfTheCheckedMembersWithTheirTexts)
{
    ScratchFolder folder;
    const std::string pdf = (folder / "survey.pdf").string();
    const CliRun run = runCli({"pdf", sampleProject, "-o", pdf});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty()) << run.err;

    const Project project = readSample();
    const PageCount count = countPrintPages(project);
    ASSERT_GT(count.grid, 0);
    ASSERT_GT(count.section, 0);
    ASSERT_EQ(pdfPages(pdf), count.total());

    std::vector<std::string> pages{""};
    std::string listText;
    for (int p = 1; p <= count.total(); ++p) {
        pages.push_back(singleSpaced(pageText(pdf, p)));
        EXPECT_TRUE(contains(pages[p], "第" + std::to_string(p) + "页 共" + std::to_string(count.total()) + "页"))
            << "page " << p;
        EXPECT_FALSE(contains(pages[p], "Velmora")) << "header and footer are off by default";
        if (p <= count.list)
            listText += pages[p];
    }
    EXPECT_TRUE(contains(pages[1], "钢筋仪测量数据结果"));
    int grid = 0;
    int section = 0;
    for (const MemberRecord& m : project.members) {
        if (!m.checked)
            continue;
        const std::string name = gbkToUtf8(m.name);
        switch (testModeDigit(m)) {
        case TestModeDigit::singleKnownDiameter:
            EXPECT_TRUE(contains(listText, name + "(" + m.number + ")")) << m.number;
            break;
        case TestModeDigit::singleMeasuredDiameter:
            EXPECT_TRUE(contains(listText, name)) << m.number;
            break;
        case TestModeDigit::grid:
            EXPECT_TRUE(contains(pages[count.list + ++grid], name + "(" + m.number + ")")) << m.number;
            break;
        case TestModeDigit::section:
            EXPECT_TRUE(contains(pages[count.list + count.grid + ++section], name + "(" + m.number + ")")) << m.number;
            break;
        default:
            break;
        }
    }
    EXPECT_EQ(grid, count.grid);
    EXPECT_EQ(section, count.section);
}

TEST(CliPdf, printSettingsFileSwitchesHeaderFooterAndPageNumbers)
{
    ScratchFolder folder;
    PrintSettings settings;
    settings.headerText = "二层结构检测";
    settings.footerText = "Velmora集团";
    settings.headerOn = true;
    settings.footerOn = true;
    settings.firstPageNumber = 5;
    settings.pageNumberFormat = 3;
    settings.pageNumberPosition = 5;
    auto bytes = encodePrintSettingsFile(settings);
    ASSERT_TRUE(bytes.ok());
    writeFile(folder / "VODPrintSet0.ini", std::string(bytes.value().begin(), bytes.value().end()));

    const std::string pdf = (folder / "survey.pdf").string();
    const CliRun run =
        runCli({"pdf", sampleProject, "-o", pdf, "--print-settings", (folder / "VODPrintSet0.ini").string()});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string second = pageText(pdf, 2);
    EXPECT_TRUE(contains(second, "第6页"));
    EXPECT_FALSE(contains(second, "共"));
    EXPECT_TRUE(contains(second, "二层结构检测"));
    EXPECT_TRUE(contains(second, "Velmora集团"));
    // The page number stands top left, above the header rule.
    const std::string firstLine = second.substr(0, second.find("二层结构检测"));
    EXPECT_TRUE(contains(firstLine, "第6页"));

    const GreyPage page = renderPage(pdf, 2, folder);
    for (int x : {1000, 5000, 10200}) {
        EXPECT_TRUE(page.lineAt(pixelX(x), pixelY(-1000))) << "header rule at " << x;
        EXPECT_TRUE(page.lineAt(pixelX(x), pixelY(-15588))) << "footer rule at " << x;
    }
}

TEST(CliPdf, pixelsOfATableRuleAndADotWhereThePagePutsThem)
{
    ScratchFolder folder;
    const std::string pdf = (folder / "survey.pdf").string();
    ASSERT_EQ(runCli({"pdf", sampleProject, "-o", pdf}).status, 0);
    const Project project = readSample();
    const PageCount count = countPrintPages(project);

    // Page 1: the first member's reading table, three blocks from slot 4, has its left border at x = 900 all
    // the way down, whatever the line height up to 362 twips.
    const GreyPage first = renderPage(pdf, 1, folder);
    for (int y = pixelY(-1900 - 4 * 362) + 1; y < pixelY(-1900 - 13 * 300); ++y)
        ASSERT_TRUE(first.lineAcross(pixelX(900), y)) << y;
    EXPECT_FALSE(first.lineAcross(pixelX(850), pixelY(-1900 - 6 * 362)));

    // The first section page: member 4001, scale code 1, one table block, frame from −5000 to −12000.
    const MemberRecord* section = nullptr;
    for (const MemberRecord& m : project.members) {
        if (m.checked && testModeDigit(m) == TestModeDigit::section) {
            section = &m;
            break;
        }
    }
    ASSERT_NE(section, nullptr);
    ASSERT_EQ(section->sampleAt(1), 1);
    ASSERT_LE(section->xBarCount, 15);
    const GreyPage page = renderPage(pdf, count.list + count.grid + 1, folder);
    for (int k = 0; k < section->xBarCount; ++k) {
        const int x = barPositionAt(*section, xBarCoverIndex(k)) * 17 + 1800;
        const int y = -5000 - section->sampleAt(xBarCoverIndex(k)) * 46667 / 1000;
        EXPECT_TRUE(page.dark(pixelX(x), pixelY(y))) << "dot of bar " << k;
        EXPECT_TRUE(page.dark(pixelX(x + 80), pixelY(y))) << "dot of bar " << k;
        EXPECT_FALSE(page.dark(pixelX(x + 140), pixelY(y))) << "beside the dot of bar " << k;
    }
    EXPECT_TRUE(page.dark(pixelX(1800), pixelY(-8500)));
    EXPECT_TRUE(page.dark(pixelX(10300), pixelY(-8500)));
    EXPECT_FALSE(page.lineAcross(pixelX(1900), pixelY(-8500)));
    EXPECT_TRUE(page.lineAt(pixelX(6000), pixelY(-2100)));
    EXPECT_TRUE(page.lineAt(pixelX(6000), pixelY(-3150)));
    EXPECT_FALSE(page.lineAt(pixelX(6000), pixelY(-3500)));
}

TEST(CliPdf, badInputExitsOneWithOneLineAndWritesNothing)
{
    ScratchFolder folder;
    const auto output = folder / "out.pdf";
    writeFile(output, "previous");
    writeFile(folder / "damaged.ini", std::string(454, 'x'));
    writeFile(folder / "damaged.gj", "VER1.2 but nothing after it");
    Project unticked = readSample();
    for (MemberRecord& m : unticked.members)
        m.checked = 0;
    ASSERT_TRUE(writeProjectFile((folder / "unticked.gj").string(), unticked).ok());

    const std::vector<std::pair<std::string, std::vector<std::string>>> runs{
        {"missing project", {"pdf", (folder / "absent.gj").string(), "-o", output.string()}},
        {"damaged project", {"pdf", (folder / "damaged.gj").string(), "-o", output.string()}},
        {"damaged settings",
         {"pdf", sampleProject, "-o", output.string(), "--print-settings", (folder / "damaged.ini").string()}},
        {"missing settings",
         {"pdf", sampleProject, "-o", output.string(), "--print-settings", (folder / "absent.ini").string()}},
        {"nothing ticked", {"pdf", (folder / "unticked.gj").string(), "-o", output.string()}},
    };
    for (const auto& [what, args] : runs) {
        const CliRun run = runCli(args);
        EXPECT_EQ(run.status, 1) << what;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << what << ": " << run.err;
        EXPECT_EQ(fileContent(output), "previous") << what;
    }
    const CliRun unwritable = runCli({"pdf", sampleProject, "-o", (folder / "absent" / "out.pdf").string()});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_TRUE(contains(unwritable.err, "absent")) << unwritable.err;
    EXPECT_EQ(folder.entries(), 4u) << "no temporary file may be left";
}

} // namespace
} // namespace trellon
