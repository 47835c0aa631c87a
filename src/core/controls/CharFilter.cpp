#include "core/controls/CharFilter.h"

#include <algorithm>

namespace tav {

namespace {

constexpr char32_t kBackspace = 0x08;
constexpr char32_t kLineFeed = 0x0A;
constexpr char32_t kCarriageReturn = 0x0D;

// Control codes that Ctrl+letter produces in character messages.
constexpr char32_t kCtrlC = 0x03;
constexpr char32_t kCtrlV = 0x16;
constexpr char32_t kCtrlX = 0x18;
constexpr char32_t kCtrlZ = 0x1A;

bool Is(char32_t character, char32_t letter, char32_t controlCode) {
    return character == letter || character == letter + 32 || character == controlCode;
}

} // namespace

bool CharFilter::IsAllowed(char32_t character) const {
    return std::any_of(allowed_.begin(), allowed_.end(),
                       [character](char c) { return static_cast<unsigned char>(c) == character; });
}

KeyAction CharFilter::OnChar(char32_t character, bool controlHeld) const {
    if (controlHeld) {
        if (Is(character, U'C', kCtrlC)) {
            return KeyAction::Copy;
        }
        if (Is(character, U'V', kCtrlV)) {
            return KeyAction::Paste;
        }
        if (Is(character, U'X', kCtrlX)) {
            return KeyAction::Cut;
        }
        if (Is(character, U'Z', kCtrlZ)) {
            return KeyAction::Undo;
        }
    }
    if (character == kBackspace || character == kLineFeed || character == kCarriageReturn) {
        return KeyAction::Pass;
    }
    return IsAllowed(character) ? KeyAction::Pass : KeyAction::DropAndBeep;
}

bool CharFilter::AcceptsPaste(std::u32string_view clipboardText) const {
    return std::all_of(clipboardText.begin(), clipboardText.end(),
                       [this](char32_t c) { return IsAllowed(c); });
}

} // namespace tav
