// trellon-sim: a simulated instrument that sends recorded transfers over a pseudo-terminal.
#include "model/atomicfile.h"

#include <pty.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

// 2400 baud, 8N1: ten bit times a byte.
constexpr long byteTimeNs = 1'000'000'000L * 10 / 2400;
// Noise goes out well apart from the frame, so that the receiver polls it as a chunk of its own.
constexpr long noisePauseNs = 600'000'000L;

void usage()
{
    std::cerr << "usage: trellon-sim --serial CAPTURE [CAPTURE...] [--baud-pacing|--fast] [--noise N] [--now]\n"
                 "  Prints the path of the pseudo-terminal to connect to, then sends each capture when a line\n"
                 "  arrives on stdin (the first at once with --now), as the instrument would: unrequested,\n"
                 "  paced at 2400 baud unless --fast. --noise N sends N bytes of line noise first.\n"
                 "  Ends when stdin closes.\n";
}

bool writeAll(int fd, const std::uint8_t* bytes, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

void addNanoseconds(timespec& at, long ns)
{
    at.tv_nsec += ns;
    while (at.tv_nsec >= 1'000'000'000L) {
        at.tv_nsec -= 1'000'000'000L;
        ++at.tv_sec;
    }
}

void pause(long ns)
{
    timespec at{};
    ::clock_gettime(CLOCK_MONOTONIC, &at);
    addNanoseconds(at, ns);
    while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr) == EINTR) {
    }
}

bool send(int fd, const std::vector<std::uint8_t>& bytes, bool paced)
{
    if (!paced)
        return writeAll(fd, bytes.data(), bytes.size());
    timespec at{};
    ::clock_gettime(CLOCK_MONOTONIC, &at);
    for (const std::uint8_t byte : bytes) {
        if (!writeAll(fd, &byte, 1))
            return false;
        addNanoseconds(at, byteTimeNs);
        while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &at, nullptr) == EINTR) {
        }
    }
    return true;
}

// Noise that never contains the sync byte, so no part of it can start a frame.
std::vector<std::uint8_t> noiseBytes(std::size_t count)
{
    std::vector<std::uint8_t> noise;
    std::uint32_t state = 0x2545F491u;
    for (std::size_t k = 0; k < count; ++k) {
        state = state * 1664525u + 1013904223u;
        auto byte = static_cast<std::uint8_t>(k == 0 ? 0x00 : state >> 24);
        noise.push_back(byte == 0x55 ? std::uint8_t{0xAA} : byte);
    }
    return noise;
}

bool waitForLine()
{
    std::string line;
    return static_cast<bool>(std::getline(std::cin, line));
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> captures;
    bool paced = true;
    bool now = false;
    long noise = 0;
    bool serial = false;
    for (int k = 1; k < argc; ++k) {
        const std::string_view arg = argv[k];
        if (arg == "--serial") {
            serial = true;
        } else if (arg == "--fast") {
            paced = false;
        } else if (arg == "--baud-pacing") {
            paced = true;
        } else if (arg == "--now") {
            now = true;
        } else if (arg == "--noise" && k + 1 < argc) {
            char* end = nullptr;
            noise = std::strtol(argv[++k], &end, 10);
            if (*end != '\0' || noise < 0 || noise > 1'000'000) {
                usage();
                return 2;
            }
        } else if (arg == "--help" || arg == "-h") {
            usage();
            return 0;
        } else if (!arg.starts_with("--")) {
            captures.emplace_back(arg);
        } else {
            usage();
            return 2;
        }
    }
    if (!serial || captures.empty()) {
        usage();
        return 2;
    }

    std::vector<std::vector<std::uint8_t>> frames;
    for (const auto& path : captures) {
        auto bytes = trellon::readWholeFile(path);
        if (!bytes) {
            std::cerr << "trellon-sim: " << bytes.error().describe() << '\n';
            return 1;
        }
        frames.push_back(std::move(bytes).value());
    }

    termios raw{};
    ::cfmakeraw(&raw);
    ::cfsetispeed(&raw, B2400);
    ::cfsetospeed(&raw, B2400);
    int master = -1;
    int slave = -1;
    if (::openpty(&master, &slave, nullptr, &raw, nullptr) != 0) {
        std::cerr << "trellon-sim: cannot open a pseudo-terminal: " << std::strerror(errno) << '\n';
        return 1;
    }
    // The slave stays open here too, so that the receiver may close and reopen it.
    std::cout << ::ttyname(slave) << std::endl;

    for (std::size_t k = 0; k < frames.size(); ++k) {
        if (!(k == 0 && now) && !waitForLine())
            break;
        if (noise > 0) {
            if (!send(master, noiseBytes(static_cast<std::size_t>(noise)), paced)) {
                std::cerr << "trellon-sim: cannot send: " << std::strerror(errno) << '\n';
                return 1;
            }
            pause(noisePauseNs);
        }
        if (!send(master, frames[k], paced)) {
            std::cerr << "trellon-sim: cannot send: " << std::strerror(errno) << '\n';
            return 1;
        }
        std::cerr << "trellon-sim: sent " << frames[k].size() << " bytes of " << captures[k] << std::endl;
    }
    // The receiver may still be reading what was sent: keep the terminal until stdin closes.
    while (waitForLine()) {
    }
    ::close(slave);
    ::close(master);
    return 0;
}
