// A transfer endpoint that records what the decoder tells it.
#pragma once

#include "link/transferendpoint.h"

#include <optional>
#include <vector>

namespace trellon::testing {

class RecordingEndpoint : public TransferEndpoint {
public:
    void endOfTransfer(LinkKind kind) override { ends.push_back(kind); }
    void projectReceived(std::unique_ptr<Project> received, std::span<const std::uint8_t> frame,
                         const Result<SaveOutcome>& saved) override
    {
        project = std::move(received);
        frameBytes.assign(frame.begin(), frame.end());
        savedOk = saved.ok();
        ++deliveries;
    }
    void frameRefused(const Error& error) override { refusal = error; }

    std::vector<LinkKind> ends;
    std::unique_ptr<Project> project;
    std::vector<std::uint8_t> frameBytes;
    std::optional<bool> savedOk;
    std::optional<Error> refusal;
    int deliveries = 0;
};

} // namespace trellon::testing
