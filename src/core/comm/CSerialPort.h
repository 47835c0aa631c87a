#pragma once

#include "core/comm/SerialPort.h"

#include <chrono>
#include <string>

#ifdef _WIN32
#include "core/comm/CommSerialPort.h"
#include "core/comm/Win32CommApi.h"

#include <memory>

namespace tav {

/// A serial port on a Windows COM device ("\\.\COM3").
class CSerialPort : public CommSerialPort {
public:
    CSerialPort() : CommSerialPort(std::make_unique<Win32CommApi>()) {}
};

} // namespace tav
#else
namespace tav {

/// A serial port on a POSIX terminal device (termios).
///
/// Opening takes the device exclusively in two ways: an advisory `flock` that cooperating
/// programs respect (and that also holds against root), and the terminal's exclusive mode, which
/// makes every further open by an ordinary user fail. Reads wait in `ppoll`, so a waiting read
/// costs no processor time and returns as soon as its bytes are there.
class CSerialPort : public SerialPort {
public:
    CSerialPort() = default;
    ~CSerialPort() override;
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    Result Open(const std::string& device) override;
    bool Close() override;
    bool IsOpen() const override { return fd_ >= 0; }
    const std::string& Name() const override { return name_; }

    bool Configure(std::uint32_t baud, std::uint8_t dataBits, Parity parity, StopBits stopBits) override;
    void SetReadTimeout(std::chrono::milliseconds timeout) override { readTimeout_ = timeout; }
    void PurgeInput() override;
    std::size_t Write(std::span<const std::uint8_t> bytes) override;
    std::size_t Read(std::span<std::uint8_t> buffer) override;
    bool TimedOut() const override { return timedOut_; }

    bool SetDtr(bool on) override;
    bool SetRts(bool on) override;

    /// The sentence that explains an `open` failure of `device` with the given errno value.
    static Result DescribeOpenError(const std::string& device, int error);
    /// Name of the group that owns `device` (for example "dialout"); empty when unknown.
    static std::string DeviceGroup(const std::string& device);

private:
    bool SetModemLine(int line, bool on);

    int fd_ = -1;
    std::string name_;
    std::chrono::milliseconds readTimeout_{0};
    bool timedOut_ = false;
};

} // namespace tav
#endif
