// tavctl write: a data file written to a radio.
#include "cli/ArgList.h"
#include "cli/CliSession.h"
#include "cli/Commands.h"
#include "cli/InterruptGuard.h"
#include "cli/RadioCli.h"
#include "core/comm/CSerialPort.h"

#include <ostream>

namespace tav::cli {

const char* const kWriteUsage =
    "Usage: tavctl write IN (--port N | --device PATH) [--password DIGITS] [--yes] [--trace FILE]\n"
    "\n"
    "Writes the data file IN to the radio, as Write to Radio does: IN is opened with every check of\n"
    "the Open command, its references are checked and its data rebuilt into the image; the radio\n"
    "must be of IN's model and its band must hold IN's frequency range. The firmware note is shown\n"
    "on stderr, and the write goes on only with --yes or a yes typed at a terminal. IN itself is\n"
    "left as it is.\n"
    "\n"
    "  --port N           port 1-16 (or COM1-COM16) of the port table in Settings.ini, tried first;\n"
    "                     the other ports are searched after it\n"
    "  --device PATH      the serial device of the radio, for example /dev/ttyUSB0\n"
    "  --password DIGITS  the radio's password, if it asks for one (at a terminal it is asked for)\n"
    "  --yes              confirm the firmware note and answer Yes to every question\n"
    "  --trace FILE       record every frame sent and received, with timestamps, in hex\n";

ExitCode RunWrite(CliContext& context, CliSession& session, Clock& clock) {
    ArgList args;
    args.Positional("IN");
    RadioCli::DeclareOptions(args);
    if (!args.Parse(context.args)) {
        return UsageError(context, "write", args.error(), kWriteUsage);
    }
    if (args.HelpRequested()) {
        context.out << kWriteUsage;
        return ExitCode::Success;
    }
    if (const std::string error = RadioCli::CheckOptions(args); !error.empty()) {
        return UsageError(context, "write", error, kWriteUsage);
    }
    if (Result opened = session.document().Open(*args.Get("IN"), session.views()); !opened) {
        return session.Fail(context, opened);
    }

    RadioCli radio(context, session, args);
    if (!radio.OpenTrace()) {
        return ExitCode::Failure;
    }
    // Ctrl+C or a termination request stops the transfer after its current exchange.
    const InterruptGuard interrupts;
    CSerialPort port;
    TransferSession transfer(port, clock, radio.Tracer());
    transfer.link().SetStopFlag(&interrupts.Flag());
    const RadioCommandUi ui = radio.Ui();
    RadioCommands commands(session.settings(), session.document(), session.container(), session.ranges(),
                           session.views());
    const Outcome<TransferReport> written =
        commands.Write(RunOnThisThread(transfer, ui), radio.Target(), ui.askYesNo);
    if (!written) {
        return session.Fail(context, written.result());
    }
    if (!written->ok()) {
        return radio.Fail(*written);
    }
    if (!radio.FinishTrace()) {
        return ExitCode::Failure;
    }
    radio.Completed(*written);
    return ExitCode::Success;
}

ExitCode RunWrite(CliContext& context) {
    CliSession session(context.home);
    return RunWrite(context, session, SystemClock::Instance());
}

} // namespace tav::cli
