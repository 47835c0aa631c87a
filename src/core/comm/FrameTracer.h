#pragma once

#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <mutex>
#include <span>
#include <string>

namespace tav {

/// Watches the frames on a link: every request sent and every reply received, and the reads
/// that gave up. Used for `--trace FILE`, the first thing to look at when a radio does not answer.
class FrameTracer {
public:
    virtual ~FrameTracer() = default;
    virtual void Sent(std::span<const std::uint8_t> bytes) = 0;
    /// `expected` is the reply length asked for; fewer bytes with `timedOut` mark a time-out.
    virtual void Received(std::span<const std::uint8_t> bytes, std::size_t expected, bool timedOut) = 0;
    /// A line of its own: a port opened, a pause, a connection given up.
    virtual void Note(const std::string& text) = 0;
};

/// Writes one line per event: seconds since the tracer was made, the direction, the bytes in
/// hexadecimal and, where the frame is understood, what it is. For example
///
///     0.081234 TX 02 45 62 00 02 00 00 20 00 03  ReadMemory 0200+32
///     0.112020 RX 02 41 61 (3 of 6 bytes)  TIMEOUT
///
/// Safe to share between the two ends of a simulated link (one lock per line).
class StreamFrameTracer final : public FrameTracer {
public:
    /// `side` prefixes every line when not empty (for example "radio").
    explicit StreamFrameTracer(std::ostream& out, std::string side = {});

    void Sent(std::span<const std::uint8_t> bytes) override;
    void Received(std::span<const std::uint8_t> bytes, std::size_t expected, bool timedOut) override;
    void Note(const std::string& text) override;

    /// The bytes as "02 41 ..." (upper-case, blank-separated).
    static std::string Hex(std::span<const std::uint8_t> bytes);

private:
    void Line(const std::string& text);

    std::ostream& out_;
    std::string side_;
    std::chrono::steady_clock::time_point start_;
    std::mutex mutex_;
};

} // namespace tav
