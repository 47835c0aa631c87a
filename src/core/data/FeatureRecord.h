#pragma once

#include "core/data/ObjectId.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tav {

/// One element of a record list (channel, personality, scan list, alert tone, two-tone system or
/// call): an owned block of the record's size and the ObjectId that keys its problem entries.
class FeatureRecord {
public:
    virtual ~FeatureRecord() = default;
    FeatureRecord(const FeatureRecord&) = default;
    FeatureRecord& operator=(const FeatureRecord&) = default;

    ObjectId Id() const { return id_; }
    std::span<std::uint8_t> Bytes() { return bytes_; }
    std::span<const std::uint8_t> Bytes() const { return bytes_; }
    std::size_t Size() const { return bytes_.size(); }

protected:
    FeatureRecord(std::size_t size, ObjectId id) : bytes_(size, 0xFF), id_(id) {}

private:
    std::vector<std::uint8_t> bytes_;
    ObjectId id_;
};

} // namespace tav
