#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tav {

/// The decimal separator used when no locale says otherwise.
inline constexpr char kDefaultDecimalSeparator = '.';

/// Reads the number at the start of `text` the way the C library's `strtod` does (leading blanks,
/// an optional sign, digits with one decimal separator, an optional exponent), but independent of
/// any global locale: the separator is `separator` or '.', whichever comes first. Whatever follows
/// the number is ignored. Returns nothing when no digit starts the text. A number too large for a
/// double reads as an infinity of its sign, so that callers clamp it instead of overflowing.
std::optional<double> ReadDecimalNumber(std::string_view text, char separator = kDefaultDecimalSeparator);

/// Reads the decimal integer at the start of `text` as `atoi` does (leading blanks, optional sign,
/// digits), saturating at the limits of a 64-bit integer instead of overflowing. Returns nothing
/// when no digit starts the text. `consumed`, when given, receives how many bytes were read.
/// This is the program's one reader of integers in text; the others are built on it.
std::optional<std::int64_t> ReadDecimalInteger(std::string_view text, std::size_t* consumed = nullptr);

/// Saturating conversion of a 64-bit integer to 32 bits.
std::int32_t SaturateToInt32(std::int64_t value);

/// Converts a double to a 64-bit integer by truncation toward zero; NaN gives 0 and values beyond
/// the 64-bit range saturate.
std::int64_t TruncateToInt64(double value);

/// `value` printed with exactly `decimals` decimals ("%.Nf"), rounded to nearest, with `separator`
/// as the decimal separator. `decimals` is clamped to 0..9.
std::string FormatFixed(double value, int decimals, char separator = kDefaultDecimalSeparator);

} // namespace tav
