// tavctl audit: whether each radio of a fleet holds a master data file.
#include "cli/ArgList.h"
#include "cli/CliMessages.h"
#include "cli/Commands.h"
#include "cli/FleetRun.h"
#include "cli/InterruptGuard.h"
#include "cli/RadioCli.h"
#include "cli/RadioTransfer.h"
#include "cli/RadioWriter.h"
#include "core/app/RadioSerialNumber.h"
#include "core/fleet/FleetOutcome.h"
#include "core/util/PrintableText.h"

#include <ostream>

namespace tav::cli {

const char* const kAuditUsage =
    "Usage: tavctl audit MASTER (--port N | --device PATH)... [--repeat] [--password DIGITS]\n"
    "                    [--trace FILE]\n"
    "\n"
    "Reads each radio and compares it with what writing the data file MASTER would send, by the\n"
    "rule of 'tavctl verify': bytes a write does not send (the programming date, the radio's\n"
    "identity, band, model and tuning data) are no differences. One line per radio goes to stdout,\n"
    "tab separated: the port as given, the radio's serial number, and 'same' or 'N differences:'\n"
    "with the first fields named; then a total. A radio that could not be read is listed with the\n"
    "reason ('not read: no radio') and its message goes to stderr. Every read joins the radio\n"
    "history. Each radio is named once.\n"
    "Exit status: 0 every radio holds MASTER, 1 a radio differs or could not be read, 2 usage error\n"
    "or MASTER could not be read, 130 stopped by Ctrl+C.\n"
    "\n"
    "  --port N           port 1-16 (or COM1-COM16) of the port table in Settings.ini\n"
    "  --device PATH      the serial device of a radio, for example /dev/ttyUSB0\n"
    "  --repeat           with one port: after each radio wait for the next one (another serial\n"
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
    if (args.Has("--repeat") && radios.size() != 1) {
        return UsageError(context, "audit", "--repeat waits on one port: give one --port or --device",
                          kAuditUsage);
    }
    if (Result opened = session.Doc().Open(*args.Get("MASTER"), session.Views()); !opened) {
        (void)Fail(context, session, opened);
        return ExitCode::Usage;
    }

    RadioCli radio(context, session, args);
    if (!radio.OpenTrace()) {
        return ExitCode::Failure;
    }
    const InterruptGuard interrupts;
    RadioWriter writer(context, session, clock, radio, interrupts.Flag(), RadioWriter::Steps{});
    FleetJob job;
    job.each = [&](const RadioTarget& target, std::optional<std::string>& serial) -> RadioOutcome {
        RadioTransfer transfer(radio, session, clock, interrupts.Flag());
        std::vector<ConfigDifference> differences;
        RadioImage read{};
        const TransferReport report =
            transfer.Commands().Verify(transfer.Runner(), target, differences, &read);
        radio.TellHistoryProblem(transfer.Commands());
        if (!report.ok()) {
            return {radio.Fail(report), report.status, "not read: " + FailureWord(report.status)};
        }
        serial = ImageSerialNumber(read);
        return {differences.empty() ? ExitCode::Success : ExitCode::Failure, report.status,
                DifferencesText(differences)};
    };
    job.serialNumber = [&writer](const RadioTarget& target, std::string& serial) {
        return writer.SerialNumber(target, serial);
    };
    job.serialFirst = false;
    job.seconds = false;
    job.doneWord = "same";
    job.failedWord = "not the same";
    FleetRun run(context, std::move(job), clock, interrupts);
    const ExitCode code = args.Has("--repeat") ? run.Repeat(radios.front()) : run.Each(radios);
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
