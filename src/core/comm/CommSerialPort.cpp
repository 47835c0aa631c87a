#include "core/comm/CommSerialPort.h"

#include "core/comm/LinkMessages.h"

#include <algorithm>
#include <limits>

namespace tav {
namespace {

bool KnownBaud(std::uint32_t baud) {
    constexpr std::uint32_t kRates[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
    return std::find(std::begin(kRates), std::end(kRates), baud) != std::end(kRates);
}

/// The part of a device name a user knows: "COM3" for "\\.\COM3".
std::string ShortName(const std::string& device) {
    const std::string prefix = "\\\\.\\";
    return device.rfind(prefix, 0) == 0 ? device.substr(prefix.size()) : device;
}

} // namespace

CommSerialPort::CommSerialPort(std::unique_ptr<CommApi> api) : api_(std::move(api)) {}

CommSerialPort::~CommSerialPort() {
    Close();
}

CommLineSettings CommSerialPort::LineSettings(std::uint32_t baud, std::uint8_t dataBits, Parity parity,
                                              StopBits stopBits) {
    CommLineSettings s;
    s.baudRate = KnownBaud(baud) && dataBits >= 5 && dataBits <= 8 ? baud : 0;
    s.byteSize = dataBits;
    switch (parity) {
    case Parity::None:
        s.parity = CommLineSettings::kNoParity;
        break;
    case Parity::Odd:
        s.parity = CommLineSettings::kOddParity;
        break;
    case Parity::Even:
        s.parity = CommLineSettings::kEvenParity;
        break;
    }
    s.stopBits = stopBits == StopBits::Two ? CommLineSettings::kTwoStopBits : CommLineSettings::kOneStopBit;
    return s;
}

CommTimeouts CommSerialPort::Timeouts(std::chrono::milliseconds read) {
    CommTimeouts t;
    // No interval limit and no per-byte share: one ReadFile returns when all its bytes are there
    // or when the whole time has passed, whatever the gaps between the bytes.
    const auto ms = std::clamp<long long>(read.count(), 0, std::numeric_limits<std::uint32_t>::max() - 1);
    t.readTotalConstant = static_cast<std::uint32_t>(ms);
    t.writeTotalMultiplier = 1; // a byte at 38400 baud takes under a third of a millisecond
    t.writeTotalConstant = kWriteTimeoutMs;
    return t;
}

std::string CommSerialPort::ComDevice(int number) {
    return "\\\\.\\COM" + std::to_string(number);
}

Result CommSerialPort::DescribeOpenError(const std::string& device, std::uint32_t error) {
    const std::string name = ShortName(device);
    switch (error) {
    case CommError::kFileNotFound:
    case CommError::kPathNotFound:
    case CommError::kBadUnit:
    case CommError::kNotReady:
    case CommError::kDevNotExist:
    case CommError::kInvalidName:
    case CommError::kDeviceNotConnected:
        return Result::Fail(
            kMsgPortMissing,
            name + " does not exist: check that the programming cable is plugged in and which port it uses "
                   "(Device Manager, Ports (COM & LPT))");
    case CommError::kGenFailure:
        return Result::Fail(kMsgPortMissing, name + " has no working serial hardware behind it");
    // Windows answers "access denied" to the second open of a port that is held elsewhere.
    case CommError::kAccessDenied:
    case CommError::kSharingViolation:
        return Result::Fail(kMsgPortBusy, name + " is held by another program: close the other program (a "
                                                 "terminal, another programming tool) and try again");
    case CommError::kAccessDisabledByPolicy:
    case CommError::kPrivilegeNotHeld:
        return Result::Fail(kMsgPortDenied, "permission denied for " + name +
                                                ": ask the administrator for access to the port");
    case CommError::kInvalidFunction:
    case CommError::kInvalidHandle:
    case CommError::kNotSupported:
        return Result::Fail(kMsgPortNotSerial, name + " is not a serial port");
    default:
        return Result::Fail(kMsgPortFailed,
                            name + " cannot be opened: Windows error " + std::to_string(error));
    }
}

Result CommSerialPort::Open(const std::string& device) {
    Close();
    if (!api_->Open(device)) {
        return DescribeOpenError(device, api_->LastError());
    }
    // A device that opens but refuses the communications calls (a file, a printer) is no port.
    if (!api_->SetQueues(kQueueBytes, kQueueBytes) || !api_->SetTimeouts(Timeouts(readTimeout_))) {
        const std::uint32_t error = api_->LastError();
        api_->Close();
        return DescribeOpenError(device, error == 0 ? CommError::kNotSupported : error);
    }
    open_ = true;
    name_ = device;
    timedOut_ = false;
    api_->PurgeReceive();
    SetDtr(true);
    return Result::Ok();
}

bool CommSerialPort::Close() {
    if (!open_) {
        return true;
    }
    if (!api_->Close()) {
        return false;
    }
    open_ = false;
    name_.clear();
    return true;
}

bool CommSerialPort::Configure(std::uint32_t baud, std::uint8_t dataBits, Parity parity, StopBits stopBits) {
    const CommLineSettings settings = LineSettings(baud, dataBits, parity, stopBits);
    if (!open_ || settings.baudRate == 0) {
        return false;
    }
    return api_->SetLine(settings);
}

void CommSerialPort::SetReadTimeout(std::chrono::milliseconds timeout) {
    readTimeout_ = timeout;
    if (open_) {
        api_->SetTimeouts(Timeouts(timeout));
    }
}

void CommSerialPort::PurgeInput() {
    if (open_) {
        api_->PurgeReceive();
    }
}

std::size_t CommSerialPort::Write(std::span<const std::uint8_t> bytes) {
    if (!open_) {
        return 0;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        std::size_t n = 0;
        if (!api_->Write(bytes.subspan(done), n) || n == 0) {
            return 0; // a write time-out or a vanished adapter
        }
        done += n;
    }
    // The pause before the reply counts from the end of the request, as on the line itself.
    api_->Drain();
    return done;
}

std::size_t CommSerialPort::Read(std::span<std::uint8_t> buffer) {
    timedOut_ = false;
    if (!open_) {
        return 0;
    }
    std::size_t got = 0;
    while (got < buffer.size()) {
        std::size_t n = 0;
        if (!api_->Read(buffer.subspan(got), n)) {
            return 0; // a line error or an adapter pulled out
        }
        got += n;
        // Only a read without limit goes on after a short count; a timed read ended by its clock.
        if (n == 0 || (readTimeout_.count() > 0 && got < buffer.size())) {
            timedOut_ = got < buffer.size();
            break;
        }
    }
    return got;
}

bool CommSerialPort::SetDtr(bool on) {
    return open_ && api_->SetDtr(on);
}

bool CommSerialPort::SetRts(bool on) {
    return open_ && api_->SetRts(on);
}

} // namespace tav
