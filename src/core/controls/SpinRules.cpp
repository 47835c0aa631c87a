#include "core/controls/SpinRules.h"

#include <cmath>
#include <limits>

namespace tav {

namespace {

/// One step inside [start, end]; from outside the range, or past its edge, to the other end.
std::int64_t StepWithin(const NumericRange& range, std::int64_t value, SpinDirection direction) {
    if (direction == SpinDirection::Up) {
        return (range.start <= value && value < range.end) ? value + range.step : range.start;
    }
    return (range.start < value && value <= range.end) ? value - range.step : range.end;
}

/// divisor × step × (text / step), saturating so that absurd texts fall outside every range.
std::int64_t IntegerSpinValue(const NumericRange& range, std::string_view text) {
    const std::int64_t typed = SaturateToInt32(ReadDecimalInteger(text).value_or(0));
    const std::int64_t steps = typed / range.step;
    std::int64_t scale = 0;
    std::int64_t value = 0;
    if (__builtin_mul_overflow(static_cast<std::int64_t>(range.divisor), range.step, &scale) ||
        __builtin_mul_overflow(scale, steps, &value)) {
        const bool negative = (scale < 0) != (steps < 0);
        return negative ? std::numeric_limits<std::int64_t>::min() : std::numeric_limits<std::int64_t>::max();
    }
    return value;
}

std::string IntegerText(const NumericRange& range, std::int64_t value) {
    return std::to_string(value / range.divisor);
}

} // namespace

std::string SpinDecimalText(const NumericRange& range, std::string_view text, SpinDirection direction,
                            char separator) {
    if (!range.IsUsable()) {
        return std::string(text);
    }
    const double number = ReadDecimalNumber(text, separator).value_or(0.0);
    const std::int64_t value = TruncateToInt64(std::round(number * range.divisor));
    const std::int64_t next = StepWithin(range, value, direction);
    return FormatFixed(static_cast<double>(next) / range.divisor, 1, separator);
}

std::string SpinIntegerText(const NumericRange& range, std::string_view text, SpinDirection direction) {
    if (!range.IsUsable()) {
        return std::string(text);
    }
    return IntegerText(range, StepWithin(range, IntegerSpinValue(range, text), direction));
}

std::string SpinIntegerTextWithOff(const NumericRange& range, std::string_view text, std::string_view offText,
                                   SpinDirection direction) {
    if (!range.IsUsable()) {
        return std::string(text);
    }
    if (text == offText) {
        return IntegerText(range, direction == SpinDirection::Up ? range.start : range.end);
    }
    const std::int64_t value = IntegerSpinValue(range, text);
    if (value == range.start) {
        return direction == SpinDirection::Down ? std::string(offText)
                                                : IntegerText(range, value + range.step);
    }
    if (value == range.end) {
        return direction == SpinDirection::Up ? std::string(offText) : IntegerText(range, value - range.step);
    }
    return IntegerText(range, StepWithin(range, value, direction));
}

} // namespace tav
