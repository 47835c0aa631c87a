#pragma once

#include "core/util/Result.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tav {

/// Message text "The data file could not be saved." (shown by the command that saved).
inline constexpr int kMsgCannotSave = 803;

/// What lies at a path, in words for a message: "a directory", "a FIFO", "a device", "a socket";
/// empty for a regular file or a path where nothing is. Symbolic links are followed.
std::string NonRegularKind(const std::filesystem::path& path);

/// Reads a whole regular file of at most `limit` bytes. Anything else (a FIFO, a device, a
/// directory, a missing or unreadable file, a larger file) fails at once with `failMessage` and a
/// detail naming the file and the system's reason; nothing ever waits on a FIFO or a device.
Outcome<std::vector<std::uint8_t>> ReadRegularFile(const std::filesystem::path& path, std::size_t limit,
                                                   int failMessage);
/// The first `count` bytes of a regular file (fewer when it is shorter), with the same refusals.
Outcome<std::vector<std::uint8_t>> ReadFileStart(const std::filesystem::path& path, std::size_t count,
                                                 int failMessage);

/// Whether a save to `path` can succeed as far as can be told before the data exists: the target
/// (after following symbolic links) is a regular file the user may write or is not there yet, and
/// its folder exists and lets the user create and rename files. Write permission is decided with
/// the effective ids, as the shell's redirection decides it. Fails with 803 naming the file.
Result CheckSaveTarget(const std::filesystem::path& path);

/// Both paths name the same file (the same inode when both exist, else the same resolved path).
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

/// A file-size limit (ulimit -f) makes writes fail with EFBIG instead of killing the program, so a
/// save past the limit reports its message and leaves the old file in place.
void IgnoreFileSizeSignal();

} // namespace tav
