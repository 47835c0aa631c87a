#include "core/comm/Clock.h"

#include <ctime>
#include <thread>

namespace tav {

Clock::TimePoint SystemClock::Now() const {
    return std::chrono::steady_clock::now();
}

void SystemClock::Sleep(std::chrono::milliseconds duration) {
    // sleep_until on the monotonic clock resumes after signals without shortening the pause.
    std::this_thread::sleep_until(std::chrono::steady_clock::now() + duration);
}

LocalDateTime SystemClock::LocalNow() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return LocalDateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                         local.tm_hour,        local.tm_min,     local.tm_sec > 59 ? 59 : local.tm_sec};
}

SystemClock& SystemClock::Instance() {
    static SystemClock clock;
    return clock;
}

} // namespace tav
