#pragma once

#include "core/util/Result.h"

#include <cstdint>
#include <filesystem>
#include <span>

namespace tav {

/// Writes whole files so that a crash or a full disk never leaves a truncated, empty or missing
/// file: the new content goes to a temporary file beside the target, is flushed to the disk, and
/// only then replaces the target in one rename. The old file survives every failure.
class FileSink {
public:
    virtual ~FileSink() = default;
    /// Replaces `path` by `bytes`. On failure the old file is unchanged and no temporary file is left.
    virtual Result WriteWhole(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) = 0;
};

/// The real disk.
class DiskFileSink : public FileSink {
public:
    Result WriteWhole(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) override;
};

/// The sink every save uses unless a test puts another in place.
FileSink& DefaultFileSink();

} // namespace tav
