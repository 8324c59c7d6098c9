// Zip rewriting baseline on libzip.
#include "zipbaseline.h"

#include <benchmark/benchmark.h>
#include <zip.h>

#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

namespace trellon::bench {
namespace {

struct Entry {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

std::vector<Entry> readEntries(const std::string& package)
{
    int error = 0;
    zip_t* zip = zip_open(package.c_str(), ZIP_RDONLY, &error);
    if (zip == nullptr)
        throw std::runtime_error("zip baseline: cannot open " + package);
    std::vector<Entry> entries;
    const zip_int64_t count = zip_get_num_entries(zip, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_file_t* file = zip_stat_index(zip, static_cast<zip_uint64_t>(i), 0, &stat) == 0
                               ? zip_fopen_index(zip, static_cast<zip_uint64_t>(i), 0)
                               : nullptr;
        if (file == nullptr)
            throw std::runtime_error("zip baseline: cannot read an entry of " + package);
        Entry entry{stat.name, std::vector<std::uint8_t>(static_cast<std::size_t>(stat.size))};
        const zip_int64_t got = zip_fread(file, entry.bytes.data(), stat.size);
        zip_fclose(file);
        if (got != static_cast<zip_int64_t>(stat.size))
            throw std::runtime_error("zip baseline: short entry in " + package);
        entries.push_back(std::move(entry));
    }
    zip_discard(zip);
    return entries;
}

void writeEntries(const std::vector<Entry>& entries, const std::string& path)
{
    int error = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (zip == nullptr)
        throw std::runtime_error("zip baseline: cannot create " + path);
    for (const Entry& entry : entries) {
        zip_source_t* source = zip_source_buffer(zip, entry.bytes.data(), entry.bytes.size(), 0);
        const zip_int64_t index =
            source != nullptr ? zip_file_add(zip, entry.name.c_str(), source, ZIP_FL_OVERWRITE) : -1;
        if (index < 0 || zip_set_file_compression(zip, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 0) != 0)
            throw std::runtime_error("zip baseline: cannot add " + entry.name);
    }
    if (zip_close(zip) != 0)
        throw std::runtime_error("zip baseline: cannot write " + path);
}

} // namespace

std::string registerZipWriteBaseline(const std::string& package, const std::string& path, const std::string& name)
{
    const std::string benchmarkName = "zipWrite/" + name;
    auto entries = readEntries(package);
    benchmark::RegisterBenchmark(benchmarkName.c_str(), [entries = std::move(entries), path](benchmark::State& state) {
        for (auto _ : state)
            writeEntries(entries, path);
    })->UseRealTime();
    return benchmarkName;
}

} // namespace trellon::bench
