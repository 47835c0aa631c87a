#pragma once

#include <array>
#include <cstdint>

namespace tav {

/// A local date and time as the radio keeps it.
struct LocalDateTime {
    int year = 2000;
    int month = 1; ///< 1-12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

/// The programming date as stored in the radio: seconds, minutes, hours, day of month, month,
/// year modulo 100, century, 0.
using ProgrammingDate = std::array<std::uint8_t, 8>;
ProgrammingDate EncodeProgrammingDate(const LocalDateTime& time);
LocalDateTime DecodeProgrammingDate(const ProgrammingDate& bytes);

/// Tells the local time (a test puts a fixed one in place).
class WallClock {
public:
    virtual ~WallClock() = default;
    virtual LocalDateTime Now() const = 0;
};

/// The computer's clock in the user's time zone.
class SystemWallClock : public WallClock {
public:
    LocalDateTime Now() const override;
};

/// A clock that always tells the same time.
class FixedWallClock : public WallClock {
public:
    explicit FixedWallClock(LocalDateTime time) : time_(time) {}
    LocalDateTime Now() const override { return time_; }

private:
    LocalDateTime time_;
};

} // namespace tav
