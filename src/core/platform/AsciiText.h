#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tav::AsciiText {

/// Lower-case copy; only the ASCII letters change, every other byte (UTF-8 included) stays.
std::string ToLower(std::string_view text);

/// Equality ignoring the case of ASCII letters, as the settings and language files compare names.
bool EqualsNoCase(std::string_view a, std::string_view b);

/// The text without leading and trailing blanks (space, tab, CR, LF, VT, FF).
std::string_view Trim(std::string_view text);

/// The items of a comma-separated list, each trimmed; empty items are dropped unless `keepEmpty`
/// is set (where an item's position counts).
std::vector<std::string> SplitList(std::string_view text, char separator = ',', bool keepEmpty = false);

/// Reads a decimal integer the way the C library's atoi does (leading blanks, an optional sign, then
/// digits up to the first other character), clamped to the int range instead of overflowing.
/// `digits` receives whether at least one digit was read.
int ParseLeadingInt(std::string_view text, bool* digits = nullptr);

/// Reads one number as the scanf family's "%d" does (with ReadDecimalInteger): blanks, an optional
/// sign, at least one digit.
/// On success the number is removed from the front of `text`; a number beyond the int range fails.
bool ScanInt(std::string_view& text, int& value);

/// A text cut to at most `maxBytes` bytes without splitting a UTF-8 character in two.
std::string_view CutUtf8(std::string_view text, std::size_t maxBytes);

} // namespace tav::AsciiText
