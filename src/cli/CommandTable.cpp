#include "cli/CommandTable.h"

#include "cli/Commands.h"
#include "core/app/CSettings.h"
#include "core/app/ProgramFolderCheck.h"
#include "core/app/Release.h"
#include "core/platform/FileAccess.h"

#include <iostream>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

namespace tav::cli {
namespace {

constexpr const char* kOverview =
    "Usage: tavctl [--home DIR] COMMAND [OPTIONS]\n"
    "\n"
    "The command-line tool of TAV Programmer.\n"
    "\n"
    "  --home DIR   program directory (default: TAV_HOME, else the shipped files found from\n"
    "               tavctl's own folder: that folder, or ../share/tav-programmer beside it)\n"
    "  --version    show the program's version\n"
    "\n"
    "Commands:\n";

const CommandInfo kCommands[] = {
    {"new", "make a data file with the built-in defaults of a model", kNewUsage, RunNew},
    {"info", "show a data file's header and comment", kInfoUsage, RunInfo},
    {"normalize", "open a data file and save it again", kNormalizeUsage, RunNormalize},
    {"diff", "list the image bytes that differ between two data files", kDiffUsage, RunDiff},
    {"compare", "list the fields that differ between two data files", kCompareUsage, RunCompare},
    {"export-csv", "write the channels of a data file as CSV", kExportCsvUsage, RunExportCsv},
    {"import-csv", "take the channels of a data file from CSV", kImportCsvUsage, RunImportCsv},
    {"report", "write a configuration report as HTML or PDF", kReportUsage, RunReport},
#ifdef TAV_HAS_SIMULATOR
    {"simulate", "run a simulated radio on a pseudo-terminal", kSimulateUsage, RunSimulate},
#endif
    {"read", "read a radio into a data file", kReadUsage, RunRead},
    {"write", "write a data file to one radio or many", kWriteUsage, RunWrite},
    {"verify", "check that a radio holds a data file", kVerifyUsage, RunVerify},
    {"audit", "check that each radio of a fleet holds a data file", kAuditUsage, RunAudit},
    {"history", "list the radio history, or restore a radio from it", kHistoryUsage, RunHistory},
};

void PrintOverview(std::ostream& out) {
    out << kOverview;
    for (const auto& c : kCommands) {
        out << "  " << c.name << std::string(12 - std::string(c.name).size(), ' ') << c.summary << '\n';
    }
    out << "\nRun 'tavctl COMMAND --help' for a command's options.\n"
           "Exit status: 0 success, 1 the operation failed, 2 usage error.\n";
}

/// The program folder and its language file, checked before any command runs: a broken one is
/// named plainly instead of showing up later as texts that cannot be found.
Result CheckHome(const ProgramHome& home) {
    CSettings settings(home);
    settings.CancelExitWrite();
    return CheckProgramFolder(home, settings.LanguageFile());
}

} // namespace

std::span<const CommandInfo> Commands() {
    return kCommands;
}

int RunTavctl(int argc, char** argv, PdfRenderer pdf) {
    IgnoreFileSizeSignal();
    std::vector<std::string> args(argv + 1, argv + argc);
    std::optional<std::string> home;
    std::size_t i = 0;
    while (i < args.size() && args[i].rfind("--home", 0) == 0) {
        if (args[i] == "--home") {
            if (i + 1 >= args.size()) {
                std::cerr << "tavctl: --home needs a folder\n";
                return static_cast<int>(ExitCode::Usage);
            }
            home = args[i + 1];
            i += 2;
        } else if (args[i].rfind("--home=", 0) == 0) {
            home = args[i].substr(7);
            ++i;
        } else {
            break;
        }
    }
    if (i >= args.size()) {
        PrintOverview(std::cerr);
        return static_cast<int>(ExitCode::Usage);
    }
    const std::string name = args[i];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintOverview(std::cout);
        return static_cast<int>(ExitCode::Success);
    }
    if (name == "--version") {
        std::cout << "tavctl " << kReleaseVersion << '\n';
        return static_cast<int>(ExitCode::Success);
    }
    for (const auto& c : kCommands) {
        if (name == c.name) {
            ProgramHome programHome = ProgramHome::Resolve(home);
            if (Result usable = CheckHome(programHome); !usable) {
                std::cerr << "tavctl: " << usable.detail() << '\n';
                return static_cast<int>(ExitCode::Failure);
            }
            CliContext context{std::move(programHome),
                               std::vector<std::string>(args.begin() + static_cast<long>(i) + 1, args.end()),
                               std::cout,
                               std::cerr,
                               std::cin,
                               ::isatty(0) == 1,
                               ::isatty(2) == 1,
                               std::move(pdf)};
            return static_cast<int>(c.run(context));
        }
    }
    std::cerr << "tavctl: unknown command '" << name << "'\n";
    PrintOverview(std::cerr);
    return static_cast<int>(ExitCode::Usage);
}

} // namespace tav::cli
