#pragma once

#include <cstddef>
#include <string_view>

namespace tav {

/// The length of the well-formed UTF-8 sequence at the start of `text` (1 to 4: no overlong forms,
/// surrogates or code points above U+10FFFF), or 0 when it is not one; `bad` is then the number of
/// bytes that cannot start a valid sequence (the longest start of a sequence that could have been
/// valid, at least one byte). `text` may not be empty.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t& bad);

} // namespace tav
