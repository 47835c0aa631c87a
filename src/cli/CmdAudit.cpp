// tavctl audit: whether each radio of a fleet holds a master data file.
#include "cli/ArgList.h"
#include "cli/CliMessages.h"
#include "cli/Commands.h"
#include "cli/FleetRadios.h"
#include "cli/InterruptGuard.h"
#include "cli/RadioCli.h"
#include "core/app/DocumentSession.h"
#include "core/app/RadioSerialNumber.h"
#include "core/fleet/FleetWrite.h"
#include "core/util/PrintableText.h"

#include <ostream>

namespace tav::cli {

const char* const kAuditUsage =
    "Usage: tavctl audit MASTER (--port N | --device PATH)... [--repeat] [--password DIGITS]\n"
    "                    [--trace FILE]\n"
    "\n"
    "Reads every radio at the same time and compares it with what writing the data file MASTER\n"
    "would send, by the rule of 'tavctl verify': bytes a write does not send (the programming\n"
    "date, the radio's identity, band, model and tuning data) are no differences. One line per\n"
    "radio goes to stdout as it ends, tab separated: the port as given, the radio's serial number,\n"
    "and 'same' or 'N differences:' with the first fields named; then a total. A radio that could not be "
    "read is listed with the\n"
    "reason ('not read: no radio') and its message goes to stderr. Every read joins the radio\n"
    "history. Each radio is named once.\n"
    "Exit status: 0 every radio holds MASTER, 1 a radio differs or could not be read, 2 usage error\n"
    "or MASTER could not be read, 130 stopped by Ctrl+C.\n"
    "\n"
    "  --port N           port 1-16 (or COM1-COM16) of the port table in Settings.ini\n"
    "  --device PATH      the serial device of a radio, for example /dev/ttyUSB0\n"
    "  --repeat           after each radio wait on its port for the next one (another serial\n"
    "                     number, or a radio connected anew) and audit it too, until Ctrl+C\n"
    "  --password DIGITS  the radios' password, if they ask for one (at a terminal it is asked for)\n"
    "  --trace FILE       record every frame sent and received, with timestamps, in hex\n";

namespace {

/// How many changed fields a radio's line names.
constexpr std::size_t kNamedFields = 3;

std::string FieldName(const ConfigDifference& difference) {
    if (difference.kind == ConfigDifference::Kind::Field) {
        return difference.subject + " \u00B7 " + difference.field;
    }
    return difference.LineText();
}

} // namespace

std::string DifferencesText(const std::vector<ConfigDifference>& differences) {
    if (differences.empty()) {
        return "same";
    }
    std::string text =
        std::to_string(differences.size()) + (differences.size() == 1 ? " difference: " : " differences: ");
    for (std::size_t i = 0; i < differences.size() && i < kNamedFields; ++i) {
        text += (i > 0 ? "; " : "") + EscapeControls(FieldName(differences[i]));
    }
    if (differences.size() > kNamedFields) {
        text += "; ...";
    }
    return text;
}

ExitCode RunAudit(CliContext& context, DocumentSession& session, Clock& clock) {
    ArgList args;
    args.Positional("MASTER").Flag("--repeat");
    RadioCli::DeclareOptions(args);
    if (!args.Parse(context.args)) {
        return UsageError(context, "audit", args.error(), kAuditUsage);
    }
    if (args.HelpRequested()) {
        context.out << kAuditUsage;
        return ExitCode::Success;
    }
    if (const std::string error = RadioCli::CheckRepeatedRadios(args, session.Settings()); !error.empty()) {
        return UsageError(context, "audit", error, kAuditUsage);
    }
    if (const std::string error = RadioCli::CheckOptions(args, true); !error.empty()) {
        return UsageError(context, "audit", error, kAuditUsage);
    }
    const auto radios = FleetRadios(args, PortTable::LoadFromSettings(session.Settings().SettingsFile()));
    if (Result opened = session.Doc().Open(*args.Get("MASTER"), session.Views()); !opened) {
        (void)Fail(context, session, opened);
        return ExitCode::Usage;
    }

    RadioCli radio(context, session, args);
    if (!radio.OpenTrace()) {
        return ExitCode::Failure;
    }
    const InterruptGuard interrupts;
    // The radios are read at the same time and compared, one at a time, with the data as a write
    // of MASTER would send it.
    session.Container().StoreAll();
    RadioCommands commands = session.Radio();
    FleetWrite fleet(commands, session.Container(), clock, radio.Tracer());
    int same = 0;
    int differ = 0;
    bool interrupted = false;
    FleetHooks hooks;
    hooks.questions = radio.Ui().questions;
    hooks.finished = [&](const FleetOutcome& outcome) {
        const bool read = outcome.write.ok();
        context.out << EscapeControls(outcome.label) << '\t'
                    << (outcome.serial && !outcome.serial->empty() ? EscapeControls(*outcome.serial) : "-")
                    << '\t'
                    << (read ? DifferencesText(outcome.differences)
                             : "not read: " + FailureWord(outcome.write.status))
                    << std::endl;
        (outcome.ok() ? same : differ) += 1;
        interrupted = interrupted || outcome.write.status == TransferStatus::Interrupted;
        if (!read) {
            static_cast<void>(radio.Fail(outcome.write));
        }
        if (outcome.historyProblem) {
            static_cast<void>(Fail(context, session, *outcome.historyProblem));
        }
    };
    std::vector<FleetPort> ports;
    for (const FleetRadio& each : radios) {
        ports.push_back({each.label, each.target.device.value_or("")});
    }
    static_cast<void>(fleet.Audit(ports, hooks, interrupts.Flag(), args.Has("--repeat")));
    interrupted = interrupted || interrupts.Interrupted();
    PrintFleetTotal(context.out, same, differ, "same", "not the same", false, interrupted);
    const ExitCode code = interrupted   ? ExitCode::Interrupted
                          : differ == 0 ? ExitCode::Success
                                        : ExitCode::Failure;
    if (!radio.FinishTrace()) {
        return ExitCode::Failure;
    }
    return code;
}

ExitCode RunAudit(CliContext& context) {
    DocumentSession session(context.home, DocumentSession::SettingsOnExit::Discard, HistoryFolderOf(context));
    return RunAudit(context, session, SystemClock::Instance());
}

} // namespace tav::cli
