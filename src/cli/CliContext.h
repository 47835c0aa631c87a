#pragma once

#include "core/app/ProgramHome.h"
#include "core/history/HistoryFolder.h"

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tav::cli {

/// Exit statuses of every command (130: stopped by SIGINT or SIGTERM, as a shell reports it).
enum class ExitCode : int { Success = 0, Failure = 1, Usage = 2, Interrupted = 130 };

/// Turns a report's HTML into the bytes of a PDF file; nothing when it cannot. Empty in a build
/// without the PDF renderer.
using PdfRenderer = std::function<std::optional<std::string>(const std::string& html)>;

/// What a command is given: the program home, its arguments and the three standard streams.
struct CliContext {
    ProgramHome home;
    std::vector<std::string> args; ///< the command's own arguments, without the command name
    std::ostream& out;
    std::ostream& err;
    std::istream& in;
    bool inputIsTerminal = false;
    bool errorIsTerminal = false;
    PdfRenderer pdf{};
    /// Where the radio history is kept; null: the user's data folder of the system.
    const HistoryFolder* historyFolder = nullptr;
};

/// The folder of the radio history the command uses.
inline const HistoryFolder& HistoryFolderOf(const CliContext& context) {
    return context.historyFolder != nullptr ? *context.historyFolder : SystemHistoryFolder::Instance();
}

} // namespace tav::cli
