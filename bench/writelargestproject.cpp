// Writes the largest project of the benchmarks as a .gj file, every member ticked and named as beams, slabs,
// cantilevers and walls in turn, to try the program on it by hand.
#include "largestproject.h"

#include "model/projectfile.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: trellon-write-largest-project OUT.gj\n");
        return 2;
    }
    try {
        const auto written = trellon::writeProjectFile(argv[1], trellon::bench::largestMixedProject());
        if (!written) {
            std::fprintf(stderr, "trellon-write-largest-project: %s\n", written.error().describe().c_str());
            return 1;
        }
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "trellon-write-largest-project: %s\n", e.what());
        return 1;
    }
}
