#include "core/comm/Clock.h"

#include <thread>

namespace tav {

void SystemClock::Sleep(std::chrono::milliseconds duration) {
    // sleep_until on the monotonic clock resumes after signals without shortening the pause.
    std::this_thread::sleep_until(std::chrono::steady_clock::now() + duration);
}

SystemClock& SystemClock::Instance() {
    static SystemClock clock;
    return clock;
}

} // namespace tav
