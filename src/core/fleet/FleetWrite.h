#pragma once

#include "core/app/RadioCommands.h"
#include "core/comm/Clock.h"
#include "core/comm/FrameTracer.h"
#include "core/fleet/FleetOutcome.h"
#include "core/fleet/UnitNumbering.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <vector>

namespace tav {

class CDataContainer;

/// What every radio of a fleet gets.
struct FleetWriteJob {
    /// The common data (header and image) as a write sends it (RadioCommands::PrepareWrite).
    DataFileContent content;
    /// The data file the history names beside each write.
    std::string file;
    bool backup = false; ///< read each radio first and keep it as its restore point
    bool verify = false; ///< read each radio back after its write and compare
};

/// What a fleet run tells and asks while it works; every function may be empty.
struct FleetHooks {
    /// The questions of the transfers (password, firmware note); the run asks one at a time, and
    /// each firmware note once for all its radios.
    TransferQuestions questions;
    /// Progress of the radio on port `port`, called on that port's thread.
    std::function<void(std::size_t port, const TransferEvent& event)> progress;
    /// A radio was found on `port` and its write starts with `identity`.
    std::function<void(std::size_t port, const std::string& serial, const FleetIdentity& identity)> started;
    /// A radio is done; called one at a time, in the order radios end, never while a question is
    /// being asked.
    std::function<void(const FleetOutcome& outcome)> finished;
};

/// Writes one data file to many radios at the same time, one thread per port, each radio over
/// the same write as a single one (RadioCommands::WriteContent) with the unit identity the
/// numbering gives it when it starts. Each radio is decided alone: a radio refused (another model,
/// another band), failed or missing ends its own port's work and the others go on. The same
/// operation serves the desktop program and tavctl.
class FleetWrite {
public:
    /// `commands` is copied for each port; `common` holds the data and is only read (one port at
    /// a time) while the run lasts; `tracer` may be null.
    FleetWrite(const RadioCommands& commands, const CDataContainer& common, Clock& clock,
               FrameTracer* tracer);

    /// Writes the radio on every port once; the outcomes in port order.
    std::vector<FleetOutcome> Each(const std::vector<FleetPort>& ports, const FleetWriteJob& job,
                                   UnitNumbering& numbering, const FleetHooks& hooks,
                                   const std::atomic<bool>& stop);
    /// On every port, writes each radio that is plugged in (another serial number, or a radio
    /// connected after nothing answered) until `stop` is set; the outcomes in the order radios ended.
    std::vector<FleetOutcome> Repeat(const std::vector<FleetPort>& ports, const FleetWriteJob& job,
                                     UnitNumbering& numbering, const FleetHooks& hooks,
                                     const std::atomic<bool>& stop);

    /// The audit of a fleet: reads the radio on every port at once (with `repeat`, each radio
    /// plugged in until `stop`) and compares it with the common data by the rule of a verify. An
    /// outcome's `write` is the read, its `differences` what the radio holds otherwise; the
    /// outcomes in the order radios ended.
    std::vector<FleetOutcome> Audit(const std::vector<FleetPort>& ports, const FleetHooks& hooks,
                                    const std::atomic<bool>& stop, bool repeat);

private:
    struct Run;
    /// The read and compare of one radio of an audit.
    void AuditOne(Run& run, std::size_t port, FleetOutcome& outcome);
    /// One radio on one port: its serial number, its identity, the write and the read-back.
    FleetOutcome One(Run& run, std::size_t port, const std::optional<std::string>& serial);
    void EachOnPort(Run& run, std::size_t port);
    void RepeatOnPort(Run& run, std::size_t port);
    std::vector<FleetOutcome> OnEveryPort(Run& run, void (FleetWrite::*work)(Run&, std::size_t));
    TransferReport SerialNumber(Run& run, std::size_t port, std::string& serial);
    /// Runs the transfers of the radio on `port` over `session` with the run's questions, its
    /// progress told as that port's, stopped with the run.
    static TransferRunner RunnerOn(Run& run, std::size_t port, TransferSession& session);

    const RadioCommands& commands_;
    const CDataContainer& common_;
    Clock& clock_;
    FrameTracer* tracer_;
};

} // namespace tav
