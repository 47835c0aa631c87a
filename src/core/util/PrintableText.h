#pragma once

#include <string>
#include <string_view>

namespace tav {

/// A text that came from a radio or a file, made safe to print on one line of a terminal: control
/// characters (C0, DEL and the UTF-8 encoded C1 range) are written as escapes ("\n", "\t", "\r",
/// "\x1B", "\u009B") and a backslash as "\\", so a comment cannot forge a line of output or move
/// the terminal's cursor. Bytes that are not well-formed UTF-8 (a text in another encoding, a
/// damaged one) are written as "\xE9" each. Every other character passes unchanged.
std::string EscapeControls(std::string_view text);

} // namespace tav
