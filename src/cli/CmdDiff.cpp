#include "cli/ArgList.h"
#include "cli/CliMessages.h"
#include "cli/Commands.h"
#include "core/data/CDataFile.h"
#include "core/factory/ImageChangeLog.h"

#include <ostream>

namespace tav::cli {

const char* const kDiffUsage =
    "Usage: tavctl diff A B\n"
    "\n"
    "Lists every image byte that differs between two data files, ascending by address, one line\n"
    "each: $E.0x<address>:<byte in A>-><byte in B>, e.g. $E.0x1A3:0C->C8.\n";

ExitCode RunDiff(CliContext& context) {
    ArgList args;
    args.Positional("A").Positional("B");
    if (!args.Parse(context.args)) {
        return UsageError(context, "diff", args.error(), kDiffUsage);
    }
    if (args.HelpRequested()) {
        context.out << kDiffUsage;
        return ExitCode::Success;
    }
    DataFileContent a;
    DataFileContent b;
    for (auto [name, content] : {std::pair{*args.Get("A"), &a}, std::pair{*args.Get("B"), &b}}) {
        if (Result loaded = CDataFile::Load(name, *content); !loaded) {
            DocumentSession session(context.home);
            return Fail(context, session, loaded);
        }
    }
    for (const ImageChange& change : CompareImages(a.image, b.image)) {
        context.out << change.LineText() << '\n';
    }
    return ExitCode::Success;
}

} // namespace tav::cli
