// tavctl write: a data file written to a radio, or to many radios in turn.
#include "cli/ArgList.h"
#include "cli/CliMessages.h"
#include "cli/Commands.h"
#include "cli/FleetRun.h"
#include "cli/InterruptGuard.h"
#include "cli/RadioCli.h"
#include "cli/RadioWriter.h"

#include <ostream>

namespace tav::cli {

const char* const kWriteUsage =
    "Usage: tavctl write IN (--port N | --device PATH)... [--repeat] [--backup] [--verify]\n"
    "                    [--password DIGITS] [--yes] [--trace FILE]\n"
    "\n"
    "Writes the data file IN to the radio, as Write to Radio does: IN is opened with every check of\n"
    "the Open command, its references are checked and its data rebuilt into the image; the radio\n"
    "must be of IN's model and its band must hold IN's frequency range. The firmware note is shown\n"
    "on stderr, and the write goes on only with --yes or a yes typed at a terminal. IN itself is\n"
    "left as it is.\n"
    "\n"
    "Every write is kept in the radio history (see 'tavctl history'). With --backup the radio is\n"
    "read first and that image kept as the restore point. A write that fails or is stopped after\n"
    "its first block says which addresses hold the new data and prints the commands that put the\n"
    "radio right: the restore of the backup, and the write run again.\n"
    "\n"
    "Given more than one --port or --device, IN is written to each radio in turn, and a summary\n"
    "line per radio goes to stdout: port, serial number, result, seconds. A radio of another model\n"
    "or band stops the run; after any other failure the run goes on with the next radio, and the\n"
    "exit status is 1 at the end. Each radio is named once: the same port or device given twice (a\n"
    "port and its device path, a link to a device) is a usage error.\n"
    "\n"
    "  --port N           port 1-16 (or COM1-COM16) of the port table in Settings.ini; with one\n"
    "                     radio it is tried first and the other ports are searched after it\n"
    "  --device PATH      the serial device of the radio, for example /dev/ttyUSB0\n"
    "  --repeat           with one port: after each radio wait for the next one (another serial\n"
    "                     number, or a radio connected anew) and write it too, until Ctrl+C\n"
    "  --backup           read each radio before writing it and keep that in the history, so that\n"
    "                     a write that fails part way can be undone\n"
    "  --verify           read each radio back after writing and compare; the differences on\n"
    "                     stderr and exit status 1 when the radio does not hold what was written\n"
    "  --password DIGITS  the radio's password, if it asks for one (at a terminal it is asked for)\n"
    "  --yes              confirm the firmware note and answer Yes to every question\n"
    "  --trace FILE       record every frame sent and received, with timestamps, in hex\n";

namespace {

bool StopsTheRun(TransferStatus status) {
    return status == TransferStatus::IdentityRefused || status == TransferStatus::RangeRefused;
}

} // namespace

ExitCode RunWrite(CliContext& context, DocumentSession& session, Clock& clock) {
    ArgList args;
    args.Positional("IN").Flag("--verify").Flag("--repeat").Flag("--backup");
    RadioCli::DeclareOptions(args);
    if (!args.Parse(context.args)) {
        return UsageError(context, "write", args.error(), kWriteUsage);
    }
    if (args.HelpRequested()) {
        context.out << kWriteUsage;
        return ExitCode::Success;
    }
    if (const std::string error = RadioCli::CheckRepeatedRadios(args, session.Settings()); !error.empty()) {
        return UsageError(context, "write", error, kWriteUsage);
    }
    const std::size_t radioCount = args.GetAll({"--port", "--device"}).size();
    const bool fleet = radioCount > 1 || args.Has("--repeat");
    if (const std::string error = RadioCli::CheckOptions(args, fleet); !error.empty()) {
        return UsageError(context, "write", error, kWriteUsage);
    }
    if (args.Has("--repeat") && radioCount != 1) {
        return UsageError(context, "write", "--repeat waits on one port: give one --port or --device",
                          kWriteUsage);
    }
    if (Result opened = session.Doc().Open(*args.Get("IN"), session.Views()); !opened) {
        return Fail(context, session, opened);
    }

    RadioCli radio(context, session, args);
    if (!radio.OpenTrace()) {
        return ExitCode::Failure;
    }
    // Ctrl+C or a termination request stops the transfer after its current exchange.
    const InterruptGuard interrupts;
    RadioWriter writer(context, session, clock, radio, interrupts.Flag(),
                       RadioWriter::Steps{args.Has("--backup"), args.Has("--verify")});
    ExitCode code = ExitCode::Success;
    if (!fleet) {
        code = writer.Write(radio.Target()).code;
    } else {
        FleetJob job;
        job.each = [&writer](const RadioTarget& target, std::optional<std::string>& serial) {
            return writer.Write(target, serial);
        };
        job.serialNumber = [&writer](const RadioTarget& target, std::string& serial) {
            return writer.SerialNumber(target, serial);
        };
        job.stopsTheRun = StopsTheRun;
        FleetRun run(context, std::move(job), clock, interrupts);
        const auto radios = FleetRadios(args, PortTable::LoadFromSettings(session.Settings().SettingsFile()));
        code = args.Has("--repeat") ? run.Repeat(radios.front()) : run.Each(radios);
    }
    if (!radio.FinishTrace()) {
        return ExitCode::Failure;
    }
    return code;
}

ExitCode RunWrite(CliContext& context) {
    DocumentSession session(context.home, DocumentSession::SettingsOnExit::Discard, HistoryFolderOf(context));
    return RunWrite(context, session, SystemClock::Instance());
}

} // namespace tav::cli
