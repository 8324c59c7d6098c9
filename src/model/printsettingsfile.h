// The print settings file "VODPrintSet<n>.ini": 454 bytes kept between runs for the print-settings dialog.
#pragma once

#include "printsettings.h"
#include "result.h"
#include "settingsfile.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace trellon {

constexpr std::string_view printSettingsMagic = "PAVISTONE_VOD_PRINT";
constexpr std::size_t printSettingsFileSize = 454;

// The dialog's values before any file is read; they differ from the main window's initial values.
PrintSettings printSettingsDialogDefaults();

// "<folder>/VODPrintSet<index>.ini".
std::string printSettingsFilePath(const std::string& folder, int index);

// The 454 bytes. Texts of 200 GBK bytes or more keep 199 bytes without splitting a character.
// Refuses a text with no GBK form.
Result<std::vector<std::uint8_t>> encodePrintSettingsFile(const PrintSettings& settings);

// Reads bytes whose magic has been checked. Values the bytes do not reach keep those of `defaults`, and so
// does a format or position outside its range; the first page number is clamped into 1 … 50.
PrintSettings decodePrintSettingsFile(std::span<const std::uint8_t> bytes, const PrintSettings& defaults);

// Probes the indexes 0 … 99 in `folder`. At the first missing file index 0 is written from `defaults`.
LoadedSettings<PrintSettings> loadPrintSettings(const std::string& folder, const PrintSettings& defaults);

// Writes index 0 in `folder` atomically.
Status writePrintSettingsFile(const std::string& folder, const PrintSettings& settings);

// Reads one given file; an unreadable file or a wrong magic is an error.
Result<PrintSettings> readPrintSettingsFile(const std::string& path,
                                            const PrintSettings& defaults = printSettingsDialogDefaults());

} // namespace trellon
