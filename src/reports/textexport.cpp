// Text export: the block layouts of the four test modes, rendered into one buffer.
#include "textexport.h"

#include "model/atomicfile.h"
#include "model/gbk.h"
#include "model/testmode.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <span>
#include <stdexcept>

namespace trellon {
namespace {

constexpr std::string_view lineBreak = "\r\n";
constexpr std::string_view eighteenBlanks = "                  ";

// One format of the layout, held as GBK text before and after its single conversion ("%d", "%s" or "%0.2f").
// "\n" is stored as CR LF and "%%" as a percent sign.
class Format {
public:
    explicit Format(std::string_view utf8)
    {
        std::string before;
        std::string after;
        std::string* part = &before;
        for (std::size_t i = 0; i < utf8.size(); ++i) {
            const char c = utf8[i];
            if (c == '\n') {
                *part += lineBreak;
            } else if (c != '%') {
                *part += c;
            } else if (i + 1 < utf8.size() && utf8[i + 1] == '%') {
                *part += '%';
                ++i;
            } else {
                i = utf8.find_first_of("dsf", i);
                if (part == &after || i == std::string_view::npos)
                    throw std::logic_error("text export format needs at most one conversion");
                part = &after;
            }
        }
        before_ = systemText(before);
        after_ = systemText(after);
    }

    void put(std::string& out) const
    {
        out += before_;
        out += after_;
    }

    void put(std::string& out, std::int32_t value) const
    {
        char buffer[12];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        out += before_;
        out.append(buffer, result.ptr);
        out += after_;
    }

    // A text is written as stored, up to a NUL if it holds one.
    void put(std::string& out, const std::string& text) const
    {
        out += before_;
        out += text.c_str();
        out += after_;
    }

    // The ratio times 100 in float arithmetic, two decimals; to_chars keeps the point whatever the locale.
    void putPercent(std::string& out, float ratio) const
    {
        const float percent = ratio * 100.0f;
        char buffer[64];
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(percent), std::chars_format::fixed, 2);
        out += before_;
        out.append(buffer, result.ptr);
        out += after_;
    }

private:
    std::string before_;
    std::string after_;
};

// A format that prints readings, with the texts of the values 0 to 255 made beforehand: an export
// prints every reading of the project through one of these.
class ReadingFormat {
public:
    explicit ReadingFormat(std::string_view utf8) : format_(utf8)
    {
        for (std::int32_t value = 0; value < tableSize; ++value) {
            std::string text;
            format_.put(text, value);
            if (text.size() > entrySize)
                throw std::logic_error("reading format too long for its table");
            std::copy(text.begin(), text.end(), table_.begin() + value * entrySize);
            lengths_[static_cast<std::size_t>(value)] = static_cast<std::uint8_t>(text.size());
        }
    }

    void put(std::string& out, std::int32_t value) const
    {
        if (value < 0 || value >= tableSize) {
            format_.put(out, value);
            return;
        }
        out.append(table_.data() + value * entrySize, lengths_[static_cast<std::size_t>(value)]);
    }

private:
    static constexpr std::int32_t tableSize = 256;
    static constexpr std::size_t entrySize = 16;

    Format format_;
    std::array<char, tableSize * entrySize> table_{};
    std::array<std::uint8_t, tableSize> lengths_{};
};

// The eight figures of one grid run; axis is "X向" or "Y向".
struct GridRunFormats {
    explicit GridRunFormats(const std::string& axis)
        : maxCover(axis + "厚度最大值(mm)：%d  "),
          minCover(std::string(eighteenBlanks) + axis + "厚度最小值(mm)：%d  \n"),
          meanCover(axis + "厚度平均值(mm)：%d  "), barCount(std::string(eighteenBlanks) + axis + "扫描点数：%d  \n"),
          maxSpacing(axis + "钢筋最大间距(mm)：%d  "),
          scanLength(std::string(eighteenBlanks) + axis + "扫描长度(mm)：%d  \n"),
          passCount(axis + "符合允许偏差点数：%d"),
          percent(std::string(eighteenBlanks) + axis + "符合允许偏差百分数：%0.2f%%  \n"),
          positionsLabel(axis.substr(0, 1) + "位置(mm)："), coversLabel(axis.substr(0, 1) + "保护层厚度：")
    {
    }

    Format maxCover, minCover, meanCover, barCount, maxSpacing, scanLength, passCount, percent;
    Format positionsLabel, coversLabel;
};

// Every format of the export in GBK, converted once per export.
struct Layout {
    Format memberCount{"工程总数：%d\n"};
    Format blockEnd{"\n" + std::string(84, '-') + "\n"};
    ReadingFormat value{"%d    "};
    Format dashes{"---"};
    Format newLine{"\n"};
    Format designCover{"设计厚度(mm)：%d  "};
    Format lowerDeviation{"                  允许偏差(mm)：%d "};
    Format upperDeviation{"%d\n "};
    Format meanCover{"厚度平均值(mm)：%d  "};
    Format passCount{"符合允许偏差点数：%d"};
    Format singleScanPoints{"                       扫描点数：%d  \n"};
    Format singlePercent{"                       符合允许偏差百分数：%0.2f%%  \n"};

    Format knownName{"工程名称：%s\n"};
    Format knownNumber{"工程编号：%s"};
    Format knownDiameter{"                     已知直径(mm)：%d  \n"};
    Format knownSampleCount{"数据个数：%d"};
    Format knownMaxCover{"                       厚度最大值(mm)：%d  \n"};
    Format knownMinCover{"厚度最小值(mm)：%d  \n"};
    Format knownReadingsLabel{"测量厚度值(mm)："};
    ReadingFormat knownFirstOfLine{" \n %d   "};

    Format measuredName{"工程名称：%s"};
    Format measuredNumber{"                 工程编号：%s\n"};
    Format measuredKnownDiameter{"已知直径(mm)：%d "};
    Format measuredDesignDiameter{"                 设计直径(mm)：%d \n"};
    Format measuredDesignCover{"设计厚度(mm)：%d "};
    Format measuredLowerDeviation{"                 允许偏差：%d"};
    Format measuredUpperDeviation{"%d\n"};
    Format measuredPairCount{"数据组数：%d"};
    Format measuredMaxCover{"                  厚度最大值(mm)：%d \n "};
    Format measuredMinCover{"厚度最小值(mm)：%d\n "};
    Format measuredCoversLabel{"保护层厚度："};
    Format measuredDiametersLabel{"\n钢筋直径："};

    Format gridNumber{"工程编号：%s"};
    Format gridName{"                  工程名称：%s"};
    Format gridXDiameter{"X钢筋直径：%d"};
    Format gridYDiameter{"                  Y钢筋直径：%d"};
    GridRunFormats gridX{"X向"};
    GridRunFormats gridY{"Y向"};

    Format sectionNumber{"工程编号：%s"};
    Format sectionName{"                    工程名称：%s"};
    Format sectionDiameter{"钢筋直径：%d"};
    Format sectionMaxCover{"厚度最大值(mm)：%d  "};
    Format sectionMinCover{"                  厚度最小值(mm)：%d  \n"};
    Format sectionScanPoints{"                  扫描点数：%d  \n"};
    Format sectionMaxSpacing{"钢筋最大间距(mm)：%d  "};
    Format sectionScanLength{"                  扫描长度(mm)：%d  \n"};
    Format sectionPercent{"                  符合允许偏差百分数：%0.2f%%  \n"};
    Format sectionPositionsLabel{"钢筋位置(mm)："};
    Format sectionCoversLabel{"保护层厚度："};
};

// Design cover and deviation as the single-point, grid and section blocks write them: "…：-7 ---10".
void putDesignValues(std::string& out, const Layout& f, const MemberRecord& m)
{
    f.designCover.put(out, m.designCover);
    f.lowerDeviation.put(out, m.lowerDeviation);
    f.dashes.put(out);
    f.upperDeviation.put(out, m.upperDeviation);
}

// Bars of a triple run whose cover index lies inside the readings; a claimed count below 1 holds none.
std::int64_t barsHeld(const MemberRecord& m, std::int64_t firstCover, std::int32_t claimed)
{
    const auto held = static_cast<std::int64_t>(m.samples.size());
    if (claimed <= 0 || firstCover >= held)
        return 0;
    return std::min<std::int64_t>(claimed, (held - firstCover + 2) / 3);
}

// Positions or covers of a triple run, ten to a line; a position byte past the readings counts as 0.
void putBarRun(std::string& out, const Layout& f, const MemberRecord& m, std::int64_t firstCover, std::int64_t bars,
               bool positions)
{
    for (std::int64_t j = 0; j < bars; ++j) {
        if (j % 10 == 0)
            out += lineBreak;
        const std::int64_t cover = firstCover + 3 * j;
        f.value.put(out, positions ? barPositionAt(m, cover) : m.samples[static_cast<std::size_t>(cover)]);
    }
}

void putKnownDiameterBlock(std::string& out, const Layout& f, const MemberRecord& m)
{
    f.knownName.put(out, m.name);
    f.knownNumber.put(out, m.number);
    f.knownDiameter.put(out, m.knownDiameter);
    putDesignValues(out, f, m);
    f.knownSampleCount.put(out, m.sampleCount);
    f.knownMaxCover.put(out, m.maxCover);
    f.knownMinCover.put(out, m.minCover);
    f.meanCover.put(out, m.meanCover);
    f.singleScanPoints.put(out, m.sampleCount);
    f.passCount.put(out, m.passCount);
    f.singlePercent.putPercent(out, m.passRatio);
    f.knownReadingsLabel.put(out);
    for (std::size_t i = 0; i < m.samples.size(); ++i)
        (i % 10 == 0 ? f.knownFirstOfLine : f.value).put(out, m.samples[i]);
    f.blockEnd.put(out);
}

// Covers are the even elements, diameters the odd ones; the break every ten elements counts both.
void putMeasuredDiameterBlock(std::string& out, const Layout& f, const MemberRecord& m)
{
    f.measuredName.put(out, m.name);
    f.measuredNumber.put(out, m.number);
    f.measuredKnownDiameter.put(out, m.knownDiameter);
    f.measuredDesignDiameter.put(out, m.designDiameter);
    f.measuredDesignCover.put(out, m.designCover);
    f.measuredLowerDeviation.put(out, m.lowerDeviation);
    f.dashes.put(out);
    f.measuredUpperDeviation.put(out, m.upperDeviation);
    f.measuredPairCount.put(out, m.sampleCount / 2);
    f.measuredMaxCover.put(out, m.maxCover);
    f.measuredMinCover.put(out, m.minCover);
    f.meanCover.put(out, m.meanCover);
    f.singleScanPoints.put(out, m.sampleCount);
    f.passCount.put(out, m.passCount);
    f.singlePercent.putPercent(out, m.passRatio);
    f.measuredCoversLabel.put(out);
    for (std::size_t parity = 0; parity < 2; ++parity) {
        if (parity == 1)
            f.measuredDiametersLabel.put(out);
        for (std::size_t i = 0; i < m.samples.size(); ++i) {
            if (i % 10 == 0)
                out += lineBreak;
            if (i % 2 == parity)
                f.value.put(out, m.samples[i]);
        }
    }
    f.blockEnd.put(out);
}

void putGridRunFigures(std::string& out, const GridRunFormats& run, std::int32_t maxCover, std::int32_t minCover,
                       std::int32_t meanCover, std::int32_t barCount, std::int32_t maxSpacing, std::int32_t scanLength,
                       std::int32_t passCount, float passRatio)
{
    run.maxCover.put(out, maxCover);
    run.minCover.put(out, minCover);
    run.meanCover.put(out, meanCover);
    run.barCount.put(out, barCount);
    run.maxSpacing.put(out, maxSpacing);
    run.scanLength.put(out, scanLength);
    run.passCount.put(out, passCount);
    run.percent.putPercent(out, passRatio);
}

void putGridBlock(std::string& out, const Layout& f, const MemberRecord& m)
{
    f.gridNumber.put(out, m.number);
    f.gridName.put(out, m.name);
    f.newLine.put(out);
    f.gridXDiameter.put(out, m.knownDiameter);
    f.gridYDiameter.put(out, m.barDiameter);
    f.newLine.put(out);
    putDesignValues(out, f, m);
    f.newLine.put(out);
    putGridRunFigures(out, f.gridX, m.maxCover, m.minCover, m.meanCover, m.xBarCount, m.maxSpacing, m.scanLength,
                      m.passCount, m.passRatio);
    putGridRunFigures(out, f.gridY, m.yMaxCover, m.yMinCover, m.yMeanCover, m.yBarCount, m.yMaxSpacing, m.yScanLength,
                      m.yPassCount, m.yPassRatio);
    f.newLine.put(out);

    // Only bars whose cover lies inside the readings are listed; a negative yBarCount lists no Y bars.
    const std::int64_t xFirst = xBarCoverIndex(0);
    const std::int64_t xBars = barsHeld(m, xFirst, m.xBarCount);
    const std::int64_t yFirst = yBarCoverIndex(findRunSeparator(m.samples), 0);
    const std::int64_t yBars = barsHeld(m, yFirst, m.yBarCount);
    f.gridX.positionsLabel.put(out);
    putBarRun(out, f, m, xFirst, xBars, true);
    f.newLine.put(out);
    f.gridX.coversLabel.put(out);
    putBarRun(out, f, m, xFirst, xBars, false);
    f.newLine.put(out);
    f.gridY.positionsLabel.put(out);
    putBarRun(out, f, m, yFirst, yBars, true);
    f.newLine.put(out);
    f.gridY.coversLabel.put(out);
    putBarRun(out, f, m, yFirst, yBars, false);
    f.blockEnd.put(out);
}

void putSectionBlock(std::string& out, const Layout& f, const MemberRecord& m)
{
    f.sectionNumber.put(out, m.number);
    f.sectionName.put(out, m.name);
    f.newLine.put(out);
    f.sectionDiameter.put(out, m.barDiameter);
    f.newLine.put(out);
    putDesignValues(out, f, m);
    f.sectionMaxCover.put(out, m.maxCover);
    f.sectionMinCover.put(out, m.minCover);
    f.meanCover.put(out, m.meanCover);
    f.sectionScanPoints.put(out, m.sampleCount);
    f.sectionMaxSpacing.put(out, m.maxSpacing);
    f.sectionScanLength.put(out, m.scanLength);
    f.passCount.put(out, m.passCount);
    f.sectionPercent.putPercent(out, m.passRatio);

    // As in the grid block, bars claimed beyond the readings are left out.
    const std::int64_t first = xBarCoverIndex(0);
    const std::int64_t bars = barsHeld(m, first, m.xBarCount);
    f.sectionPositionsLabel.put(out);
    putBarRun(out, f, m, first, bars, true);
    f.newLine.put(out);
    f.sectionCoversLabel.put(out);
    putBarRun(out, f, m, first, bars, false);
    f.blockEnd.put(out);
}

} // namespace

std::string renderTextExport(const Project& project)
{
    const Layout layout;
    std::size_t estimate = 64;
    for (const auto& m : project.members)
        estimate += 1024 + 8 * m.samples.size();
    std::string out;
    out.reserve(estimate);

    layout.memberCount.put(out, project.memberCount());
    for (const TestModeDigit digit : {TestModeDigit::singleKnownDiameter, TestModeDigit::singleMeasuredDiameter,
                                      TestModeDigit::grid, TestModeDigit::section}) {
        for (const auto& m : project.members) {
            if (testModeDigit(m) != digit)
                continue;
            switch (digit) {
            case TestModeDigit::singleKnownDiameter:
                putKnownDiameterBlock(out, layout, m);
                break;
            case TestModeDigit::singleMeasuredDiameter:
                putMeasuredDiameterBlock(out, layout, m);
                break;
            case TestModeDigit::grid:
                putGridBlock(out, layout, m);
                break;
            default:
                putSectionBlock(out, layout, m);
                break;
            }
        }
    }
    return out;
}

Status writeTextExport(const std::string& path, const Project& project)
{
    const std::string text = renderTextExport(project);
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    auto status = writeFileAtomically(path, bytes, std::string(textExportCannotOpenDetail));
    if (!status && status.error().kind == ErrorKind::cannotOpen)
        return Error{ErrorKind::cannotOpen, std::string(textExportCannotOpenDetail), std::nullopt};
    return status;
}

} // namespace trellon
