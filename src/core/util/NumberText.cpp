#include "core/util/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace tav {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    return i;
}

} // namespace

std::optional<double> ReadDecimalNumber(std::string_view text, char separator) {
    std::size_t i = SkipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    // The number is copied in the neutral form that std::from_chars reads.
    std::string neutral;
    bool anyDigit = false;
    while (i < text.size() && IsDigit(text[i])) {
        neutral += text[i++];
        anyDigit = true;
    }
    if (i < text.size() && (text[i] == separator || text[i] == '.')) {
        std::size_t j = i + 1;
        std::string fraction;
        while (j < text.size() && IsDigit(text[j])) {
            fraction += text[j++];
        }
        if (anyDigit || !fraction.empty()) {
            neutral += '.';
            neutral += fraction;
            anyDigit = true;
            i = j;
        }
    }
    if (!anyDigit) {
        return std::nullopt;
    }
    bool negativeExponent = false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            negativeExponent = text[j] == '-';
            exponent += text[j++];
        }
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) {
                exponent += text[j++];
            }
            neutral += exponent;
        } else {
            negativeExponent = false;
        }
    }

    double value = 0.0;
    const auto [end, error] =
        std::from_chars(neutral.data(), neutral.data() + neutral.size(), value, std::chars_format::general);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        value = negativeExponent ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (error != std::errc{}) {
        value = 0.0;
    }
    return negative ? -value : value;
}

std::optional<std::int64_t> ReadDecimalInteger(std::string_view text, std::size_t* consumed) {
    std::size_t i = SkipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size() || !IsDigit(text[i])) {
        return std::nullopt;
    }
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t magnitude = 0;
    bool saturated = false;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        const int digit = text[i] - '0';
        if (!saturated && magnitude > (kMax - digit) / 10) {
            saturated = true;
        }
        if (!saturated) {
            magnitude = magnitude * 10 + digit;
        }
    }
    if (consumed) {
        *consumed = i;
    }
    if (saturated) {
        return negative ? std::numeric_limits<std::int64_t>::min() : kMax;
    }
    return negative ? -magnitude : magnitude;
}

std::int32_t SaturateToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

std::int64_t TruncateToInt64(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    // 2^63 is exactly representable; every double below it converts without overflow.
    constexpr double kLimit = 9223372036854775808.0;
    if (value >= kLimit) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (value <= -kLimit) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(value);
}

std::string FormatFixed(double value, int decimals, char separator) {
    decimals = std::clamp(decimals, 0, 9);
    if (!std::isfinite(value)) {
        value = 0.0;
    }
    char buffer[400];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (error != std::errc{}) {
        return "0";
    }
    std::string text(buffer, end);
    std::replace(text.begin(), text.end(), '.', separator);
    return text;
}

} // namespace tav
