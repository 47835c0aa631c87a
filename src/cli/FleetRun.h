#pragma once

#include "cli/CliContext.h"
#include "cli/InterruptGuard.h"
#include "core/app/RadioCommands.h"
#include "core/comm/Clock.h"

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tav {
class PortTable;
} // namespace tav

namespace tav::cli {

class ArgList;

/// How one radio of a run ended: the exit status it stands for, the transfer's status and the
/// summary word of its line ("written", "same", "2 differences: ...").
struct RadioOutcome {
    ExitCode code = ExitCode::Failure;
    TransferStatus status = TransferStatus::NoRadio;
    std::string result;
};

/// One radio named on the command line.
struct FleetRadio {
    std::string label; ///< the port as given: "3" or a device path
    RadioTarget target;
};

/// The total of a run: "3 radios: 2 written, 1 failed", and ", run stopped" or ", interrupted".
void PrintFleetTotal(std::ostream& out, int done, int failed, const std::string& doneWord,
                     const std::string& failedWord, bool stopped, bool interrupted);

/// The radios named on the command line, in order; a port number stands for its device path
/// alone, so that each radio of the run is taken once, on its own port.
std::vector<FleetRadio> FleetRadios(const ArgList& args, const PortTable& ports);

/// What a run does with each radio and how it counts them.
struct FleetJob {
    /// Does the work on one radio; `serial` holds its serial number when it is known already and
    /// may be filled by the work itself (a read tells it).
    std::function<RadioOutcome(const RadioTarget& target, std::optional<std::string>& serial)> each;
    /// Reads the serial number of the radio at `target` (for the line, and to notice the next
    /// radio with --repeat); a Completed report when it could.
    std::function<TransferReport(const RadioTarget& target, std::string& serial)> serialNumber;
    /// Whether each radio's serial number is read before the work (the work does not tell it).
    bool serialFirst = true;
    /// The line of each radio ends with the seconds taken.
    bool seconds = true;
    /// The words of the total: "2 radios: 1 written, 1 failed".
    std::string doneWord = "written";
    std::string failedWord = "failed";
    /// A radio whose outcome stops the run (another model, another band).
    std::function<bool(TransferStatus)> stopsTheRun;
};

/// Takes many radios in turn, or one radio after another on one port with --repeat, printing
/// one tab-separated line per radio on stdout (the port as given, the serial number, the result,
/// the seconds) and a total.
class FleetRun {
public:
    FleetRun(CliContext& context, FleetJob job, Clock& clock, const InterruptGuard& interrupts);

    ExitCode Each(const std::vector<FleetRadio>& radios);
    /// Waits on one port for radios: one that answers with another serial number, or one that
    /// answers after nothing did, is taken; until Ctrl+C.
    ExitCode Repeat(const FleetRadio& radio);

private:
    /// False when the run must stop.
    bool One(const FleetRadio& radio, std::optional<std::string> serial);
    ExitCode Finish();

    CliContext& context_;
    FleetJob job_;
    Clock& clock_;
    const InterruptGuard& interrupts_;
    int done_ = 0;
    int failed_ = 0;
    bool stopped_ = false;
    bool interrupted_ = false;
};

} // namespace tav::cli
