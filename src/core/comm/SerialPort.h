#pragma once

#include "core/util/Result.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace tav {

/// Parity of the serial line format.
enum class Parity { None, Odd, Even };

/// Stop bits of the serial line format.
enum class StopBits { One, Two };

/// Why a port could not be opened, in classes a user can act on.
enum class PortError {
    None,
    NotPresent,       ///< no such device (adapter unplugged, wrong number)
    Busy,             ///< another program holds the port
    PermissionDenied, ///< the user may not open it (on Linux: not in the device's group)
    NotSerial,        ///< the path exists but is no serial device
    Other,            ///< any other operating-system refusal
};

/// The class of an open failure, from the message number of its result.
PortError PortErrorOf(const Result& opened);

/// One serial port as the radio link uses it: a synchronous request/reply line.
///
/// The object is created closed; it may be opened and closed any number of times and closes its
/// device when destroyed. It is used by one thread at a time.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    /// Opens the device exclusively (a port held by another program cannot be opened) and
    /// raises DTR at once. A failure names its class by its message number (see PortErrorOf)
    /// and carries a sentence naming the device and the reason.
    virtual Result Open(const std::string& device) = 0;
    /// Closes the port; true when it is closed afterwards (also when it never was open).
    virtual bool Close() = 0;
    virtual bool IsOpen() const = 0;
    /// Device with which the port was opened; empty while closed.
    virtual const std::string& Name() const = 0;

    /// Sets the line format; raw 8-bit transfer, no flow control, DTR and RTS held on.
    virtual bool Configure(std::uint32_t baud, std::uint8_t dataBits, Parity parity, StopBits stopBits) = 0;
    /// How long one Read waits for its bytes; zero waits without limit.
    virtual void SetReadTimeout(std::chrono::milliseconds timeout) = 0;
    /// Discards everything received so far (the transmit side is left alone).
    virtual void PurgeInput() = 0;
    /// Writes the whole buffer; the count written, 0 on failure.
    virtual std::size_t Write(std::span<const std::uint8_t> bytes) = 0;
    /// Waits until `buffer.size()` bytes have arrived or the read time-out has passed; returns the
    /// count read. A short count after the time-out sets `TimedOut`; a line error or a vanished
    /// device returns 0 at once.
    virtual std::size_t Read(std::span<std::uint8_t> buffer) = 0;
    /// True when the last Read gave up because of its time-out.
    virtual bool TimedOut() const = 0;

    virtual bool SetDtr(bool on) = 0;
    virtual bool SetRts(bool on) = 0;
};

} // namespace tav
