#pragma once

#include "core/comm/Clock.h"

#include <atomic>

namespace tav {

/// A clock whose sleeps return at once and only count; the date is set by hand.
class ManualClock final : public Clock {
public:
    LocalDateTime Now() const override { return date_; }
    /// Safe from several threads at once (radios written side by side share one clock).
    void Sleep(std::chrono::milliseconds duration) override {
        slept_ += duration.count();
        ++sleepCount_;
    }

    void SetLocalNow(const LocalDateTime& date) { date_ = date; }
    /// Sum of every pause asked for so far.
    std::chrono::milliseconds Slept() const { return std::chrono::milliseconds(slept_.load()); }
    int SleepCount() const { return sleepCount_; }

private:
    std::atomic<std::chrono::milliseconds::rep> slept_{0};
    std::atomic<int> sleepCount_{0};
    LocalDateTime date_;
};

} // namespace tav
