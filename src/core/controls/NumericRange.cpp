#include "core/controls/NumericRange.h"

#include <algorithm>
#include <limits>

namespace tav {

namespace {

/// a × b / c with truncating division, or nothing when c is 0 or the product overflows.
std::optional<std::int64_t> MulDiv(std::int64_t a, std::int64_t b, std::int64_t c) {
    std::int64_t product = 0;
    if (c == 0 || __builtin_mul_overflow(a, b, &product)) {
        return std::nullopt;
    }
    if (product == std::numeric_limits<std::int64_t>::min() && c == -1) {
        return std::nullopt;
    }
    return product / c;
}

std::optional<std::int64_t> Add(std::int64_t a, std::int64_t b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        return std::nullopt;
    }
    return sum;
}

} // namespace

bool NumericRange::IsUsable() const {
    return step != 0 && increment != 0 && divisor != 0;
}

std::optional<std::int64_t> NumericRange::RawToValue(std::int32_t raw) const {
    const auto scaled = MulDiv(static_cast<std::int64_t>(raw) - first, step, increment);
    return scaled ? Add(start, *scaled) : std::nullopt;
}

std::optional<std::int32_t> NumericRange::ValueToRaw(std::int64_t value) const {
    const auto difference = Add(value, -static_cast<std::int64_t>(start));
    const auto scaled = difference ? MulDiv(*difference, increment, step) : std::nullopt;
    const auto raw = scaled ? Add(first, *scaled) : std::nullopt;
    if (!raw || *raw < std::numeric_limits<std::int32_t>::min() ||
        *raw > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(*raw);
}

std::int64_t NumericRange::Clamp(std::int64_t value) const {
    if (value < start) {
        value = start;
    }
    if (value > end) {
        value = end;
    }
    return value;
}

std::int64_t NumericRange::SnapDown(std::int64_t value) const {
    if (step == 0) {
        return value;
    }
    // Numbers beyond 32 bits are clamped to the range afterwards anyway; saturating them first keeps
    // the division clear of the one quotient that overflows (the lowest number divided by -1).
    const std::int64_t bounded = SaturateToInt32(value);
    return bounded / step * step;
}

std::string NumericRange::ValueToText(std::int64_t value, char separator) const {
    if (decimals <= 0 || divisor == 0) {
        return std::to_string(value);
    }
    return FormatFixed(static_cast<double>(value) / divisor, decimals, separator);
}

std::string NumericRange::RawToText(std::int32_t raw, char separator) const {
    const auto value = IsUsable() ? RawToValue(raw) : std::nullopt;
    return value ? ValueToText(*value, separator) : std::to_string(raw);
}

std::string NumericRange::RawToTextWithOff(std::int32_t raw, std::string_view offText, char separator) const {
    return raw == 0 ? std::string(offText) : RawToText(raw, separator);
}

NumericEntry NumericRange::FromValue(std::int64_t value, std::int32_t currentRaw, char separator) const {
    const auto raw = ValueToRaw(value);
    if (!raw) {
        return {currentRaw, RawToText(currentRaw, separator)};
    }
    return {*raw, ValueToText(value, separator)};
}

NumericEntry NumericRange::TakeBack(std::string_view text, std::int32_t currentRaw, char separator) const {
    if (!IsUsable()) {
        return {currentRaw, RawToText(currentRaw, separator)};
    }
    std::int64_t value = 0;
    if (decimals > 0) {
        const double number = ReadDecimalNumber(text, separator).value_or(0.0);
        value = TruncateToInt64(static_cast<double>(divisor) * number + 0.001);
    } else {
        value = ReadDecimalInteger(text).value_or(0);
    }
    return FromValue(Clamp(SnapDown(value)), currentRaw, separator);
}

NumericEntry NumericRange::TakeBackWithOff(std::string_view text, std::string_view offText,
                                           std::int32_t currentRaw) const {
    if (!IsUsable()) {
        return {currentRaw, RawToTextWithOff(currentRaw, offText)};
    }
    if (text == offText) {
        return {0, std::string(text)};
    }
    if (text.empty()) {
        return {0, std::string(offText)};
    }
    const std::int64_t snapped = SnapDown(ReadDecimalInteger(text).value_or(0));
    if (snapped == 0) {
        return {0, std::string(offText)};
    }
    const std::int64_t value = Clamp(snapped);
    const auto raw = ValueToRaw(value);
    if (!raw) {
        return {currentRaw, RawToTextWithOff(currentRaw, offText)};
    }
    return {*raw, std::to_string(value)};
}

NumericEntry NumericRange::TakeBackDecimal(std::string_view text, std::int32_t currentRaw,
                                           char separator) const {
    if (!IsUsable()) {
        return {currentRaw, RawToText(currentRaw, separator)};
    }
    const double number = ReadDecimalNumber(text, separator).value_or(0.0);
    const std::int64_t value = Clamp(TruncateToInt64(static_cast<double>(divisor) * number + 0.0005));
    const auto raw = ValueToRaw(value);
    if (!raw) {
        return {currentRaw, RawToText(currentRaw, separator)};
    }
    return {*raw, FormatFixed(static_cast<double>(value) / divisor, decimals, separator)};
}

} // namespace tav
