#include "cli/ArgList.h"
#include "cli/CliMessages.h"
#include "cli/Commands.h"
#include "core/data/CDataFile.h"
#include "core/platform/FileAccess.h"

#include <ostream>

namespace tav::cli {

const char* const kNormalizeUsage =
    "Usage: tavctl normalize IN -o OUT\n"
    "\n"
    "Opens IN as the Open command does (with all its checks) and saves it to OUT as Save As saves,\n"
    "keeping IN's comment. Bytes that no feature uses come out as FF.\n";

ExitCode RunNormalize(CliContext& context) {
    ArgList args;
    args.Positional("IN").Option("-o").Option("--output");
    if (!args.Parse(context.args)) {
        return UsageError(context, "normalize", args.error(), kNormalizeUsage);
    }
    if (args.HelpRequested()) {
        context.out << kNormalizeUsage;
        return ExitCode::Success;
    }
    const auto output = args.Get("-o") ? args.Get("-o") : args.Get("--output");
    if (!output || output->empty()) {
        return UsageError(context, "normalize", "missing -o OUT", kNormalizeUsage);
    }
    const std::string input = *args.Get("IN");
    DocumentSession session(context.home);
    if (Result writable = CheckSaveTarget(*output); !writable) {
        return Fail(context, session, writable);
    }
    if (Result opened = session.Doc().Open(input, session.Views()); !opened) {
        return Fail(context, session, opened);
    }
    std::string comment;
    CDataFile::ReadComment(input, comment);
    if (Result saved = session.Doc().SaveAsWithComment(*output, comment, session.Views()); !saved) {
        return Fail(context, session, saved);
    }
    return ExitCode::Success;
}

} // namespace tav::cli
