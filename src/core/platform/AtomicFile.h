#pragma once

#include "core/util/Result.h"

#include <filesystem>
#include <string_view>

namespace tav {

/// Replaces `file` by `bytes` so that a crash or a full disk never leaves a half-written file: the
/// bytes go to a temporary file beside it, which is flushed to the disk and then renamed over the
/// old one.
/// - Only a regular file is replaced: a FIFO, socket, device or directory is refused untouched.
/// - A symbolic link is followed, so the file it names is replaced and the link kept.
/// - The old file's permissions (and, where allowed, owner) are kept; a new file gets rw-rw-rw-
///   less the umask, as any other program's new file.
/// - The temporary name is short enough for any target name the folder allows, and hidden
///   temporaries left beside the target by a save that was killed are removed first.
/// Fails with message 803 and a detail naming the file and the system's reason; the old file is
/// then unchanged and no temporary file is left behind.
Result WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

} // namespace tav
