// tavctl read: the full read of a radio into a data file.
#include "cli/ArgList.h"
#include "cli/CliMessages.h"
#include "cli/Commands.h"
#include "cli/InterruptGuard.h"
#include "cli/RadioCli.h"
#include "cli/RadioTransfer.h"
#include "core/data/CDataFile.h"
#include "core/platform/FileAccess.h"

#include <filesystem>
#include <ostream>

namespace tav::cli {

const char* const kReadUsage =
    "Usage: tavctl read (--port N | --device PATH) -o OUT [--password DIGITS] [--yes] [--trace FILE]\n"
    "\n"
    "Reads the radio's whole memory, as Read from Radio does, into the data file OUT: the image\n"
    "exactly as read, and a header with the radio's identity (model identifier, model name, range,\n"
    "firmware, signalling) and the range flags of the model list. Only a radio of a model the\n"
    "language file lists is read. A failed read writes no file. The image read is also kept in the\n"
    "radio history (see 'tavctl history').\n"
    "\n"
    "  --port N           port 1-16 (or COM1-COM16) of the port table in Settings.ini, tried first;\n"
    "                     the other ports are searched after it\n"
    "  --device PATH      the serial device of the radio, for example /dev/ttyUSB0\n"
    "  -o, --output OUT   the data file to write\n"
    "  --password DIGITS  the radio's password, if it asks for one (at a terminal it is asked for)\n"
    "  --yes              add a frequency range the model list does not know yet\n"
    "  --trace FILE       record every frame sent and received, with timestamps, in hex\n";

ExitCode RunRead(CliContext& context, DocumentSession& session, Clock& clock) {
    ArgList args;
    args.Option("-o").Option("--output");
    RadioCli::DeclareOptions(args);
    if (!args.Parse(context.args)) {
        return UsageError(context, "read", args.error(), kReadUsage);
    }
    if (args.HelpRequested()) {
        context.out << kReadUsage;
        return ExitCode::Success;
    }
    if (const std::string error = RadioCli::CheckRepeatedRadios(args, session.Settings()); !error.empty()) {
        return UsageError(context, "read", error, kReadUsage);
    }
    const auto output = args.Get("-o") ? args.Get("-o") : args.Get("--output");
    if (!output || output->empty()) {
        return UsageError(context, "read", "missing -o OUT", kReadUsage);
    }
    if (const std::string error = RadioCli::CheckOptions(args); !error.empty()) {
        return UsageError(context, "read", error, kReadUsage);
    }
    // A file that cannot be saved is found before the radio is read, not after.
    const std::filesystem::path out(*output);
    if (Result writable = CheckSaveTarget(out); !writable) {
        return Fail(context, session, writable);
    }

    RadioCli radio(context, session, args);
    if (!radio.OpenTrace()) {
        return ExitCode::Failure;
    }
    // Ctrl+C or a termination request stops the transfer after its current exchange.
    const InterruptGuard interrupts;
    RadioTransfer transfer(radio, session, clock, interrupts.Flag());
    RadioImage received{};
    transfer.Commands().SetHistoryFile(std::filesystem::absolute(out).string());
    const TransferReport report =
        transfer.Commands().Read(transfer.Runner(), radio.Target(), transfer.AskYesNo(), received);
    radio.TellHistoryProblem(transfer.Commands());
    if (!report.ok()) {
        return radio.Fail(report);
    }
    if (!radio.FinishTrace()) {
        return ExitCode::Failure;
    }
    // The file carries the bytes as the radio gave them, not the data objects' rebuild of them.
    CDataFile file;
    if (Result kept = file.SetHeader(session.Doc().BuildHeader().ToBytes()); !kept) {
        return Fail(context, session, kept);
    }
    if (Result written = file.WriteDataFile(out, {}, received, {}, CDataFile::EmptyComment::Write);
        !written) {
        return Fail(context, session, written);
    }
    radio.Completed(report);
    return ExitCode::Success;
}

ExitCode RunRead(CliContext& context) {
    DocumentSession session(context.home, DocumentSession::SettingsOnExit::Discard, HistoryFolderOf(context));
    return RunRead(context, session, SystemClock::Instance());
}

} // namespace tav::cli
