// Serial port access: open and line settings, queued reads without waiting, purge.
#include "serialporttransport.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>

namespace trellon {
namespace {

// The port's flow control as the driver reports it; QSerialPort would otherwise switch it off at open.
QSerialPort::FlowControl currentFlowControl(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return QSerialPort::NoFlowControl;
    termios settings{};
    const bool known = ::tcgetattr(fd, &settings) == 0;
    ::close(fd);
    if (!known)
        return QSerialPort::NoFlowControl;
    if (settings.c_cflag & CRTSCTS)
        return QSerialPort::HardwareControl;
    if (settings.c_iflag & (IXON | IXOFF))
        return QSerialPort::SoftwareControl;
    return QSerialPort::NoFlowControl;
}

} // namespace

Error SerialPortTransport::portError(ErrorKind kind, const char* what) const
{
    return Error{kind, path_ + ": " + what + ": " + port_.errorString().toStdString(), std::nullopt};
}

Error SerialPortTransport::readFailure() const
{
    // An unplugged adapter's port reads as ended, which leaves no system error worth showing.
    if (::access(path_.c_str(), F_OK) != 0)
        return Error{ErrorKind::truncated, path_ + ": the port is gone (adapter unplugged?)", std::nullopt};
    return portError(ErrorKind::truncated, "read");
}

Status SerialPortTransport::open()
{
    close();
    aborted_.store(false);
    if (path_.empty())
        return Error{ErrorKind::cannotOpen, "no serial port chosen", std::nullopt};
    port_.setPortName(QString::fromStdString(path_));
    port_.setBaudRate(baudRate);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(currentFlowControl(path_));
    port_.setReadBufferSize(inputQueueSize);
    if (!port_.open(QIODevice::ReadWrite))
        return portError(ErrorKind::cannotOpen, "cannot open");
    return success();
}

Result<std::size_t> SerialPortTransport::read(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout)
{
    if (aborted_.load())
        return Error{ErrorKind::truncated, path_ + ": aborted", std::nullopt};
    if (!port_.isOpen())
        return Error{ErrorKind::truncated, path_ + ": not open", std::nullopt};
    // Without a running event loop nothing fills the port's buffer; a zero wait takes what is queued.
    if (port_.bytesAvailable() == 0 && !port_.waitForReadyRead(static_cast<int>(timeout.count()))) {
        if (port_.error() == QSerialPort::TimeoutError) {
            port_.clearError();
            return std::size_t{0};
        }
        if (port_.error() != QSerialPort::NoError)
            return readFailure();
    }
    const qint64 wanted = std::min<qint64>(static_cast<qint64>(buffer.size()), inputQueueSize);
    const qint64 got = port_.read(reinterpret_cast<char*>(buffer.data()), wanted);
    if (got < 0)
        return readFailure();
    return static_cast<std::size_t>(got);
}

Status SerialPortTransport::write(std::span<const std::uint8_t> bytes, std::chrono::milliseconds timeout)
{
    if (aborted_.load() || !port_.isOpen())
        return Error{ErrorKind::cannotWrite, path_ + ": not open", std::nullopt};
    const qint64 size = static_cast<qint64>(bytes.size());
    if (port_.write(reinterpret_cast<const char*>(bytes.data()), size) != size)
        return portError(ErrorKind::cannotWrite, "write");
    while (port_.bytesToWrite() > 0) {
        if (!port_.waitForBytesWritten(static_cast<int>(timeout.count())))
            return portError(ErrorKind::cannotWrite, "write");
    }
    return success();
}

Status SerialPortTransport::purge()
{
    if (!port_.isOpen())
        return success();
    if (!port_.clear(QSerialPort::AllDirections))
        return portError(ErrorKind::cannotOpen, "cannot purge");
    return success();
}

void SerialPortTransport::close()
{
    if (port_.isOpen())
        port_.close();
    port_.clearError();
}

} // namespace trellon
