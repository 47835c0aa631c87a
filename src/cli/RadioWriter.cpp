#include "cli/RadioWriter.h"

#include "cli/CliMessages.h"
#include "cli/RadioCli.h"
#include "cli/RadioTransfer.h"
#include "core/app/DocumentSession.h"
#include "core/app/RadioSerialNumber.h"
#include "core/comm/CSerialPort.h"

namespace tav::cli {
namespace {

/// The summary word of a failed transfer.
std::string FailureWord(TransferStatus status) {
    switch (status) {
    case TransferStatus::NoRadio:
    case TransferStatus::ModeRefused:
        return "no radio";
    case TransferStatus::PortBusy:
        return "port busy";
    case TransferStatus::IdentityRefused:
    case TransferStatus::RangeRefused:
        return "refused";
    case TransferStatus::PasswordCancelled:
    case TransferStatus::PasswordRefused:
        return "password refused";
    case TransferStatus::NoteDeclined:
        return "note not confirmed";
    case TransferStatus::Interrupted:
        return "interrupted";
    default:
        return "failed";
    }
}

} // namespace

RadioWriter::RadioWriter(CliContext& context, DocumentSession& session, Clock& clock, RadioCli& radio,
                         const std::atomic<bool>& stop, bool verify)
    : context_(context), session_(session), clock_(clock), radio_(radio), stop_(stop), verify_(verify) {}

RadioWriteOutcome RadioWriter::Failed(ExitCode code, TransferStatus status, const std::string& result) const {
    return RadioWriteOutcome{code, status, result};
}

RadioWriteOutcome RadioWriter::Write(const RadioTarget& target) {
    RadioTransfer transfer(radio_, session_, clock_, stop_);
    const Outcome<TransferReport> written =
        transfer.Commands().Write(transfer.Runner(), target, transfer.AskYesNo());
    if (!written) {
        return Failed(Fail(context_, session_, written.result()), TransferStatus::Cancelled, "data refused");
    }
    if (!written->ok()) {
        return Failed(radio_.Fail(*written), written->status, FailureWord(written->status));
    }
    if (!verify_) {
        radio_.Completed(*written);
        return {ExitCode::Success, TransferStatus::Completed, "written"};
    }
    // The read-back goes to the radio that took the write, not to another found by a port search.
    const RadioTarget same{written->connection.device, std::nullopt};
    std::vector<ConfigDifference> differences;
    const TransferReport check = transfer.Commands().Verify(transfer.Runner(), same, differences);
    if (!check.ok()) {
        return Failed(radio_.Fail(check), check.status, "written, read-back " + FailureWord(check.status));
    }
    if (!differences.empty()) {
        const std::size_t count = differences.size();
        return Failed(radio_.FailVerify(differences), TransferStatus::Completed,
                      "written, not verified: " + std::to_string(count) +
                          (count == 1 ? " difference" : " differences"));
    }
    radio_.Completed(*written);
    return {ExitCode::Success, TransferStatus::Completed, "written and verified"};
}

TransferReport RadioWriter::SerialNumber(const RadioTarget& target, std::string& serial) {
    CSerialPort port;
    RadioLink link(port, clock_, radio_.Tracer());
    link.SetStopFlag(&stop_);
    const RadioCommandUi ui = radio_.Ui();
    return ReadSerialNumber(link, MakeTransferRequest(session_.Settings(), TransferDirection::Read, target),
                            ui.questions, serial);
}

} // namespace tav::cli
