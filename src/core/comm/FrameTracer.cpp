#include "core/comm/FrameTracer.h"

#include "core/comm/LinkFrame.h"

#include <cstdio>
#include <ostream>

namespace tav {

StreamFrameTracer::StreamFrameTracer(std::ostream& out, std::string side)
    : out_(out), side_(std::move(side)), start_(std::chrono::steady_clock::now()) {}

std::string StreamFrameTracer::Hex(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 3);
    for (const std::uint8_t b : bytes) {
        if (!text.empty()) {
            text += ' ';
        }
        text += kDigits[b >> 4];
        text += kDigits[b & 0x0F];
    }
    return text;
}

void StreamFrameTracer::Line(const std::string& text) {
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%.6f ", seconds);
    const std::lock_guard<std::mutex> lock(mutex_);
    out_ << stamp;
    if (!side_.empty()) {
        out_ << side_ << ' ';
    }
    out_ << text << '\n';
    out_.flush();
}

void StreamFrameTracer::Sent(std::span<const std::uint8_t> bytes) {
    std::string text = "TX " + Hex(bytes);
    if (const std::string what = frame::Describe(bytes); !what.empty()) {
        text += "  " + what;
    }
    Line(text);
}

void StreamFrameTracer::Received(std::span<const std::uint8_t> bytes, std::size_t expected, bool timedOut) {
    std::string text = "RX " + Hex(bytes);
    if (bytes.size() != expected) {
        text += (bytes.empty() ? "(" : " (") + std::to_string(bytes.size()) + " of " +
                std::to_string(expected) + " bytes)";
        text += timedOut ? "  TIMEOUT" : "  LINE ERROR";
    } else if (const std::string what = frame::Describe(bytes); !what.empty()) {
        text += "  " + what;
    }
    Line(text);
}

void StreamFrameTracer::Note(const std::string& text) {
    Line("-- " + text);
}

} // namespace tav
