#pragma once

#include "core/comm/Clock.h"

namespace tav {

/// A clock whose sleeps return at once and only count; the date is set by hand.
class ManualClock final : public Clock {
public:
    LocalDateTime Now() const override { return date_; }
    void Sleep(std::chrono::milliseconds duration) override {
        slept_ += duration;
        ++sleepCount_;
    }

    void SetLocalNow(const LocalDateTime& date) { date_ = date; }
    /// Sum of every pause asked for so far.
    std::chrono::milliseconds Slept() const { return slept_; }
    int SleepCount() const { return sleepCount_; }

private:
    std::chrono::milliseconds slept_{0};
    int sleepCount_ = 0;
    LocalDateTime date_;
};

} // namespace tav
