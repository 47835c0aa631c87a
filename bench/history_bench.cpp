// The radio history's cost beside a transfer: keeping one event in a radio folder that is full
// (the image, the index rewritten, the oldest entry dropped), listing a full radio, and what a
// write spends before its first block when it backs the radio up or learns its serial number, on
// a simulated radio with line-rate emulation.
#include "core/comm/CSerialPort.h"
#include "core/comm/Clock.h"
#include "core/comm/TransferSession.h"
#include "core/history/RadioHistory.h"
#include "sim/RadioSimulator.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <random>

namespace {

using namespace tav;
namespace fs = std::filesystem;

/// A history folder of its own, removed at the end.
struct ScratchHistory {
    ScratchHistory()
        : root(fs::temp_directory_path() / ("tav-history-bench-" + std::to_string(std::random_device{}()))) {}
    ~ScratchHistory() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    fs::path root;
};

HistoryRecord Event(HistoryKind kind) {
    HistoryRecord record;
    record.kind = kind;
    record.serial = "SN-BENCH";
    record.header.modelId = "TAV-V300";
    record.header.lowMHz = 136;
    record.header.highMHz = 174;
    record.file = "/data/fleet.dat";
    record.port = "/dev/ttyUSB0";
    return record;
}

void BM_RecordIntoAFullRadio(benchmark::State& state) {
    ScratchHistory scratch;
    const FixedHistoryFolder folder(scratch.root);
    const RadioHistory history(folder, SystemUtcClock::Instance(), RadioHistory::kDefaultKeep);
    Image image;
    image.fill(0x5A);
    for (std::size_t i = 0; i < RadioHistory::kDefaultKeep; ++i) {
        if (!history.Record(Event(HistoryKind::Read), image)) {
            state.SkipWithError("history not writable");
            return;
        }
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(history.Record(Event(HistoryKind::Written), image).ok());
    }
    state.counters["entries"] = static_cast<double>(history.Entries("SN-BENCH").size());
}

void BM_ListAFullRadio(benchmark::State& state) {
    ScratchHistory scratch;
    const FixedHistoryFolder folder(scratch.root);
    const RadioHistory history(folder, SystemUtcClock::Instance(), RadioHistory::kDefaultKeep);
    Image image;
    image.fill(0x5A);
    for (std::size_t i = 0; i < RadioHistory::kDefaultKeep; ++i) {
        (void)history.Record(Event(HistoryKind::Read), image);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(history.Entries("SN-BENCH").size());
    }
}

/// A full write at line rate: plain, learning the serial number first, or backing the radio up.
void Write(benchmark::State& state, bool learnSerial, bool backup) {
    sim::SimulatorConfig config;
    config.memory.fill(0x33);
    config.lineRate = true;
    for (auto _ : state) {
        sim::RadioSimulator simulator(config);
        if (!simulator.Start()) {
            state.SkipWithError("no pseudo-terminal");
            return;
        }
        CSerialPort port;
        TransferSession session(port, SystemClock::Instance());
        TransferRequest request;
        request.direction = TransferDirection::Write;
        request.device = simulator.DevicePath();
        request.rules = {config.modelId, {config.modelId}};
        request.documentRange = "400-470";
        request.learnSerial = learnSerial;
        request.backupFirst = backup;
        TransferQuestions questions;
        questions.confirmNote = [](int) { return true; };
        RadioImage image = config.memory;
        const auto start = std::chrono::steady_clock::now();
        const TransferReport report = session.Run(request, image, questions, {});
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!report.ok()) {
            state.SkipWithError("transfer failed");
            return;
        }
        state.SetIterationTime(wall);
        state.counters["wall_s"] = wall;
    }
}

void BM_WritePlain(benchmark::State& state) {
    Write(state, false, false);
}
void BM_WriteLearningTheSerialNumber(benchmark::State& state) {
    Write(state, true, false);
}
void BM_WriteWithBackup(benchmark::State& state) {
    Write(state, false, true);
}

BENCHMARK(BM_RecordIntoAFullRadio)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListAFullRadio)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WritePlain)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteLearningTheSerialNumber)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteWithBackup)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
