// What the link and the transfer dialog do when a transfer frame has arrived.
#pragma once

#include "model/project.h"
#include "model/projectfile.h"
#include "model/result.h"

#include <cstdint>
#include <memory>
#include <span>

namespace trellon {

enum class LinkKind : std::int32_t { serial = 0, usb = 1 };

class TransferEndpoint {
public:
    virtual ~TransferEndpoint() = default;

    // The last byte has arrived: stop the link, close the dialog, tell the user "数据传输结束".
    // Serial: stop the poll and close the port. USB: clear the running flag under the link lock.
    virtual void endOfTransfer(LinkKind kind) = 0;

    // Asked once the last byte has arrived, before endOfTransfer. An endpoint whose transfer was
    // cancelled meanwhile answers false: the frame is dropped, nothing is written or handed over.
    virtual bool acceptCompletedFrame(LinkKind /*kind*/) { return true; }

    // The complete project and the outcome of writing its received-data file. Called once per frame,
    // on the thread that fed the last byte; the receiver takes ownership.
    virtual void projectReceived(std::unique_ptr<Project> project, std::span<const std::uint8_t> frame,
                                 const Result<SaveOutcome>& saved) = 0;

    // The frame arrived whole but was refused; nothing was written and no project is handed over.
    virtual void frameRefused(const Error& error) = 0;
};

} // namespace trellon
