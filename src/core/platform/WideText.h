#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// Windows only: the program keeps texts and paths in UTF-8, the system's wide calls take UTF-16.
namespace tav::WideText {

/// UTF-16 form of a UTF-8 text (invalid bytes become U+FFFD).
std::wstring FromUtf8(std::string_view text);
/// UTF-8 form of a UTF-16 text.
std::string ToUtf8(std::wstring_view text);
/// The path a UTF-8 text names, whatever the system's code page.
std::filesystem::path PathFromUtf8(std::string_view text);
/// The wide form of a path, for the Win32 calls.
std::wstring WidePath(const std::filesystem::path& path);

/// A system error number in words: the C library's wording for the errors a POSIX system also
/// knows (so that messages read the same everywhere), the system's own text otherwise.
std::string ErrorText(unsigned long error);

} // namespace tav::WideText
