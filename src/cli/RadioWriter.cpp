#include "cli/RadioWriter.h"

#include "cli/CliMessages.h"
#include "cli/RadioCli.h"
#include "cli/RadioTransfer.h"
#include "core/app/DocumentSession.h"
#include "core/fleet/FleetOutcome.h"

namespace tav::cli {
namespace {

/// "The radio has been written; only the check that reads it back was stopped."
constexpr int kReadBackStoppedMessage = 9710;

} // namespace

RadioWriter::RadioWriter(CliContext& context, DocumentSession& session, Clock& clock, RadioCli& radio,
                         const std::atomic<bool>& stop, Steps steps)
    : context_(context), session_(session), clock_(clock), radio_(radio), stop_(stop), steps_(steps) {}

RadioOutcome RadioWriter::Write(const RadioTarget& target, const std::optional<std::string>& serial) {
    RadioTransfer transfer(radio_, session_, clock_, stop_);
    RadioCommands& commands = transfer.Commands();
    const Outcome<TransferReport> written =
        commands.Write(transfer.Runner(), target, transfer.AskYesNo(), WriteOptions{steps_.backup, serial});
    if (!written) {
        return {Fail(context_, session_, written.result()), TransferStatus::Cancelled, "data refused"};
    }
    if (!written->ok()) {
        const std::string again =
            radio_.CommandPrefix() + " write " + ShellWord(session_.Doc().Path().string()) +
            radio_.RadioWords(written->connection.device) + (steps_.backup ? " --backup" : "");
        return FailedWrite(*written, commands, again);
    }
    if (!steps_.verify) {
        radio_.TellHistoryProblem(commands);
        radio_.Completed(*written);
        return {ExitCode::Success, TransferStatus::Completed, "written"};
    }
    const RadioOutcome checked = VerifyWritten(commands, transfer.Runner(), *written);
    radio_.TellHistoryProblem(commands);
    return checked;
}

RadioOutcome RadioWriter::Restore(const RadioTarget& target, const DataFileContent& entry,
                                  const std::string& entryFile, const std::string& radioLabel,
                                  const std::string& name) {
    RadioTransfer transfer(radio_, session_, clock_, stop_);
    RadioCommands& commands = transfer.Commands();
    const TransferReport report = commands.Restore(transfer.Runner(), target, entry, entryFile,
                                                   WriteOptions{steps_.backup, std::nullopt});
    if (!report.ok()) {
        const std::string again =
            radio_.CommandPrefix() + " history " + ShellWord(radioLabel) + " --restore " + ShellWord(name) +
            radio_.RadioWords(report.connection.device) + (steps_.backup ? " --backup" : "");
        return FailedWrite(report, commands, again);
    }
    radio_.TellHistoryProblem(commands);
    radio_.Completed(report);
    return {ExitCode::Success, TransferStatus::Completed, "restored"};
}

RadioOutcome RadioWriter::FailedWrite(const TransferReport& report, const RadioCommands& commands,
                                      const std::string& again) {
    const ExitCode code = radio_.Fail(report);
    radio_.ExplainStoppedWrite(report, commands.LastBackup(), again);
    radio_.TellHistoryProblem(commands);
    return {code, report.status, FailureWord(report.status)};
}

RadioOutcome RadioWriter::VerifyWritten(RadioCommands& commands, const TransferRunner& runner,
                                        const TransferReport& written) {
    // The read-back goes to the radio that took the write, not to another found by a port search.
    const RadioTarget same{written.connection.device, std::nullopt};
    std::vector<ConfigDifference> differences;
    const TransferReport check = commands.Verify(runner, same, differences);
    if (check.status == TransferStatus::Interrupted) {
        // The write itself completed: only the check was stopped.
        radio_.Tell(kReadBackStoppedMessage);
        return {ExitCode::Interrupted, TransferStatus::Interrupted, "written, read-back interrupted"};
    }
    if (!check.ok()) {
        return {radio_.Fail(check), check.status, "written, read-back " + FailureWord(check.status)};
    }
    if (!differences.empty()) {
        const std::size_t count = differences.size();
        return {radio_.FailVerify(differences), TransferStatus::Completed,
                "written, not verified: " + std::to_string(count) +
                    (count == 1 ? " difference" : " differences")};
    }
    radio_.Completed(written);
    return {ExitCode::Success, TransferStatus::Completed, "written and verified"};
}

} // namespace tav::cli
