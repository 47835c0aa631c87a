#include "cli/FleetWriteCli.h"

#include "cli/ArgList.h"
#include "cli/CliMessages.h"
#include "cli/FleetRadios.h"
#include "cli/RadioCli.h"
#include "core/app/DocumentSession.h"
#include "core/comm/PortTable.h"
#include "core/fleet/FleetWrite.h"
#include "core/fleet/UnitNumbering.h"
#include "core/util/PrintableText.h"

#include <cstdio>
#include <ostream>

namespace tav::cli {

FleetWriteCli::FleetWriteCli(CliContext& context, DocumentSession& session, Clock& clock, RadioCli& radio,
                             const ArgList& args)
    : context_(context), session_(session), clock_(clock), radio_(radio), args_(args) {}

ExitCode FleetWriteCli::Run(UnitNumbering& numbering, const std::atomic<bool>& stop) {
    RadioCommands commands = session_.Radio();
    const Outcome<DataFileContent> prepared = commands.PrepareWrite();
    if (!prepared) {
        return Fail(context_, session_, prepared.result());
    }
    std::vector<FleetPort> ports;
    for (const FleetRadio& radio :
         FleetRadios(args_, PortTable::LoadFromSettings(session_.Settings().SettingsFile()))) {
        ports.push_back({radio.label, radio.target.device.value_or("")});
    }
    const bool repeat = args_.Has("--repeat");
    // Values that would leave their range stop the run before any radio is written.
    if (Result fits = numbering.Check(repeat ? 1 : static_cast<unsigned>(ports.size())); !fits) {
        return Fail(context_, session_, fits);
    }
    identities_ = numbering.Active();

    FleetWriteJob job{*prepared, commands.HistoryFileOfWrite(), args_.Has("--backup"), args_.Has("--verify")};
    FleetHooks hooks;
    hooks.questions = radio_.Ui().questions;
    hooks.finished = [this](const FleetOutcome& outcome) { Ended(outcome); };
    FleetWrite fleet(commands, session_.Container(), clock_, radio_.Tracer());
    if (repeat) {
        static_cast<void>(fleet.Repeat(ports, job, numbering, hooks, stop));
    } else {
        static_cast<void>(fleet.Each(ports, job, numbering, hooks, stop));
    }
    const bool interrupted = interrupted_ || stop;
    PrintFleetTotal(context_.out, done_, failed_, "written", "failed", false, interrupted);
    if (interrupted) {
        return ExitCode::Interrupted;
    }
    return failed_ == 0 ? ExitCode::Success : ExitCode::Failure;
}

void FleetWriteCli::Ended(const FleetOutcome& outcome) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", outcome.seconds);
    context_.out << EscapeControls(outcome.label) << '\t'
                 << (outcome.serial && !outcome.serial->empty() ? EscapeControls(*outcome.serial) : "-")
                 << '\t' << outcome.ResultText();
    if (identities_) {
        context_.out << '\t' << (outcome.identity.Empty() ? "-" : outcome.identity.Text());
    }
    context_.out << '\t' << seconds << std::endl;
    (outcome.ok() ? done_ : failed_) += 1;
    interrupted_ = interrupted_ || outcome.write.status == TransferStatus::Interrupted ||
                   (outcome.verify && outcome.verify->status == TransferStatus::Interrupted);
    if (outcome.ok()) {
        return;
    }
    context_.err << "tavctl: " << EscapeControls(outcome.label) << ":\n";
    if (outcome.refused) {
        static_cast<void>(Fail(context_, session_, *outcome.refused));
    } else if (!outcome.write.ok()) {
        static_cast<void>(radio_.Fail(outcome.write));
        if (outcome.write.written.Started()) {
            radio_.ExplainStoppedWrite(outcome.write, outcome.backup, AgainCommand(outcome));
        }
    } else if (outcome.verify && !outcome.verify->ok()) {
        static_cast<void>(radio_.Fail(*outcome.verify));
    } else if (!outcome.differences.empty()) {
        static_cast<void>(radio_.FailVerify(outcome.differences));
    }
    if (outcome.historyProblem) {
        static_cast<void>(Fail(context_, session_, *outcome.historyProblem));
    }
}

std::string FleetWriteCli::AgainCommand(const FleetOutcome& outcome) const {
    std::string again = radio_.CommandPrefix() + " write " + ShellWord(session_.Doc().Path().string()) +
                        radio_.RadioWords(outcome.write.connection.device) +
                        (args_.Has("--backup") ? " --backup" : "");
    if (outcome.identity.atis) {
        again += " --atis-from " + *outcome.identity.atis;
    }
    if (outcome.identity.pttId) {
        again += " --ptt-id-from " + FleetIdentity::PttIdText(*outcome.identity.pttId);
    }
    return again;
}

} // namespace tav::cli
