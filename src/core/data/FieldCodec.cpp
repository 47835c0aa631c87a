#include "core/data/FieldCodec.h"

#include "core/lang/TextLookup.h"

#include <algorithm>

namespace tav {

std::string ListText(const TextLookup& texts, int listId, int raw) {
    return texts.ListValueToText(listId, raw);
}

void StoreListValue(std::uint8_t& byte, const TextLookup& texts, int listId, const std::string& text,
                    std::uint8_t mask, unsigned shift) {
    const int value = texts.ListTextToValue(listId, text);
    if (value < 0 || value > (mask >> shift)) {
        return;
    }
    byte = static_cast<std::uint8_t>((byte & ~mask) | ((value << shift) & mask));
}

int ListValueOr(const TextLookup& texts, int listId, const std::string& text, int keep) {
    if (text.empty()) {
        return keep;
    }
    const int value = texts.ListTextToValue(listId, text);
    return value < 0 ? keep : value;
}

std::string ReadZeroEndedText(std::span<const std::uint8_t> field) {
    const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
    return std::string(field.begin(), end);
}

namespace {

/// How many bytes of `text` fit into `width` without splitting a UTF-8 sequence.
std::size_t CutLength(std::string_view text, std::size_t width) {
    if (text.size() <= width) {
        return text.size();
    }
    // A cut before a continuation byte would split a character: cut before its lead byte instead.
    std::size_t cut = width;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return cut;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

void WritePaddedText(std::span<std::uint8_t> field, std::string_view text, std::uint8_t pad) {
    const std::size_t count = CutLength(text, field.size());
    std::fill(field.begin(), field.end(), pad);
    std::copy_n(text.begin(), count, field.begin());
}

std::string TrimRight(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1])) {
        --end;
    }
    return std::string(text.substr(0, end));
}

std::string Trim(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && IsBlank(text[begin])) {
        ++begin;
    }
    return TrimRight(text.substr(begin));
}

std::string DigitsOnly(std::string_view text, std::size_t maxChars) {
    std::string digits;
    for (char c : text) {
        if (c >= '0' && c <= '9' && digits.size() < maxChars) {
            digits.push_back(c);
        }
    }
    return digits;
}

} // namespace tav
