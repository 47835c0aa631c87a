#include "core/controls/DigitString.h"

#include <algorithm>

namespace tav {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

int NibbleOf(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

} // namespace

int NormalizeDigitCount(int digitCount) {
    return std::clamp(digitCount, 0, kMaxDigitCount) / 2 * 2;
}

DigitStringEntry DigitStringFromBytes(std::span<const std::uint8_t> bytes, int digitCount) {
    const std::size_t byteCount = static_cast<std::size_t>(NormalizeDigitCount(digitCount)) / 2;
    DigitStringEntry entry;
    entry.bytes.assign(byteCount, 0);
    std::copy_n(bytes.begin(), std::min(byteCount, bytes.size()), entry.bytes.begin());
    for (const std::uint8_t byte : entry.bytes) {
        entry.text += kHexDigits[byte >> 4];
        entry.text += kHexDigits[byte & 0xF];
    }
    return entry;
}

DigitStringEntry DigitStringFromText(std::string_view text, int digitCount) {
    const std::size_t digits = static_cast<std::size_t>(NormalizeDigitCount(digitCount));
    std::string padded;
    for (const char c : text) {
        if (NibbleOf(c) >= 0 && padded.size() < digits) {
            padded += kHexDigits[NibbleOf(c)];
        }
    }
    padded.insert(0, digits - padded.size(), '0');

    DigitStringEntry entry;
    entry.bytes.reserve(digits / 2);
    for (std::size_t i = 0; i < digits; i += 2) {
        entry.bytes.push_back(static_cast<std::uint8_t>(NibbleOf(padded[i]) * 16 + NibbleOf(padded[i + 1])));
    }
    entry.text = std::move(padded);
    return entry;
}

} // namespace tav
