#include "data/AlertToneSpin.h"

#include <cctype>
#include <climits>

namespace tav {

namespace {

ToneSpinRange Sane(ToneSpinRange range) {
    if (range.step <= 0) {
        range.step = 1;
    }
    if (range.divisor <= 0) {
        range.divisor = 1;
    }
    return range;
}

/// The integer rule: inside the range one step on, outside it (or at the far end) the other end.
long long StepInRange(long long v, const ToneSpinRange& r, bool increase) {
    if (increase) {
        return (r.min <= v && v < r.max) ? v + r.step : r.min;
    }
    return (r.min < v && v <= r.max) ? v - r.step : r.max;
}

long long Snapped(const std::string& text, const ToneSpinRange& r) {
    const long long shown = ReadToneEditNumber(text);
    return static_cast<long long>(r.divisor) * r.step * (shown / r.step);
}

std::string Shown(long long v, const ToneSpinRange& r) {
    return std::to_string(v / r.divisor);
}

} // namespace

int ReadToneEditNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) {
            value = INT_MAX; // an absurdly long number saturates instead of overflowing
        }
    }
    return static_cast<int>(negative ? -value : value);
}

std::string SpinAlertToneValue(const std::string& text, const ToneSpinRange& range, bool increase) {
    const ToneSpinRange r = Sane(range);
    return Shown(StepInRange(Snapped(text, r), r, increase), r);
}

std::string SpinAlertToneFrequency(const std::string& text, const ToneSpinRange& range, bool increase,
                                   const std::string& offText) {
    const ToneSpinRange r = Sane(range);
    if (text == offText) {
        return Shown(increase ? r.min : r.max, r);
    }
    const long long v = Snapped(text, r);
    if (v == r.min && !increase) {
        return offText;
    }
    if (v == r.max && increase) {
        return offText;
    }
    if (v == r.min || v == r.max) {
        return Shown(increase ? v + r.step : v - r.step, r);
    }
    return Shown(StepInRange(v, r, increase), r);
}

} // namespace tav
