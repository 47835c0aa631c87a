#pragma once

#include "core/util/Result.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tav::cli {

/// The file of `--trace` (and the like): opened without ever waiting (a FIFO nobody reads is
/// refused at once), never one of the command's own input or output files, and checked at the
/// end so that a trace that could not be written fails the command instead of vanishing.
class TraceFile {
public:
    /// Opens `path` for writing, emptied. `others` are the command's other files: naming one of
    /// them is refused before anything is written.
    Result Open(const std::filesystem::path& path, const std::vector<std::filesystem::path>& others);
    std::ostream& Stream() { return out_; }
    bool IsOpen() const { return out_.is_open(); }
    /// Flushes the trace; fails naming the file when any of it could not be written.
    Result Finish();

private:
    std::filesystem::path path_;
    std::ofstream out_;
};

} // namespace tav::cli
