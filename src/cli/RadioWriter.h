#pragma once

#include "cli/CliContext.h"
#include "core/app/RadioCommands.h"
#include "core/comm/Clock.h"

#include <atomic>
#include <string>

namespace tav {
class DocumentSession;
} // namespace tav

namespace tav::cli {

class RadioCli;

/// How the write of one radio ended: the exit status it stands for, the transfer's status and a
/// short word for the summary line ("written", "written and verified", "not verified: ...").
struct RadioWriteOutcome {
    ExitCode code = ExitCode::Failure;
    TransferStatus status = TransferStatus::NoRadio;
    std::string result;
};

/// The write of the opened data to one radio, as `tavctl write` does it, with the read-back
/// and compare when asked; the messages go to stderr as for any radio command. Also tells which
/// radio is on a port by its serial number, for the runs that write many radios.
class RadioWriter {
public:
    RadioWriter(CliContext& context, DocumentSession& session, Clock& clock, RadioCli& radio,
                const std::atomic<bool>& stop, bool verify);

    RadioWriteOutcome Write(const RadioTarget& target);
    /// Reads the serial number of the radio at `target` (nothing is printed).
    TransferReport SerialNumber(const RadioTarget& target, std::string& serial);

private:
    RadioWriteOutcome Failed(ExitCode code, TransferStatus status, const std::string& result) const;

    CliContext& context_;
    DocumentSession& session_;
    Clock& clock_;
    RadioCli& radio_;
    const std::atomic<bool>& stop_;
    bool verify_;
};

} // namespace tav::cli
