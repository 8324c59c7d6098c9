// libFuzzer target for the extension payload of a .gj file: any text is read or refused with a reason, what is read
// survives a save unchanged, and the drilling verification it holds is checked against a small project.
//
// The payload belongs to a project of three members: a single-point member, a measured-diameter member and a grid,
// so that the verification points it names may or may not exist.
#include "evaluation/acceptanceevaluation.h"
#include "model/projectextensionjson.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <numeric>
#include <string_view>
#include <vector>

namespace {

trellon::Project threeMembers()
{
    using trellon::MemberRecord;
    const auto member = [](const char* number, std::vector<std::int32_t> samples) {
        MemberRecord m;
        m.number = number;
        m.designCover = 25;
        m.upperDeviation = 10;
        m.lowerDeviation = -7;
        m.knownDiameter = 20;
        m.barDiameter = 12;
        m.checked = 1;
        m.replaceSamples(std::move(samples));
        return m;
    };
    trellon::Project project;
    project.members = {member("1001", {24, 17, 36}), member("2001", {25, 16, 18, 20, 30}),
                       member("3001", {170, 1, 20, 0, 10, 187, 187, 187, 22, 0, 20, 23, 0, 30})};
    project.members[2].xBarCount = 1;
    project.members[2].yBarCount = 2;
    return project;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace trellon;
    static const Project members = threeMembers();
    const std::string_view payload(reinterpret_cast<const char*>(data), size);

    auto read = decodeExtensionPayload(payload, members.members.size());
    if (!read) {
        if (read.error().detail.empty())
            std::abort();
        return 0;
    }
    const std::string encoded = encodeExtensionPayload(read.value(), members.members.size());
    const auto reread = decodeExtensionPayload(encoded, members.members.size());
    if (!reread || !(reread.value() == read.value()))
        std::abort();

    Project project = members;
    project.extension = std::move(read).value();
    const AcceptanceEvaluation evaluation = evaluateAcceptance(project);
    const VerificationCheck& check = evaluation.verification;
    if (check.points.size() != project.extension.verification.points.size())
        std::abort();
    const auto valid = std::count_if(check.points.begin(), check.points.end(),
                                     [](const CheckedVerificationPoint& p) { return p.valid; });
    const auto corrected = std::accumulate(check.corrections.begin(), check.corrections.end(), std::int64_t{0},
                                           [](std::int64_t n, const DiameterCorrection& c) { return n + c.points; });
    if (corrected != valid || check.verified > valid || check.required < 0)
        std::abort();
    return 0;
}
