// tavctl simulate: a simulated radio on a pseudo-terminal, for trying the program without one.
#include "cli/ArgList.h"
#include "cli/Commands.h"
#include "cli/TraceFile.h"
#include "core/comm/FrameTracer.h"
#include "core/comm/RadioIdentity.h"
#include "core/platform/FileAccess.h"
#include "core/util/PrintableText.h"
#include "sim/RadioSimulator.h"
#include "sim/SimImageFile.h"

#include <algorithm>
#include <cctype>
#include <csignal>
#include <filesystem>
#include <memory>
#include <ostream>
#include <pthread.h>

namespace tav::cli {

const char* const kSimulateUsage =
    "Usage: tavctl simulate [--image FILE] [--model-id ID] [--model-name NAME] [--firmware VER]\n"
    "                       [--band LOW-HIGH] [--signal N] [--password DIGITS] [--line-rate]\n"
    "                       [--dump FILE] [--trace FILE] [--fault FAULT[,FAULT...]]\n"
    "\n"
    "Runs a simulated radio on a pseudo-terminal. The first line of output is the device path to\n"
    "give to 'tavctl read --device' or 'write --device'; the radio then answers until tavctl is\n"
    "terminated (Ctrl+C or SIGTERM), and writes its memory to --dump on the way out.\n"
    "\n"
    "  --image FILE       starting memory: a raw 8192-byte image or a data file (whose header\n"
    "                     also gives the identity); default: every byte 0xFF\n"
    "  --model-id ID      model identifier (at most 16 characters; default TAV100)\n"
    "  --model-name NAME  model name (at most 12 characters; default TAV-100)\n"
    "  --firmware VER     firmware version (default 1.04.01)\n"
    "  --band LOW-HIGH    frequency band in whole MHz (default 400-470)\n"
    "  --signal N         signalling type 0-255 (default 0)\n"
    "  --password DIGITS  the radio asks for this password (1-8 digits) before a read or write\n"
    "  --line-rate        answer no faster than a 38400 baud 8-O-2 line would carry the frames\n"
    "  --dump FILE        write the memory (8192 bytes) to FILE at exit\n"
    "  --trace FILE       record every frame received and sent, with timestamps, in hex\n"
    "  --fault FAULT      play a fault; FAULT is KIND[:AFTER[:TIMES]][@ADDRESS] with KIND one of\n"
    "                     silence, short, checksum, refuse, disconnect (memory requests), corrupt\n"
    "                     (a written block is acknowledged but its first byte stored wrong) or\n"
    "                     mute (no answer to anything). AFTER requests are served first, TIMES limits\n"
    "                     the fault (default: for good), ADDRESS (hex) picks one block.\n"
    "                     Example: --fault silence:16 fails the 17th block of a read.\n";

namespace {

bool AllDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(),
                                        [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

std::optional<int> Number(const std::string& text, int low, int high) {
    if (!AllDigits(text) || text.size() > 6) {
        return std::nullopt;
    }
    const int value = std::stoi(text);
    if (value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

/// Parses one fault: KIND[:AFTER[:TIMES]][@ADDRESS].
std::optional<sim::Fault> ParseFault(std::string decl) {
    sim::Fault fault;
    if (const auto at = decl.find('@'); at != std::string::npos) {
        const std::string hex = decl.substr(at + 1);
        if (hex.empty() || hex.size() > 4 || !std::all_of(hex.begin(), hex.end(), [](char c) {
                return std::isxdigit(static_cast<unsigned char>(c));
            })) {
            return std::nullopt;
        }
        fault.address = static_cast<std::uint32_t>(std::stoul(hex, nullptr, 16));
        decl.resize(at);
    }
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const auto colon = decl.find(':', start);
        parts.push_back(decl.substr(start, colon - start));
        if (colon == std::string::npos) {
            break;
        }
        start = colon + 1;
    }
    if (parts.size() > 3) {
        return std::nullopt;
    }
    const std::string& kind = parts[0];
    if (kind == "silence") {
        fault.kind = sim::FaultKind::Silence;
    } else if (kind == "short") {
        fault.kind = sim::FaultKind::ShortReply;
    } else if (kind == "checksum") {
        fault.kind = sim::FaultKind::BadChecksum;
    } else if (kind == "refuse") {
        fault.kind = sim::FaultKind::RefuseAck;
    } else if (kind == "disconnect") {
        fault.kind = sim::FaultKind::Disconnect;
    } else if (kind == "corrupt") {
        fault.kind = sim::FaultKind::CorruptStore;
    } else if (kind == "mute") {
        fault.kind = sim::FaultKind::Silence;
        fault.anyRequest = true;
    } else {
        return std::nullopt;
    }
    if (parts.size() > 1) {
        const auto after = Number(parts[1], 0, 1000000);
        if (!after) {
            return std::nullopt;
        }
        fault.after = *after;
    }
    if (parts.size() > 2) {
        const auto times = Number(parts[2], 1, 1000000);
        if (!times) {
            return std::nullopt;
        }
        fault.times = *times;
    }
    return fault;
}

ExitCode Usage(CliContext& c, const std::string& message) {
    c.err << "tavctl simulate: " << message << "\n";
    return ExitCode::Usage;
}

/// Takes the starting memory (and, from a data file, the identity) of --image; the failure text.
std::string ApplyImage(const ArgList& args, sim::SimulatorConfig& config) {
    const auto image = args.Get("--image");
    if (!image) {
        return {};
    }
    const Outcome<sim::SimImage> loaded = sim::LoadSimImage(*image);
    if (!loaded) {
        return loaded.result().detail();
    }
    config.memory = loaded->memory;
    if (!loaded->fromDataFile) {
        return {};
    }
    // A data file brings the identity of the radio it was made for.
    if (!loaded->modelId.empty()) {
        config.modelId = loaded->modelId;
    }
    if (!loaded->modelName.empty()) {
        config.modelName = loaded->modelName;
    }
    if (!loaded->firmware.empty()) {
        config.firmware = loaded->firmware;
    }
    if (loaded->lowMHz > 0 && loaded->highMHz >= loaded->lowMHz) {
        config.band = sim::SimulatorConfig::BandBytes(loaded->lowMHz, loaded->highMHz,
                                                      static_cast<std::uint8_t>(loaded->rangeFlags));
    }
    config.signalling = static_cast<std::uint8_t>(loaded->signalling);
    return {};
}

/// Takes the model identifier, name and firmware options; the usage error.
std::string ApplyNames(const ArgList& args, sim::SimulatorConfig& config) {
    if (const auto id = args.Get("--model-id")) {
        if (id->empty() || id->size() > 16) {
            return "--model-id takes 1 to 16 characters";
        }
        config.modelId = *id;
    }
    if (const auto name = args.Get("--model-name")) {
        if (name->size() > 12) {
            return "--model-name takes at most 12 characters";
        }
        config.modelName = *name;
    }
    if (const auto firmware = args.Get("--firmware")) {
        if (firmware->empty() || firmware->size() > 16) {
            return "--firmware takes 1 to 16 characters";
        }
        config.firmware = *firmware;
    }
    return {};
}

/// Takes the band, signalling, password and line-rate options; the usage error.
std::string ApplyRadioOptions(const ArgList& args, sim::SimulatorConfig& config) {
    if (const auto band = args.Get("--band")) {
        const auto dash = band->find('-');
        const auto low = dash == std::string::npos ? std::nullopt : Number(band->substr(0, dash), 1, 999);
        const auto high = dash == std::string::npos ? std::nullopt : Number(band->substr(dash + 1), 1, 999);
        if (!low || !high || *low > *high) {
            return "--band takes LOW-HIGH in whole MHz, for example 400-470";
        }
        config.band = sim::SimulatorConfig::BandBytes(*low, *high, config.band[0]);
    }
    if (const auto signal = args.Get("--signal")) {
        const auto value = Number(*signal, 0, 255);
        if (!value) {
            return "--signal takes a number from 0 to 255";
        }
        config.signalling = static_cast<std::uint8_t>(*value);
    }
    if (const auto password = args.Get("--password")) {
        if (!AllDigits(*password) || password->size() > 8) {
            return "--password takes 1 to 8 digits";
        }
        config.password = *password;
    }
    config.lineRate = args.Has("--line-rate");
    return {};
}

/// Takes the comma-separated --fault list; the usage error.
std::string ApplyFaults(const ArgList& args, sim::SimulatorConfig& config) {
    const auto faults = args.Get("--fault");
    if (!faults) {
        return {};
    }
    std::size_t start = 0;
    while (start <= faults->size()) {
        const auto comma = faults->find(',', start);
        const std::string decl =
            faults->substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const auto fault = ParseFault(decl);
        if (!fault) {
            return "cannot understand the fault '" + decl + "'";
        }
        config.faults.push_back(*fault);
        if (comma == std::string::npos) {
            break;
        }
        start = comma + 1;
    }
    return {};
}

/// Runs the radio until SIGINT, SIGTERM or SIGHUP, then writes --dump.
ExitCode ServeUntilStopped(CliContext& c, const ArgList& args, const sim::SimulatorConfig& config,
                           FrameTracer* tracer) {
    // The radio's thread must not take the termination signals: they are waited for here.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGHUP);
    sigset_t previous;
    pthread_sigmask(SIG_BLOCK, &stopSignals, &previous);

    sim::RadioSimulator simulator(config, tracer);
    if (const Result started = simulator.Start(); !started) {
        pthread_sigmask(SIG_SETMASK, &previous, nullptr);
        c.err << "tavctl simulate: " << started.detail() << "\n";
        return ExitCode::Failure;
    }
    c.out << simulator.DevicePath() << std::endl;
    c.err << "Simulated radio " << EscapeControls(config.modelName) << " (" << EscapeControls(config.modelId)
          << ", firmware " << EscapeControls(config.firmware) << ", band "
          << DecodeBand(config.band).RangeText() << ") on " << simulator.DevicePath()
          << "; stop it with Ctrl+C.\n";

    int received = 0;
    sigwait(&stopSignals, &received);
    simulator.Stop();
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);

    if (const auto dump = args.Get("--dump")) {
        const Result written = sim::WriteRawImage(*dump, simulator.Memory());
        if (!written) {
            c.err << "tavctl simulate: " << written.detail() << "\n";
            return ExitCode::Failure;
        }
    }
    return ExitCode::Success;
}

} // namespace

ExitCode RunSimulate(CliContext& c) {
    ArgList args;
    args.Option("--image").Option("--model-id").Option("--model-name").Option("--firmware").Option("--band");
    args.Option("--signal").Option("--password").Flag("--line-rate").Option("--dump").Option("--trace");
    args.Option("--fault");
    if (!args.Parse(c.args)) {
        c.err << "tavctl simulate: " << args.error() << "\n" << kSimulateUsage;
        return ExitCode::Usage;
    }
    if (args.HelpRequested()) {
        c.out << kSimulateUsage;
        return ExitCode::Success;
    }

    sim::SimulatorConfig config;
    if (const std::string failure = ApplyImage(args, config); !failure.empty()) {
        c.err << "tavctl simulate: " << failure << "\n";
        return ExitCode::Failure;
    }
    for (const auto apply : {ApplyNames, ApplyRadioOptions, ApplyFaults}) {
        if (const std::string usage = apply(args, config); !usage.empty()) {
            return Usage(c, usage);
        }
    }

    // The memory is dumped at exit: a file it cannot go to is refused now, not after the session.
    if (const auto dump = args.Get("--dump")) {
        if (Result writable = CheckSaveTarget(*dump); !writable) {
            c.err << "tavctl simulate: " << writable.detail() << "\n";
            return ExitCode::Failure;
        }
        if (const auto image = args.Get("--image"); image && SameFile(*dump, *image)) {
            c.err << "tavctl simulate: " << *dump << ": the dump would overwrite the image " << *image
                  << "\n";
            return ExitCode::Failure;
        }
    }
    TraceFile traceFile;
    std::unique_ptr<StreamFrameTracer> tracer;
    if (const auto trace = args.Get("--trace")) {
        const std::vector<std::filesystem::path> others{args.GetOr("--image", ""), args.GetOr("--dump", "")};
        if (Result opened = traceFile.Open(*trace, others); !opened) {
            c.err << "tavctl simulate: " << opened.detail() << "\n";
            return ExitCode::Failure;
        }
        tracer = std::make_unique<StreamFrameTracer>(traceFile.Stream(), "radio");
    }
    const ExitCode served = ServeUntilStopped(c, args, config, tracer.get());
    if (Result finished = traceFile.Finish(); !finished) {
        c.err << "tavctl simulate: " << finished.detail() << "\n";
        return ExitCode::Failure;
    }
    return served;
}

} // namespace tav::cli
