// The fleet write and audit over simulated radios, each port on its own thread (this suite also
// runs under ThreadSanitizer): every radio decided alone, each with its own identity.
#include "core/fleet/FleetWrite.h"

#include "SimTestSupport.h"
#include "core/app/DocumentSession.h"
#include "core/comm/TransferPlan.h"
#include "core/data/AtisData.h"
#include "core/data/ImageMap.h"
#include "core/history/HistoryFolder.h"
#include "support/ManualClock.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace tav {
namespace {

namespace fs = std::filesystem;

sim::SimulatorConfig Radio(const std::string& serial, const std::string& model = "TAV-V300") {
    sim::SimulatorConfig config;
    config.memory = test::PatternImage(5);
    std::fill_n(config.memory.begin() + 0x48, 16, 0);
    std::copy(serial.begin(), serial.end(), config.memory.begin() + 0x48);
    config.modelId = model;
    config.modelName = "TAV 310";
    config.band = sim::SimulatorConfig::BandBytes(136, 174, 0x80);
    return config;
}

FleetIdentity IdentityHeld(const RadioImage& memory) {
    AtisCode code{};
    std::copy_n(memory.begin() + ImageMap::kAtis, code.size(), code.begin());
    return {AtisCodeText(code),
            static_cast<std::uint16_t>(memory[ImageMap::kPttId] << 8 | memory[ImageMap::kPttId + 1])};
}

class FleetWriteTest : public ::testing::Test {
protected:
    test::TempDir dir;
    test::TempDir historyDir;
    FixedHistoryFolder history{historyDir / "history"};
    ManualClock clock;
    std::unique_ptr<DocumentSession> session;
    std::vector<std::unique_ptr<sim::RadioSimulator>> radios;

    void SetUp() override {
        for (const char* name : {"TAV_E.lng", "Model.dat"}) {
            fs::copy_file(test::ResourceDir() / name, dir / name);
        }
        test::WriteText(dir / "Settings.ini",
                        "[Setting]\nModelID=TAV-V300\nModelName=TAV 310\nFreqRange=136-174\n");
        session = std::make_unique<DocumentSession>(ProgramHome(dir.path()),
                                                    DocumentSession::SettingsOnExit::Discard, history);
        ASSERT_TRUE(session->Doc().New(session->Views()).ok());
    }

    std::vector<FleetPort> Start(std::vector<sim::SimulatorConfig> configs) {
        std::vector<FleetPort> ports;
        for (auto& config : configs) {
            radios.push_back(std::make_unique<sim::RadioSimulator>(std::move(config)));
            EXPECT_TRUE(radios.back()->Start().ok());
            ports.push_back({radios.back()->DevicePath(), radios.back()->DevicePath()});
        }
        return ports;
    }
};

TEST_F(FleetWriteTest, EveryRadioIsWrittenAtOnceAndDecidedAlone) {
    sim::SimulatorConfig failing = Radio("SN-2");
    failing.faults = {sim::Fault{sim::FaultKind::RefuseAck, 0, -1, FullWritePlan(false)[6].address, false}};
    const auto ports = Start({Radio("SN-0"), Radio("SN-1", "TAV-U600"), failing, Radio("SN-3")});

    RadioCommands commands = session->Radio();
    const Outcome<DataFileContent> content = commands.PrepareWrite();
    ASSERT_TRUE(content.ok());
    FleetWrite fleet(commands, session->Container(), clock, nullptr);
    UnitNumbering numbering({"000000000100", 0x000E}, std::nullopt);
    FleetHooks hooks;
    hooks.questions.confirmNote = [](int) { return true; };
    std::vector<std::size_t> told;
    hooks.finished = [&told](const FleetOutcome& outcome) { told.push_back(outcome.port); };
    const std::atomic<bool> stop{false};
    const auto outcomes =
        fleet.Each(ports, FleetWriteJob{*content, "fleet.dat", false, true}, numbering, hooks, stop);

    ASSERT_EQ(outcomes.size(), 4u);
    EXPECT_EQ(told.size(), 4u);
    const std::vector<std::string> results = {"written and verified", "refused", "failed",
                                              "written and verified"};
    std::set<std::string> identities;
    for (std::size_t k = 0; k < outcomes.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(outcomes[k].port, k);
        EXPECT_EQ(outcomes[k].serial, "SN-" + std::to_string(k));
        EXPECT_EQ(outcomes[k].ResultText(), results[k]);
        identities.insert(outcomes[k].identity.Text());
        if (outcomes[k].ok()) {
            EXPECT_EQ(IdentityHeld(radios[k]->Memory()), outcomes[k].identity);
            // The history keeps what the radio was sent, its identity in it.
            const RadioHistory kept(history, SystemUtcClock::Instance());
            const auto entries = kept.Entries("SN-" + std::to_string(k));
            ASSERT_FALSE(entries.empty());
        }
    }
    EXPECT_EQ(identities.size(), 4u);
    EXPECT_TRUE(outcomes[2].write.written.Started());

    // The audit of the same radios: the two written hold the data, the others do not.
    std::vector<std::string> audited(4);
    const auto audit = fleet.Audit(ports, {}, stop, false);
    ASSERT_EQ(audit.size(), 4u);
    for (const FleetOutcome& outcome : audit) {
        audited[outcome.port] = outcome.ok() ? "same" : outcome.write.ok() ? "differs" : "not read";
    }
    // The written radios differ from the common data in their own identity only.
    for (const std::size_t k : {0u, 3u}) {
        for (const FleetOutcome& outcome : audit) {
            if (outcome.port == k) {
                EXPECT_FALSE(outcome.differences.empty());
                for (const ConfigDifference& difference : outcome.differences) {
                    EXPECT_TRUE(difference.subject.find("ATIS") != std::string::npos ||
                                difference.subject.find("PTT") != std::string::npos ||
                                difference.subject.find("Personality") != std::string::npos)
                        << difference.LineText();
                }
            }
        }
    }
    EXPECT_EQ(audited[1], "differs");
}

TEST_F(FleetWriteTest, NoIdentityLeftMarksTheRadioAndWritesNothing) {
    const auto ports = Start({Radio("SN-A"), Radio("SN-B")});
    RadioCommands commands = session->Radio();
    const Outcome<DataFileContent> content = commands.PrepareWrite();
    ASSERT_TRUE(content.ok());
    FleetWrite fleet(commands, session->Container(), clock, nullptr);
    UnitNumbering numbering({std::nullopt, 0xDEEE}, std::nullopt);
    FleetHooks hooks;
    hooks.questions.confirmNote = [](int) { return true; };
    const std::atomic<bool> stop{false};
    const auto outcomes =
        fleet.Each(ports, FleetWriteJob{*content, "fleet.dat", false, false}, numbering, hooks, stop);
    ASSERT_EQ(outcomes.size(), 2u);
    int refused = 0;
    for (const FleetOutcome& outcome : outcomes) {
        if (outcome.refused) {
            ++refused;
            EXPECT_EQ(outcome.refused->messageId(), FleetIdentity::kOutOfRangeMessage);
            EXPECT_EQ(outcome.ResultText(), "not written");
            for (const auto& request : radios[outcome.port]->Log()) {
                EXPECT_NE(request.command, LinkCommand::WriteMemory);
            }
        } else {
            EXPECT_EQ(outcome.ResultText(), "written");
            EXPECT_EQ(outcome.identity.pttId, 0xDEEE);
        }
    }
    EXPECT_EQ(refused, 1);
}

} // namespace
} // namespace tav
