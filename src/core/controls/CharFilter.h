#pragma once

#include <string>
#include <string_view>

namespace tav {

/// What an edit does with one typed character.
enum class KeyAction {
    /// The character is typed.
    Pass,
    /// The character is dropped and the system's default beep sounds.
    DropAndBeep,
    /// Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z: the edit's own clipboard or undo command, nothing else.
    Copy,
    Paste,
    Cut,
    Undo,
};

/// The character filter every filtering edit applies: an ordered list of allowed single-byte
/// characters, set by the owner. Characters are compared as code points, so a byte above 0x7F in
/// the list stands for the Latin-1 character of that value.
class CharFilter {
public:
    CharFilter() = default;
    explicit CharFilter(std::string_view allowed) : allowed_(allowed) {}

    /// Replaces the allowed list.
    void SetAllowed(std::string_view allowed) { allowed_ = allowed; }
    /// Appends one character to the allowed list.
    void AddAllowed(char character) { allowed_ += character; }
    const std::string& Allowed() const { return allowed_; }

    /// True when `character` is in the allowed list.
    bool IsAllowed(char32_t character) const;

    /// The typing rule: with Ctrl held, C, V, X and Z (or their control codes) are the clipboard and
    /// undo commands; backspace, line feed and carriage return always pass; anything else passes
    /// only when allowed.
    KeyAction OnChar(char32_t character, bool controlHeld) const;

    /// The paste rule: a clipboard without text does not stop the paste; a text with any character
    /// outside the allowed list drops the whole paste (the caller beeps).
    bool AcceptsPaste(std::u32string_view clipboardText) const;

private:
    std::string allowed_;
};

} // namespace tav
