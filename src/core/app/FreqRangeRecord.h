#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tav {

/// One frequency range of a model, in whole MHz, as `Model.dat` lists it ("Freq%d" keys) and as
/// a radio reports its band.
struct FreqRangeRecord {
    /// Flags bit 7: the U/V band flag; bits 0-6: the frequency range identifier. Both are copied
    /// into the radio information block.
    static constexpr std::uint8_t kUvBandBit = 0x80;
    static constexpr std::uint8_t kRangeIdMask = 0x7F;

    std::uint32_t low = 0;   ///< lower limit
    std::uint32_t high = 0;  ///< upper limit
    std::uint32_t low2 = 0;  ///< second lower limit (equal to `low` for ranges the program adds)
    std::uint32_t high2 = 0; ///< second upper limit (equal to `high` for ranges the program adds)
    std::uint8_t flags = 0;

    bool operator==(const FreqRangeRecord&) const = default;
};

/// Reads a "Freq%d" entry: five comma-separated decimal numbers (blanks allowed around them),
/// the four limits and the flags, of which the low byte is kept. Fails when fewer than five numbers
/// can be read or a limit is negative.
std::optional<FreqRangeRecord> ParseRangeEntry(std::string_view value);

/// The "Freq%d" entry of a record: "%d, %d, %d, %d, %d".
std::string FormatRangeEntry(const FreqRangeRecord& record);

} // namespace tav
