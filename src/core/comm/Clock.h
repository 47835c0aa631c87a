#pragma once

#include "core/platform/WallClock.h"

#include <chrono>
#include <cstdint>

namespace tav {

/// Time as the link sees it: a monotonic clock for pauses and time-outs, and the local date.
/// The link's fixed pauses go through `Sleep`, so tests may replace them by a clock that only counts.
class Clock {
public:
    using Duration = std::chrono::steady_clock::duration;
    using TimePoint = std::chrono::steady_clock::time_point;

    virtual ~Clock() = default;
    virtual TimePoint Now() const = 0;
    virtual void Sleep(std::chrono::milliseconds duration) = 0;
    virtual LocalDateTime LocalNow() const = 0;
};

/// The machine's clocks.
class SystemClock final : public Clock {
public:
    TimePoint Now() const override;
    void Sleep(std::chrono::milliseconds duration) override;
    LocalDateTime LocalNow() const override;

    /// The process-wide instance.
    static SystemClock& Instance();
};

/// A clock whose sleeps return at once and move its own time forward; the date is set by hand.
/// `Now` runs on the real monotonic clock plus the time slept, so time-outs measured against it
/// still see real waiting.
class ManualClock final : public Clock {
public:
    TimePoint Now() const override { return std::chrono::steady_clock::now() + slept_; }
    void Sleep(std::chrono::milliseconds duration) override {
        slept_ += duration;
        ++sleepCount_;
    }
    LocalDateTime LocalNow() const override { return date_; }

    void SetLocalNow(const LocalDateTime& date) { date_ = date; }
    /// Sum of every pause asked for so far.
    std::chrono::milliseconds Slept() const { return slept_; }
    int SleepCount() const { return sleepCount_; }

private:
    std::chrono::milliseconds slept_{0};
    int sleepCount_ = 0;
    LocalDateTime date_;
};

/// A clock that really sleeps but keeps the sum of the pauses asked for (the mandated waits).
class CountingClock final : public Clock {
public:
    explicit CountingClock(Clock& inner) : inner_(inner) {}
    TimePoint Now() const override { return inner_.Now(); }
    void Sleep(std::chrono::milliseconds duration) override {
        slept_ += duration;
        inner_.Sleep(duration);
    }
    LocalDateTime LocalNow() const override { return inner_.LocalNow(); }
    std::chrono::milliseconds Slept() const { return slept_; }

private:
    Clock& inner_;
    std::chrono::milliseconds slept_{0};
};

} // namespace tav
