// What the two numbered binary settings files share: their probing order and their text fields.
#pragma once

#include "result.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace trellon {

// Reading probes the indexes 0 … 99; writing always uses index 0.
constexpr int settingsFileIndexCount = 100;
constexpr std::size_t settingsMagicFieldSize = 30;
constexpr std::size_t settingsTextFieldSize = 200; // text, a NUL, then zeros

enum class SettingsFileOutcome {
    read,           // values taken from the first file whose magic matched
    created,        // a probed file was missing: index 0 now holds the defaults
    creationFailed, // a probed file was missing and index 0 could not be written
    noMatchingFile, // all 100 files exist and none has the magic; the defaults stay
};

template <typename Values> struct LoadedSettings {
    Values values;
    SettingsFileOutcome outcome;
    int index = 0;              // the file read, when outcome is read
    std::optional<Error> error; // why index 0 could not be written, when outcome is creationFailed
};

// "<folder>/<stem><index>.ini".
std::string settingsFilePath(const std::string& folder, std::string_view stem, int index);

// True when the text before the first zero byte of the first 30 bytes equals magic.
bool hasSettingsMagic(std::span<const std::uint8_t> bytes, std::string_view magic);

struct SettingsProbe {
    std::optional<std::vector<std::uint8_t>> matched; // the bytes of the first matching file
    int index = 0;                                    // its index, or the index that could not be opened
};

// Reads the files pathOf(0), pathOf(1), … in order and stops at the first that matches or cannot be read.
// Neither (matched empty and index == settingsFileIndexCount) means every file was read and none matched.
SettingsProbe probeSettingsFiles(const std::function<std::string(int)>& pathOf, std::string_view magic);

// Reads the field of `size` bytes at `at`: the text up to its first NUL, never past the field or the bytes
// present. Nothing when the field starts beyond the end.
std::optional<std::string> readTextField(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t size);

// Stores GBK text at `at`, cut at a character boundary so that a NUL fits in the field.
void storeTextField(std::span<std::uint8_t> bytes, std::size_t at, std::size_t size, std::string_view gbk);

// Reads the int32 at `at` when all four bytes are present.
std::optional<std::int32_t> readInt32Field(std::span<const std::uint8_t> bytes, std::size_t at);

} // namespace trellon
