// One measured member (beam, slab, column or wall) with its readings and derived figures.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace trellon {

// Texts hold the GBK bytes they were read or received as, so files round-trip byte for byte.
struct MemberRecord {
    std::string number; // decimal text; its first character is the test-mode digit
    std::int32_t knownDiameter = 0;
    std::int32_t designCover = 0;
    std::int32_t upperDeviation = 0;
    std::int32_t lowerDeviation = 0; // zero or negative
    std::int32_t sampleCount = 0;    // always samples.size()
    std::int32_t maxCover = 0;
    std::int32_t minCover = 0;
    std::int32_t dataOffset = 0;
    std::int32_t xBarCount = 0;
    std::int32_t yBarCount = 0;
    std::vector<std::int32_t> samples;
    std::int32_t barDiameter = 0;
    std::int32_t designDiameter = 0;
    std::int32_t checked = 0;
    std::string name;
    // Derived by the statistics; never transferred or stored.
    std::int32_t meanCover = 0;
    std::int32_t maxSpacing = 0;
    std::int32_t scanLength = 0;
    std::int32_t passCount = 0;
    float passRatio = 0.0f;
    std::int32_t failCount = 0;
    float failRatio = 0.0f;
    std::int32_t yMaxCover = 0;
    std::int32_t yMinCover = 0;
    std::int32_t yMeanCover = 0;
    std::int32_t yMaxSpacing = 0;
    std::int32_t yScanLength = 0;
    std::int32_t yPassCount = 0;
    float yPassRatio = 0.0f;
    std::int32_t yFailCount = 0;
    float yFailRatio = 0.0f;

    // Replaces the readings and keeps sampleCount in step.
    void replaceSamples(std::vector<std::int32_t> readings);

    // Reading i, or 0 where i lies outside the readings.
    std::int32_t sampleAt(std::int64_t i) const
    {
        return i >= 0 && i < static_cast<std::int64_t>(samples.size()) ? samples[static_cast<std::size_t>(i)] : 0;
    }

    bool operator==(const MemberRecord&) const = default;
};

} // namespace trellon
