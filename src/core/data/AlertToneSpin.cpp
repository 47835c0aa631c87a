#include "core/data/AlertToneSpin.h"

#include "core/data/AlertTonePlayer.h"

namespace tav {
namespace {

std::string Shown(long long value, const NumericRange& range) {
    return std::to_string(value / range.divisor);
}

} // namespace

std::string SpinToneEditText(std::string_view text, const NumericRange& range, bool up,
                             std::string_view offText) {
    if (!range.IsUsable()) {
        return std::string(text);
    }
    const bool withOff = !offText.empty();
    const long long min = range.start;
    const long long max = range.end;
    const long long step = range.step;
    if (withOff && text == offText) {
        return Shown(up ? min : max, range);
    }
    const long long number = ReadToneEditNumber(std::string(text));
    const long long v = range.divisor * step * (number / step);
    if (withOff && v == min && !up) {
        return std::string(offText);
    }
    if (withOff && v == max && up) {
        return std::string(offText);
    }
    if (up) {
        return Shown(min <= v && v < max ? v + step : min, range);
    }
    return Shown(min < v && v <= max ? v - step : max, range);
}

} // namespace tav
