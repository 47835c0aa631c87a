#pragma once

#include "cli/CliContext.h"
#include "core/app/DocumentSession.h"
#include "core/util/Result.h"

#include <string>

namespace tav::cli {

/// "tavctl: <language message>" (and the detail) on stderr, then the session's problem list;
/// returns ExitCode::Failure.
ExitCode Fail(CliContext& context, const DocumentSession& session, const Result& result);

/// A word as a shell takes it back: as it is when it holds only letters, digits and `_./:=@%+-`,
/// otherwise quoted ('...' on POSIX systems, "..." on Windows).
std::string ShellWord(const std::string& word);

/// Prints a usage error and the command's usage; returns ExitCode::Usage.
ExitCode UsageError(CliContext& context, const std::string& command, const std::string& error,
                    const char* usage);

} // namespace tav::cli
