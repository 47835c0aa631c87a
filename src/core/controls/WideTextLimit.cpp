#include "core/controls/WideTextLimit.h"

#include "core/controls/TextLimit.h"

#include <string>

namespace tav {
namespace {

constexpr char kHighByte = static_cast<char>(0x80);

/// The text as byte counts see it: ASCII as itself, any other character as two high bytes.
std::string ByteModel(std::u32string_view text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (const char32_t character : text) {
        if (character == U'\0') {
            break;
        }
        if (character < 0x80) {
            bytes += static_cast<char>(character);
        } else {
            bytes += kHighByte;
            bytes += kHighByte;
        }
    }
    return bytes;
}

} // namespace

std::size_t RadioTextBytes(std::u32string_view text) {
    return ByteModel(text).size();
}

std::size_t LimitedCharCount(std::u32string_view text, int maxBytes) {
    const std::size_t keptBytes = LimitTextBytes(ByteModel(text), maxBytes).text.size();
    std::size_t bytes = 0;
    std::size_t characters = 0;
    for (const char32_t character : text) {
        const std::size_t size = character < 0x80 ? 1 : 2;
        if (character == U'\0' || bytes + size > keptBytes) {
            break;
        }
        bytes += size;
        ++characters;
    }
    return characters;
}

} // namespace tav
