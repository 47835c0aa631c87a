#include "core/platform/WallClock.h"

#include <ctime>

namespace tav {

ProgrammingDate EncodeProgrammingDate(const LocalDateTime& t) {
    return {static_cast<std::uint8_t>(t.second),     static_cast<std::uint8_t>(t.minute),
            static_cast<std::uint8_t>(t.hour),       static_cast<std::uint8_t>(t.day),
            static_cast<std::uint8_t>(t.month),      static_cast<std::uint8_t>(t.year % 100),
            static_cast<std::uint8_t>(t.year / 100), 0};
}

LocalDateTime DecodeProgrammingDate(const ProgrammingDate& b) {
    LocalDateTime t;
    t.second = b[0];
    t.minute = b[1];
    t.hour = b[2];
    t.day = b[3];
    t.month = b[4];
    t.year = b[6] * 100 + b[5];
    return t;
}

LocalDateTime SystemWallClock::Now() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

} // namespace tav
