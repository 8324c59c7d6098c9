// Baseline benchmarks: memcpy and plain POSIX file reads and writes.
#include "baselines.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <stdexcept>
#include <unistd.h>
#include <vector>

namespace trellon::bench {
namespace {

void check(bool ok, const char* what)
{
    if (!ok)
        throw std::runtime_error(std::string("baseline: ") + what + ": " + std::strerror(errno));
}

std::string nameOf(const char* kind, std::size_t bytes)
{
    return std::string(kind) + "/" + std::to_string(bytes);
}

} // namespace

std::string registerMemcpyBaseline(std::size_t bytes)
{
    const std::string name = nameOf("memcpy", bytes);
    benchmark::RegisterBenchmark(name.c_str(), [bytes](benchmark::State& state) {
        std::vector<std::uint8_t> from(bytes, 0x5A);
        std::vector<std::uint8_t> to(bytes);
        for (auto _ : state) {
            std::memcpy(to.data(), from.data(), bytes);
            benchmark::DoNotOptimize(to.data());
            benchmark::ClobberMemory();
        }
        state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    })->UseRealTime();
    return name;
}

std::string registerRawReadBaseline(const std::string& path, std::size_t bytes)
{
    const std::string name = nameOf("rawRead", bytes);
    benchmark::RegisterBenchmark(name.c_str(), [path, bytes](benchmark::State& state) {
        std::vector<std::uint8_t> buffer(bytes);
        for (auto _ : state) {
            const int fd = ::open(path.c_str(), O_RDONLY);
            check(fd >= 0, "open");
            std::size_t held = 0;
            for (;;) {
                const ssize_t got = ::read(fd, buffer.data() + held, buffer.size() - held);
                check(got >= 0, "read");
                if (got == 0 || (held += static_cast<std::size_t>(got)) == buffer.size())
                    break;
            }
            ::close(fd);
            benchmark::DoNotOptimize(buffer.data());
        }
    })->UseRealTime();
    return name;
}

std::string registerRawWriteBaseline(const std::string& path, std::size_t bytes)
{
    const std::string name = nameOf("rawWrite", bytes);
    benchmark::RegisterBenchmark(name.c_str(), [path, bytes](benchmark::State& state) {
        const std::vector<std::uint8_t> content(bytes, 0x5A);
        const std::string temporary = path + ".tmp";
        for (auto _ : state) {
            const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            check(fd >= 0, "open");
            for (std::size_t written = 0; written < content.size();) {
                const ssize_t put = ::write(fd, content.data() + written, content.size() - written);
                check(put > 0, "write");
                written += static_cast<std::size_t>(put);
            }
            check(::fsync(fd) == 0, "fsync");
            check(::close(fd) == 0, "close");
            check(::rename(temporary.c_str(), path.c_str()) == 0, "rename");
        }
    })->UseRealTime();
    return name;
}

} // namespace trellon::bench
