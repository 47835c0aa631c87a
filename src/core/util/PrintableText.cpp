#include "core/util/PrintableText.h"

#include "core/util/Utf8Sequence.h"

#include <cstdio>

namespace tav {
namespace {

constexpr unsigned char kDelete = 0x7F;
constexpr unsigned char kC1Lead = 0xC2; // UTF-8 lead byte of U+0080..U+00BF
constexpr unsigned char kC1Last = 0x9F; // last continuation byte that is a C1 control

std::string Hex(const char* format, unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

/// One ASCII character as it may be printed.
std::string AsciiShown(unsigned char c) {
    switch (c) {
    case '\\':
        return "\\\\";
    case '\n':
        return "\\n";
    case '\t':
        return "\\t";
    case '\r':
        return "\\r";
    default:
        return c < 0x20 || c == kDelete ? Hex("\\x%02X", c) : std::string(1, static_cast<char>(c));
    }
}

} // namespace

std::string EscapeControls(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
        std::size_t bad = 1;
        const std::size_t length = Utf8SequenceLength(text.substr(i), bad);
        if (length == 0) {
            // Bytes of another encoding or of a damaged text: shown by their values, so the terminal
            // never receives a broken sequence (which some take as the start of a control).
            for (std::size_t k = 0; k < bad; ++k) {
                out += Hex("\\x%02X", byte(k));
            }
            i += bad;
            continue;
        }
        if (length == 1) {
            out += AsciiShown(byte(0));
        } else if (byte(0) == kC1Lead && byte(1) <= kC1Last) {
            out += Hex("\\u%04X", byte(1));
        } else {
            out += text.substr(i, length);
        }
        i += length;
    }
    return out;
}

} // namespace tav
