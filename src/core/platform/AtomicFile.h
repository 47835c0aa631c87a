#pragma once

#include <filesystem>
#include <string_view>

namespace tav {

/// Replaces `file` by `bytes` so that a crash or a full disk never leaves a half-written file: the
/// bytes go to a temporary file beside it, which is flushed to the disk and then renamed over the
/// old one. A symbolic link is followed, so the file it names is replaced and the link kept. The
/// old file's permissions are kept; a new file gets rw-r--r--. Returns false when anything failed;
/// the old file is then unchanged and no temporary file is left behind.
bool WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

} // namespace tav
