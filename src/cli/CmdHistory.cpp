// tavctl history: the radio history listed, and an entry of it written back to a radio.
#include "cli/ArgList.h"
#include "cli/CliMessages.h"
#include "cli/Commands.h"
#include "cli/InterruptGuard.h"
#include "cli/RadioCli.h"
#include "cli/RadioWriter.h"
#include "core/util/PrintableText.h"

#include <algorithm>
#include <ostream>

namespace tav::cli {

const char* const kHistoryUsage =
    "Usage: tavctl history [SERIAL]\n"
    "       tavctl history SERIAL --restore ENTRY (--port N | --device PATH) [--backup]\n"
    "                      [--password DIGITS] [--yes] [--trace FILE]\n"
    "\n"
    "Lists the radio history: every read of a radio, every backup taken before a write and every\n"
    "write, kept per radio (by its serial number) in the user's data folder:\n"
    "$XDG_DATA_HOME/tav-programmer/history (~/.local/share/tav-programmer/history), on Windows\n"
    "%LOCALAPPDATA%\\TAV Programmer\\history. One line per entry, oldest first, tab separated:\n"
    "the time (UTC), the kind (read, before-write, written), the serial number, the model and the\n"
    "entry's data file, which opens like any data file ('tavctl compare', 'tavctl info'). Radios\n"
    "without a serial number are listed as '(no serial)'. Each radio keeps its last 100 entries\n"
    "(HistoryKeep in the [Setting] section of Settings.ini), and always its latest backup.\n"
    "\n"
    "With --restore, the entry ENTRY of the radio SERIAL (the name of its data file, with or without\n"
    ".dat) is written back to a radio as 'tavctl write' writes: the radio must be of the entry's\n"
    "model and its band must hold the entry's range, and the firmware note must be confirmed; the\n"
    "bytes go back exactly as they were kept. The restore joins the history as a write.\n"
    "\n"
    "  --restore ENTRY    the entry to write back\n"
    "  --port N           port 1-16 (or COM1-COM16) of the port table in Settings.ini, tried first\n"
    "  --device PATH      the serial device of the radio, for example /dev/ttyUSB0\n"
    "  --backup           read the radio first and keep that in the history too\n"
    "  --password DIGITS  the radio's password, if it asks for one (at a terminal it is asked for)\n"
    "  --yes              confirm the firmware note and answer Yes to every question\n"
    "  --trace FILE       record every frame sent and received, with timestamps, in hex\n";

namespace {

void ListRadio(CliContext& context, const RadioHistory& history, const std::string& radio) {
    for (const HistoryEntry& entry : history.Entries(radio)) {
        context.out << entry.time << '\t' << HistoryKindName(entry.kind) << '\t'
                    << EscapeControls(entry.radio) << '\t' << EscapeControls(entry.model) << '\t'
                    << EscapeControls(history.EntryFile(radio, entry.name).string()) << '\n';
    }
}

ExitCode List(CliContext& context, const DocumentSession& session, const RadioHistory& history,
              const std::optional<std::string>& serial) {
    const std::vector<std::string> radios = history.Radios();
    if (!serial) {
        for (const std::string& radio : radios) {
            ListRadio(context, history, radio);
        }
        return ExitCode::Success;
    }
    if (std::find(radios.begin(), radios.end(), *serial) == radios.end()) {
        return Fail(context, session, Result::Fail(RadioHistory::kNoEntryMessage, "radio " + *serial));
    }
    ListRadio(context, history, *serial);
    return ExitCode::Success;
}

ExitCode Restore(CliContext& context, DocumentSession& session, Clock& clock, const ArgList& args,
                 const std::string& serial) {
    RadioHistory& history = session.History();
    const std::string name = *args.Get("--restore");
    DataFileContent entry;
    if (Result loaded = history.Load(serial, name, entry); !loaded) {
        return Fail(context, session, loaded);
    }
    const std::optional<HistoryEntry> found = history.Find(serial, name);
    RadioCli radio(context, session, args);
    if (!radio.OpenTrace()) {
        return ExitCode::Failure;
    }
    // Ctrl+C or a termination request stops the transfer after its current exchange.
    const InterruptGuard interrupts;
    RadioWriter writer(context, session, clock, radio, interrupts.Flag(),
                       RadioWriter::Steps{args.Has("--backup")});
    const RadioOutcome outcome = writer.Restore(
        radio.Target(), entry, history.EntryFile(serial, found->name).string(), serial, found->name);
    if (!radio.FinishTrace()) {
        return ExitCode::Failure;
    }
    return outcome.code;
}

} // namespace

ExitCode RunHistory(CliContext& context, DocumentSession& session, Clock& clock) {
    ArgList args;
    args.OptionalPositional("SERIAL").Option("--restore").Flag("--backup");
    RadioCli::DeclareOptions(args);
    if (!args.Parse(context.args)) {
        return UsageError(context, "history", args.error(), kHistoryUsage);
    }
    if (args.HelpRequested()) {
        context.out << kHistoryUsage;
        return ExitCode::Success;
    }
    const std::optional<std::string> serial = args.Get("SERIAL");
    if (!args.Has("--restore")) {
        for (const char* name : {"--port", "--device", "--password", "--yes", "--trace", "--backup"}) {
            if (args.Has(name)) {
                return UsageError(context, "history", std::string(name) + " goes with --restore",
                                  kHistoryUsage);
            }
        }
        return List(context, session, session.History(), serial);
    }
    if (!serial) {
        return UsageError(context, "history", "--restore needs the SERIAL of the radio the entry belongs to",
                          kHistoryUsage);
    }
    if (args.Get("--restore")->empty()) {
        return UsageError(context, "history", "--restore takes the name of an entry", kHistoryUsage);
    }
    if (const std::string error = RadioCli::CheckRepeatedRadios(args, session.Settings()); !error.empty()) {
        return UsageError(context, "history", error, kHistoryUsage);
    }
    if (const std::string error = RadioCli::CheckOptions(args); !error.empty()) {
        return UsageError(context, "history", error, kHistoryUsage);
    }
    return Restore(context, session, clock, args, *serial);
}

ExitCode RunHistory(CliContext& context) {
    DocumentSession session(context.home, DocumentSession::SettingsOnExit::Discard, HistoryFolderOf(context));
    return RunHistory(context, session, SystemClock::Instance());
}

} // namespace tav::cli
