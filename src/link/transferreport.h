// How a transfer ended, as a value: the owner of the transfer puts it into its own words.
#pragma once

#include "model/project.h"
#include "model/result.h"

#include <memory>
#include <optional>
#include <string>

namespace trellon {

enum class TransferOutcome {
    completed,               // the frame was decoded and the received-data file written
    noMembers,               // the frame was decoded but holds no members: no received-data file
    cannotWriteReceivedFile, // the frame was decoded; the received-data file could not be written
    frameRefused,            // the frame arrived whole but its directory is inconsistent; nothing was decoded
    cancelled,               // the user cancelled before the frame was complete; nothing was written
    cannotOpenPort,          // the serial port could not be opened or set up
    portLost,                // reading the serial port failed: the adapter was unplugged or the port broke down
    cannotOpenDevice,        // the USB device is absent or could not be opened
    cannotOpenPipes,         // the USB device's endpoints could not be claimed
    readerNotStarted,        // the USB reader thread could not be started
    deviceVanished,          // a block request could not be sent: the device was unplugged or refuses requests
    stalled,                 // a block did not arrive whole: the read failed, timed out or came short
    notAFrame,               // block 0 does not hold a frame header and directory the memory can carry
    memoryEnded,             // the instrument's memory ended before the frame was complete
    linkClosed,              // the link closed before the frame was complete
};

struct TransferReport {
    TransferOutcome outcome = TransferOutcome::linkClosed;
    // The system's error or the refusal, naming the path, port or block where one applies.
    std::optional<Error> detail;
    // The received project whenever the frame was decoded (completed, noMembers, cannotWriteReceivedFile).
    std::unique_ptr<Project> project;
    std::string receivedFilePath;
    std::string rawFilePath;
    // Set when the frame arrived whole but its raw stream could not be kept.
    std::optional<Error> rawStreamNotWritten;

    // The last byte of the frame arrived: the link was stopped and the end announced.
    bool frameArrived() const
    {
        return outcome == TransferOutcome::completed || outcome == TransferOutcome::noMembers ||
               outcome == TransferOutcome::cannotWriteReceivedFile || outcome == TransferOutcome::frameRefused;
    }
};

} // namespace trellon
