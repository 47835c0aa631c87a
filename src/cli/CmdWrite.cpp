// tavctl write: a data file written to a radio, or to many radios in turn.
#include "cli/ArgList.h"
#include "cli/CliMessages.h"
#include "cli/Commands.h"
#include "cli/InterruptGuard.h"
#include "cli/RadioCli.h"
#include "cli/RadioWriter.h"
#include "core/util/PrintableText.h"

#include <chrono>
#include <cstdio>
#include <ostream>

namespace tav::cli {

const char* const kWriteUsage =
    "Usage: tavctl write IN (--port N | --device PATH)... [--repeat] [--verify] [--password DIGITS]\n"
    "                    [--yes] [--trace FILE]\n"
    "\n"
    "Writes the data file IN to the radio, as Write to Radio does: IN is opened with every check of\n"
    "the Open command, its references are checked and its data rebuilt into the image; the radio\n"
    "must be of IN's model and its band must hold IN's frequency range. The firmware note is shown\n"
    "on stderr, and the write goes on only with --yes or a yes typed at a terminal. IN itself is\n"
    "left as it is.\n"
    "\n"
    "Given more than one --port or --device, IN is written to each radio in turn, and a summary\n"
    "line per radio goes to stdout: port, serial number, result, seconds. A radio of another model\n"
    "or band stops the run; after any other failure the run goes on with the next radio, and the\n"
    "exit status is 1 at the end. Each radio is named once: the same port or device given twice (a\n"
    "port and its device path, a link to a device) is a usage error.\n"
    "\n"
    "  --port N           port 1-16 (or COM1-COM16) of the port table in Settings.ini; with one\n"
    "                     radio it is tried first and the other ports are searched after it\n"
    "  --device PATH      the serial device of the radio, for example /dev/ttyUSB0\n"
    "  --repeat           with one port: after each radio wait for the next one (another serial\n"
    "                     number, or a radio connected anew) and write it too, until Ctrl+C\n"
    "  --verify           read each radio back after writing and compare; the differences on\n"
    "                     stderr and exit status 1 when the radio does not hold what was written\n"
    "  --password DIGITS  the radio's password, if it asks for one (at a terminal it is asked for)\n"
    "  --yes              confirm the firmware note and answer Yes to every question\n"
    "  --trace FILE       record every frame sent and received, with timestamps, in hex\n";

namespace {

/// How long the run waits between two looks for the next radio.
constexpr std::chrono::milliseconds kPollInterval{500};

/// One radio of a run that writes many.
struct FleetRadio {
    std::string label; ///< the port as given: "3" or a device path
    RadioTarget target;
};

/// The radios named on the command line, in order; a port number stands for its device path
/// alone, so that each radio of the run is written once, on its own port.
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

bool StopsTheRun(TransferStatus status) {
    return status == TransferStatus::IdentityRefused || status == TransferStatus::RangeRefused;
}

/// Writes IN to many radios, or to one radio after another on one port with --repeat.
class FleetRun {
public:
    FleetRun(CliContext& context, RadioWriter& writer, Clock& clock, const InterruptGuard& interrupts)
        : context_(context), writer_(writer), clock_(clock), interrupts_(interrupts) {}

    ExitCode WriteEach(const std::vector<FleetRadio>& radios) {
        for (const FleetRadio& radio : radios) {
            if (!WriteOne(radio, std::nullopt) || interrupts_.Interrupted()) {
                break;
            }
        }
        return Finish();
    }

    ExitCode Repeat(const FleetRadio& radio) {
        std::string last;
        bool gone = true;
        while (!interrupts_.Interrupted()) {
            std::string serial;
            const TransferReport found = writer_.SerialNumber(radio.target, serial);
            // The radio just written is still on the line until another one answers, or until
            // nothing answered for a while and a radio is connected again.
            if (!found.ok()) {
                gone = true;
            } else if (gone || serial != last) {
                if (!WriteOne(radio, serial)) {
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

private:
    /// False when the run must stop.
    bool WriteOne(const FleetRadio& radio, std::optional<std::string> serial) {
        const auto start = std::chrono::steady_clock::now();
        RadioWriteOutcome outcome;
        if (!serial) {
            std::string read;
            const TransferReport found = writer_.SerialNumber(radio.target, read);
            if (found.ok()) {
                serial = read;
            }
        }
        outcome = writer_.Write(radio.target);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        char time[32];
        std::snprintf(time, sizeof time, "%.1f", seconds);
        context_.out << EscapeControls(radio.label) << '\t'
                     << (serial && !serial->empty() ? EscapeControls(*serial) : std::string("-")) << '\t'
                     << outcome.result << '\t' << time << std::endl;
        (outcome.code == ExitCode::Success ? written_ : failed_) += 1;
        if (outcome.code == ExitCode::Interrupted) {
            interrupted_ = true;
        }
        stopped_ = StopsTheRun(outcome.status);
        return !stopped_ && !interrupted_;
    }

    ExitCode Finish() {
        context_.out << written_ + failed_ << (written_ + failed_ == 1 ? " radio: " : " radios: ") << written_
                     << " written, " << failed_ << " failed" << (stopped_ ? ", run stopped" : "")
                     << (interrupted_ || interrupts_.Interrupted() ? ", interrupted" : "") << std::endl;
        if (interrupted_ || interrupts_.Interrupted()) {
            return ExitCode::Interrupted;
        }
        return failed_ == 0 ? ExitCode::Success : ExitCode::Failure;
    }

    CliContext& context_;
    RadioWriter& writer_;
    Clock& clock_;
    const InterruptGuard& interrupts_;
    int written_ = 0;
    int failed_ = 0;
    bool stopped_ = false;
    bool interrupted_ = false;
};

} // namespace

ExitCode RunWrite(CliContext& context, DocumentSession& session, Clock& clock) {
    ArgList args;
    args.Positional("IN").Flag("--verify").Flag("--repeat");
    RadioCli::DeclareOptions(args);
    if (!args.Parse(context.args)) {
        return UsageError(context, "write", args.error(), kWriteUsage);
    }
    if (args.HelpRequested()) {
        context.out << kWriteUsage;
        return ExitCode::Success;
    }
    if (const std::string error = RadioCli::CheckRepeatedRadios(args, session.Settings()); !error.empty()) {
        return UsageError(context, "write", error, kWriteUsage);
    }
    const std::size_t radioCount = args.GetAll({"--port", "--device"}).size();
    const bool fleet = radioCount > 1 || args.Has("--repeat");
    if (const std::string error = RadioCli::CheckOptions(args, fleet); !error.empty()) {
        return UsageError(context, "write", error, kWriteUsage);
    }
    if (args.Has("--repeat") && radioCount != 1) {
        return UsageError(context, "write", "--repeat waits on one port: give one --port or --device",
                          kWriteUsage);
    }
    if (Result opened = session.Doc().Open(*args.Get("IN"), session.Views()); !opened) {
        return Fail(context, session, opened);
    }

    RadioCli radio(context, session, args);
    if (!radio.OpenTrace()) {
        return ExitCode::Failure;
    }
    // Ctrl+C or a termination request stops the transfer after its current exchange.
    const InterruptGuard interrupts;
    RadioWriter writer(context, session, clock, radio, interrupts.Flag(), args.Has("--verify"));
    ExitCode code = ExitCode::Success;
    if (!fleet) {
        code = writer.Write(radio.Target()).code;
    } else {
        FleetRun run(context, writer, clock, interrupts);
        const auto radios = FleetRadios(args, PortTable::LoadFromSettings(session.Settings().SettingsFile()));
        code = args.Has("--repeat") ? run.Repeat(radios.front()) : run.WriteEach(radios);
    }
    if (!radio.FinishTrace()) {
        return ExitCode::Failure;
    }
    return code;
}

ExitCode RunWrite(CliContext& context) {
    DocumentSession session(context.home);
    return RunWrite(context, session, SystemClock::Instance());
}

} // namespace tav::cli
