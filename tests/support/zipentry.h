// One entry of a zip archive read whole, for checks of the office files the application writes.
#pragma once

#include <zip.h>

#include <filesystem>
#include <optional>
#include <string>

namespace trellon::testing {

inline std::optional<std::string> zipEntry(const std::filesystem::path& archive, const char* name)
{
    int error = 0;
    zip_t* zip = zip_open(archive.c_str(), ZIP_RDONLY, &error);
    if (zip == nullptr)
        return std::nullopt;
    std::optional<std::string> content;
    zip_stat_t stat;
    if (zip_stat(zip, name, 0, &stat) == 0) {
        if (zip_file_t* file = zip_fopen(zip, name, 0)) {
            std::string bytes(static_cast<std::size_t>(stat.size), '\0');
            if (zip_fread(file, bytes.data(), stat.size) == static_cast<zip_int64_t>(stat.size))
                content = std::move(bytes);
            zip_fclose(file);
        }
    }
    zip_close(zip);
    return content;
}

} // namespace trellon::testing
