#include "core/lang/MessageFormat.h"

#include <cctype>
#include <optional>

namespace tav {
namespace {

struct Conversion {
    std::size_t begin = 0;
    std::size_t end = 0; ///< one past the conversion character
    bool leftAlign = false;
    bool zeroPad = false;
    std::size_t width = 0;
    char kind = 'd';
};

std::optional<Conversion> ParseAt(std::string_view text, std::size_t at) {
    Conversion c;
    c.begin = at;
    std::size_t i = at + 1;
    while (i < text.size() && (text[i] == '-' || text[i] == '0')) {
        (text[i] == '-' ? c.leftAlign : c.zeroPad) = true;
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && digits < 2) {
        c.width = c.width * 10 + static_cast<std::size_t>(text[i] - '0');
        ++i;
        ++digits;
    }
    if (i >= text.size()) {
        return std::nullopt;
    }
    const char kind = text[i];
    if (kind != 'd' && kind != 'i' && kind != 'u' && kind != 'x' && kind != 'X' && kind != 's') {
        return std::nullopt;
    }
    c.kind = kind;
    c.end = i + 1;
    return c;
}

std::string Pad(std::string value, const Conversion& c, bool numeric) {
    if (value.size() >= c.width) {
        return value;
    }
    const std::size_t fill = c.width - value.size();
    if (c.leftAlign) {
        return value + std::string(fill, ' ');
    }
    if (c.zeroPad && numeric) {
        const bool negative = !value.empty() && value[0] == '-';
        return negative ? "-" + std::string(fill, '0') + value.substr(1) : std::string(fill, '0') + value;
    }
    return std::string(fill, ' ') + value;
}

std::string NumberText(std::int64_t value, char kind) {
    if (kind != 'x' && kind != 'X') {
        return std::to_string(value);
    }
    const char* digits = kind == 'X' ? "0123456789ABCDEF" : "0123456789abcdef";
    // Negative numbers show as their 32-bit pattern, as printf's %X of an int does.
    std::uint64_t bits = value < 0 ? static_cast<std::uint32_t>(value) : static_cast<std::uint64_t>(value);
    std::string text;
    do {
        text.insert(text.begin(), digits[bits % 16]);
        bits /= 16;
    } while (bits != 0);
    return text;
}

template <class Render> std::string Fill(std::string_view text, const Render& render) {
    std::string result;
    result.reserve(text.size() + 16);
    bool filled = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            result += text[i];
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == '%') {
            result += '%';
            ++i;
            continue;
        }
        const auto conversion = filled ? std::nullopt : ParseAt(text, i);
        if (!conversion) {
            result += '%';
            continue;
        }
        result += render(*conversion);
        filled = true;
        i = conversion->end - 1;
    }
    return result;
}

} // namespace

std::string FillMessage(std::string_view text, std::int64_t value) {
    return Fill(text, [value](const Conversion& c) { return Pad(NumberText(value, c.kind), c, true); });
}

std::string FillMessage(std::string_view text, std::string_view value) {
    return Fill(text, [value](const Conversion& c) { return Pad(std::string(value), c, false); });
}

} // namespace tav
