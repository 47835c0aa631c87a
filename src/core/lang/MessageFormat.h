#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tav {

/// Language texts that carry a value ("... failed at address %04X.", "Reading: %d") are filled in
/// here without ever handing the text to printf as a format: a language file is user data, and a
/// stray "%s" in it must not read past anything.
///
/// The first conversion (%, optional flags '-' and '0', an optional width of at most two digits,
/// then d, i, u, x, X or s) takes the value; "%%" is a percent sign; anything else, later
/// conversions included, is left as it stands. A text without a conversion gets nothing inserted.

/// A number: decimal for d, i, u and s; hexadecimal for x and X (upper-case digits for X).
std::string FillMessage(std::string_view text, std::int64_t value);
/// A text: inserted as it is for any conversion.
std::string FillMessage(std::string_view text, std::string_view value);

} // namespace tav
