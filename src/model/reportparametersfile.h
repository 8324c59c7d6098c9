// The report parameters file "VODReportSet<n>.ini": 2654 bytes kept between runs for the report dialog.
#pragma once

#include "reportparameters.h"
#include "result.h"
#include "settingsfile.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace trellon {

constexpr std::string_view reportParametersMagic = "PAVISTONE_VOD_REPORT";
constexpr std::size_t reportParametersFileSize = 2654;

// Input limits in GBK bytes.
constexpr std::size_t reportNumberByteLimit = 25;
constexpr std::size_t reportTextByteLimit = 100;

constexpr std::array<std::string_view, 6> strengthGrades = {"C10", "C15", "C20", "C25", "C30", "C35"};

constexpr std::int32_t earliestReportYear = 1971;
constexpr std::int32_t latestReportYear = 2037;

// A stored date made a calendar date: a year outside 1971 … 2037 becomes 1971, a month outside 1 … 12 becomes
// 1, a day outside 1 … 31 becomes 1; a day past the end of its month runs on into the next month.
CalendarDate clampedReportDate(std::int32_t year, std::int32_t month, std::int32_t day);

// "<folder>/VODReportSet<index>.ini".
std::string reportParametersFilePath(const std::string& folder, int index);

// The 2654 bytes of values 1 to 15; the report format is not stored. Texts keep at most 199 GBK bytes,
// cut at a character boundary. Refuses a text with no GBK form.
Result<std::vector<std::uint8_t>> encodeReportParametersFile(const ReportParameters& parameters);

// Reads bytes whose magic has been checked. Fields the bytes do not reach keep those of `defaults`. A stored
// 1970-01-01 reads as a date not chosen; other dates are clamped (clampedReportDate).
ReportParameters decodeReportParametersFile(std::span<const std::uint8_t> bytes, const ReportParameters& defaults);

// Probes the indexes 0 … 99 in `folder`. At the first missing file index 0 is written from `defaults`.
LoadedSettings<ReportParameters> loadReportSettings(const std::string& folder, const ReportParameters& defaults);

// Writes index 0 in `folder` atomically.
Status saveReportSettings(const std::string& folder, const ReportParameters& parameters);

// Reads one given file; an unreadable file or a wrong magic is an error.
Result<ReportParameters> readReportParametersFile(const std::string& path,
                                                  const ReportParameters& defaults = ReportParameters{});

} // namespace trellon
