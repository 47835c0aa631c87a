#pragma once

#include <cstdint>

namespace tav {

/// Identifies one record for the whole run of the program; keys its problem-list entries.
using ObjectId = std::uint32_t;

/// No record.
inline constexpr ObjectId kNoObject = 0;

/// Hands out the ObjectIds of one record type: each call to Next adds 200 to the running value
/// (the first id is the base plus 200).
class ObjectIdCounter {
public:
    static constexpr ObjectId kStep = 200;

    ObjectIdCounter() = default;
    explicit ObjectIdCounter(ObjectId base) : value_(base) {}

    ObjectId Next() {
        value_ += kStep;
        return value_;
    }
    ObjectId Current() const { return value_; }

private:
    ObjectId value_ = 0;
};

} // namespace tav
