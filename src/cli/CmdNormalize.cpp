#include "cli/ArgList.h"
#include "cli/CliSession.h"
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
    CliSession session(context.home);
    if (Result writable = CheckSaveTarget(*output); !writable) {
        return session.Fail(context, writable);
    }
    if (Result opened = session.document().Open(input, session.views()); !opened) {
        return session.Fail(context, opened);
    }
    std::string comment;
    CDataFile::ReadComment(input, comment);
    if (Result saved = session.document().SaveAsWithComment(*output, comment, session.views()); !saved) {
        return session.Fail(context, saved);
    }
    return ExitCode::Success;
}

} // namespace tav::cli
