// The channel CSV import on the worst files it may be given: 4 MiB (the most it reads) shaped so
// that as many rows as possible are refused, each with its reason, or so that parsing would hold
// the most cells. Each iteration decides one file as tavctl import-csv and File > Import Channels
// do: the file is read, then every row is checked through the texts of the language file, read
// once into a CachedTextLookup. One benchmark checks the same rows asking the language file
// itself, as every lookup did before.
//
// Counters: the rows refused, the most heap the decision held at once (all allocations through
// operator new, less what was live before) and the process's peak resident size so far.
#include "core/app/CDataContainer.h"
#include "core/csv/ChannelCsv.h"
#include "core/lang/CLanguage.h"
#include "core/lang/CachedTextLookup.h"

#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <malloc.h>
#include <new>
#include <stdexcept>
#include <stdlib.h>
#include <string>
#include <sys/resource.h>

// The replaced operator new takes its blocks from malloc, so operator delete gives them to free.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

namespace {

std::atomic<std::size_t> g_liveBytes{0};
std::atomic<std::size_t> g_peakBytes{0};

void Allocated(void* block) {
    const std::size_t live = g_liveBytes += ::malloc_usable_size(block);
    std::size_t peak = g_peakBytes.load();
    while (live > peak && !g_peakBytes.compare_exchange_weak(peak, live)) {
    }
}

void Freed(void* block) {
    if (block) {
        g_liveBytes -= ::malloc_usable_size(block);
        std::free(block);
    }
}

} // namespace

void* operator new(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (!block) {
        throw std::bad_alloc();
    }
    Allocated(block);
    return block;
}
void operator delete(void* block) noexcept {
    Freed(block);
}
void operator delete(void* block, std::size_t) noexcept {
    Freed(block);
}

namespace {

using namespace tav;
namespace fs = std::filesystem;

constexpr std::size_t kMaxBytes = 4 * 1024 * 1024;
constexpr std::size_t kMaxCells = 65536;
constexpr const char* kNativeHeader =
    "No.,RX Frequency (MHz),RX Signal Type,RX CTCSS (Hz),RX CDCSS,TX Frequency (MHz),TX Signal Type,"
    "TX CTCSS (Hz),TX CDCSS,Channel Spacing,Power Level,Personality,Scan List,Auto Start Scan\n";
constexpr std::size_t kNativeColumns = 14;
constexpr double kMaxSeconds = 2.0;
constexpr double kMaxMegaBytes = 50.0;

/// `header`, then as many rows `lead` + filler + "\n" of `cells` cells each as the cell limit
/// allows, each row as long as the byte limit allows.
std::string Rows(const std::string& header, std::size_t headerCells, const std::string& lead,
                 std::size_t cells, char filler) {
    const std::size_t rows = (kMaxCells - headerCells) / cells;
    const std::size_t length = (kMaxBytes - header.size()) / rows;
    std::string row = lead + std::string(length - lead.size() - 1, filler) + "\n";
    std::string text = header;
    text.reserve(kMaxBytes);
    for (std::size_t k = 0; k < rows; ++k) {
        text += row;
    }
    return text;
}

/// The whole byte limit of one repeated line.
std::string Repeated(const std::string& header, const std::string& line) {
    std::string text = header;
    while (text.size() + line.size() <= kMaxBytes) {
        text += line;
    }
    return text;
}

/// A worst file by name; made only when written, so that the process never holds them all.
struct WorstFile {
    const char* name;
    std::function<std::string()> make;
};

const std::vector<WorstFile>& WorstFiles() {
    static const std::string native = kNativeHeader;
    static const std::string good = "1,146.52000,CTCSS,88.5,,146.52000,CDCSS,,023,12.5 kHz,High,1,None,";
    static const std::vector<WorstFile> files = {
        // The most rows: one cell each, none a frequency.
        {"one_cell_rows", [] { return Rows(native, kNativeColumns, "", 1, 'y'); }},
        // Half as many rows, each reason quoting a long cell.
        {"quoted_cells", [] { return Rows(native, kNativeColumns, ",", 2, 'y'); }},
        // Every column checked before the last one is refused.
        {"full_rows", [] { return Rows(native, kNativeColumns, good, kNativeColumns, 'z'); }},
        // The common layout, refused at its tone mode.
        {"common_layout",
         [] { return Rows("Location,Frequency,Duplex,Offset,Tone\n", 5, "0,146.52,,0,", 5, 't'); }},
        // More cells than any channel list: refused as the file is read.
        {"tiny_rows", [] { return Repeated(native, "x\n"); }},
        {"wide_row", [] { return native + "1" + std::string(kMaxBytes - native.size() - 1, ','); }},
        // A blank row of four million cells, and four million blank lines: nothing to take.
        {"blank_row", [] { return native + std::string(kMaxBytes - native.size(), ','); }},
        {"blank_lines", [] { return native + std::string(kMaxBytes - native.size(), '\n'); }},
    };
    return files;
}

/// A copy of the shipped language file (each lookup of it reads its status) and a document.
class Program {
public:
    Program() {
        char pattern[] = "/tmp/tav-csv-bench-XXXXXX";
        dir_ = ::mkdtemp(pattern);
        fs::copy_file(fs::path(TAV_RESOURCE_DIR) / "TAV_E.lng", dir_ / "TAV_E.lng");
        language_ = std::make_unique<CLanguage>(dir_ / "TAV_E.lng", [] { return std::string("TAV-V300"); });
        container_.Context().texts = language_.get();
        container_.CreateDefaults();
        container_.StoreAll();
        container_.LoadAll();
        for (const WorstFile& file : WorstFiles()) {
            std::ofstream(dir_ / file.name, std::ios::binary) << file.make();
        }
    }
    ~Program() { fs::remove_all(dir_); }

    const TextLookup& language() const { return *language_; }
    CDataContainer& container() { return container_; }
    fs::path File(const char* name) const { return dir_ / name; }

private:
    fs::path dir_;
    std::unique_ptr<CLanguage> language_;
    CDataContainer container_;
};

Program& TheProgram() {
    static Program program;
    return program;
}

double MegaBytes(std::size_t bytes) {
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

double MaxResidentMegaBytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

/// Reads and decides one worst file; `cached` chooses the texts read once or asked each time.
void Decide(benchmark::State& state, const char* name, bool cached) {
    Program& program = TheProgram();
    std::size_t refused = 0;
    std::size_t peak = 0;
    double slowest = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const std::size_t before = g_liveBytes.load();
        g_peakBytes = before;
        const Outcome<std::string> text = ReadChannelCsvFile(program.File(name));
        if (text) {
            const CachedTextLookup texts(program.language());
            const TextLookup& used = cached ? static_cast<const TextLookup&>(texts) : program.language();
            const ChannelImportReport report = ImportChannelCsv(*text, program.container(), used, false);
            refused = report.refused.size();
            if (report.applied) {
                state.SkipWithError("the worst file changed the channels");
                break;
            }
        }
        peak = std::max(peak, g_peakBytes.load() - before);
        slowest = std::max(slowest,
                           std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    // What a worst file may cost: a person waits for the answer, and a small machine runs it.
    if (cached && (slowest > kMaxSeconds || MegaBytes(peak) > kMaxMegaBytes)) {
        state.SkipWithError("a worst file took more than 2 s or 50 MB");
    }
    state.counters["refused_rows"] = static_cast<double>(refused);
    state.counters["peak_heap_MB"] = MegaBytes(peak);
    state.counters["max_rss_MB"] = MaxResidentMegaBytes();
}

void RegisterAll() {
    for (const WorstFile& file : WorstFiles()) {
        const std::string name = file.name;
        benchmark::RegisterBenchmark(("BM_WorstCsv/" + name).c_str(), [name](benchmark::State& state) {
            Decide(state, name.c_str(), true);
        })->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("BM_WorstCsvAskingTheLanguageFile/one_cell_rows",
                                 [](benchmark::State& state) { Decide(state, "one_cell_rows", false); })
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    RegisterAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
