#pragma once

#include "cli/CliContext.h"
#include "core/comm/Clock.h"
#include "core/fleet/FleetOutcome.h"

#include <atomic>

namespace tav {
class DocumentSession;
class UnitNumbering;
} // namespace tav

namespace tav::cli {

class ArgList;
class RadioCli;

/// `tavctl write` to many radios at the same time: every port given gets its own worker over
/// the one fleet write, each radio its own unit identity when --atis-from, --ptt-id-from or
/// --numbering ask for one. One tab-separated line per radio goes to stdout as it ends (port,
/// serial number, result, the identity given, seconds), its messages to stderr, and a total.
class FleetWriteCli {
public:
    FleetWriteCli(CliContext& context, DocumentSession& session, Clock& clock, RadioCli& radio,
                  const ArgList& args);

    ExitCode Run(UnitNumbering& numbering, const std::atomic<bool>& stop);

private:
    void Ended(const FleetOutcome& outcome);
    /// The write of one radio run again, with the identity it was given.
    std::string AgainCommand(const FleetOutcome& outcome) const;

    CliContext& context_;
    DocumentSession& session_;
    Clock& clock_;
    RadioCli& radio_;
    const ArgList& args_;
    bool identities_ = false;
    int done_ = 0;
    int failed_ = 0;
    bool interrupted_ = false;
};

} // namespace tav::cli
