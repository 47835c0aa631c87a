// tavctl write --backup cut short at many places, by a refusing radio and by Ctrl+C: each ends
// with the message of how far it got and the commands that put the radio right, and after running
// one of them the radio holds either the new file or the backup, never something in between.
#include "RadioCliSupport.h"

#include <csignal>

namespace tav {
namespace {

using sim::Fault;
using sim::FaultKind;
using test::CliRun;
using test::V300Radio;
using test::WithSerial;
namespace fs = std::filesystem;

constexpr const char* kPartial = "the radio may be only partly written";
constexpr const char* kNothingWritten = "Nothing was written: the radio still holds what it held before.";

/// The write's blocks in the order they go out, the date last.
BlockPlan SentPlan() {
    BlockPlan plan = FullWritePlan(false);
    plan.push_back(DateBlock());
    return plan;
}

std::uint32_t AddressOf(std::span<const std::uint8_t> request) {
    return static_cast<std::uint32_t>(request[5] | request[6] << 8 | request[7] << 16 | request[8] << 24);
}

/// Stands for the user pressing Ctrl+C: raises SIGINT as the radio receives the `nth` memory
/// request of a kind (write 'a' or read 'b'); with `afterDate`, only reads after the date block
/// was written count. The request under way is answered; the command stops before the next one.
class CtrlCAt final : public FrameTracer {
public:
    CtrlCAt(char kind, int nth, bool afterDate = false) : kind_(kind), nth_(nth), afterDate_(afterDate) {}

    void Received(std::span<const std::uint8_t> bytes, std::size_t, bool) override {
        if (done_ || bytes.size() < 9 || bytes[1] != 'E') {
            return;
        }
        if (afterDate_ && !dateSeen_) {
            dateSeen_ = bytes[2] == 'a' && AddressOf(bytes) == plan::kDateAddress;
            return;
        }
        if (bytes[2] == kind_ && ++count_ == nth_) {
            done_ = true;
            std::raise(SIGINT);
        }
    }
    void Sent(std::span<const std::uint8_t>) override {}
    void Note(const std::string&) override {}
    bool Done() const { return done_; }

private:
    char kind_;
    int nth_;
    bool afterDate_;
    bool dateSeen_ = false;
    int count_ = 0;
    bool done_ = false;
};

class SafeWriteCommand : public test::RadioCliTest {
protected:
    fs::path in;
    /// What the radios hold before they are written.
    const RadioImage before = WithSerial(test::PatternMemory(3), "SN-CUT");

    void SetUp() override {
        RadioCliTest::SetUp();
        in = NewDataFile("in.dat");
    }

    /// After a write that stopped: the message tells it, the backup in the history is what the
    /// radio held, and the printed commands (restore, write again) are there.
    std::vector<std::vector<std::string>> ExpectExplained(const CliRun& run) {
        EXPECT_NE(run.err.find(kPartial), std::string::npos) << run.err;
        const auto commands = PrintedCommands(run.err);
        EXPECT_EQ(commands.size(), 2u) << run.err;
        if (commands.size() != 2) {
            return commands;
        }
        EXPECT_EQ(commands[0][0], "history");
        EXPECT_EQ(commands[0][1], "SN-CUT");
        EXPECT_EQ(commands[1][0], "write");
        DataFileContent backup;
        EXPECT_TRUE(KeptHistory().Load(commands[0][1], commands[0][3], backup));
        EXPECT_EQ(backup.image, before);
        return commands;
    }

    /// Runs the offered action and checks that the radio then holds what that action promises,
    /// byte for byte: every address the write sends holds the backup's byte (restore) or the new
    /// file's (write again), the date is stamped anew, and every other address is as it was.
    void ExpectPutRight(const std::vector<std::string>& action, const sim::RadioSimulator& radio) {
        const CliRun done = RunPrinted(action);
        ASSERT_EQ(done.code, cli::ExitCode::Success) << done.err;
        const Image expected = action[0] == "history" ? before : LoadData(in).image;
        const RadioImage now = radio.Memory();
        std::vector<bool> sent(kRadioImageSize, false);
        for (const TransferBlock& block : FullWritePlan(false)) {
            std::fill_n(sent.begin() + block.address, block.length, true);
        }
        for (std::uint32_t a = 0; a < kRadioImageSize; ++a) {
            if (a >= plan::kDateAddress && a < plan::kDateAddress + plan::kDateLength) {
                continue;
            }
            ASSERT_EQ(now[a], sent[a] ? expected[a] : before[a]) << std::hex << a;
        }
        EXPECT_EQ(now[plan::kDateAddress + 6], 20); // the century of the programming date
    }
};

TEST_F(SafeWriteCommand, AWriteRefusedAtAnyBlockEndsWithTheRadioWholeAfterOneOfferedAction) {
    const BlockPlan plan = SentPlan();
    const std::size_t cuts[] = {0, 1, 2, 3, 60, plan.size() - 2, plan.size() - 1};
    for (const std::size_t cut : cuts) {
        for (const std::size_t action : {0, 1}) {
            SCOPED_TRACE("block " + std::to_string(cut) + (action == 0 ? ", restore" : ", write again"));
            sim::SimulatorConfig config = V300Radio(before);
            // The radio refuses that block once; the backup's read of the date's address comes first.
            const int after = plan[cut].address == plan::kDateAddress ? 1 : 0;
            config.faults = {Fault{FaultKind::RefuseAck, after, 1, plan[cut].address, false}};
            const auto radio = test::StartRadio(config);
            const CliRun run = Write({in.string(), "--device", radio->DevicePath(), "--yes", "--backup"});
            EXPECT_EQ(run.code, cli::ExitCode::Failure);
            char failedAt[64];
            std::snprintf(failedAt, sizeof failedAt, "failed at address %04X.",
                          static_cast<unsigned>(plan[cut].address));
            EXPECT_NE(run.err.find(failedAt), std::string::npos) << run.err;
            const auto commands = ExpectExplained(run);
            ASSERT_EQ(commands.size(), 2u);
            ExpectPutRight(commands[action], *radio);
        }
    }
}

TEST_F(SafeWriteCommand, CtrlCAtAnyBlockEndsWithTheRadioWholeAfterTheRestore) {
    const std::size_t dataBlocks = FullWritePlan(false).size();
    for (const int nth : {1, 2, 3, 77, static_cast<int>(dataBlocks)}) {
        SCOPED_TRACE("stopped after write block " + std::to_string(nth));
        CtrlCAt ctrlC('a', nth);
        sim::RadioSimulator radio(V300Radio(before), &ctrlC);
        ASSERT_TRUE(radio.Start());
        const CliRun run = Write({in.string(), "--device", radio.DevicePath(), "--yes", "--backup"});
        EXPECT_TRUE(ctrlC.Done());
        EXPECT_EQ(run.code, cli::ExitCode::Interrupted) << run.err;
        EXPECT_NE(run.err.find("Interrupted"), std::string::npos) << run.err;
        // The blocks written before the stop, and no block under way.
        std::size_t writes = 0;
        for (const auto& request : radio.Log()) {
            writes += request.command == LinkCommand::WriteMemory ? 1 : 0;
        }
        EXPECT_EQ(writes, static_cast<std::size_t>(nth));
        EXPECT_EQ(run.err.find("may hold the new data or the old"), std::string::npos) << run.err;
        const auto commands = ExpectExplained(run);
        ASSERT_EQ(commands.size(), 2u);
        ExpectPutRight(commands[0], radio);
    }
}

TEST_F(SafeWriteCommand, CtrlCDuringTheBackupWritesNothing) {
    CtrlCAt ctrlC('b', 100);
    sim::RadioSimulator radio(V300Radio(before), &ctrlC);
    ASSERT_TRUE(radio.Start());
    const CliRun run = Write({in.string(), "--device", radio.DevicePath(), "--yes", "--backup"});
    EXPECT_EQ(run.code, cli::ExitCode::Interrupted) << run.err;
    EXPECT_NE(run.err.find(kNothingWritten), std::string::npos) << run.err;
    EXPECT_TRUE(PrintedCommands(run.err).empty());
    EXPECT_EQ(radio.Memory(), before);
    EXPECT_TRUE(KeptHistory().Radios().empty());
}

TEST_F(SafeWriteCommand, CtrlCDuringTheReadBackSaysTheWriteIsDone) {
    CtrlCAt ctrlC('b', 10, true);
    sim::RadioSimulator radio(V300Radio(before), &ctrlC);
    ASSERT_TRUE(radio.Start());
    const CliRun run = Write({in.string(), "--device", radio.DevicePath(), "--yes", "--verify"});
    EXPECT_TRUE(ctrlC.Done());
    EXPECT_EQ(run.code, cli::ExitCode::Interrupted) << run.err;
    EXPECT_NE(run.err.find("The radio has been written; only the check that reads it back was stopped."),
              std::string::npos)
        << run.err;
    EXPECT_EQ(run.err.find("Interrupted: the transfer"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find(kPartial), std::string::npos) << run.err;
    EXPECT_EQ(Verify({in.string(), "--device", radio.DevicePath()}).code, cli::ExitCode::Success);
}

TEST_F(SafeWriteCommand, WithoutABackupOnlyTheWriteAgainIsOffered) {
    const BlockPlan plan = SentPlan();
    sim::SimulatorConfig config = V300Radio(before);
    config.faults = {Fault{FaultKind::Silence, 0, 3, plan[5].address, false}};
    const auto radio = test::StartRadio(config);
    const CliRun run = Write({in.string(), "--device", radio->DevicePath(), "--yes"});
    EXPECT_EQ(run.code, cli::ExitCode::Failure);
    EXPECT_NE(run.err.find("These addresses hold the new data: 0078-00B4, 00D9-00DD, 00FE-013D. The block at "
                           "013E-015D may hold the new data or the old."),
              std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("No backup was taken before this write. To write the data again, run:"),
              std::string::npos);
    const auto commands = PrintedCommands(run.err);
    ASSERT_EQ(commands.size(), 1u) << run.err;
    EXPECT_EQ(commands[0],
              (std::vector<std::string>{"write", in.string(), "--device", radio->DevicePath(), "--yes"}));
    ExpectPutRight(commands[0], *radio);
    // Both writes are in the history under the radio's serial number, with how far they got.
    const std::vector<HistoryEntry> entries = KeptHistory().Entries("SN-CUT");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].result, "failed; new data 0078-00B4, 00D9-00DD, 00FE-013D; unsure 013E-015D");
    EXPECT_EQ(entries[1].result, "ok");
}

} // namespace
} // namespace tav
