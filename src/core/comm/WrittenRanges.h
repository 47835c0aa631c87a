#pragma once

#include "core/comm/TransferPlan.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tav {

/// Radio addresses from `first` to `last`, both included.
struct AddressRange {
    std::uint32_t first = 0;
    std::uint32_t last = 0;

    bool operator==(const AddressRange&) const = default;
    /// "00FE-01FD".
    std::string Text() const;
};

/// How far a write got: the blocks the radio acknowledged hold the new data; the block that was
/// sent but never acknowledged may hold either; every other address still holds what the radio
/// held before. Blocks are taken in the order the write sends them (the date block last).
class WrittenRanges {
public:
    WrittenRanges() = default;

    /// After `acknowledged` blocks of `sent` (in order) were acknowledged; `nextWasSent` when the
    /// block after them went out on the line but was not acknowledged.
    static WrittenRanges After(const BlockPlan& sent, std::size_t acknowledged, bool nextWasSent);

    /// Something may have changed in the radio.
    bool Started() const { return !newData_.empty() || unsure_.has_value(); }
    /// The ranges holding new data, adjacent blocks joined.
    const std::vector<AddressRange>& NewData() const { return newData_; }
    /// The block that may hold new or old data.
    const std::optional<AddressRange>& Unsure() const { return unsure_; }
    /// "0078-00B4, 00D9-00DD, 00FE-01FD"; empty when no block was acknowledged.
    std::string NewDataText() const;

    bool operator==(const WrittenRanges&) const = default;

private:
    std::vector<AddressRange> newData_;
    std::optional<AddressRange> unsure_;
};

} // namespace tav
