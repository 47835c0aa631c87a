#include "core/data/FreqEntryRules.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace tav {

namespace {

bool IsEmptyText(std::string_view text) {
    return text.empty();
}

} // namespace

std::string FreqEditAllowedChars(char separator) {
    std::string allowed = "0123456789";
    if (allowed.find(separator) == std::string::npos) {
        allowed += separator;
    }
    return allowed;
}

FreqEditRange MakeFreqEditRange(std::int64_t lowMHz, std::int64_t highMHz) {
    std::uint32_t low = MHzToCount(lowMHz);
    std::uint32_t high = MHzToCount(highMHz);
    if (low > high) {
        std::swap(low, high);
    }
    return {low, high, low, high};
}

FreqRangeCheck CheckFreqRange(std::uint32_t count, const FreqEditRange& range) {
    if (count < range.low) {
        if (count >= range.outerLow) {
            return {count, FreqRangeResult::BelowButAccepted};
        }
        return {range.low, FreqRangeResult::ClampedToLow};
    }
    if (count > range.high) {
        if (count <= range.outerHigh) {
            return {count, FreqRangeResult::AboveButAccepted};
        }
        return {range.high, FreqRangeResult::ClampedToHigh};
    }
    return {count, FreqRangeResult::Inside};
}

FreqEditCommit CommitFreqEdit(std::string_view text, bool allowEmpty, const FreqEditRange& range,
                              char separator) {
    if (IsEmptyText(text) && allowEmpty) {
        return {FreqEditState{}, FreqRangeResult::Inside};
    }
    const FreqRangeCheck checked = CheckFreqRange(ParseFreq(text, separator), range);
    const StepClass snapped = ClassifyStep(checked.count);
    return {FreqEditState{FreqToBcd(snapped.count), snapped.code, FormatFreq(snapped.count, separator)},
            checked.result};
}

FreqEditState ShowFreqEditBcd(BcdFreq bcd, char separator) {
    if (bcd == kNoFreq) {
        return FreqEditState{};
    }
    const StepClass snapped = ClassifyStep(BcdToFreq(bcd));
    return {FreqToBcd(snapped.count), snapped.code, FormatFreq(snapped.count, separator)};
}

std::string ShownFreqText(BcdFreq bcd, char separator) {
    if (bcd == kNoFreq) {
        return {};
    }
    const FreqEditState shown = ShowFreqEditBcd(bcd, separator);
    if (!IsValidBcd(bcd)) {
        char stored[16];
        std::snprintf(stored, sizeof stored, "%08X", static_cast<unsigned>(bcd));
        return shown.text + " (stored: " + stored + ")";
    }
    if (shown.bcd != bcd) {
        return shown.text + " (off raster: " + FormatFreq(BcdToFreq(bcd), separator) + ")";
    }
    return shown.text;
}

FreqCellCommit CommitFreqCell(std::string_view text, bool allowEmpty, std::uint32_t minCount,
                              std::uint32_t maxCount, char separator) {
    if (IsEmptyText(text) && allowEmpty) {
        return FreqCellCommit{};
    }
    if (minCount > maxCount) {
        std::swap(minCount, maxCount);
    }
    const std::uint32_t count = std::clamp(ParseFreq(text, separator), minCount, maxCount);
    const GridStepClass snapped = ClassifyStepGrid(count);
    return {snapped.code, snapped.count, FormatFreq(snapped.count, separator)};
}

bool FreqCellAcceptsChar(char32_t character, char separator) {
    return (character >= U'0' && character <= U'9') || character == U'.' || character == U'\b' ||
           character == static_cast<unsigned char>(separator);
}

std::string FreqCellTextFromBcd(BcdFreq bcd, char separator) {
    return ShowFreqEditBcd(bcd, separator).text;
}

BcdFreq FreqCellBcdFromText(std::string_view text, char separator) {
    if (IsEmptyText(text)) {
        return kNoFreq;
    }
    return FreqToBcd(ParseFreq(text, separator));
}

} // namespace tav
