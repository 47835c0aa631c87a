#pragma once

#include "core/platform/WallClock.h"

#include <chrono>

namespace tav {

/// The clock of the radio link: the local date (the programming date a write stamps) that every
/// wall clock tells, and the link's fixed pauses. The pauses go through `Sleep`, so tests may put a
/// clock in place that only counts them.
class Clock : public WallClock {
public:
    virtual void Sleep(std::chrono::milliseconds duration) = 0;
};

/// The machine's clock.
class SystemClock final : public Clock {
public:
    LocalDateTime Now() const override { return SystemWallClock().Now(); }
    void Sleep(std::chrono::milliseconds duration) override;

    /// The process-wide instance.
    static SystemClock& Instance();
};

/// A clock that really sleeps but keeps the sum of the pauses asked for (the mandated waits).
class CountingClock final : public Clock {
public:
    explicit CountingClock(Clock& inner) : inner_(inner) {}
    LocalDateTime Now() const override { return inner_.Now(); }
    void Sleep(std::chrono::milliseconds duration) override {
        slept_ += duration;
        inner_.Sleep(duration);
    }
    std::chrono::milliseconds Slept() const { return slept_; }

private:
    Clock& inner_;
    std::chrono::milliseconds slept_{0};
};

} // namespace tav
