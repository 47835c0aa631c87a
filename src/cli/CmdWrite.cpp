// tavctl write: a data file written to a radio, or to many radios in turn.
#include "cli/ArgList.h"
#include "cli/CliMessages.h"
#include "cli/Commands.h"
#include "cli/FleetWriteCli.h"
#include "cli/InterruptGuard.h"
#include "cli/RadioCli.h"
#include "cli/RadioWriter.h"
#include "core/app/DocumentSession.h"
#include "core/fleet/UnitNumbering.h"

#include <filesystem>
#include <optional>
#include <ostream>

namespace tav::cli {

const char* const kWriteUsage =
    "Usage: tavctl write IN (--port N | --device PATH)... [--repeat] [--backup] [--verify]\n"
    "                    [--atis-from CODE] [--ptt-id-from ID] [--numbering FILE]\n"
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
    "Given more than one --port or --device, IN is written to every radio at the same time, one\n"
    "worker per port, and a summary line per radio goes to stdout as it ends: port, serial number,\n"
    "result, the identity given (with the options below), seconds. Each radio is decided alone: a\n"
    "radio of another model or band, or one that fails, is marked and the others go on; the exit\n"
    "status is 1 when any failed. Each radio is named once: the same port or device given twice (a\n"
    "port and its device path, a link to a device) is a usage error.\n"
    "\n"
    "Each radio may get its own unit identity: --atis-from and --ptt-id-from give the first radio\n"
    "that starts the value given and each further radio the next one (the ATIS code counts in\n"
    "decimal, the PTT-ID in the digits the radio sends, 0001 to DEEE without F). Values that would\n"
    "leave their range stop the run before anything is written. With --numbering the values given\n"
    "out are kept in FILE, so that the next run, or another tavctl at the same time, goes on after\n"
    "them; a value held there wins over the one given on the command line. A value is used up when\n"
    "its radio starts, even if the write then fails.\n"
    "\n"
    "  --port N           port 1-16 (or COM1-COM16) of the port table in Settings.ini; with one\n"
    "                     radio it is tried first and the other ports are searched after it\n"
    "  --device PATH      the serial device of the radio, for example /dev/ttyUSB0\n"
    "  --repeat           after each radio wait on its port for the next one (another serial\n"
    "                     number, or a radio connected anew) and write it too, until Ctrl+C; with\n"
    "                     several ports, on every one of them at the same time\n"
    "  --backup           read each radio before writing it and keep that in the history, so that\n"
    "                     a write that fails part way can be undone\n"
    "  --verify           read each radio back after writing and compare; the differences on\n"
    "                     stderr and exit status 1 when the radio does not hold what was written\n"
    "  --atis-from CODE   the ATIS code of the first radio, 1 to 12 decimal digits\n"
    "  --ptt-id-from ID   the PTT-ID (primary ID) of the first radio, 1 to 4 hexadecimal digits\n"
    "  --numbering FILE   keep the values given out in FILE and go on after those it holds\n"
    "  --password DIGITS  the radio's password, if it asks for one (at a terminal it is asked for)\n"
    "  --yes              confirm the firmware note and answer Yes to every question\n"
    "  --trace FILE       record every frame sent and received, with timestamps, in hex\n";

namespace {

/// The numbering the options ask for; a usage error when a first value is not one the field takes.
std::optional<UnitNumbering> NumberingOf(const ArgList& args, const DocumentSession& session,
                                         std::string& error) {
    FleetIdentity first;
    if (const auto atis = args.Get("--atis-from")) {
        const Outcome<std::string> code = ParseAtisStart(*atis);
        if (!code) {
            error = session.MessageText(code.messageId()) + ": " + *atis;
            return std::nullopt;
        }
        first.atis = *code;
    }
    if (const auto id = args.Get("--ptt-id-from")) {
        const Outcome<std::uint16_t> pttId = ParsePttIdStart(*id);
        if (!pttId) {
            error = session.MessageText(pttId.messageId()) + ": " + *id;
            return std::nullopt;
        }
        first.pttId = *pttId;
    }
    std::optional<std::filesystem::path> file;
    if (const auto numbering = args.Get("--numbering")) {
        file = *numbering;
    }
    return std::optional<UnitNumbering>(std::in_place, first, file);
}

} // namespace

ExitCode RunWrite(CliContext& context, DocumentSession& session, Clock& clock) {
    ArgList args;
    args.Positional("IN").Flag("--verify").Flag("--repeat").Flag("--backup");
    args.Option("--atis-from").Option("--ptt-id-from").Option("--numbering");
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
    std::string numberingError;
    std::optional<UnitNumbering> numbering = NumberingOf(args, session, numberingError);
    if (!numbering) {
        return UsageError(context, "write", numberingError, kWriteUsage);
    }
    const std::size_t radioCount = args.GetAll({"--port", "--device"}).size();
    const bool fleet = radioCount > 1 || args.Has("--repeat") || numbering->Active();
    if (const std::string error = RadioCli::CheckOptions(args, fleet); !error.empty()) {
        return UsageError(context, "write", error, kWriteUsage);
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
    ExitCode code = ExitCode::Success;
    if (!fleet) {
        RadioWriter writer(context, session, clock, radio, interrupts.Flag(),
                           RadioWriter::Steps{args.Has("--backup"), args.Has("--verify")});
        code = writer.Write(radio.Target()).code;
    } else {
        FleetWriteCli fleetWrite(context, session, clock, radio, args);
        code = fleetWrite.Run(*numbering, interrupts.Flag());
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
