// The data side's hot paths: filling the channel list (16 channels converted for the editors
// through the language file), rebuilding the data objects from the image and the image from them,
// the reference check, and opening and saving a data file as the document commands do.
#include "core/app/CDataContainer.h"
#include "core/app/CSettings.h"
#include "core/app/Document.h"
#include "core/app/FreqRangeTable.h"
#include "core/data/CDataFile.h"
#include "core/data/ChannelData.h"
#include "core/data/ProblemList.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <stdexcept>
#include <stdlib.h>

namespace {

using namespace tav;
namespace fs = std::filesystem;

/// A program directory with the shipped files, one document and a saved data file.
class Program {
public:
    Program() {
        char pattern[] = "/tmp/tav-data-bench-XXXXXX";
        dir_ = ::mkdtemp(pattern);
        for (const char* name : {"TAV_E.lng", "Model.dat"}) {
            fs::copy_file(fs::path(TAV_RESOURCE_DIR) / name, dir_ / name);
        }
        settings_ = std::make_unique<CSettings>(ProgramHome(dir_));
        settings_->CancelExitWrite();
        settings_->SetModelId("TAV-V300");
        settings_->SetModelName("TAV 310");
        settings_->SetFreqRange("136-174");
        document_ = std::make_unique<Document>(*settings_, container_, ranges_, problems_);
        file_ = dir_ / "bench.dat";
        // A benchmark of a document that could not be made would measure nothing.
        if (!document_->New(views_) || !document_->SaveAs(file_, "benchmark", views_)) {
            throw std::runtime_error("the benchmark's document cannot be made in " + dir_.string());
        }
    }
    ~Program() {
        document_.reset();
        settings_.reset();
        fs::remove_all(dir_);
    }

    CSettings& settings() { return *settings_; }
    CDataContainer& container() { return container_; }
    ProblemList& problems() { return problems_; }
    Document& document() { return *document_; }
    DocumentViews& views() { return views_; }
    const fs::path& file() const { return file_; }

private:
    fs::path dir_;
    fs::path file_;
    std::unique_ptr<CSettings> settings_;
    CDataContainer container_;
    FreqRangeTable ranges_;
    ProblemList problems_;
    DocumentViews views_;
    std::unique_ptr<Document> document_;
};

Program& TheProgram() {
    static Program program;
    return program;
}

void BM_FillChannelList(benchmark::State& state) {
    auto& program = TheProgram();
    const auto& language = program.settings().Language();
    auto& channels = program.container().Channels();
    std::vector<ChannelUi> rows(channels.Count());
    for (auto _ : state) {
        std::size_t k = 0;
        for (const auto& channel : channels) {
            channel->LoadUi(rows[k], language);
            channel->LoadMisc(rows[k], program.container());
            ++k;
        }
        benchmark::DoNotOptimize(rows.data());
    }
    state.counters["channels"] = static_cast<double>(channels.Count());
}
BENCHMARK(BM_FillChannelList)->Unit(benchmark::kMicrosecond);

void BM_LoadAll(benchmark::State& state) {
    auto& container = TheProgram().container();
    container.StoreAll();
    for (auto _ : state) {
        container.LoadAll();
    }
}
BENCHMARK(BM_LoadAll)->Unit(benchmark::kMicrosecond);

void BM_StoreAll(benchmark::State& state) {
    auto& container = TheProgram().container();
    for (auto _ : state) {
        container.StoreAll();
        benchmark::DoNotOptimize(container.image().data());
    }
}
BENCHMARK(BM_StoreAll)->Unit(benchmark::kMicrosecond);

void BM_CheckAllReferences(benchmark::State& state) {
    auto& program = TheProgram();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            program.container().CheckAllReferences(program.problems(), program.settings().Language()));
    }
}
BENCHMARK(BM_CheckAllReferences)->Unit(benchmark::kMicrosecond);

/// Open: header, model check against the language file, body, LoadAll.
void BM_OpenDataFile(benchmark::State& state) {
    auto& program = TheProgram();
    for (auto _ : state) {
        if (!program.document().Open(program.file(), program.views()).ok()) {
            state.SkipWithError("open failed");
            break;
        }
    }
}
BENCHMARK(BM_OpenDataFile)->Unit(benchmark::kMicrosecond);

/// Save: reference check, StoreAll, header, the old comment, a temporary file flushed to the disk
/// and renamed over the old one.
void BM_SaveDataFile(benchmark::State& state) {
    auto& program = TheProgram();
    bool needsSaveAs = false;
    for (auto _ : state) {
        if (!program.document().Save(program.views(), needsSaveAs).ok() || needsSaveAs) {
            state.SkipWithError("save failed");
            break;
        }
    }
}
BENCHMARK(BM_SaveDataFile)->Unit(benchmark::kMillisecond);

/// The same bytes composed and parsed in memory, without the disk.
void BM_ComposeAndParse(benchmark::State& state) {
    auto& program = TheProgram();
    const auto header = program.document().BuildHeader().ToBytes();
    for (auto _ : state) {
        const auto bytes = CDataFile::Compose(header, "benchmark", {}, program.container().image());
        DataFileContent content;
        benchmark::DoNotOptimize(CDataFile::Parse(bytes, content));
    }
}
BENCHMARK(BM_ComposeAndParse)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
