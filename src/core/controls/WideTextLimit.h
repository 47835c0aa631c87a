#pragma once

#include <cstddef>
#include <string_view>

namespace tav {

/// The length rule of a length-limited edit applied to text as the user sees it (code points):
/// the radio keeps a character outside ASCII as two bytes of its double-byte code page, so such a
/// character counts two bytes and is never kept in half.

/// Bytes the text takes in the radio (1 for ASCII, 2 for any other character); a NUL ends it.
std::size_t RadioTextBytes(std::u32string_view text);

/// How many characters of `text` fit `maxBytes` bytes (normalised as LimitTextBytes does).
std::size_t LimitedCharCount(std::u32string_view text, int maxBytes);

} // namespace tav
