#pragma once

#include "core/util/Result.h"

#include <filesystem>
#include <memory>

namespace tav {

/// An exclusive lock on a small lock file, held while the object lives: several programs (and
/// threads) taking the same file's lock take turns. The lock file itself is left in place.
class FileLock {
public:
    /// "The numbering file cannot be locked."; the detail names the lock file and the reason.
    static constexpr int kCannotLockMessage = 9763;

    /// Waits until the lock on `file` (created when missing) is this program's; 9763 with the
    /// system's reason when the file cannot be opened or locked.
    static Outcome<std::unique_ptr<FileLock>> Acquire(const std::filesystem::path& file);

    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

private:
    struct Handle;
    explicit FileLock(std::unique_ptr<Handle> handle);

    std::unique_ptr<Handle> handle_;
};

} // namespace tav
