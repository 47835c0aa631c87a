#pragma once

#include "core/util/NumberText.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tav {

/// The edit part of an editable CTCSS drop-down: digits and the decimal separator, 5 characters.
inline constexpr std::size_t kCtcssEditMaxChars = 5;
std::string CtcssEditAllowedChars(char separator = kDefaultDecimalSeparator);

/// The edit part of an editable CDCSS drop-down: octal digits only, 3 characters.
inline constexpr std::size_t kCdcssEditMaxChars = 3;
inline constexpr const char* kCdcssEditAllowedChars = "01234567";

/// What a CTCSS edit shows after losing the focus: its text read as a tone (clamped to
/// 40.0-300.0 Hz) and shown again with one decimal.
std::string CommitCtcssEdit(std::string_view text, char separator = kDefaultDecimalSeparator);

} // namespace tav
