#include "core/util/Utf8Sequence.h"

namespace tav {

std::size_t Utf8SequenceLength(std::string_view text, std::size_t& bad) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    bad = 1;
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80; // the range of the second byte; the others are always 80-BF
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;  // no overlong forms
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing above U+10FFFF
    } else {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const bool inRange =
            i < text.size() && byte(i) >= (i == 1 ? low : 0x80) && byte(i) <= (i == 1 ? high : 0xBF);
        if (!inRange) {
            bad = i;
            return 0;
        }
    }
    return length;
}

} // namespace tav
