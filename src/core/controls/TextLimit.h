#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tav {

/// The most bytes a length-limited text edit can be set to hold.
inline constexpr int kMaxTextLimitBytes = 255;

/// The limit a length-limited edit keeps for `maxBytes`: 256 or more becomes 255, less than 0
/// becomes 0.
int NormalizeMaxBytes(int maxBytes);

/// A text after the length limit.
struct LimitedText {
    std::string text;
    /// True when the typed text was longer than the limit, so the edit must show `text` instead,
    /// with the caret at its end.
    bool cut = false;

    bool operator==(const LimitedText&) const = default;
};

/// The length rule of a length-limited edit, on the text's bytes in the radio's double-byte code
/// page: at most `maxBytes` bytes (normalised as above; a zero byte ends the text), and a lead
/// byte (0x80 or above) whose trail byte was cut off goes too, so no half character is kept.
LimitedText LimitTextBytes(std::string_view text, int maxBytes);

} // namespace tav
