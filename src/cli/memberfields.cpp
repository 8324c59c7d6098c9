// JSON form of a member record.
#include "memberfields.h"

#include "model/gbk.h"

#include <charconv>
#include <cstdlib>

namespace trellon::cli {

double shortestDecimal(float value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text - 1, value).ptr;
    *end = '\0';
    return std::strtod(text, nullptr);
}

nlohmann::ordered_json memberToJson(const MemberRecord& m)
{
    nlohmann::ordered_json j;
    j["number"] = gbkToUtf8(m.number);
    j["knownDiameter"] = m.knownDiameter;
    j["designCover"] = m.designCover;
    j["upperDeviation"] = m.upperDeviation;
    j["lowerDeviation"] = m.lowerDeviation;
    j["sampleCount"] = m.sampleCount;
    j["maxCover"] = m.maxCover;
    j["minCover"] = m.minCover;
    j["dataOffset"] = m.dataOffset;
    j["xBarCount"] = m.xBarCount;
    j["yBarCount"] = m.yBarCount;
    j["samples"] = m.samples;
    j["barDiameter"] = m.barDiameter;
    j["designDiameter"] = m.designDiameter;
    j["checked"] = m.checked;
    j["name"] = gbkToUtf8(m.name);
    j["meanCover"] = m.meanCover;
    j["maxSpacing"] = m.maxSpacing;
    j["scanLength"] = m.scanLength;
    j["passCount"] = m.passCount;
    j["passRatio"] = shortestDecimal(m.passRatio);
    j["failCount"] = m.failCount;
    j["failRatio"] = shortestDecimal(m.failRatio);
    j["yMaxCover"] = m.yMaxCover;
    j["yMinCover"] = m.yMinCover;
    j["yMeanCover"] = m.yMeanCover;
    j["yMaxSpacing"] = m.yMaxSpacing;
    j["yScanLength"] = m.yScanLength;
    j["yPassCount"] = m.yPassCount;
    j["yPassRatio"] = shortestDecimal(m.yPassRatio);
    j["yFailCount"] = m.yFailCount;
    j["yFailRatio"] = shortestDecimal(m.yFailRatio);
    return j;
}

} // namespace trellon::cli
