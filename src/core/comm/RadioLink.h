#pragma once

#include "core/comm/Clock.h"
#include "core/comm/FrameTracer.h"
#include "core/comm/LinkFrame.h"
#include "core/comm/PortTable.h"
#include "core/comm/RadioIdentity.h"
#include "core/comm/SerialPort.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

/// The radio's answer to SetMode.
enum class ModeAnswer { NoAnswer = 0, Accepted = 1, PasswordRequired = -1 };

/// The outcome of ReadTuneValue.
enum class TuneRead { Failed = 0, Read = 1, NoTuningMode = -1 };

/// One port tried while looking for the radio, for the message that explains a failed search.
struct PortAttempt {
    int port = 0; ///< port number, 0 for a device given by path
    std::string device;
    Result open = Result::Ok(); ///< why it could not be opened, if it could not
    bool answered = false;      ///< the radio answered the handshake
};

/// The outcome of a search for the radio.
struct ConnectResult {
    int port = 0;       ///< the port number on which the radio answered; 0 for none (or for a path)
    std::string device; ///< the device on which the radio answered; empty for none
    std::vector<PortAttempt> attempts;

    bool ok() const { return !device.empty(); }
    /// No port could be opened and at least one was held by another program.
    bool Busy() const;
    /// A few lines naming each port tried and why it gave nothing.
    std::string Explain() const;
};

/// The request/reply protocol between the program and a radio, on one serial port.
///
/// The program is always the master: it sends one request and waits for exactly one reply of a
/// length it knows in advance. Each operation builds its request, runs one exchange (up to three
/// attempts), checks the reply and returns a small result.
class RadioLink {
public:
    static constexpr std::uint32_t kBaud = 38400;
    static constexpr int kAttempts = 3;
    static constexpr int kRememberedPortPasses = 10;
    static constexpr std::chrono::milliseconds kReadTimeout{50};
    static constexpr std::chrono::milliseconds kPauseBeforeReply{30};
    static constexpr std::chrono::milliseconds kPauseBeforeWrite{10};
    static constexpr std::chrono::milliseconds kPauseAfterOpen{50};

    /// `tracer` may be null.
    RadioLink(SerialPort& port, Clock& clock, FrameTracer* tracer = nullptr);

    SerialPort& port() { return port_; }
    Clock& clock() { return clock_; }
    void SetTracer(FrameTracer* tracer) { tracer_ = tracer; }
    /// A flag that, once set (from a signal handler or another thread), ends the link's work
    /// after the current exchange: every further exchange fails without sending. May be null.
    void SetStopFlag(const std::atomic<bool>* stop) { stop_ = stop; }
    bool StopRequested() const { return stop_ != nullptr && stop_->load(); }
    /// How many requests went out on the line in full so far (a write that stops can tell whether
    /// its last block reached the radio).
    std::size_t RequestsSent() const { return requestsSent_; }

    /// Opens a device for the link: open, 38400 baud 8-O-2, read time-out 50 ms, 50 ms pause.
    Result OpenDevice(const std::string& device);
    /// Closes the port.
    void Close();

    /// Finds the radio: the remembered port first (handshake with 10 passes), then ports 1-16
    /// in order (1 pass each). The port on which the radio answered stays open.
    ConnectResult ConnectRadio(const PortTable& table, int rememberedPort);
    /// Connects on one given device (handshake with 10 passes).
    ConnectResult ConnectDevice(const std::string& device);

    /// Purge, send, pause, read `reply.size()` bytes; up to `attempts` times. True when a reply of
    /// exactly that length arrived (its content is not looked at here).
    bool Exchange(std::span<const std::uint8_t> request, std::span<std::uint8_t> reply,
                  int attempts = kAttempts);

    bool Handshake(int passes);
    ModeAnswer SetMode(std::uint16_t mode);
    ModeAnswer SetMode(LinkMode mode) { return SetMode(static_cast<std::uint16_t>(mode)); }
    /// Reads an information item of `data.size()` bytes.
    bool ReadInfo(std::uint8_t item, std::span<std::uint8_t> data);
    bool ReadMemory(std::uint32_t address, std::span<std::uint8_t> data);
    bool WriteMemory(std::uint32_t address, std::span<const std::uint8_t> data);
    /// SetMode(6), then reads a tuning value of `data.size()` bytes.
    TuneRead ReadTuneValue(std::uint16_t index, std::span<std::uint8_t> data);
    bool WriteTuneValue(std::uint16_t index, std::span<const std::uint8_t> data);
    bool CommitTuning();
    bool DiscardTuning();
    bool TestSwitch(std::uint8_t selector, std::uint8_t state);
    bool SendPassword(std::string_view digits, PasswordKind kind);

    /// Asks the radio who it is (items 3, 5, 7 and 8, each on its own). Fields whose query fails
    /// keep the value they had in `identity`; false when the last query (item 8) failed.
    bool Identify(RadioIdentity& identity, std::string_view referenceVersion = kProgramVersion);

private:
    bool ExpectAck(std::span<const std::uint8_t> request, std::uint8_t echo1, std::uint8_t echo2);
    bool TryPort(int number, const std::string& device, int passes, ConnectResult& result);
    void Note(const std::string& text);

    SerialPort& port_;
    Clock& clock_;
    FrameTracer* tracer_;
    const std::atomic<bool>* stop_ = nullptr;
    std::size_t requestsSent_ = 0;
};

} // namespace tav
