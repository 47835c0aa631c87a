#include "cli/ArgList.h"
#include "cli/CliMessages.h"
#include "cli/Commands.h"
#include "core/compare/ConfigCompare.h"
#include "core/data/DataFileExtras.h"
#include "core/util/PrintableText.h"

#include <memory>
#include <ostream>

namespace tav::cli {

const char* const kCompareUsage =
    "Usage: tavctl compare A B\n"
    "\n"
    "Opens both data files and lists every difference field by field, one line each, named with the\n"
    "editors' labels, e.g. 'Channel 3 \u00B7 RX Frequency (MHz): 400.32500 -> 400.25000'. Records in\n"
    "one file only are named as added or removed; bytes no field explains as $E.0x<address>:<A>-><B>,\n"
    "or by the factory editor whose data holds them. The headers' model identifier, range flags and\n"
    "comments are compared too. Texts from the files are printed with control characters escaped.\n"
    "Exit status: 0 the files are equal, 1 they differ, 2 usage error or a file could not be read.\n";

ExitCode RunCompare(CliContext& context) {
    ArgList args;
    args.Positional("A").Positional("B");
    if (!args.Parse(context.args)) {
        return UsageError(context, "compare", args.error(), kCompareUsage);
    }
    if (args.HelpRequested()) {
        context.out << kCompareUsage;
        return ExitCode::Success;
    }
    std::unique_ptr<DocumentSession> sessions[] = {std::make_unique<DocumentSession>(context.home),
                                                   std::make_unique<DocumentSession>(context.home)};
    const std::string names[] = {*args.Get("A"), *args.Get("B")};
    for (std::size_t k = 0; k < 2; ++k) {
        if (Result opened = sessions[k]->Doc().Open(names[k], sessions[k]->Views()); !opened) {
            // Like cmp and diff: trouble with an input is told apart from a difference.
            (void)Fail(context, *sessions[k], opened);
            return ExitCode::Usage;
        }
    }
    const CDataContainer& a = sessions[0]->Container();
    const ConfigCompare compare(*a.Context().texts);
    std::vector<ConfigDifference> differences = compare.Compare(a, sessions[1]->Container());
    // The header's range flags and the comment lie in the files beside the documents.
    const DataFileExtras extras[] = {DataFileExtras::Read(names[0]), DataFileExtras::Read(names[1])};
    for (ConfigDifference& difference : compare.CompareFileExtras(extras[0], extras[1])) {
        differences.push_back(std::move(difference));
    }
    for (const ConfigDifference& difference : differences) {
        context.out << EscapeControls(difference.LineText()) << '\n';
    }
    return differences.empty() ? ExitCode::Success : ExitCode::Failure;
}

} // namespace tav::cli
