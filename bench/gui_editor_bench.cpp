// The editors users open most: the channel editor and the channel list each created, loaded and
// shown, and a 16-row channel list stored into its channels.
#include "gui/app/AppContext.h"
#include "gui/grid/CGridCtrl.h"
#include "gui/views/CViewChannel.h"
#include "gui/views/CViewChannelList.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <stdlib.h>

namespace {

using namespace tav;
using namespace tav::gui;
namespace fs = std::filesystem;

class NoViews : public DocumentViews {};

class NoHost : public EditorHost {
public:
    void DataChanged(std::uint32_t, const RecordListNotice*) override {}
};

/// A program folder with the shipped files and a document of 16 channels.
class Program {
public:
    Program() {
        char pattern[] = "/tmp/tav-editor-bench-XXXXXX";
        dir_ = ::mkdtemp(pattern);
        for (const auto& entry : fs::directory_iterator(fs::path(TAV_HOME_DIR))) {
            const std::string name = entry.path().filename().string();
            if (entry.is_regular_file() && (name.ends_with(".lng") || name.ends_with(".dat"))) {
                fs::copy_file(entry.path(), dir_ / name);
            }
        }
        std::ofstream(dir_ / "Settings.ini")
            << "[Setting]\nModelName=TAV 310\nModelID=TAV-V300\nFreqRange=136-174\n";
        context_ = std::make_unique<AppContext>(ProgramHome(dir_));
        NoViews views;
        (void)context_->Doc().New(views);
        auto& container = context_->Container();
        while (container.Channels().Count() < 16) {
            container.Channels().Append(container.MakeChannel(container.Channels().Count()));
        }
        container.FixUpReferences();
    }
    ~Program() {
        context_.reset();
        fs::remove_all(dir_);
    }
    AppContext& context() { return *context_; }
    EditorHost& host() { return host_; }

private:
    fs::path dir_;
    std::unique_ptr<AppContext> context_;
    NoHost host_;
};

Program& TheProgram() {
    static Program program;
    return program;
}

template <class View> void OpenEditor(benchmark::State& state) {
    Program& program = TheProgram();
    for (auto _ : state) {
        View view(program.context(), &program.host());
        view.OnInitialUpdate();
        view.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(view.Position());
    }
}

void BM_OpenChannelEditor(benchmark::State& state) {
    OpenEditor<CViewChannel>(state);
}
BENCHMARK(BM_OpenChannelEditor)->Unit(benchmark::kMillisecond);

void BM_OpenChannelList(benchmark::State& state) {
    OpenEditor<CViewChannelList>(state);
}
BENCHMARK(BM_OpenChannelList)->Unit(benchmark::kMillisecond);

void BM_StoreChannelGrid16Rows(benchmark::State& state) {
    Program& program = TheProgram();
    CViewChannelList view(program.context(), &program.host());
    view.OnInitialUpdate();
    for (auto _ : state) {
        view.StoreView();
    }
    state.counters["rows"] = static_cast<double>(view.Grid()->rowCount());
}
BENCHMARK(BM_StoreChannelGrid16Rows)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
