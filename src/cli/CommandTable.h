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

/// Runs tavctl with the process's arguments and standard streams; returns the exit status.
int RunTavctl(int argc, char** argv);

} // namespace tav::cli
