#pragma once

#include "cli/CliContext.h"

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>

namespace tav::cli {

/// A file a command reads, named as its refusal names it ("the data file").
struct ReadFile {
    std::filesystem::path path;
    const char* what;
};

/// Checks a command's output before anything is read or written: an output that is one of the
/// command's `inputs` (by the same path, another path or a link to the same file) is a usage error,
/// and an output a save cannot replace (a FIFO, a device, a folder, a file or folder the user may
/// not write) a failure naming the file and why. Prints the refusal and returns its exit status;
/// nothing when the output may be written.
std::optional<ExitCode> RefuseOutput(CliContext& context, const std::string& command, const char* usage,
                                     std::initializer_list<ReadFile> inputs,
                                     const std::filesystem::path& output);

} // namespace tav::cli
