#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tav {

class TextLookup;

// Small conversions shared by the single-block features: bit fields inside a byte, list texts
// of raw values and back, and the fixed-width text fields of the radio.

/// The bits of `mask` in `byte`, shifted down to bit 0.
constexpr std::uint8_t GetBits(std::uint8_t byte, std::uint8_t mask) {
    int shift = 0;
    while (mask && !((mask >> shift) & 1)) {
        ++shift;
    }
    return static_cast<std::uint8_t>((byte & mask) >> shift);
}

/// `byte` with the bits of `mask` replaced by `value` (shifted up to the mask); other bits kept.
constexpr std::uint8_t SetBits(std::uint8_t byte, std::uint8_t mask, unsigned value) {
    int shift = 0;
    while (mask && !((mask >> shift) & 1)) {
        ++shift;
    }
    return static_cast<std::uint8_t>((byte & ~mask) | ((value << shift) & mask));
}

constexpr bool GetBit(std::uint8_t byte, int bit) {
    return (byte >> bit) & 1;
}
constexpr std::uint8_t SetBit(std::uint8_t byte, int bit, bool on) {
    return on ? static_cast<std::uint8_t>(byte | (1u << bit))
              : static_cast<std::uint8_t>(byte & ~(1u << bit));
}

/// The text of the item with raw value `raw` in list `listId`; empty when the list has none.
std::string ListText(const TextLookup& texts, int listId, int raw);

/// The raw value of the item with `text` in list `listId`. When the list has no such item (an
/// empty selection, or a language file that lacks the stored value) the stored value `keep` is
/// returned, so that showing and storing an editor never changes a value it could not show.
int ListValueOr(const TextLookup& texts, int listId, const std::string& text, int keep);

/// Writes the raw value of a list text into the bits of `mask` in `byte` when the text names an
/// item whose value fits the mask; otherwise the byte keeps what it holds.
void StoreListValue(std::uint8_t& byte, const TextLookup& texts, int listId, const std::string& text,
                    std::uint8_t mask = 0xFF, unsigned shift = 0);

/// Sets or clears the bits of `mask` in `byte`.
inline void SetMaskBits(std::uint8_t& byte, std::uint8_t mask, bool on) {
    byte = static_cast<std::uint8_t>(on ? (byte | mask) : (byte & ~mask));
}

/// The characters of a fixed-width field up to its first 0 byte (or the whole field).
std::string ReadZeroEndedText(std::span<const std::uint8_t> field);

/// Writes `text` into the field, cut to the field's width and filled up with `pad`. A cut never
/// splits a multi-byte UTF-8 character: its leading bytes are dropped as well.
void WritePaddedText(std::span<std::uint8_t> field, std::string_view text, std::uint8_t pad);

/// `text` without blanks, tabs and line ends at its end.
std::string TrimRight(std::string_view text);
/// `text` without blanks, tabs and line ends at both ends.
std::string Trim(std::string_view text);

/// The first `maxChars` decimal digits of `text`; every other character is dropped.
std::string DigitsOnly(std::string_view text, std::size_t maxChars);

} // namespace tav
