#include "core/platform/AsciiText.h"

#include "core/util/NumberText.h"

#include <climits>

namespace tav::AsciiText {
namespace {

char LowerChar(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

} // namespace

std::string ToLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = LowerChar(c);
    }
    return lower;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerChar(a[i]) != LowerChar(b[i])) {
            return false;
        }
    }
    return true;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::vector<std::string> SplitList(std::string_view text, char separator, bool keepEmpty) {
    std::vector<std::string> items;
    while (true) {
        const auto cut = text.find(separator);
        const auto item = Trim(text.substr(0, cut));
        if (keepEmpty || !item.empty()) {
            items.emplace_back(item);
        }
        if (cut == std::string_view::npos) {
            break;
        }
        text.remove_prefix(cut + 1);
    }
    return items;
}

int ParseLeadingInt(std::string_view text, bool* digits) {
    const auto value = ReadDecimalInteger(text);
    if (digits) {
        *digits = value.has_value();
    }
    return SaturateToInt32(value.value_or(0));
}

bool ScanInt(std::string_view& text, int& value) {
    std::size_t consumed = 0;
    const auto number = ReadDecimalInteger(text, &consumed);
    if (!number || *number < INT_MIN || *number > INT_MAX) {
        return false;
    }
    value = static_cast<int>(*number);
    text.remove_prefix(consumed);
    return true;
}

std::string_view CutUtf8(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) {
        return text;
    }
    std::size_t cut = maxBytes;
    // Step back over at most three continuation bytes so that a character is dropped whole.
    for (int back = 0; back < 3 && cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80;
         ++back) {
        --cut;
    }
    if (cut != maxBytes && (static_cast<unsigned char>(text[cut]) & 0xC0) != 0xC0) {
        cut = maxBytes; // no lead byte found: not UTF-8, so a plain byte cut
    }
    return text.substr(0, cut);
}

} // namespace tav::AsciiText
