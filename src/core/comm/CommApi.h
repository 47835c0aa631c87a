#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace tav {

/// The fields of a Windows device control block (DCB) that the serial link sets, with the
/// system's own numbering, so that the settings can be built and checked on any system.
struct CommLineSettings {
    static constexpr std::uint8_t kNoParity = 0;
    static constexpr std::uint8_t kOddParity = 1;
    static constexpr std::uint8_t kEvenParity = 2;
    static constexpr std::uint8_t kOneStopBit = 0;
    static constexpr std::uint8_t kTwoStopBits = 2;
    static constexpr std::uint8_t kControlDisable = 0; ///< DTR_CONTROL_DISABLE, RTS_CONTROL_DISABLE
    static constexpr std::uint8_t kControlEnable = 1;  ///< DTR_CONTROL_ENABLE, RTS_CONTROL_ENABLE

    std::uint32_t baudRate = 0;
    std::uint8_t byteSize = 8;
    std::uint8_t parity = kNoParity;
    std::uint8_t stopBits = kOneStopBit;
    bool binary = true;        ///< fBinary: no end-of-file character
    bool checkParity = false;  ///< fParity: received parity errors are not reported
    bool ctsFlow = false;      ///< fOutxCtsFlow
    bool dsrFlow = false;      ///< fOutxDsrFlow
    bool dsrSensitive = false; ///< fDsrSensitivity
    bool xonXoff = false;      ///< fOutX and fInX
    bool abortOnError = false; ///< fAbortOnError: a line error must not stall every later call
    bool nullStrip = false;    ///< fNull: NUL bytes are data
    std::uint8_t dtrControl = kControlEnable;
    std::uint8_t rtsControl = kControlEnable;
    bool operator==(const CommLineSettings&) const = default;
};

/// A Windows COMMTIMEOUTS, in milliseconds.
struct CommTimeouts {
    std::uint32_t readInterval = 0;
    std::uint32_t readTotalMultiplier = 0;
    std::uint32_t readTotalConstant = 0;
    std::uint32_t writeTotalMultiplier = 0;
    std::uint32_t writeTotalConstant = 0;
    bool operator==(const CommTimeouts&) const = default;
};

/// Windows error numbers that the port turns into its reasons.
namespace CommError {
inline constexpr std::uint32_t kInvalidFunction = 1;
inline constexpr std::uint32_t kFileNotFound = 2;
inline constexpr std::uint32_t kPathNotFound = 3;
inline constexpr std::uint32_t kAccessDenied = 5;
inline constexpr std::uint32_t kInvalidHandle = 6;
inline constexpr std::uint32_t kBadUnit = 20;
inline constexpr std::uint32_t kNotReady = 21;
inline constexpr std::uint32_t kGenFailure = 31;
inline constexpr std::uint32_t kSharingViolation = 32;
inline constexpr std::uint32_t kNotSupported = 50;
inline constexpr std::uint32_t kDevNotExist = 55;
inline constexpr std::uint32_t kInvalidName = 123;
inline constexpr std::uint32_t kDeviceNotConnected = 1167;
inline constexpr std::uint32_t kAccessDisabledByPolicy = 1260;
inline constexpr std::uint32_t kPrivilegeNotHeld = 1314;
} // namespace CommError

/// The Win32 communications calls the serial port makes, one method each, so that a stand-in can
/// take their place in tests. Every failing call leaves its error number for `LastError`.
class CommApi {
public:
    virtual ~CommApi() = default;
    /// CreateFileW on the device (read and write, not shared, existing only).
    virtual bool Open(const std::string& device) = 0;
    /// CloseHandle; true also when nothing was open.
    virtual bool Close() = 0;
    /// SetupComm: the driver's receive and transmit queue sizes.
    virtual bool SetQueues(std::uint32_t receive, std::uint32_t transmit) = 0;
    /// GetCommState, the given fields put in, SetCommState.
    virtual bool SetLine(const CommLineSettings& settings) = 0;
    virtual bool SetTimeouts(const CommTimeouts& timeouts) = 0;
    /// PurgeComm of the receive side (PURGE_RXCLEAR | PURGE_RXABORT).
    virtual bool PurgeReceive() = 0;
    /// WriteFile; `done` receives the count written.
    virtual bool Write(std::span<const std::uint8_t> bytes, std::size_t& done) = 0;
    /// FlushFileBuffers: waits until the driver has sent what was written.
    virtual bool Drain() = 0;
    /// ReadFile; `done` receives the count read (short when the time-out ended the read).
    virtual bool Read(std::span<std::uint8_t> buffer, std::size_t& done) = 0;
    /// EscapeCommFunction with SETDTR/CLRDTR or SETRTS/CLRRTS.
    virtual bool SetDtr(bool on) = 0;
    virtual bool SetRts(bool on) = 0;
    /// GetLastError after the last failing call.
    virtual std::uint32_t LastError() const = 0;
};

} // namespace tav
