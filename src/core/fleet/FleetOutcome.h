#pragma once

#include "core/comm/TransferSession.h"
#include "core/compare/ConfigCompare.h"
#include "core/fleet/FleetIdentity.h"
#include "core/history/HistoryEntry.h"
#include "core/util/Result.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tav {

/// One port of a fleet run: the name it was given by ("3", "/dev/ttyUSB0") and its device.
struct FleetPort {
    std::string label;
    std::string device;
};

/// How one radio of a fleet run ended.
struct FleetOutcome {
    std::size_t port = 0; ///< index of the radio's port in the run
    std::string label;    ///< that port as given
    /// The radio's serial number; nothing when it did not tell it.
    std::optional<std::string> serial;
    /// The identity the radio was given (empty when the run gives none, or none was left).
    FleetIdentity identity;
    /// Why nothing was written to the radio found: no identity could be given to it (the values
    /// ran out of their range, or the numbering file could not be used).
    std::optional<Result> refused;
    TransferReport write;
    /// The read-back after the write, when the run verifies.
    std::optional<TransferReport> verify;
    std::vector<ConfigDifference> differences;
    /// The restore point taken before the write, as the history keeps it.
    std::optional<HistoryEntry> backup;
    /// The first thing the history could not keep.
    std::optional<Result> historyProblem;
    double seconds = 0;

    /// The radio holds the data: written (and, when verified or audited, found to hold it).
    bool ok() const;
    /// The word of the radio's summary line: "written", "written and verified", "written, not
    /// verified: 2 differences", "refused", "no radio" ...
    std::string ResultText() const;
};

/// The summary word of a failed transfer ("no radio", "refused", "interrupted" ...).
std::string FailureWord(TransferStatus status);

} // namespace tav
