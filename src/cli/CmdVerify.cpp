// tavctl verify: whether a radio holds a data file.
#include "cli/ArgList.h"
#include "cli/CliMessages.h"
#include "cli/Commands.h"
#include "cli/InterruptGuard.h"
#include "cli/RadioCli.h"
#include "cli/RadioTransfer.h"
#include "core/util/PrintableText.h"

#include <ostream>

namespace tav::cli {

const char* const kVerifyUsage =
    "Usage: tavctl verify FILE (--port N | --device PATH) [--password DIGITS] [--trace FILE]\n"
    "\n"
    "Reads the radio and compares it field by field with what writing the data file FILE would\n"
    "send, one line per difference as 'tavctl compare' prints them (FILE's value first, the\n"
    "radio's second). Bytes a write leaves to the radio (the programming date it stamps, the\n"
    "radio's identity, band, model and tuning data) are not differences.\n"
    "Exit status: 0 the radio holds FILE, 1 it differs (or the radio could not be read: the\n"
    "message on stderr), 2 usage error or FILE could not be read.\n"
    "\n"
    "  --port N           port 1-16 (or COM1-COM16) of the port table in Settings.ini, tried first;\n"
    "                     the other ports are searched after it\n"
    "  --device PATH      the serial device of the radio, for example /dev/ttyUSB0\n"
    "  --password DIGITS  the radio's password, if it asks for one (at a terminal it is asked for)\n"
    "  --trace FILE       record every frame sent and received, with timestamps, in hex\n";

ExitCode RunVerify(CliContext& context, DocumentSession& session, Clock& clock) {
    ArgList args;
    args.Positional("IN");
    RadioCli::DeclareOptions(args);
    if (!args.Parse(context.args)) {
        return UsageError(context, "verify", args.error(), kVerifyUsage);
    }
    if (args.HelpRequested()) {
        context.out << kVerifyUsage;
        return ExitCode::Success;
    }
    if (const std::string error = RadioCli::CheckRepeatedRadios(args, session.Settings()); !error.empty()) {
        return UsageError(context, "verify", error, kVerifyUsage);
    }
    if (const std::string error = RadioCli::CheckOptions(args); !error.empty()) {
        return UsageError(context, "verify", error, kVerifyUsage);
    }
    if (Result opened = session.Doc().Open(*args.Get("IN"), session.Views()); !opened) {
        // As compare does: trouble with the file is told apart from a difference.
        (void)Fail(context, session, opened);
        return ExitCode::Usage;
    }

    RadioCli radio(context, session, args);
    if (!radio.OpenTrace()) {
        return ExitCode::Failure;
    }
    const InterruptGuard interrupts;
    RadioTransfer transfer(radio, session, clock, interrupts.Flag());
    std::vector<ConfigDifference> differences;
    const TransferReport report = transfer.Commands().Verify(transfer.Runner(), radio.Target(), differences);
    radio.TellHistoryProblem(transfer.Commands());
    if (!report.ok()) {
        return radio.Fail(report);
    }
    if (!radio.FinishTrace()) {
        return ExitCode::Failure;
    }
    radio.Completed(report);
    for (const ConfigDifference& difference : differences) {
        context.out << EscapeControls(difference.LineText()) << '\n';
    }
    return differences.empty() ? ExitCode::Success : ExitCode::Failure;
}

ExitCode RunVerify(CliContext& context) {
    DocumentSession session(context.home, DocumentSession::SettingsOnExit::Discard, HistoryFolderOf(context));
    return RunVerify(context, session, SystemClock::Instance());
}

} // namespace tav::cli
