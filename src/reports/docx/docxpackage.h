// An Office Open XML package: the named parts of a zip archive, read and written whole.
#pragma once

#include "model/result.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace trellon::docx {

class DocxPackage {
public:
    using Part = std::pair<std::string, std::string>; // name inside the archive, content

    // Every file entry of the archive at path; refuses a file that is not a zip archive.
    static Result<DocxPackage> read(const std::string& path);

    const std::vector<Part>& parts() const { return parts_; }
    // Null when there is no part of that name.
    const std::string* part(std::string_view name) const;
    // Replaces the part of that name, or adds it at the end.
    void setPart(std::string name, std::string content);

    // The archive: parts in their order, deflated.
    Result<std::vector<std::uint8_t>> zipBytes() const;
    // Writes the archive to path atomically.
    Status write(const std::string& path) const;

private:
    std::vector<Part> parts_;
};

} // namespace trellon::docx
