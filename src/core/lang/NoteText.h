#pragma once

#include <string>
#include <string_view>

namespace tav {

/// A long language text as a note shows it: the two-character sequences "\n", "\t", "\b" and
/// "\r" (a backslash and a letter, as a language file can hold them) become a line feed, a tab,
/// a backspace and a carriage return. Other backslashes stay as they are.
std::string UnescapeNoteText(std::string_view text);

} // namespace tav
