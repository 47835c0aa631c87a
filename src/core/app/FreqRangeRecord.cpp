#include "core/app/FreqRangeRecord.h"

#include "core/platform/AsciiText.h"

namespace tav {

std::optional<FreqRangeRecord> ParseRangeEntry(std::string_view value) {
    const auto fields = AsciiText::SplitList(value, ',', true);
    if (fields.size() < 5) {
        return std::nullopt;
    }
    int numbers[5] = {};
    for (int i = 0; i < 5; ++i) {
        std::string_view field = fields[static_cast<std::size_t>(i)];
        if (!AsciiText::ScanInt(field, numbers[i]) || numbers[i] < 0) {
            return std::nullopt;
        }
    }
    return FreqRangeRecord{static_cast<std::uint32_t>(numbers[0]), static_cast<std::uint32_t>(numbers[1]),
                           static_cast<std::uint32_t>(numbers[2]), static_cast<std::uint32_t>(numbers[3]),
                           static_cast<std::uint8_t>(numbers[4] & 0xFF)};
}

std::string FormatRangeEntry(const FreqRangeRecord& record) {
    return std::to_string(record.low) + ", " + std::to_string(record.high) + ", " +
           std::to_string(record.low2) + ", " + std::to_string(record.high2) + ", " +
           std::to_string(record.flags);
}

} // namespace tav
