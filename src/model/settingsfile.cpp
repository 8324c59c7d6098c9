// Numbered settings files: probing and fixed-size fields.
#include "settingsfile.h"

#include "atomicfile.h"
#include "bytes.h"
#include "gbk.h"

#include <algorithm>

namespace trellon {

std::string settingsFilePath(const std::string& folder, std::string_view stem, int index)
{
    std::string path = folder;
    if (!path.empty() && path.back() != '/')
        path += '/';
    path += stem;
    path += std::to_string(index);
    path += ".ini";
    return path;
}

bool hasSettingsMagic(std::span<const std::uint8_t> bytes, std::string_view magic)
{
    const auto field = bytes.first(std::min(bytes.size(), settingsMagicFieldSize));
    const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
    return std::string_view(reinterpret_cast<const char*>(field.data()),
                            static_cast<std::size_t>(end - field.begin())) == magic;
}

SettingsProbe probeSettingsFiles(const std::function<std::string(int)>& pathOf, std::string_view magic)
{
    for (int index = 0; index < settingsFileIndexCount; ++index) {
        auto bytes = readWholeFile(pathOf(index));
        if (!bytes)
            return {std::nullopt, index};
        if (hasSettingsMagic(bytes.value(), magic))
            return {std::move(bytes).value(), index};
    }
    return {std::nullopt, settingsFileIndexCount};
}

std::optional<std::string> readTextField(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t size)
{
    if (at >= bytes.size())
        return std::nullopt;
    const auto field = bytes.subspan(at, std::min(size, bytes.size() - at));
    const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
    return std::string(field.begin(), end);
}

void storeTextField(std::span<std::uint8_t> bytes, std::size_t at, std::size_t size, std::string_view gbk)
{
    const auto kept = gbk.substr(0, gbkPrefixLength(gbk, size - 1));
    std::copy(kept.begin(), kept.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
    std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(at + kept.size()),
              bytes.begin() + static_cast<std::ptrdiff_t>(at + size), std::uint8_t{0});
}

std::optional<std::int32_t> readInt32Field(std::span<const std::uint8_t> bytes, std::size_t at)
{
    if (at + 4 > bytes.size())
        return std::nullopt;
    return readInt32Le(bytes, at);
}

} // namespace trellon
