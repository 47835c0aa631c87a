#include "core/controls/TextLimit.h"

#include <algorithm>

namespace tav {

int NormalizeMaxBytes(int maxBytes) {
    return std::clamp(maxBytes, 0, kMaxTextLimitBytes);
}

LimitedText LimitTextBytes(std::string_view text, int maxBytes) {
    const std::size_t limit = static_cast<std::size_t>(NormalizeMaxBytes(maxBytes));
    std::string_view kept = text.substr(0, std::min(text.find('\0'), limit));

    // Bytes of double-byte characters come in pairs; an odd count means the last one is a lead
    // byte whose trail byte was cut, so the character is dropped whole.
    std::size_t highBytes = 0;
    std::size_t lastHigh = 0;
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (static_cast<unsigned char>(kept[i]) >= 0x80) {
            ++highBytes;
            lastHigh = i;
        }
    }
    if (highBytes % 2 == 1) {
        kept = kept.substr(0, lastHigh);
    }
    return {std::string(kept), text.size() > limit};
}

} // namespace tav
