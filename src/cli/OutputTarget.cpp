#include "cli/OutputTarget.h"

#include "cli/CliMessages.h"
#include "core/platform/FileAccess.h"
#include "core/util/PrintableText.h"

#include <ostream>

namespace tav::cli {

std::optional<ExitCode> RefuseOutput(CliContext& context, const std::string& command, const char* usage,
                                     std::initializer_list<ReadFile> inputs,
                                     const std::filesystem::path& output) {
    for (const ReadFile& input : inputs) {
        if (SameFile(input.path, output)) {
            return UsageError(context, command, std::string("the output may not replace ") + input.what,
                              usage);
        }
    }
    if (Result target = CheckSaveTarget(output); !target) {
        // The detail names the path as given, which may hold any byte.
        context.err << "tavctl: " << EscapeControls(target.detail()) << '\n';
        return ExitCode::Failure;
    }
    return std::nullopt;
}

} // namespace tav::cli
