#pragma once

#include "cli/CliContext.h"
#include "core/app/RadioCommands.h"

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

} // namespace tav::cli
