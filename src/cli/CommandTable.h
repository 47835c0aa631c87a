#pragma once

#include <span>

#include "cli/CliContext.h"

namespace tav::cli {

/// One subcommand of tavctl.
struct CommandInfo {
    const char* name;
    const char* summary; ///< one line for the overview
    const char* usage;   ///< the command's full --help text
    ExitCode (*run)(CliContext& context);
};

/// Every subcommand, in the order the overview lists them.
std::span<const CommandInfo> Commands();

/// Runs tavctl with the process's arguments and standard streams; returns the exit status. `pdf`
/// renders reports to PDF when the program was built with it.
int RunTavctl(int argc, char** argv, PdfRenderer pdf = {});

} // namespace tav::cli
