// Runs trellon-cli as a user would and collects its exit status and output.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace trellon::testing {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

CliRun runCli(const std::vector<std::string>& args);
CliRun runProgram(const std::string& program, const std::vector<std::string>& args);

std::string fileContent(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& bytes);

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    std::size_t entries() const;

private:
    std::filesystem::path path_;
};

} // namespace trellon::testing
