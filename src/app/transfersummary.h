// What a transfer brought, per test mode, for the end-of-transfer message.
#pragma once

#include "model/project.h"

#include <cstdint>

namespace trellon {

struct TransferSummary {
    std::int32_t singlePointMembers = 0;
    std::int32_t singlePointReadings = 0; // judged readings: a cover and its diameter count once
    std::int32_t sectionMembers = 0;
    std::int32_t sectionBars = 0;
    std::int32_t gridMembers = 0;
    std::int32_t gridBars = 0;     // the X and Y runs together
    std::int32_t otherMembers = 0; // numbers without a known test-mode digit

    std::int32_t memberCount() const { return singlePointMembers + sectionMembers + gridMembers + otherMembers; }
    bool operator==(const TransferSummary&) const = default;
};

TransferSummary summarizeTransfer(const Project& project);

} // namespace trellon
