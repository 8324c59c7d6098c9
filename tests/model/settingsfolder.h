// A private folder for settings-file tests, removed with its content afterwards.
#pragma once

#include "model/atomicfile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace trellon::testing {

class SettingsFolder {
public:
    SettingsFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "trellon-settings-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~SettingsFolder() { std::filesystem::remove_all(path_); }
    SettingsFolder(const SettingsFolder&) = delete;
    SettingsFolder& operator=(const SettingsFolder&) = delete;

    std::string path() const { return path_.string(); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

    void put(const std::string& name, const std::vector<std::uint8_t>& bytes) const
    {
        std::ofstream out(file(name), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    std::vector<std::uint8_t> content(const std::string& name) const
    {
        auto bytes = readWholeFile(file(name));
        EXPECT_TRUE(bytes.ok()) << name;
        return bytes ? bytes.value() : std::vector<std::uint8_t>{};
    }

    bool exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }

private:
    std::filesystem::path path_;
};

// Bytes of a text without its terminating NUL.
inline std::vector<std::uint8_t> bytesOfText(std::string_view text)
{
    return {text.begin(), text.end()};
}

// The bytes [at, at + count).
inline std::vector<std::uint8_t> slice(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t count)
{
    return {bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.begin() + static_cast<std::ptrdiff_t>(at + count)};
}

} // namespace trellon::testing
