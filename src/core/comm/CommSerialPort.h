#pragma once

#include "core/comm/CommApi.h"
#include "core/comm/SerialPort.h"

#include <chrono>
#include <memory>
#include <string>

namespace tav {

/// A serial port driven through the Windows communications calls (CommApi).
///
/// A COM port is exclusive by nature: the system refuses a second open while one program holds
/// it. Reads wait in the driver for the read time-out (COMMTIMEOUTS), so a waiting read costs no
/// processor time.
class CommSerialPort : public SerialPort {
public:
    /// Driver queue sizes asked for at open: far more than one frame of the link.
    static constexpr std::uint32_t kQueueBytes = 4096;
    /// A write that the driver cannot hand on within this time (plus the bytes' line time) fails.
    static constexpr std::uint32_t kWriteTimeoutMs = 2000;

    explicit CommSerialPort(std::unique_ptr<CommApi> api);
    ~CommSerialPort() override;
    CommSerialPort(const CommSerialPort&) = delete;
    CommSerialPort& operator=(const CommSerialPort&) = delete;

    Result Open(const std::string& device) override;
    bool Close() override;
    bool IsOpen() const override { return open_; }
    const std::string& Name() const override { return name_; }

    bool Configure(std::uint32_t baud, std::uint8_t dataBits, Parity parity, StopBits stopBits) override;
    void SetReadTimeout(std::chrono::milliseconds timeout) override;
    void PurgeInput() override;
    std::size_t Write(std::span<const std::uint8_t> bytes) override;
    std::size_t Read(std::span<std::uint8_t> buffer) override;
    bool TimedOut() const override { return timedOut_; }

    bool SetDtr(bool on) override;
    bool SetRts(bool on) override;

    /// The DCB fields for a line format: raw binary bytes, no flow control, DTR and RTS on.
    /// Empty baud or data-bit counts the driver does not know give baudRate 0.
    static CommLineSettings LineSettings(std::uint32_t baud, std::uint8_t dataBits, Parity parity,
                                         StopBits stopBits);
    /// Time-outs under which one ReadFile waits at most `read` for all its bytes (zero: without
    /// limit) and a write fails after kWriteTimeoutMs plus its line time.
    static CommTimeouts Timeouts(std::chrono::milliseconds read);
    /// The sentence that explains an open failure of `device` with the given Windows error number.
    static Result DescribeOpenError(const std::string& device, std::uint32_t error);
    /// The device of COM port `number` ("\\.\COM3"), which also reaches ports above COM9.
    static std::string ComDevice(int number);

private:
    std::unique_ptr<CommApi> api_;
    bool open_ = false;
    std::string name_;
    std::chrono::milliseconds readTimeout_{0};
    bool timedOut_ = false;
};

} // namespace tav
