#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tav {

/// Where the value of a tuning point lies in the tuning block: the byte offset of its 16-bit
/// value; nothing when the point code is not in the table.
std::optional<std::size_t> TuningPointOffset(std::uint16_t pointCode);

/// The number of entries of the tuning point table.
std::size_t TuningPointCount();

/// A value of the tuning block: its byte offset and the first point code of the table that has it
/// (two codes share their values with two others).
struct TuningValueSlot {
    std::uint16_t pointCode = 0;
    std::size_t offset = 0;
};

/// Each value of the tuning block once, in the order of the tuning point table.
const std::vector<TuningValueSlot>& TuningValueSlots();

/// The largest value a tuning item takes: 1474 for the items 0x8000, 0x8020, 0x8030, 0x8040 and
/// 0x8480, 255 for every other.
std::uint16_t TuningItemMaximum(std::uint32_t itemCode);

/// One entry of the tuning item list (label text 7054).
struct TuningItem {
    std::uint32_t code = 0;
    std::uint16_t flags = 0;

    bool operator==(const TuningItem&) const = default;
};

/// The item list: entries separated by ";", each "code,flags" in decimal; blanks are removed
/// first. Entries that do not read as two numbers are skipped.
std::vector<TuningItem> ParseTuningItems(std::string_view text);

/// The channel spacing of a group of tuning points (the numbers the tuning dialog keeps).
enum class TuningSpacing : int { Narrow = 0, Middle = 1, Wide = 2 };

/// The points of a tuning item, by spacing, in code order.
struct TuningItemPoints {
    std::vector<std::uint16_t> wide;   ///< flag bits 0-4: code + 0 … 4
    std::vector<std::uint16_t> middle; ///< flag bits 5-9: code + 5 … 9
    std::vector<std::uint16_t> narrow; ///< flag bits 10-14: code + 10 … 14
    bool hasVolume = false;            ///< flag bit 15

    const std::vector<std::uint16_t>& Of(TuningSpacing spacing) const;
    /// Wide if it has points, else middle if it has points, else narrow.
    TuningSpacing InitialSpacing() const;
};

TuningItemPoints PointsOf(const TuningItem& item);

/// The selector of the test switch for a point: 'b' for points 0x8300-0x848F, 'a' for the others.
char TestSwitchSelector(std::uint16_t pointCode);

} // namespace tav
