#pragma once

#include "cli/CliContext.h"
#include "core/app/DocumentSession.h"
#include "core/util/Result.h"

#include <string>

namespace tav::cli {

/// "tavctl: <language message>" (and the detail) on stderr, then the session's problem list;
/// returns ExitCode::Failure.
ExitCode Fail(CliContext& context, const DocumentSession& session, const Result& result);

/// Prints a usage error and the command's usage; returns ExitCode::Usage.
ExitCode UsageError(CliContext& context, const std::string& command, const std::string& error,
                    const char* usage);

} // namespace tav::cli
