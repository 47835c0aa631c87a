#pragma once

#include <chrono>

namespace tav {

/// Tells the universal time, for records that must sort the same in every time zone (a test puts
/// a clock of its own in place).
class UtcClock {
public:
    virtual ~UtcClock() = default;
    virtual std::chrono::system_clock::time_point UtcNow() const = 0;
};

/// The computer's clock.
class SystemUtcClock final : public UtcClock {
public:
    std::chrono::system_clock::time_point UtcNow() const override { return std::chrono::system_clock::now(); }

    /// The process-wide instance.
    static const SystemUtcClock& Instance();
};

} // namespace tav
