// Language lookups on a large language file.
//
// Every lookup goes to the file, as the language module does; the private-profile cache makes an
// unchanged file cost one status query instead of a parse. The file is made of the shipped
// English texts plus generated messages and lists, about 200 KB in all.
#include "core/lang/CLanguage.h"
#include "core/platform/PrivateProfile.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace tav;

constexpr std::size_t kTargetBytes = 200 * 1024;
constexpr int kFirstGenerated = 20000;
constexpr int kLookupsPerRun = 10000;

std::filesystem::path ShippedLanguageFile() {
    return std::filesystem::path(TAV_RESOURCE_DIR) / "TAV_E.lng";
}

/// The shipped file plus generated message texts and lists in the [Setting] section.
std::string LargeLanguageText(int& generatedKeys) {
    std::ifstream in(ShippedLanguageFile(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    text << "\n[Setting]\n; generated texts of the benchmark\n";
    std::string out = text.str();
    generatedKeys = 0;
    while (out.size() < kTargetBytes) {
        const int n = kFirstGenerated + generatedKeys;
        char line[256];
        if (generatedKeys % 3 == 0) {
            std::snprintf(line, sizeof line,
                          "S02%05d=0.Off;1.Low power %d;2.High power %d;3.Item %d;10:5:200:10:4:1:1\n", n, n,
                          n, n);
        } else {
            std::snprintf(line, sizeof line,
                          "S01%05d=Generated message number %d, long enough to be a typical sentence.\n", n,
                          n);
        }
        out += line;
        ++generatedKeys;
    }
    return out;
}

class LanguageFixture {
public:
    LanguageFixture() {
        char pattern[] = "/tmp/tav-lang-bench-XXXXXX";
        dir_ = ::mkdtemp(pattern);
        file_ = dir_ / "TAV_E.lng";
        text_ = LargeLanguageText(generatedKeys_);
        Write(text_);
        // A language file is installed long before it is read.
        Age();
    }
    ~LanguageFixture() { std::filesystem::remove_all(dir_); }

    void Write(const std::string& text) const {
        std::ofstream out(file_, std::ios::binary | std::ios::trunc);
        out << text;
    }
    void Age() const {
        const timespec times[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
        ::utimensat(AT_FDCWD, file_.c_str(), times, 0);
    }
    const std::filesystem::path& file() const { return file_; }
    const std::string& text() const { return text_; }
    int generatedKeys() const { return generatedKeys_; }

private:
    std::filesystem::path dir_;
    std::filesystem::path file_;
    std::string text_;
    int generatedKeys_ = 0;
};

LanguageFixture& Fixture() {
    static LanguageFixture fixture;
    return fixture;
}

/// 10,000 lookups per iteration: message texts, control texts and list conversions at random keys.
void BM_TenThousandLookups(benchmark::State& state) {
    auto& fixture = Fixture();
    CLanguage language(fixture.file(), [] { return std::string("TAV-V300"); });
    std::mt19937 random(1);
    std::vector<int> keys(kLookupsPerRun);
    for (auto& k : keys) {
        k = kFirstGenerated + static_cast<int>(random() % static_cast<unsigned>(fixture.generatedKeys()));
    }
    state.counters["file_KB"] = static_cast<double>(std::filesystem::file_size(fixture.file())) / 1024.0;
    language.GetMessageText(kFirstGenerated); // the first lookup parses
    const auto parses = PrivateProfile::ParseCount();
    std::size_t bytes = 0;
    for (auto _ : state) {
        for (int i = 0; i < kLookupsPerRun; ++i) {
            const int key = keys[static_cast<std::size_t>(i)];
            switch (i % 4) {
            case 0:
                bytes += language.GetMessageText(key).size();
                break;
            case 1:
                bytes += language.GetControlText(key).size();
                break;
            case 2:
                bytes += language.ListValueToText(key, i % 40).size();
                break;
            default:
                bytes += static_cast<std::size_t>(language.IsControlDisabled(key));
                break;
            }
        }
    }
    benchmark::DoNotOptimize(bytes);
    if (PrivateProfile::ParseCount() != parses) {
        state.SkipWithError("an unchanged file was parsed again");
    }
    state.counters["lookups"] = benchmark::Counter(static_cast<double>(kLookupsPerRun) * state.iterations(),
                                                   benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TenThousandLookups)->Unit(benchmark::kMillisecond);

/// The same 10,000 lookups started right after the file was written: while its time stamp is
/// within one step of the file system's clock, each lookup compares the file's bytes instead of
/// trusting the stamp.
void BM_TenThousandLookupsOnAJustWrittenFile(benchmark::State& state) {
    auto& fixture = Fixture();
    CLanguage language(fixture.file(), {});
    for (auto _ : state) {
        state.PauseTiming();
        fixture.Write(fixture.text());
        state.ResumeTiming();
        std::size_t bytes = 0;
        for (int i = 0; i < kLookupsPerRun; ++i) {
            bytes += language.GetMessageText(kFirstGenerated + 1 + 3 * (i % 100)).size();
        }
        benchmark::DoNotOptimize(bytes);
    }
    fixture.Age();
}
BENCHMARK(BM_TenThousandLookupsOnAJustWrittenFile)->Unit(benchmark::kMillisecond);

/// One lookup after the file changed: the cost of parsing the whole file again.
void BM_LookupAfterChange(benchmark::State& state) {
    auto& fixture = Fixture();
    CLanguage language(fixture.file(), {});
    std::string text = fixture.text();
    const std::string key = "S0100800=";
    const auto at = text.find(key) + key.size();
    char flip = 'A';
    for (auto _ : state) {
        state.PauseTiming();
        text[at] = flip;
        flip = flip == 'A' ? 'B' : 'A';
        fixture.Write(text);
        state.ResumeTiming();
        const std::string got = language.GetMessageText(800);
        if (got.empty() || got[0] != text[at]) {
            state.SkipWithError("the change was not seen");
            break;
        }
    }
    fixture.Write(fixture.text());
    fixture.Age();
}
BENCHMARK(BM_LookupAfterChange)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
