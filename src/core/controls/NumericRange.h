#pragma once

#include "core/util/NumberText.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tav {

/// Language text shown by a numeric range edit whose value is "off".
inline constexpr int kOffText = 1174;

/// A raw value and the text that shows it.
struct NumericEntry {
    std::int32_t raw = 0;
    std::string text;

    bool operator==(const NumericEntry&) const = default;
};

/// The configuration of a numeric range edit, as a language file gives it for the edit
/// ("start:step:end:divisor:first:increment:decimals"): the user enters display values from
/// `start` to `end` in steps of `step`; display value `start` is raw value `first`, and each
/// `step` adds `increment` to the raw value. With `decimals` > 0 the display value is divided by
/// `divisor` and shown with that many decimals.
///
/// The numbers come from a file the user may edit, so every operation is guarded: a range with a
/// zero step, increment or divisor is not usable, and then the edit keeps the raw value it was
/// given and shows it as a plain number; conversions that would overflow keep the raw value too.
struct NumericRange {
    int start = 0;
    int step = 0;
    int end = 0;
    int divisor = 0;
    int first = 0;
    int increment = 0;
    int decimals = 0;

    bool operator==(const NumericRange&) const = default;

    /// False when step, increment or divisor is zero.
    bool IsUsable() const;

    /// start + (raw − first) × step / increment, in integer arithmetic (truncating).
    std::optional<std::int64_t> RawToValue(std::int32_t raw) const;
    /// first + (value − start) × increment / step, in integer arithmetic; nothing when the result
    /// does not fit 32 bits.
    std::optional<std::int32_t> ValueToRaw(std::int64_t value) const;
    /// Below start gives start, then above end gives end.
    std::int64_t Clamp(std::int64_t value) const;
    /// step × (value / step), truncating.
    std::int64_t SnapDown(std::int64_t value) const;
    /// The value in decimal with decimals = 0; otherwise value / divisor with `decimals` decimals.
    std::string ValueToText(std::int64_t value, char separator = kDefaultDecimalSeparator) const;

    /// The text a numeric range edit shows for `raw`.
    std::string RawToText(std::int32_t raw, char separator = kDefaultDecimalSeparator) const;
    /// As RawToText, but raw 0 is off and shows `offText`.
    std::string RawToTextWithOff(std::int32_t raw, std::string_view offText,
                                 char separator = kDefaultDecimalSeparator) const;

    /// The plain edit's text read back: the number (with decimals: × divisor, +0.001 against float
    /// error), snapped down to the step and clamped to the range. An unusable range keeps
    /// `currentRaw`.
    NumericEntry TakeBack(std::string_view text, std::int32_t currentRaw,
                          char separator = kDefaultDecimalSeparator) const;
    /// The Off edit's text read back when it loses the focus: the off text, an empty text and any
    /// number that snaps down to 0 are off (raw 0, off text shown); other numbers are clamped.
    NumericEntry TakeBackWithOff(std::string_view text, std::string_view offText,
                                 std::int32_t currentRaw) const;
    /// The decimal edit's text read back when it loses the focus: value = the integer part of
    /// divisor × number + 0.0005, clamped but not snapped.
    NumericEntry TakeBackDecimal(std::string_view text, std::int32_t currentRaw,
                                 char separator = kDefaultDecimalSeparator) const;

private:
    NumericEntry FromValue(std::int64_t value, std::int32_t currentRaw, char separator) const;
};

} // namespace tav
