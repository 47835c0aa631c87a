// Full read and write of a simulated radio with line-rate emulation, measured against the
// protocol floor.
//
// The floor is the sum of the mandated pauses (50 ms after opening, 30 ms before every reply,
// 10 ms before every memory write) plus the line time of every request and reply frame at
// 38400 baud 8-O-2 (11 bits a byte). The radio may answer while the program still pauses, so a
// transfer can come in under that floor; the pauses alone are a hard lower bound and are shown
// too. CPU time is the whole process's (program and simulated radio) against the wall time.
#include "sim/RadioSimulator.h"
#include "core/comm/CSerialPort.h"
#include "core/comm/Clock.h"
#include "core/comm/TransferSession.h"

#include <benchmark/benchmark.h>
#include <ctime>
#include <sys/resource.h>

namespace {

using namespace tav;

/// Counts the bytes on the line in both directions.
class ByteCounter final : public FrameTracer {
public:
    void Sent(std::span<const std::uint8_t> bytes) override { bytes_ += bytes.size(); }
    void Received(std::span<const std::uint8_t> bytes, std::size_t, bool) override { bytes_ += bytes.size(); }
    void Note(const std::string&) override {}
    std::size_t bytes() const { return bytes_; }

private:
    std::size_t bytes_ = 0;
};

double ProcessCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double ThreadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

void Transfer(benchmark::State& state, TransferDirection direction) {
    sim::SimulatorConfig config;
    for (std::size_t i = 0; i < config.memory.size(); ++i) {
        config.memory[i] = static_cast<std::uint8_t>(i * 13 + 1);
    }
    config.lineRate = true;
    for (auto _ : state) {
        sim::RadioSimulator simulator(config);
        if (!simulator.Start()) {
            state.SkipWithError("no pseudo-terminal");
            return;
        }
        CSerialPort port;
        CountingClock clock(SystemClock::Instance());
        ByteCounter counter;
        TransferSession session(port, clock, &counter);
        TransferRequest request;
        request.direction = direction;
        request.device = simulator.DevicePath();
        request.rules = {config.modelId, {config.modelId}};
        request.documentRange = "400-470";
        TransferQuestions questions;
        questions.confirmNote = [](int) { return true; };
        RadioImage image{};
        if (direction == TransferDirection::Write) {
            image = config.memory;
        }

        const double cpuStart = ProcessCpuSeconds();
        const double threadStart = ThreadCpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        const TransferReport report = session.Run(request, image, questions, {});
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const double cpu = ProcessCpuSeconds() - cpuStart;
        const double threadCpu = ThreadCpuSeconds() - threadStart;
        if (!report.ok()) {
            state.SkipWithError("transfer failed");
            return;
        }
        state.SetIterationTime(wall);
        const double pauses = std::chrono::duration<double>(clock.Slept()).count();
        const double line = std::chrono::duration<double>(sim::LineTime(counter.bytes())).count();
        const double floor = pauses + line;
        state.counters["wall_s"] = wall;
        state.counters["floor_s"] = floor;
        state.counters["wall/floor"] = wall / floor;
        state.counters["wall/pauses"] = wall / pauses;
        state.counters["cpu_share_%"] = 100.0 * cpu / wall;
        state.counters["link_cpu_%"] = 100.0 * threadCpu / wall;
        std::printf("%s: wall %.3f s, floor %.3f s (pauses %.3f s + line %.3f s), wall/floor %.3f, "
                    "wall/pauses %.3f, CPU %.2f%% of wall (link thread %.2f%%)\n",
                    direction == TransferDirection::Read ? "full read" : "full write", wall, floor, pauses,
                    line, wall / floor, wall / pauses, 100.0 * cpu / wall, 100.0 * threadCpu / wall);
    }
}

void BM_FullRead(benchmark::State& state) {
    Transfer(state, TransferDirection::Read);
}
void BM_FullWrite(benchmark::State& state) {
    Transfer(state, TransferDirection::Write);
}

BENCHMARK(BM_FullRead)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullWrite)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
