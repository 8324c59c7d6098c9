// libFuzzer target for the .gj reader: any bytes are read or refused, and what is read survives a save.
//
// A project that is read is encoded, read back and compared; then the statistics and the text export run on it,
// as File > Open and the export do with a file from anywhere.
#include "evaluation/checkedsetverdict.h"
#include "evaluation/statistics.h"
#include "model/projectfile.h"
#include "reports/textexport.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace trellon;
    const std::span<const std::uint8_t> bytes(data, size);

    auto loaded = parseProjectFile(bytes);
    if (!loaded) {
        const Error& error = loaded.error();
        if (error.detail.empty() || (error.offset && *error.offset > size))
            std::abort();
        return 0;
    }
    Project& project = *loaded.value().project;

    const std::vector<std::uint8_t> encoded = encodeProjectFile(project);
    const auto reread = parseProjectFile(encoded);
    if (!reread || reread.value().format != ProjectFileFormat::ver12 || !(*reread.value().project == project))
        std::abort();

    recomputeStatistics(project);
    const Verdict verdict = checkedSetVerdict(project);
    if (verdict.acceptable < 0 || verdict.acceptable > verdict.points)
        std::abort();
    static_cast<void>(renderTextExport(project));
    return 0;
}
