// tavctl audit: each radio of a fleet read and compared with a master file by the verify rule.
#include "RadioCliSupport.h"
#include "core/data/ImageMap.h"

#include <algorithm>

namespace tav {
namespace {

using test::CliRun;
using test::StartRadio;
using test::V300Radio;
using test::WithSerial;
namespace fs = std::filesystem;

class AuditCommand : public test::RadioCliTest {
protected:
    fs::path master;
    /// What a radio holds after `master` was written to it.
    RadioImage written{};

    void SetUp() override {
        RadioCliTest::SetUp();
        master = NewDataFile("master.dat");
        const auto radio = StartRadio(V300Radio(LoadData(master).image));
        const CliRun run = Write({master.string(), "--device", radio->DevicePath(), "--yes"});
        ASSERT_EQ(run.code, cli::ExitCode::Success) << run.err;
        written = radio->Memory();
    }
};

/// The lines of a run's radios in sorted order, then its total.
std::vector<std::string> RadioLinesSorted(const std::string& out) {
    std::vector<std::string> lines = test::LinesOf(out);
    if (!lines.empty()) {
        std::sort(lines.begin(), lines.end() - 1);
    }
    return lines;
}

TEST_F(AuditCommand, NamesExactlyTheChangedFieldsOfEachRadio) {
    // (radio address, new value): changes a write would put right, and bytes a write leaves alone.
    using Changes = std::vector<std::pair<std::size_t, std::uint8_t>>;
    const struct {
        std::string serial;
        Changes changes;
        std::string result;
    } radios[] = {
        {"SN-1", {}, "same"},
        {"SN-2", {{0x20, 0x11}, {ImageMap::kTuneData, 0x42}}, "same"},
        {"SN-3", {{ImageMap::kChannels + 5, 0x64}}, "1 difference: Channel 1 \u00B7 RX Frequency (MHz)"},
        {"SN-4",
         {{ImageMap::kChannels + 5, 0x64}, {ImageMap::kChannels + 24 + 5, 0x64}},
         "2 differences: Channel 1 \u00B7 RX Frequency (MHz); Channel 2 \u00B7 RX Frequency (MHz)"},
    };
    std::vector<std::unique_ptr<sim::RadioSimulator>> simulators;
    std::vector<std::string> args{master.string()};
    std::string expected;
    for (const auto& r : radios) {
        RadioImage memory = WithSerial(written, r.serial);
        for (const auto& [address, value] : r.changes) {
            memory[address] = value;
        }
        simulators.push_back(StartRadio(V300Radio(memory)));
        args.insert(args.end(), {"--device", simulators.back()->DevicePath()});
        expected += simulators.back()->DevicePath() + "\t" + r.serial + "\t" + r.result + "\n";
    }
    expected += "4 radios: 2 same, 2 not the same\n";
    const CliRun run = Audit(args);
    EXPECT_EQ(run.code, cli::ExitCode::Failure) << run.err;
    // The radios are read at the same time: their lines come as they end.
    EXPECT_EQ(RadioLinesSorted(run.out), RadioLinesSorted(expected));
    EXPECT_EQ(run.err, "");
    // Every read joined the history, and nothing was written to any radio.
    for (const auto& r : radios) {
        const std::vector<HistoryEntry> entries = KeptHistory().Entries(r.serial);
        ASSERT_EQ(entries.size(), 1u) << r.serial;
        EXPECT_EQ(entries[0].kind, HistoryKind::Read);
    }
    for (const auto& simulator : simulators) {
        for (const auto& request : simulator->Log()) {
            ASSERT_NE(request.command, LinkCommand::WriteMemory);
        }
    }

    // Radios that all hold the master pass.
    const CliRun same = Audit(
        {master.string(), "--device", simulators[0]->DevicePath(), "--device", simulators[1]->DevicePath()});
    EXPECT_EQ(same.code, cli::ExitCode::Success) << same.err;
}

TEST_F(AuditCommand, ARadioThatCannotBeReadIsNotTheSame) {
    const auto radio = StartRadio(V300Radio(WithSerial(written, "SN-OK")));
    const std::string missing = (work / "no-such-device").string();
    const CliRun run = Audit({master.string(), "--device", missing, "--device", radio->DevicePath()});
    EXPECT_EQ(run.code, cli::ExitCode::Failure);
    EXPECT_EQ(RadioLinesSorted(run.out),
              RadioLinesSorted(missing + "\t-\tnot read: no radio\n" + radio->DevicePath() +
                               "\tSN-OK\tsame\n2 radios: 1 same, 1 not the same\n"));
    EXPECT_NE(run.err.find("not present: " + missing), std::string::npos) << run.err;
}

TEST_F(AuditCommand, Usage) {
    const auto radio = StartRadio(V300Radio(written));
    const std::string device = radio->DevicePath();
    const struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{master.string()}, "once for each radio"},
        {{master.string(), "--device", device, "--device", device}, "names a radio given before"},
        {{(work / "none.dat").string(), "--device", device}, "not a TAV data file"},
    };
    for (const auto& c : cases) {
        const CliRun run = Audit(c.args);
        EXPECT_EQ(run.code, cli::ExitCode::Usage);
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    }
    EXPECT_TRUE(radio->Log().empty());
}

} // namespace
} // namespace tav
