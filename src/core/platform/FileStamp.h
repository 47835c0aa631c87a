#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace tav {

/// What tells one state of a file from another without reading it: which file it is (device and
/// file number), its size and its modification time.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    long long modifiedNanos = 0; ///< since the epoch
    bool regular = false;
    bool operator==(const FileStamp&) const = default;
};

/// The stamp of the file at `path` (links followed); nullopt when nothing is there.
std::optional<FileStamp> StampOfPath(const std::filesystem::path& path);

/// How a whole-file read went.
enum class FileRead { Done, Missing, Failed };

/// Reads a regular file of at most `limit` bytes whole, with the stamp taken from the open file
/// before its bytes are read. Never waits on a FIFO or device (opened without blocking, then
/// refused as Failed), nor reads more than `limit` bytes.
FileRead ReadStampedFile(const std::filesystem::path& path, std::size_t limit, std::string& bytes,
                         FileStamp& stamp);

/// The wall-clock time in nanoseconds since the epoch, as file times count.
long long WallClockNanos();
/// The step in which the file system's clock moves modification times forward.
long long ModifiedTimeStep();

} // namespace tav
