#include "cli/CliSession.h"

#include "core/lang/BuiltInMessages.h"
#include "core/util/PrintableText.h"

#include <ostream>

namespace tav::cli {

CliSession::CliSession(const ProgramHome& home)
    : settings_(home), document_(settings_, container_, ranges_, problems_) {
    settings_.CancelExitWrite();
    problems_.SetControlDisabledTest(
        [this](int id) { return settings_.Language().IsControlDisabled(id) != 0; });
}

std::string CliSession::MessageText(int messageId) const {
    std::string text = settings_.Language().GetMessageText(messageId);
    if (text.empty()) {
        text = BuiltInMessageText(messageId);
    }
    return text;
}

ExitCode CliSession::Fail(CliContext& context, const Result& result) const {
    context.err << "tavctl: " << MessageText(result.messageId());
    if (!result.detail().empty()) {
        // The detail may quote a file's or a radio's text.
        context.err << " (" << EscapeControls(result.detail()) << ")";
    }
    context.err << '\n';
    for (const auto& problem : problems_.Entries()) {
        context.err << "  " << problem.where << ": " << problem.what << '\n';
    }
    return ExitCode::Failure;
}

ExitCode UsageError(CliContext& context, const std::string& command, const std::string& error,
                    const char* usage) {
    context.err << "tavctl " << command << ": " << error << "\n" << usage;
    return ExitCode::Usage;
}

} // namespace tav::cli
