#include "cli/CliMessages.h"

#include "core/util/PrintableText.h"

#include <ostream>

namespace tav::cli {

ExitCode Fail(CliContext& context, const DocumentSession& session, const Result& result) {
    context.err << "tavctl: " << session.MessageText(result.messageId());
    if (!result.detail().empty()) {
        // The detail may quote a file's or a radio's text.
        context.err << " (" << EscapeControls(result.detail()) << ")";
    }
    context.err << '\n';
    for (const auto& problem : session.Problems().Entries()) {
        context.err << "  " << problem.where << ": " << problem.what << '\n';
    }
    return ExitCode::Failure;
}

std::string ShellWord(const std::string& word) {
    const bool plain =
        !word.empty() && word.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                                "0123456789_./:=@%+-") == std::string::npos;
    if (plain) {
        return word;
    }
#ifdef _WIN32
    return "\"" + word + "\"";
#else
    std::string quoted = "'";
    for (const char c : word) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
#endif
}

ExitCode UsageError(CliContext& context, const std::string& command, const std::string& error,
                    const char* usage) {
    context.err << "tavctl " << command << ": " << error << "\n" << usage;
    return ExitCode::Usage;
}

} // namespace tav::cli
