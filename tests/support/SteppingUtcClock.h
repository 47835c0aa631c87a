#pragma once

#include "core/platform/UtcClock.h"

#include <chrono>

namespace tav {

/// A universal clock set by hand that moves on by `step` each time it is asked (no step: it
/// tells the same time again and again).
class SteppingUtcClock final : public UtcClock {
public:
    explicit SteppingUtcClock(std::chrono::system_clock::time_point start,
                              std::chrono::milliseconds step = std::chrono::milliseconds(0))
        : now_(start), step_(step) {}

    std::chrono::system_clock::time_point UtcNow() const override {
        const auto now = now_;
        now_ += step_;
        return now;
    }

    /// 2024-03-09 14:05:59.123 UTC.
    static std::chrono::system_clock::time_point Example() {
        using namespace std::chrono;
        return sys_days{year{2024} / 3 / 9} + hours{14} + minutes{5} + seconds{59} + milliseconds{123};
    }

private:
    mutable std::chrono::system_clock::time_point now_;
    std::chrono::milliseconds step_;
};

} // namespace tav
