// tavctl verify, write --verify and writes to many radios, in-process against simulated radios.
#include "RadioCliSupport.h"
#include "core/data/ImageMap.h"

#include <algorithm>
#include <csignal>
#include <thread>

namespace tav {
namespace {

using test::CliRun;
using test::LinesOf;
using test::StartRadio;
using test::V300Radio;
namespace fs = std::filesystem;

using test::WithSerial;

bool WroteDate(const sim::RadioSimulator& radio) {
    for (const auto& request : radio.Log()) {
        if (request.command == LinkCommand::WriteMemory && request.address == 0x20) {
            return true;
        }
    }
    return false;
}

class VerifyCommand : public test::RadioCliTest {
protected:
    fs::path file;
    /// What a radio holds after `file` was written to it.
    RadioImage written{};

    void SetUp() override {
        RadioCliTest::SetUp();
        file = NewDataFile("master.dat");
        const auto radio = StartRadio(V300Radio(LoadData(file).image));
        const CliRun run = Write({file.string(), "--device", radio->DevicePath(), "--yes"});
        ASSERT_EQ(run.code, cli::ExitCode::Success) << run.err;
        written = radio->Memory();
    }
};

TEST_F(VerifyCommand, ComparesTheRadioWithTheFileLeavingOutWhatAWriteDoesNotSend) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::size_t, std::uint8_t>> changes; ///< (radio address, new value)
        cli::ExitCode code;
        std::string out;
    };
    const std::vector<Case> cases = {
        {"equal", {}, cli::ExitCode::Success, ""},
        {"date, identity, serial and tune data are the radio's own",
         {{0x20, 0x11}, {0x26, 0x19}, {0x10, 'X'}, {0x48, 'Q'}, {ImageMap::kTuneData, 0x42}, {0x1FFF, 0}},
         cli::ExitCode::Success,
         ""},
        {"one channel byte",
         {{ImageMap::kChannels + 5, 0x64}},
         cli::ExitCode::Failure,
         "Channel 1 \u00B7 RX Frequency (MHz): 136.32500 -> 136.42500\n"},
        {"a written byte of the test frequencies, named by their editor",
         {{0x13F0, 0x5A}},
         cli::ExitCode::Failure,
         "Test Frequency \u00B7 Byte 0x13F0: 00 -> 5A\n"},
        {"a password's byte after its terminating 0, without its digits",
         {{ImageMap::kPasswords + 8 + 5, '7'}},
         cli::ExitCode::Failure,
         "Password \u00B7 Write/Tune/Dealer Password: not set -> not set (changed)\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RadioImage memory = written;
        for (const auto& [address, value] : c.changes) {
            memory[address] = value;
        }
        const auto radio = StartRadio(V300Radio(memory));
        const CliRun run = Verify({file.string(), "--device", radio->DevicePath()});
        EXPECT_EQ(run.code, c.code) << run.err;
        EXPECT_EQ(run.out, c.out);
        // Nothing is written by a verify.
        for (const auto& request : radio->Log()) {
            EXPECT_NE(request.command, LinkCommand::WriteMemory);
        }
    }
}

TEST_F(VerifyCommand, UsageUnreadableFileAndRadioFailures) {
    const auto radio = StartRadio(V300Radio(written));
    EXPECT_EQ(Verify({file.string()}).code, cli::ExitCode::Usage);
    const CliRun missing = Verify({(work / "none.dat").string(), "--device", radio->DevicePath()});
    EXPECT_EQ(missing.code, cli::ExitCode::Usage);
    EXPECT_TRUE(radio->Log().empty());

    sim::SimulatorConfig config = V300Radio(written);
    config.faults = {sim::Fault{sim::FaultKind::Silence, 16, -1, std::nullopt, false}};
    const auto failing = StartRadio(config);
    const CliRun run = Verify({file.string(), "--device", failing->DevicePath()});
    EXPECT_EQ(run.code, cli::ExitCode::Failure);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("Reading the radio failed at address 0200"), std::string::npos) << run.err;
}

TEST_F(VerifyCommand, WriteVerifyReadsBackAndFailsWhenTheRadioDoesNotHoldTheData) {
    struct Case {
        const char* name;
        std::vector<sim::Fault> faults;
        cli::ExitCode code;
    };
    const std::vector<Case> cases = {
        {"radio stores what it is sent", {}, cli::ExitCode::Success},
        {"radio corrupts a stored block",
         {sim::Fault{sim::FaultKind::CorruptStore, 0, -1, std::uint32_t{0x0285 - 0x0285 % 32 + 0x1E}, false}},
         cli::ExitCode::Failure},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        sim::SimulatorConfig config = V300Radio(test::PatternMemory(5));
        config.faults = c.faults;
        const auto radio = StartRadio(config);
        const CliRun run = Write({file.string(), "--device", radio->DevicePath(), "--yes", "--verify"});
        EXPECT_EQ(run.code, c.code) << run.err;
        EXPECT_EQ(run.out, "");
        const bool differs = c.code != cli::ExitCode::Success;
        EXPECT_EQ(run.err.find("The radio does not hold what was written. (1 difference)") !=
                      std::string::npos,
                  differs)
            << run.err;
        // The whole radio was read back after the write.
        EXPECT_EQ(radio->Log().back().command, LinkCommand::SetMode);
        std::size_t reads = 0;
        for (const auto& request : radio->Log()) {
            reads = request.command == LinkCommand::WriteMemory  ? 0
                    : request.command == LinkCommand::ReadMemory ? reads + 1
                                                                 : reads;
        }
        EXPECT_EQ(reads, FullReadPlan().size());
    }
}

TEST_F(VerifyCommand, FleetWriteWritesEveryRadioAtOnceAndDecidesEachAlone) {
    struct Case {
        const char* name;
        /// One radio per model; "" for a port with no radio, "corrupt" for a radio that stores a
        /// block wrong and has no serial number (erased memory).
        std::vector<std::string> models;
        cli::ExitCode code;
        std::vector<std::string> results; ///< the summary lines' result column
        std::vector<bool> writtenTo;
    };
    const std::vector<Case> cases = {
        {"two radios",
         {"TAV-V300", "TAV-V300"},
         cli::ExitCode::Success,
         {"written and verified", "written and verified"},
         {true, true}},
        {"a port without a radio",
         {"", "TAV-V300"},
         cli::ExitCode::Failure,
         {"no radio", "written and verified"},
         {false, true}},
        {"a radio that does not hold the data",
         {"corrupt", "TAV-V300"},
         cli::ExitCode::Failure,
         {"written, not verified: 1 difference", "written and verified"},
         {true, true}},
        {"a radio of another model is refused alone",
         {"TAV-U600", "TAV-V300"},
         cli::ExitCode::Failure,
         {"refused", "written and verified"},
         {false, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::unique_ptr<sim::RadioSimulator>> radios;
        std::vector<std::string> args = {file.string(), "--yes", "--verify"};
        for (std::size_t k = 0; k < c.models.size(); ++k) {
            args.push_back("--device");
            if (c.models[k].empty()) {
                args.push_back((work / "no-such-port").string());
                radios.emplace_back();
                continue;
            }
            sim::SimulatorConfig config = V300Radio(WithSerial(written, "SN-" + std::to_string(k)));
            config.modelId = c.models[k];
            if (c.models[k] == "corrupt") {
                config.modelId = "TAV-V300";
                std::fill_n(config.memory.begin() + 0x48, 16, 0xFF);
                config.faults = {sim::Fault{sim::FaultKind::CorruptStore, 0, -1, 0x011Eu, false}};
            }
            radios.push_back(StartRadio(config));
            args.push_back(radios.back()->DevicePath());
        }
        const CliRun run = Write(args);
        EXPECT_EQ(run.code, c.code) << run.err;
        const auto lines = LinesOf(run.out);
        ASSERT_EQ(lines.size(), c.results.size() + 1) << run.out;
        // The lines come as the radios end: each is found by its port.
        for (std::size_t k = 0; k < c.results.size(); ++k) {
            const std::string port =
                c.models[k].empty() ? (work / "no-such-port").string() : radios[k]->DevicePath();
            const bool none = c.models[k].empty() || c.models[k] == "corrupt";
            const std::string serial = none ? "-" : "SN-" + std::to_string(k);
            const std::string start = port + "\t" + serial + "\t" + c.results[k] + "\t";
            EXPECT_EQ(std::count_if(lines.begin(), lines.end() - 1,
                                    [&](const std::string& line) { return line.rfind(start, 0) == 0; }),
                      1)
                << start << "\n"
                << run.out;
        }
        for (std::size_t k = 0; k < c.writtenTo.size(); ++k) {
            if (radios[k]) {
                EXPECT_EQ(WroteDate(*radios[k]), c.writtenTo[k]) << k;
            }
        }
    }
}

TEST_F(VerifyCommand, RepeatWritesEachRadioConnectedToThePortUntilInterrupted) {
    const auto first = StartRadio(V300Radio(WithSerial(test::PatternMemory(1), "SN-A")));
    const auto second = StartRadio(V300Radio(WithSerial(test::PatternMemory(2), "SN-B")));
    const fs::path port = work / "port";
    fs::create_symlink(first->DevicePath(), port);

    CliRun run;
    std::thread tool([&] { run = Write({file.string(), "--device", port.string(), "--repeat", "--yes"}); });
    const auto waitFor = [](const std::function<bool()>& done) {
        const auto due = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!done() && std::chrono::steady_clock::now() < due) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return done();
    };
    EXPECT_TRUE(waitFor([&] { return WroteDate(*first); }));
    // The first radio stays on the line for a while: it is not written twice.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    fs::remove(port);
    fs::create_symlink(second->DevicePath(), port);
    EXPECT_TRUE(waitFor([&] { return WroteDate(*second); }));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::raise(SIGINT);
    tool.join();

    EXPECT_EQ(run.code, cli::ExitCode::Interrupted) << run.err;
    const auto lines = LinesOf(run.out);
    ASSERT_EQ(lines.size(), 3u) << run.out;
    EXPECT_EQ(lines[0].rfind(port.string() + "\tSN-A\twritten\t", 0), 0u) << lines[0];
    EXPECT_EQ(lines[1].rfind(port.string() + "\tSN-B\twritten\t", 0), 0u) << lines[1];
    EXPECT_EQ(lines[2], "2 radios: 2 written, 0 failed, interrupted");
    std::size_t dates = 0;
    for (const auto& request : first->Log()) {
        dates += request.command == LinkCommand::WriteMemory && request.address == 0x20 ? 1 : 0;
    }
    EXPECT_EQ(dates, 1u);
}

TEST_F(VerifyCommand, FleetOptionsAreCheckedBeforeAnyRadio) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{file.string(), "--device", "/dev/a", "--atis-from", "12a"},
          std::vector<std::string>{file.string(), "--device", "/dev/a", "--atis-from", "1234567890123"},
          std::vector<std::string>{file.string(), "--device", "/dev/a", "--ptt-id-from", "E000"},
          std::vector<std::string>{file.string(), "--device", "/dev/a", "--ptt-id-from", "0"},
          std::vector<std::string>{file.string(), "--repeat"},
          std::vector<std::string>{file.string(), "--port", "1", "--port", "99"}}) {
        EXPECT_EQ(Write(args).code, cli::ExitCode::Usage);
    }
}

} // namespace
} // namespace tav
