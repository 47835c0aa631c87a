#include "cli/FleetRun.h"

#include "cli/ArgList.h"
#include "core/comm/PortTable.h"
#include "core/util/PrintableText.h"

#include <chrono>
#include <cstdio>
#include <ostream>

namespace tav::cli {
namespace {

/// How long a run waits between two looks for the next radio.
constexpr std::chrono::milliseconds kPollInterval{500};

} // namespace

void PrintFleetTotal(std::ostream& out, int done, int failed, const std::string& doneWord,
                     const std::string& failedWord, bool stopped, bool interrupted) {
    const int total = done + failed;
    out << total << (total == 1 ? " radio: " : " radios: ") << done << ' ' << doneWord << ", " << failed
        << ' ' << failedWord << (stopped ? ", run stopped" : "") << (interrupted ? ", interrupted" : "")
        << std::endl;
}

std::vector<FleetRadio> FleetRadios(const ArgList& args, const PortTable& ports) {
    std::vector<FleetRadio> radios;
    for (const auto& [name, value] : args.GetAll({"--port", "--device"})) {
        if (name == "--port") {
            radios.push_back(
                {value, RadioTarget{ports.DevicePath(*PortTable::ParsePortNumber(value)), std::nullopt}});
        } else {
            radios.push_back({value, RadioTarget{value, std::nullopt}});
        }
    }
    return radios;
}

FleetRun::FleetRun(CliContext& context, FleetJob job, Clock& clock, const InterruptGuard& interrupts)
    : context_(context), job_(std::move(job)), clock_(clock), interrupts_(interrupts) {}

ExitCode FleetRun::Each(const std::vector<FleetRadio>& radios) {
    for (const FleetRadio& radio : radios) {
        if (!One(radio, std::nullopt) || interrupts_.Interrupted()) {
            break;
        }
    }
    return Finish();
}

ExitCode FleetRun::Repeat(const FleetRadio& radio) {
    std::string last;
    bool gone = true;
    while (!interrupts_.Interrupted()) {
        std::string serial;
        const TransferReport found = job_.serialNumber(radio.target, serial);
        // The radio just taken is still on the line until another one answers, or until nothing
        // answered for a while and a radio is connected again.
        if (!found.ok()) {
            gone = true;
        } else if (gone || serial != last) {
            if (!One(radio, serial)) {
                break;
            }
            last = serial;
            gone = false;
            continue;
        }
        clock_.Sleep(kPollInterval);
    }
    return Finish();
}

bool FleetRun::One(const FleetRadio& radio, std::optional<std::string> serial) {
    const auto start = std::chrono::steady_clock::now();
    if (!serial && job_.serialFirst) {
        std::string read;
        if (job_.serialNumber(radio.target, read).ok()) {
            serial = read;
        }
    }
    const RadioOutcome outcome = job_.each(radio.target, serial);
    context_.out << EscapeControls(radio.label) << '\t'
                 << (serial && !serial->empty() ? EscapeControls(*serial) : std::string("-")) << '\t'
                 << outcome.result;
    if (job_.seconds) {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        char time[32];
        std::snprintf(time, sizeof time, "%.1f", seconds);
        context_.out << '\t' << time;
    }
    context_.out << std::endl;
    (outcome.code == ExitCode::Success ? done_ : failed_) += 1;
    if (outcome.code == ExitCode::Interrupted) {
        interrupted_ = true;
    }
    stopped_ = job_.stopsTheRun && job_.stopsTheRun(outcome.status);
    return !stopped_ && !interrupted_;
}

ExitCode FleetRun::Finish() {
    const bool interrupted = interrupted_ || interrupts_.Interrupted();
    PrintFleetTotal(context_.out, done_, failed_, job_.doneWord, job_.failedWord, stopped_, interrupted);
    if (interrupted) {
        return ExitCode::Interrupted;
    }
    return failed_ == 0 ? ExitCode::Success : ExitCode::Failure;
}

} // namespace tav::cli
