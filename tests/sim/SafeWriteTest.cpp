// A write that takes a backup first, learns which radio it writes, and tells how far it got when
// it stops part way, over a simulated radio.
#include "SimTestSupport.h"
#include "core/comm/LinkMessages.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

using sim::Fault;
using sim::FaultKind;
using test::PatternImage;
using test::SimBench;

/// A radio holding a pattern and a serial number.
sim::SimulatorConfig SerialRadio(const std::string& serial) {
    sim::SimulatorConfig config;
    config.memory = PatternImage(4);
    std::fill_n(config.memory.begin() + plan::kSerialNumberAddress, plan::kSerialNumberLength, 0);
    std::copy(serial.begin(), serial.end(), config.memory.begin() + plan::kSerialNumberAddress);
    return config;
}

BlockPlan SentPlan() {
    BlockPlan plan = FullWritePlan(false);
    plan.push_back(DateBlock());
    return plan;
}

std::size_t Count(const std::vector<sim::RequestRecord>& log, LinkCommand command) {
    return static_cast<std::size_t>(
        std::count_if(log.begin(), log.end(), [command](const auto& r) { return r.command == command; }));
}

TEST(SafeWrite, TheBackupIsTakenAndHandedOverBeforeAnythingIsWritten) {
    const sim::SimulatorConfig config = SerialRadio("SN-77");
    SimBench bench(config);
    bench.request.backupFirst = true;
    int handed = 0;
    bench.request.backupTaken = [&](const TransferReport& report, const RadioImage& backup) {
        ++handed;
        EXPECT_EQ(backup, config.memory);
        EXPECT_EQ(report.serial, "SN-77");
        EXPECT_EQ(Count(bench.simulator.Log(), LinkCommand::WriteMemory), 0u);
    };
    RadioImage image = PatternImage(9);
    const TransferReport report = bench.Run(TransferDirection::Write, image);
    ASSERT_TRUE(report.ok()) << report.messageId << " " << report.detail;
    EXPECT_EQ(handed, 1);
    EXPECT_EQ(report.backup, config.memory);
    EXPECT_EQ(report.serial, "SN-77");
    EXPECT_EQ(report.written, WrittenRanges::After(SentPlan(), SentPlan().size(), false));

    // Progress: the whole read, then the write; one end.
    ASSERT_EQ(bench.events.size(), 256u + FullWritePlan(false).size() + 1);
    EXPECT_EQ(bench.events[255], (TransferEvent{TransferEvent::Kind::Progress, kMsgReadProgress, 100, 0}));
    EXPECT_EQ(bench.events[256].messageId, kMsgWriteProgress);
    EXPECT_EQ(bench.events.back().kind, TransferEvent::Kind::Done);

    // Two connections: the read ends with mode 1, the write starts anew and identifies the radio.
    const auto log = bench.simulator.Log();
    std::vector<std::uint16_t> modes;
    for (const auto& r : log) {
        if (r.command == LinkCommand::SetMode) {
            modes.push_back(r.value);
        }
    }
    EXPECT_EQ(modes, (std::vector<std::uint16_t>{2, 1, 3, 1}));
    EXPECT_EQ(Count(log, LinkCommand::Handshake), 2u);
    EXPECT_EQ(Count(log, LinkCommand::ReadInfo), 8u);
    EXPECT_EQ(Count(log, LinkCommand::ReadMemory), 256u);
}

TEST(SafeWrite, AWriteWithoutBackupReadsOnlyTheSerialNumberAndNeverAsksForAPasswordForIt) {
    const struct {
        const char* name;
        std::string password;
        std::optional<std::string> serial;
        std::size_t reads;
        int passwordAttempts;
    } cases[] = {
        {"an open radio tells its serial number", "", "SN-8", 1, 0},
        {"a radio with a password is written without it", "4321", std::nullopt, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sim::SimulatorConfig config = SerialRadio("SN-8");
        config.password = c.password;
        SimBench bench(config);
        bench.request.learnSerial = true;
        bench.questions.password = [](int) { return std::optional<std::string>("4321"); };
        RadioImage image = PatternImage(9);
        const TransferReport report = bench.Run(TransferDirection::Write, image);
        ASSERT_TRUE(report.ok()) << report.messageId << " " << report.detail;
        EXPECT_EQ(report.serial, c.serial);
        EXPECT_FALSE(report.backup);
        EXPECT_EQ(Count(bench.simulator.Log(), LinkCommand::ReadMemory), c.reads);
        EXPECT_EQ(bench.simulator.PasswordAttempts(), c.passwordAttempts);
        EXPECT_EQ(bench.simulator.Memory()[0x200], image[0x200]);
    }
}

TEST(SafeWrite, ABackupThatFailsWritesNothing) {
    const struct {
        const char* name;
        Fault fault;
        TransferStatus status;
        int messageId;
    } cases[] = {
        {"a block of the backup", Fault{FaultKind::Silence, 0, -1, 0x0400u, false},
         TransferStatus::BlockFailed, kMsgBackupFailed},
        // Handshake, 4 identity items, mode 2, 256 blocks, mode 1: then the radio is gone.
        {"the radio vanishes after its backup",
         Fault{FaultKind::Disconnect, 1 + 4 + 1 + 256 + 1, -1, {}, true}, TransferStatus::NoRadio,
         kMsgNoRadio},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sim::SimulatorConfig config = SerialRadio("SN-1");
        config.faults = {c.fault};
        SimBench bench(config);
        bench.request.backupFirst = true;
        RadioImage image = PatternImage(9);
        const RadioImage sent = image;
        const TransferReport report = bench.Run(TransferDirection::Write, image);
        EXPECT_EQ(report.status, c.status);
        EXPECT_EQ(report.messageId, c.messageId);
        EXPECT_FALSE(report.written.Started());
        EXPECT_EQ(Count(bench.simulator.Log(), LinkCommand::WriteMemory), 0u);
        EXPECT_EQ(bench.simulator.Memory(), config.memory);
        EXPECT_EQ(image, sent);
        EXPECT_FALSE(bench.port.IsOpen());
    }
}

TEST(SafeWrite, AWriteCutAtAnyBlockNamesWhatHoldsTheNewData) {
    const BlockPlan plan = SentPlan();
    const std::size_t cuts[] = {0, 1, 2, 3, 17, 80, plan.size() - 2, plan.size() - 1};
    for (const FaultKind kind : {FaultKind::Silence, FaultKind::RefuseAck, FaultKind::ShortReply}) {
        for (const std::size_t cut : cuts) {
            SCOPED_TRACE(std::to_string(static_cast<int>(kind)) + " at block " + std::to_string(cut));
            sim::SimulatorConfig config = SerialRadio("SN-2");
            config.faults = {Fault{kind, 0, -1, plan[cut].address, false}};
            SimBench bench(config);
            RadioImage image = PatternImage(9);
            const TransferReport report = bench.Run(TransferDirection::Write, image);
            EXPECT_EQ(report.status, TransferStatus::BlockFailed);
            EXPECT_EQ(report.messageId, kMsgWriteFailed);
            EXPECT_EQ(report.failedAddress, plan[cut].address);
            EXPECT_EQ(report.written, WrittenRanges::After(plan, cut, true));
            // What is named new is new in the radio; every address outside the write is as it was.
            const RadioImage radio = bench.simulator.Memory();
            for (const AddressRange& range : report.written.NewData()) {
                for (std::uint32_t a = range.first; a <= range.last; ++a) {
                    ASSERT_EQ(radio[a], a >= 0x20 && a < 0x28 ? radio[a] : image[a]) << std::hex << a;
                }
            }
            for (std::size_t b = cut + 1; b < plan.size(); ++b) {
                ASSERT_EQ(radio[plan[b].address], config.memory[plan[b].address]) << b;
            }
        }
    }
}

TEST(SafeWrite, AStoppedWriteNamesTheBlocksWrittenAndNoneUnderWay) {
    for (const std::size_t blocks : {std::size_t{1}, std::size_t{40}, std::size_t{150}}) {
        SCOPED_TRACE(blocks);
        SimBench bench(SerialRadio("SN-3"));
        bench.stopAfterEvents = blocks;
        RadioImage image = PatternImage(9);
        const TransferReport report = bench.Run(TransferDirection::Write, image);
        EXPECT_EQ(report.status, TransferStatus::Interrupted);
        EXPECT_EQ(report.written, WrittenRanges::After(SentPlan(), blocks, false));
        EXPECT_EQ(Count(bench.simulator.Log(), LinkCommand::WriteMemory), blocks);
    }
}

} // namespace
} // namespace tav
