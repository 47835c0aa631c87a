// tavctl write to a fleet: every radio at once, each with its own unit identity.
#include "RadioCliSupport.h"
#include "core/comm/TransferPlan.h"
#include "core/data/AtisData.h"
#include "core/data/ImageMap.h"
#include "core/fleet/FleetIdentity.h"

#include <algorithm>
#include <set>

namespace tav {
namespace {

using test::CliRun;
using test::LinesOf;
using test::StartRadio;
using test::V300Radio;
using test::WithSerial;
namespace fs = std::filesystem;

/// The summary line of the radio on `port`, split at its tabs.
std::vector<std::string> LineOf(const std::vector<std::string>& lines, const std::string& port) {
    for (const std::string& line : lines) {
        if (line.rfind(port + "\t", 0) == 0) {
            std::vector<std::string> columns;
            std::istringstream in(line);
            for (std::string column; std::getline(in, column, '\t');) {
                columns.push_back(column);
            }
            return columns;
        }
    }
    return {};
}

/// "ATIS 000000000100 PTT-ID 000E" as the radio's memory holds it.
std::string IdentityHeld(const RadioImage& memory) {
    AtisCode code{};
    std::copy_n(memory.begin() + ImageMap::kAtis, code.size(), code.begin());
    const auto id = static_cast<std::uint16_t>(memory[ImageMap::kPttId] << 8 | memory[ImageMap::kPttId + 1]);
    return "ATIS " + AtisCodeText(code) + " PTT-ID " + FleetIdentity::PttIdText(id);
}

class FleetWriteCommand : public test::RadioCliTest {
protected:
    fs::path file;
    fs::path numbers;

    void SetUp() override {
        RadioCliTest::SetUp();
        file = NewDataFile("fleet.dat");
        numbers = work / "numbers.txt";
    }

    std::unique_ptr<sim::RadioSimulator> Radio(const std::string& serial,
                                               const std::string& model = "TAV-V300",
                                               std::vector<sim::Fault> faults = {}) {
        sim::SimulatorConfig config = V300Radio(WithSerial(test::PatternMemory(3), serial));
        config.modelId = model;
        config.faults = std::move(faults);
        return StartRadio(config);
    }
};

TEST_F(FleetWriteCommand, FourRadiosAtOnceEachWithItsOwnIdentityOneFailingOneOfAnotherModel) {
    const std::uint32_t cut = FullWritePlan(false)[6].address;
    std::vector<std::unique_ptr<sim::RadioSimulator>> radios;
    radios.push_back(Radio("SN-0"));
    radios.push_back(Radio("SN-1", "TAV-U600"));
    radios.push_back(Radio("SN-2", "TAV-V300", {sim::Fault{sim::FaultKind::RefuseAck, 0, -1, cut, false}}));
    radios.push_back(Radio("SN-3"));
    std::vector<std::string> args = {file.string(),   "--yes", "--verify",    "--atis-from",   "100",
                                     "--ptt-id-from", "e",     "--numbering", numbers.string()};
    for (const auto& radio : radios) {
        args.insert(args.end(), {"--device", radio->DevicePath()});
    }
    const CliRun run = Write(args);
    EXPECT_EQ(run.code, cli::ExitCode::Failure) << run.err;
    const auto lines = LinesOf(run.out);
    ASSERT_EQ(lines.size(), 5u) << run.out;
    EXPECT_EQ(lines.back(), "4 radios: 2 written, 2 failed");

    const std::vector<std::string> results = {"written and verified", "refused", "failed",
                                              "written and verified"};
    std::set<std::string> given;
    for (std::size_t k = 0; k < radios.size(); ++k) {
        SCOPED_TRACE(k);
        const auto line = LineOf(lines, radios[k]->DevicePath());
        ASSERT_EQ(line.size(), 5u) << run.out;
        EXPECT_EQ(line[1], "SN-" + std::to_string(k));
        EXPECT_EQ(line[2], results[k]);
        given.insert(line[3]);
        if (results[k] == "written and verified") {
            EXPECT_EQ(IdentityHeld(radios[k]->Memory()), line[3]);
        }
    }
    // Every radio that started took the next values, in the order they started: none twice.
    EXPECT_EQ(given,
              (std::set<std::string>{"ATIS 000000000100 PTT-ID 000E", "ATIS 000000000101 PTT-ID 0010",
                                     "ATIS 000000000102 PTT-ID 0011", "ATIS 000000000103 PTT-ID 0012"}));
    EXPECT_NE(run.err.find("partly written"), std::string::npos) << run.err;
    // The firmware note is shown once for the fleet, not once per radio.
    std::size_t notes = 0;
    for (std::size_t at = run.err.find("Note: "); at != std::string::npos; at = run.err.find("Note: ", at + 1)) {
        ++notes;
    }
    EXPECT_EQ(notes, 1u) << run.err;

    // Tomorrow's session goes on after today's values.
    const auto next = Radio("SN-4");
    const CliRun again =
        Write({file.string(), "--yes", "--numbering", numbers.string(), "--device", next->DevicePath()});
    EXPECT_EQ(again.code, cli::ExitCode::Success) << again.err;
    EXPECT_EQ(LineOf(LinesOf(again.out), next->DevicePath()).at(3), "ATIS 000000000104 PTT-ID 0013");
    EXPECT_EQ(IdentityHeld(next->Memory()), "ATIS 000000000104 PTT-ID 0013");
}

TEST_F(FleetWriteCommand, ValuesThatWouldLeaveTheirRangeStopBeforeAnythingIsWritten) {
    struct Case {
        std::vector<std::string> options;
        std::size_t radios;
    };
    const std::vector<Case> cases = {
        {{"--ptt-id-from", "DEEE"}, 2},
        {{"--atis-from", "999999999998"}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options[0]);
        std::vector<std::unique_ptr<sim::RadioSimulator>> radios;
        std::vector<std::string> args = {file.string(), "--yes"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        for (std::size_t k = 0; k < c.radios; ++k) {
            radios.push_back(Radio("SN-" + std::to_string(k)));
            args.insert(args.end(), {"--device", radios.back()->DevicePath()});
        }
        const CliRun run = Write(args);
        EXPECT_EQ(run.code, cli::ExitCode::Failure);
        EXPECT_NE(run.err.find("range"), std::string::npos) << run.err;
        for (const auto& radio : radios) {
            EXPECT_TRUE(radio->Log().empty());
        }
    }
}

TEST_F(FleetWriteCommand, ANumberingFileThatIsNotOursIsLeftAsItIs) {
    test::WriteText(numbers, "my shopping list\n");
    const auto radio = Radio("SN-0");
    const CliRun run =
        Write({file.string(), "--yes", "--numbering", numbers.string(), "--device", radio->DevicePath()});
    EXPECT_EQ(run.code, cli::ExitCode::Failure);
    EXPECT_EQ(test::ReadText(numbers), "my shopping list\n");
    EXPECT_TRUE(radio->Log().empty());
}

} // namespace
} // namespace tav
