// A fleet write of 1, 2, 4 and 8 simulated radios at line rate, run as a technician runs it
// (tavctl write FILE --device A --device B ...): the wall time of the whole run, beside the time
// of one radio, and the processor time the tool spent per second of it (percent of one core).
#include "sim/RadioSimulator.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

using namespace tav;
namespace fs = std::filesystem;

/// A folder of its own for the data file and the radio history, removed at the end.
struct Scratch {
    Scratch()
        : root(fs::temp_directory_path() / ("tav-fleet-bench-" + std::to_string(std::random_device{}()))) {
        fs::create_directories(root);
        setenv("XDG_DATA_HOME", root.c_str(), 1);
    }
    ~Scratch() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    fs::path root;
};

/// Runs tavctl with `args`; its exit status, or -1 when it could not be started.
int Tavctl(std::vector<std::string> args) {
    args.insert(args.begin(), TAVCTL_PATH);
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return -1;
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

double ChildrenCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void BM_FleetWrite(benchmark::State& state) {
    const auto radios = static_cast<std::size_t>(state.range(0));
    Scratch scratch;
    const fs::path file = scratch.root / "fleet.dat";
    if (Tavctl({"new", "-o", file.string(), "--model-id", "TAV-V300", "--model-name", "TAV 310", "--range",
                "136-174"}) != 0) {
        state.SkipWithError("tavctl new failed");
        return;
    }
    for (auto _ : state) {
        std::vector<std::unique_ptr<sim::RadioSimulator>> simulators;
        std::vector<std::string> args = {"write", file.string(),   "--yes", "--atis-from",
                                         "1",     "--ptt-id-from", "1"};
        for (std::size_t k = 0; k < radios; ++k) {
            sim::SimulatorConfig config;
            config.modelId = "TAV-V300";
            config.modelName = "TAV 310";
            config.band = sim::SimulatorConfig::BandBytes(136, 174, 0x80);
            config.memory.fill(0x33);
            const std::string serial = "SN-" + std::to_string(k);
            std::copy(serial.begin(), serial.end(), config.memory.begin() + 0x48);
            config.lineRate = true;
            simulators.push_back(std::make_unique<sim::RadioSimulator>(config));
            if (!simulators.back()->Start()) {
                state.SkipWithError("no pseudo-terminal");
                return;
            }
            args.insert(args.end(), {"--device", simulators.back()->DevicePath()});
        }
        const double cpuBefore = ChildrenCpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        const int status = Tavctl(args);
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const double cpu = ChildrenCpuSeconds() - cpuBefore;
        if (status != 0) {
            state.SkipWithError("the fleet write failed");
            return;
        }
        state.SetIterationTime(wall);
        state.counters["wall_s"] = wall;
        state.counters["cpu_pct_of_one_core"] = 100.0 * cpu / wall;
    }
}

BENCHMARK(BM_FleetWrite)
    ->Arg(1)
    ->Arg(2)
    ->Arg(4)
    ->Arg(8)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
