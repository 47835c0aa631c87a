#include "core/fleet/FleetWrite.h"

#include "core/app/CDataContainer.h"
#include "core/app/RadioSerialNumber.h"
#include "core/comm/CSerialPort.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <memory>
#include <thread>

namespace tav {
namespace {

/// How long a port waits between two looks for the next radio.
constexpr std::chrono::milliseconds kPollInterval{500};

/// The questions of `questions`, asked one at a time whichever port's transfer asks; each
/// firmware note once.
TransferQuestions OneAtATime(const TransferQuestions& questions, std::mutex& asking) {
    TransferQuestions serialized;
    if (questions.password) {
        serialized.password = [&questions, &asking](int attempt) {
            const std::lock_guard guard(asking);
            return questions.password(attempt);
        };
    }
    if (questions.inform) {
        serialized.inform = [&questions, &asking](int messageId) {
            const std::lock_guard guard(asking);
            questions.inform(messageId);
        };
    }
    if (questions.confirmNote) {
        // A firmware note is confirmed once for the whole run, not once per radio.
        serialized.confirmNote = [&questions, &asking,
                                  answers = std::make_shared<std::map<int, bool>>()](int messageId) {
            const std::lock_guard guard(asking);
            const auto answered = answers->find(messageId);
            if (answered != answers->end()) {
                return answered->second;
            }
            const bool yes = questions.confirmNote(messageId);
            (*answers)[messageId] = yes;
            return yes;
        };
    }
    return serialized;
}

} // namespace

/// What the ports of one run share.
struct FleetWrite::Run {
    const std::vector<FleetPort>& ports;
    const FleetWriteJob& job;
    UnitNumbering& numbering;
    const FleetHooks& hooks;
    const std::atomic<bool>& stop;
    /// Held while the user is asked something and while a radio's end is told, so that what the
    /// caller shows of one radio never runs into what it shows of another.
    std::mutex telling;
    TransferQuestions questions;
    /// Held while the common data's objects are used (they are not made for many threads).
    std::mutex data;
    std::vector<FleetOutcome> ended;
    /// Read and compare instead of write.
    bool audit = false;
};

FleetWrite::FleetWrite(const RadioCommands& commands, const CDataContainer& common, Clock& clock,
                       FrameTracer* tracer)
    : commands_(commands), common_(common), clock_(clock), tracer_(tracer) {}

std::vector<FleetOutcome> FleetWrite::Each(const std::vector<FleetPort>& ports, const FleetWriteJob& job,
                                           UnitNumbering& numbering, const FleetHooks& hooks,
                                           const std::atomic<bool>& stop) {
    Run run{ports, job, numbering, hooks, stop, {}, {}, {}, {}, false};
    std::vector<FleetOutcome> outcomes = OnEveryPort(run, &FleetWrite::EachOnPort);
    std::sort(outcomes.begin(), outcomes.end(),
              [](const FleetOutcome& a, const FleetOutcome& b) { return a.port < b.port; });
    return outcomes;
}

std::vector<FleetOutcome> FleetWrite::Repeat(const std::vector<FleetPort>& ports, const FleetWriteJob& job,
                                             UnitNumbering& numbering, const FleetHooks& hooks,
                                             const std::atomic<bool>& stop) {
    Run run{ports, job, numbering, hooks, stop, {}, {}, {}, {}, false};
    return OnEveryPort(run, &FleetWrite::RepeatOnPort);
}

std::vector<FleetOutcome> FleetWrite::Audit(const std::vector<FleetPort>& ports, const FleetHooks& hooks,
                                            const std::atomic<bool>& stop, bool repeat) {
    const FleetWriteJob none;
    UnitNumbering noIdentities({}, std::nullopt);
    Run run{ports, none, noIdentities, hooks, stop, {}, {}, {}, {}, true};
    return OnEveryPort(run, repeat ? &FleetWrite::RepeatOnPort : &FleetWrite::EachOnPort);
}

std::vector<FleetOutcome> FleetWrite::OnEveryPort(Run& run, void (FleetWrite::*work)(Run&, std::size_t)) {
    run.questions = OneAtATime(run.hooks.questions, run.telling);
    std::vector<std::thread> workers;
    workers.reserve(run.ports.size());
    for (std::size_t port = 0; port < run.ports.size(); ++port) {
        workers.emplace_back([this, &run, work, port] { (this->*work)(run, port); });
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    return std::move(run.ended);
}

void FleetWrite::EachOnPort(Run& run, std::size_t port) {
    One(run, port, std::nullopt);
}

void FleetWrite::RepeatOnPort(Run& run, std::size_t port) {
    std::string last;
    bool gone = true;
    while (!run.stop) {
        std::string serial;
        // The radio just written stays on the line until another one answers, or until nothing
        // answered for a while and a radio is connected again.
        if (!SerialNumber(run, port, serial).ok()) {
            gone = true;
        } else if (gone || serial != last) {
            if (One(run, port, serial).refused) {
                break; // no identity is left for any further radio
            }
            last = serial;
            gone = false;
            continue;
        }
        clock_.Sleep(kPollInterval);
    }
}

TransferReport FleetWrite::SerialNumber(Run& run, std::size_t port, std::string& serial) {
    CSerialPort device;
    RadioLink link(device, clock_, tracer_);
    link.SetStopFlag(&run.stop);
    const RadioTarget target{run.ports[port].device, std::nullopt};
    return ReadSerialNumber(link, commands_.MakeRequest(TransferDirection::Read, target), run.questions,
                            serial);
}

FleetOutcome FleetWrite::One(Run& run, std::size_t port, const std::optional<std::string>& known) {
    const auto start = std::chrono::steady_clock::now();
    FleetOutcome outcome;
    outcome.port = port;
    outcome.label = run.ports[port].label;
    const auto finish = [&]() -> FleetOutcome {
        outcome.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const std::lock_guard guard(run.telling);
        run.ended.push_back(outcome);
        if (run.hooks.finished) {
            run.hooks.finished(outcome);
        }
        return outcome;
    };

    if (run.audit) {
        // The read tells the serial number: the radio is asked once.
        AuditOne(run, port, outcome);
        return finish();
    }
    std::string serial = known.value_or("");
    if (!known) {
        outcome.write = SerialNumber(run, port, serial);
        if (!outcome.write.ok()) {
            return finish();
        }
    }
    outcome.serial = serial;
    if (run.numbering.Active()) {
        Outcome<FleetIdentity> identity = run.numbering.Take();
        if (!identity) {
            outcome.refused = identity.result();
            return finish();
        }
        outcome.identity = *identity;
    }
    if (run.hooks.started) {
        run.hooks.started(port, serial, outcome.identity);
    }

    DataFileContent content = run.job.content;
    {
        const std::lock_guard guard(run.data);
        content.image = outcome.identity.AppliedTo(common_, run.job.content.image);
    }
    CSerialPort device;
    TransferSession session(device, clock_, tracer_);
    const TransferRunner runner = RunnerOn(run, port, session);
    const RadioTarget target{run.ports[port].device, std::nullopt};
    RadioCommands commands = commands_;
    RadioImage sent{};
    outcome.write = commands.WriteContent(runner, target, content, run.job.file,
                                          WriteOptions{run.job.backup, serial}, &sent);
    outcome.backup = commands.LastBackup();
    if (outcome.write.ok() && run.job.verify) {
        std::unique_ptr<CDataContainer> written;
        {
            const std::lock_guard guard(run.data);
            written = CDataContainer::LoadedLike(common_, sent);
        }
        outcome.verify = commands.VerifyWritten(runner, target, *written, outcome.differences, &run.data);
        const std::lock_guard guard(run.data);
        written.reset();
    }
    outcome.historyProblem = commands.HistoryProblem();
    return finish();
}

TransferRunner FleetWrite::RunnerOn(Run& run, std::size_t port, TransferSession& session) {
    session.link().SetStopFlag(&run.stop);
    return [&session, &run, port](const TransferRequest& request, RadioImage& image) {
        const TransferEventSink events = [&run, port](const TransferEvent& event) {
            if (run.hooks.progress) {
                run.hooks.progress(port, event);
            }
        };
        return session.Run(request, image, run.questions, events);
    };
}

void FleetWrite::AuditOne(Run& run, std::size_t port, FleetOutcome& outcome) {
    CSerialPort device;
    TransferSession session(device, clock_, tracer_);
    const TransferRunner runner = RunnerOn(run, port, session);
    RadioCommands commands = commands_;
    RadioImage read{};
    outcome.write = commands.VerifyWritten(runner, RadioTarget{run.ports[port].device, std::nullopt}, common_,
                                           outcome.differences, &run.data, &read);
    if (outcome.write.ok()) {
        outcome.serial = ImageSerialNumber(read);
    }
    outcome.historyProblem = commands.HistoryProblem();
}

} // namespace tav
