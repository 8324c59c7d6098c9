// Serial polling: the bytes of one poll go to the decoder as one chunk.
#include "serialreceiver.h"

namespace trellon {

SerialReceiver::SerialReceiver(Transport& port, TransferSession& session) : port_(port), session_(session) {}

SerialReceiver::~SerialReceiver()
{
    closeSerialPort();
}

bool SerialReceiver::start()
{
    // A restart continues the same transfer from scratch; nothing is reported for the first attempt.
    port_.close();
    session_.begin(LinkKind::serial, *this);
    started_ = true;
    Status opened = port_.open();
    if (opened)
        opened = port_.purge();
    if (!opened) {
        port_.close();
        started_ = false;
        session_.linkEnded(TransferOutcome::cannotOpenPort, opened.error());
        return false;
    }
    return true;
}

std::size_t SerialReceiver::pollSerialPort()
{
    if (!port_.isOpen())
        return 0;
    Result<std::size_t> received = port_.read(receiveBuffer_, std::chrono::milliseconds{0});
    if (!received) {
        port_.close();
        started_ = false;
        session_.linkEnded(TransferOutcome::portLost, received.error());
        return 0;
    }
    if (received.value() == 0)
        return 0;
    const std::size_t count = received.value();
    session_.feed(std::span(receiveBuffer_).first(count));
    return count;
}

void SerialReceiver::cancel()
{
    session_.requestCancel();
    closeSerialPort();
}

void SerialReceiver::stopAtEndOfTransfer()
{
    port_.close();
}

void SerialReceiver::closeSerialPort()
{
    port_.close();
    if (started_) {
        started_ = false;
        session_.linkEnded(TransferOutcome::linkClosed, std::nullopt);
    }
}

} // namespace trellon
