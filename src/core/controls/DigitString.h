#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

/// The number of digits a digit-string edit holds unless told otherwise.
inline constexpr int kDefaultDigitCount = 12;
/// The most digits a digit-string edit is given room for.
inline constexpr int kMaxDigitCount = 64;

/// A digit count made usable: even (two digits per byte), 0..kMaxDigitCount.
int NormalizeDigitCount(int digitCount);

/// The bytes a digit-string edit keeps and the text that shows them.
struct DigitStringEntry {
    std::vector<std::uint8_t> bytes;
    std::string text;

    bool operator==(const DigitStringEntry&) const = default;
};

/// Showing: digitCount / 2 bytes, two digits per byte (high nibble first), each byte as two
/// upper-case hexadecimal digits. A buffer shorter than that is read no further; the missing
/// bytes are 0.
DigitStringEntry DigitStringFromBytes(std::span<const std::uint8_t> bytes,
                                      int digitCount = kDefaultDigitCount);

/// Taking back: the text's digits, left-padded with "0" to digitCount, packed two per byte. The
/// hexadecimal digits A-F (a-f), which a byte that holds no decimal digit shows, read back as
/// their own value, so an untouched text gives its bytes back unchanged; other characters are
/// ignored and digits beyond digitCount are dropped.
DigitStringEntry DigitStringFromText(std::string_view text, int digitCount = kDefaultDigitCount);

} // namespace tav
