#pragma once

#include "cli/CliContext.h"
#include "cli/FleetRadios.h"
#include "core/app/RadioCommands.h"
#include "core/comm/Clock.h"

#include <atomic>
#include <optional>
#include <string>

namespace tav {
class DocumentSession;
} // namespace tav

namespace tav::cli {

class RadioCli;

/// The write of the opened data to one radio, as `tavctl write` does it, with the backup before
/// and the read-back and compare after when asked; the messages go to stderr as for any radio
/// command, and a write that stopped part way says how far it got and what to run next. Also
/// restores a radio from its history.
class RadioWriter {
public:
    struct Steps {
        bool backup = false; ///< read the radio first and keep it in the history
        bool verify = false; ///< read the radio back after the write and compare
    };

    RadioWriter(CliContext& context, DocumentSession& session, Clock& clock, RadioCli& radio,
                const std::atomic<bool>& stop, Steps steps);

    /// `serial`: the radio's serial number when it was read already.
    RadioOutcome Write(const RadioTarget& target, const std::optional<std::string>& serial = std::nullopt);
    /// Writes the history entry `entry` (kept in `entryFile`, listed as `radioLabel` and `name`)
    /// back to the radio at `target`.
    RadioOutcome Restore(const RadioTarget& target, const DataFileContent& entry,
                         const std::string& entryFile, const std::string& radioLabel,
                         const std::string& name);

private:
    /// After a transfer of a write that failed: its messages, how far it got and what to run.
    RadioOutcome FailedWrite(const TransferReport& report, const RadioCommands& commands,
                             const std::string& again);
    /// The read-back and compare after a completed write.
    RadioOutcome VerifyWritten(RadioCommands& commands, const TransferRunner& runner,
                               const TransferReport& written);

    CliContext& context_;
    DocumentSession& session_;
    Clock& clock_;
    RadioCli& radio_;
    const std::atomic<bool>& stop_;
    Steps steps_;
};

} // namespace tav::cli
