// Print settings file.
//
// Layout, little-endian, no padding:
//   0    30   magic "PAVISTONE_VOD_PRINT", a NUL, zeros
//   30   200  header text, GBK, NUL-terminated
//   230  200  footer text
//   430  4    pageNumberFormat
//   434  4    firstPageNumber
//   438  4    pageNumberPosition
//   442  4    headerOn
//   446  4    footerOn
//   450  4    pageNumberOn
#include "printsettingsfile.h"

#include "atomicfile.h"
#include "bytes.h"
#include "gbk.h"

#include <algorithm>

namespace trellon {
namespace {

constexpr std::size_t headerAt = 30;
constexpr std::size_t footerAt = 230;
constexpr std::size_t formatAt = 430;
constexpr std::size_t firstPageAt = 434;
constexpr std::size_t positionAt = 438;
constexpr std::size_t headerOnAt = 442;
constexpr std::size_t footerOnAt = 446;
constexpr std::size_t pageNumberOnAt = 450;

void readIndex(std::span<const std::uint8_t> bytes, std::size_t at, std::int32_t count, std::int32_t& value)
{
    const auto read = readInt32Field(bytes, at);
    if (read && *read >= 0 && *read < count)
        value = *read;
}

void readFlag(std::span<const std::uint8_t> bytes, std::size_t at, bool& value)
{
    if (const auto read = readInt32Field(bytes, at))
        value = *read != 0;
}

} // namespace

PrintSettings printSettingsDialogDefaults()
{
    PrintSettings settings;
    settings.headerText = "Velmora集团";
    settings.footerText = "Velmora集团";
    return settings;
}

std::string printSettingsFilePath(const std::string& folder, int index)
{
    return settingsFilePath(folder, "VODPrintSet", index);
}

Result<std::vector<std::uint8_t>> encodePrintSettingsFile(const PrintSettings& settings)
{
    auto header = utf8ToGbk(settings.headerText);
    if (!header)
        return Error{ErrorKind::encoding, "the header text has a character that GBK cannot hold", std::nullopt};
    auto footer = utf8ToGbk(settings.footerText);
    if (!footer)
        return Error{ErrorKind::encoding, "the footer text has a character that GBK cannot hold", std::nullopt};

    std::vector<std::uint8_t> bytes(printSettingsFileSize, 0);
    std::copy(printSettingsMagic.begin(), printSettingsMagic.end(), bytes.begin());
    storeTextField(bytes, headerAt, settingsTextFieldSize, header.value());
    storeTextField(bytes, footerAt, settingsTextFieldSize, footer.value());
    storeInt32Le(bytes, formatAt, settings.pageNumberFormat);
    storeInt32Le(bytes, firstPageAt, settings.firstPageNumber);
    storeInt32Le(bytes, positionAt, settings.pageNumberPosition);
    storeInt32Le(bytes, headerOnAt, settings.headerOn ? 1 : 0);
    storeInt32Le(bytes, footerOnAt, settings.footerOn ? 1 : 0);
    storeInt32Le(bytes, pageNumberOnAt, settings.pageNumberOn ? 1 : 0);
    return bytes;
}

PrintSettings decodePrintSettingsFile(std::span<const std::uint8_t> bytes, const PrintSettings& defaults)
{
    PrintSettings settings = defaults;
    if (auto header = readTextField(bytes, headerAt, settingsTextFieldSize))
        settings.headerText = gbkToUtf8(*header);
    if (auto footer = readTextField(bytes, footerAt, settingsTextFieldSize))
        settings.footerText = gbkToUtf8(*footer);
    readIndex(bytes, formatAt, pageNumberFormatCount, settings.pageNumberFormat);
    if (const auto first = readInt32Field(bytes, firstPageAt))
        settings.firstPageNumber = std::clamp(*first, minFirstPageNumber, maxFirstPageNumber);
    readIndex(bytes, positionAt, pageNumberPositionCount, settings.pageNumberPosition);
    readFlag(bytes, headerOnAt, settings.headerOn);
    readFlag(bytes, footerOnAt, settings.footerOn);
    readFlag(bytes, pageNumberOnAt, settings.pageNumberOn);
    return settings;
}

LoadedSettings<PrintSettings> loadPrintSettings(const std::string& folder, const PrintSettings& defaults)
{
    const auto probe =
        probeSettingsFiles([&folder](int index) { return printSettingsFilePath(folder, index); }, printSettingsMagic);
    if (probe.matched)
        return {decodePrintSettingsFile(*probe.matched, defaults), SettingsFileOutcome::read, probe.index, {}};
    if (probe.index == settingsFileIndexCount)
        return {defaults, SettingsFileOutcome::noMatchingFile, 0, {}};
    if (auto written = writePrintSettingsFile(folder, defaults); !written)
        return {defaults, SettingsFileOutcome::creationFailed, 0, written.error()};
    return {defaults, SettingsFileOutcome::created, 0, {}};
}

Status writePrintSettingsFile(const std::string& folder, const PrintSettings& settings)
{
    auto bytes = encodePrintSettingsFile(settings);
    if (!bytes)
        return bytes.error();
    return writeFileAtomically(printSettingsFilePath(folder, 0), bytes.value(),
                               "cannot create the print settings file");
}

Result<PrintSettings> readPrintSettingsFile(const std::string& path, const PrintSettings& defaults)
{
    auto bytes = readWholeFile(path);
    if (!bytes)
        return bytes.error();
    if (!hasSettingsMagic(bytes.value(), printSettingsMagic))
        return Error{ErrorKind::refused, path + ": not a print settings file (no \"PAVISTONE_VOD_PRINT\" magic)", 0};
    return decodePrintSettingsFile(bytes.value(), defaults);
}

} // namespace trellon
