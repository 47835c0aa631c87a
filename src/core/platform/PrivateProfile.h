#pragma once

#include "core/util/Result.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

/// Private-profile (INI) files as the settings, the model list, `volume.ini` and the language files
/// use them: "[Section]" lines, "Key=Value" lines below them, comments beginning with ';'.
///
/// Section and key names compare without regard to the case of ASCII letters. Blanks around names
/// and values are dropped, and a value enclosed in double quotes loses the quotes. Lines that are
/// neither blank, a comment, a section head nor a "Key=Value" line are skipped; keys after a
/// section head without its closing ']' belong to no section. When a section or key occurs twice,
/// the first one counts. Bytes are passed through unchanged (the files are UTF-8).
///
/// A read always sees the file as it is now: parsed files are kept in a small cache that is checked
/// against the file's identity, size and modification time at every read, so an unchanged file is
/// not parsed again while a changed one takes effect at once.
namespace tav::PrivateProfile {

using Entries = std::vector<std::pair<std::string, std::string>>;

/// Files larger than this are not read (they read as missing).
inline constexpr std::size_t kMaxFileBytes = 64u << 20;

/// The value of `key` in `section`, or `fallback` when the file, section or key is missing.
/// With `maxChars` > 0 the result is cut as a buffer of that many bytes (terminating NUL included)
/// would cut it, to at most `maxChars` - 1 bytes, never in the middle of a UTF-8 character.
std::string ReadString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                       std::string_view fallback = {}, std::size_t maxChars = 0);

/// The value of `key` in `section` when that key exists (in full length).
std::optional<std::string> Find(const std::filesystem::path& file, std::string_view section,
                                std::string_view key);

/// The value read as a decimal integer: `fallback` when the key is missing or empty; otherwise the
/// leading number of the value (0 when it has none), clamped to the int range.
int ReadInt(const std::filesystem::path& file, std::string_view section, std::string_view key, int fallback);

/// Sets one key, keeping every other line of the file as it was; creates the key, the section and
/// the file as needed. The file is replaced atomically. Fails (803, naming the file and why),
/// leaving the file unchanged, when it cannot be read or written, or when a name or value would
/// break the file's line structure (line breaks or NUL bytes anywhere, '=' in a key, a key
/// beginning with ';' or '[', an empty section or key name, or blanks around a name).
Result WriteString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                   std::string_view value);

/// Sets several keys of one section in a single atomic replacement: all or none are written.
Result WriteStrings(const std::filesystem::path& file, std::string_view section, const Entries& entries);

/// Every "Key=Value" entry of the section, in file order; empty when the file or section is missing.
Entries ReadSection(const std::filesystem::path& file, std::string_view section);

/// The names of all sections, in file order, as spelt in the file.
std::vector<std::string> SectionNames(const std::filesystem::path& file);

/// How many times a file was parsed since the program started (for checking the cache).
std::size_t ParseCount();

} // namespace tav::PrivateProfile
