// Report parameters file.
//
// Layout, little-endian, no padding:
//   0     30   magic "PAVISTONE_VOD_REPORT", a NUL, zeros
//   30    200  × 13 texts, GBK, NUL-terminated: report number, project name, strength grade, address,
//              structure, instrument, staff, test content, client, test unit, builder, supervisor, designer
//   2630  12   start date: year, month, day as int32
//   2642  12   test date
#include "reportparametersfile.h"

#include "atomicfile.h"
#include "bytes.h"
#include "gbk.h"

#include <algorithm>
#include <chrono>

namespace trellon {
namespace {

constexpr std::size_t firstTextAt = 30;
constexpr std::size_t startDateAt = 2630;
constexpr std::size_t testDateAt = 2642;

using TextMember = std::string ReportParameters::*;

struct TextField {
    TextMember member;
    const char* name;
};

constexpr std::array<TextField, 13> textFields = {{
    {&ReportParameters::reportNumber, "report number"},
    {&ReportParameters::projectName, "project name"},
    {&ReportParameters::strengthGrade, "strength grade"},
    {&ReportParameters::address, "address"},
    {&ReportParameters::structure, "structure"},
    {&ReportParameters::instrument, "instrument"},
    {&ReportParameters::staff, "staff"},
    {&ReportParameters::testContent, "test content"},
    {&ReportParameters::client, "client"},
    {&ReportParameters::testUnit, "test unit"},
    {&ReportParameters::builder, "builder"},
    {&ReportParameters::supervisor, "supervisor"},
    {&ReportParameters::designer, "designer"},
}};

std::size_t textAt(std::size_t field)
{
    return firstTextAt + field * settingsTextFieldSize;
}

void storeDate(std::span<std::uint8_t> bytes, std::size_t at, const CalendarDate& date)
{
    storeInt32Le(bytes, at, date.year);
    storeInt32Le(bytes, at + 4, date.month);
    storeInt32Le(bytes, at + 8, date.day);
}

void readDate(std::span<const std::uint8_t> bytes, std::size_t at, CalendarDate& date)
{
    const auto year = readInt32Field(bytes, at);
    const auto month = readInt32Field(bytes, at + 4);
    const auto day = readInt32Field(bytes, at + 8);
    if (!year || !month || !day)
        return;
    // A date never chosen stays so, rather than being clamped to a day nobody picked.
    date = CalendarDate{*year, *month, *day}.isChosen() ? clampedReportDate(*year, *month, *day) : CalendarDate{};
}

} // namespace

CalendarDate clampedReportDate(std::int32_t year, std::int32_t month, std::int32_t day)
{
    using namespace std::chrono;
    if (year < earliestReportYear || year > latestReportYear)
        year = earliestReportYear;
    if (month < 1 || month > 12)
        month = 1;
    if (day < 1 || day > 31)
        day = 1;
    const year_month_day date{sys_days{std::chrono::year{year} / static_cast<unsigned>(month) / 1} + days{day - 1}};
    return {static_cast<std::int32_t>(date.year()), static_cast<std::int32_t>(static_cast<unsigned>(date.month())),
            static_cast<std::int32_t>(static_cast<unsigned>(date.day()))};
}

std::string reportParametersFilePath(const std::string& folder, int index)
{
    return settingsFilePath(folder, "VODReportSet", index);
}

Result<std::vector<std::uint8_t>> encodeReportParametersFile(const ReportParameters& parameters)
{
    std::vector<std::uint8_t> bytes(reportParametersFileSize, 0);
    std::copy(reportParametersMagic.begin(), reportParametersMagic.end(), bytes.begin());
    for (std::size_t i = 0; i < textFields.size(); ++i) {
        auto gbk = utf8ToGbk(parameters.*textFields[i].member);
        if (!gbk)
            return Error{ErrorKind::encoding,
                         std::string("the ") + textFields[i].name + " has a character that GBK cannot hold",
                         std::nullopt};
        storeTextField(bytes, textAt(i), settingsTextFieldSize, gbk.value());
    }
    storeDate(bytes, startDateAt, parameters.startDate);
    storeDate(bytes, testDateAt, parameters.testDate);
    return bytes;
}

ReportParameters decodeReportParametersFile(std::span<const std::uint8_t> bytes, const ReportParameters& defaults)
{
    ReportParameters parameters = defaults;
    for (std::size_t i = 0; i < textFields.size(); ++i) {
        if (auto text = readTextField(bytes, textAt(i), settingsTextFieldSize))
            parameters.*textFields[i].member = gbkToUtf8(*text);
    }
    readDate(bytes, startDateAt, parameters.startDate);
    readDate(bytes, testDateAt, parameters.testDate);
    return parameters;
}

LoadedSettings<ReportParameters> loadReportSettings(const std::string& folder, const ReportParameters& defaults)
{
    const auto probe = probeSettingsFiles([&folder](int index) { return reportParametersFilePath(folder, index); },
                                          reportParametersMagic);
    if (probe.matched)
        return {decodeReportParametersFile(*probe.matched, defaults), SettingsFileOutcome::read, probe.index, {}};
    if (probe.index == settingsFileIndexCount)
        return {defaults, SettingsFileOutcome::noMatchingFile, 0, {}};
    if (auto saved = saveReportSettings(folder, defaults); !saved)
        return {defaults, SettingsFileOutcome::creationFailed, 0, saved.error()};
    return {defaults, SettingsFileOutcome::created, 0, {}};
}

Status saveReportSettings(const std::string& folder, const ReportParameters& parameters)
{
    auto bytes = encodeReportParametersFile(parameters);
    if (!bytes)
        return bytes.error();
    return writeFileAtomically(reportParametersFilePath(folder, 0), bytes.value(),
                               "cannot create the report parameters file");
}

Result<ReportParameters> readReportParametersFile(const std::string& path, const ReportParameters& defaults)
{
    auto bytes = readWholeFile(path);
    if (!bytes)
        return bytes.error();
    if (!hasSettingsMagic(bytes.value(), reportParametersMagic))
        return Error{ErrorKind::refused, path + ": not a report parameters file (no \"PAVISTONE_VOD_REPORT\" magic)",
                     0};
    return decodeReportParametersFile(bytes.value(), defaults);
}

} // namespace trellon
