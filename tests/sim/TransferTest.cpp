#include "SimTestSupport.h"
#include "core/comm/LinkMessages.h"
#include "core/comm/TransferWorker.h"

#include <gtest/gtest.h>
#include <sstream>

namespace tav {
namespace {

using test::PatternImage;
using test::SimBench;

sim::SimulatorConfig PatternRadio() {
    sim::SimulatorConfig config;
    config.memory = PatternImage(3);
    return config;
}

TEST(Transfer, FullReadBringsTheWholeMemoryAndTheIdentity) {
    sim::SimulatorConfig config = PatternRadio();
    config.modelName = "TAV-100 Pro";
    config.signalling = 2;
    config.band = sim::SimulatorConfig::BandBytes(136, 174, 0x80);
    SimBench bench(config);
    RadioImage image{};
    const TransferReport report = bench.Run(TransferDirection::Read, image);
    ASSERT_TRUE(report.ok()) << report.messageId << " " << report.detail;
    EXPECT_EQ(report.messageId, kMsgReadDone);
    EXPECT_EQ(image, config.memory);
    EXPECT_TRUE(report.identityAccepted);
    EXPECT_EQ(report.identity.modelId, "TAV100");
    EXPECT_EQ(report.identity.modelName, "TAV-100 Pro");
    EXPECT_EQ(report.identity.firmware, "1.04.01");
    EXPECT_EQ(report.identity.signalling, 2);
    EXPECT_EQ(report.band.RangeText(), "136-174");
    EXPECT_EQ(report.band.flag, 0x80);
    EXPECT_FALSE(bench.port.IsOpen());

    // Progress after every block, in order, then done.
    ASSERT_EQ(bench.events.size(), 257u);
    for (std::size_t k = 0; k < 256; ++k) {
        EXPECT_EQ(bench.events[k],
                  (TransferEvent{TransferEvent::Kind::Progress, kMsgReadProgress, ReadProgress(k), 0}));
    }
    EXPECT_EQ(bench.events.back().kind, TransferEvent::Kind::Done);

    // On the line: handshake, the four identity items, mode 2, the blocks in order, mode 1.
    const auto log = bench.simulator.Log();
    ASSERT_EQ(log.size(), 1u + 4 + 1 + 256 + 1);
    EXPECT_EQ(log[0].command, LinkCommand::Handshake);
    EXPECT_EQ(log[1].value, 3);
    EXPECT_EQ(log[4].value, 8);
    EXPECT_EQ(log[5], (sim::RequestRecord{LinkCommand::SetMode, 0, 0, 2, true}));
    for (std::size_t k = 0; k < 256; ++k) {
        EXPECT_EQ(log[6 + k].address, 32 * k);
        EXPECT_EQ(log[6 + k].length, 32);
    }
    EXPECT_EQ(log.back(), (sim::RequestRecord{LinkCommand::SetMode, 0, 0, 1, true}));
}

class WriteAtLevel : public ::testing::TestWithParam<bool> {};

TEST_P(WriteAtLevel, WritesItsRegionsAndStampsTheDateLast) {
    const bool factory = GetParam();
    SimBench bench(sim::SimulatorConfig{});
    bench.request.factoryLevel = factory;
    RadioImage image = PatternImage(9);
    const RadioImage before = image;
    const TransferReport report = bench.Run(TransferDirection::Write, image);
    ASSERT_TRUE(report.ok()) << report.messageId << " " << report.detail;
    EXPECT_EQ(report.messageId, kMsgWriteDone);
    EXPECT_EQ(bench.notes, std::vector<int>{kMsgNoteEvenMinor});

    const std::array<std::uint8_t, 8> date = {59, 5, 14, 9, 3, 24, 20, 0};
    const RadioImage radio = bench.simulator.Memory();
    const std::uint32_t end = factory ? 0x1428 : 0x13FB;
    for (std::uint32_t a = 0; a < kRadioImageSize; ++a) {
        const bool written = (a >= 0x78 && a < 0xB5) || (a >= 0xD9 && a < 0xDE) || (a >= 0xFE && a < end);
        if (a >= 0x20 && a < 0x28) {
            ASSERT_EQ(radio[a], date[a - 0x20]) << a;
            ASSERT_EQ(image[a], date[a - 0x20]) << a;
        } else if (written) {
            ASSERT_EQ(radio[a], before[a]) << std::hex << a;
        } else {
            ASSERT_EQ(radio[a], 0xFF) << std::hex << a;
        }
    }
    // Only the date changed in the image.
    RadioImage expected = before;
    std::copy(date.begin(), date.end(), expected.begin() + 0x20);
    EXPECT_EQ(image, expected);

    const auto writes = bench.Requests(LinkCommand::WriteMemory);
    const BlockPlan plan = FullWritePlan(factory);
    ASSERT_EQ(writes.size(), plan.size() + 1);
    for (std::size_t i = 0; i < plan.size(); ++i) {
        EXPECT_EQ(writes[i].address, plan[i].address);
        EXPECT_EQ(writes[i].length, plan[i].length);
    }
    EXPECT_EQ(writes.back().address, 0x20u);
    EXPECT_EQ(writes.back().length, 8);
    EXPECT_EQ(bench.simulator.Log().back().value, 1); // SetMode(1) ends it

    ASSERT_EQ(bench.events.size(), plan.size() + 1);
    int last = -1;
    for (std::size_t i = 0; i < plan.size(); ++i) {
        EXPECT_EQ(bench.events[i].messageId, kMsgWriteProgress);
        EXPECT_GE(bench.events[i].percent, last);
        last = bench.events[i].percent;
    }
    EXPECT_EQ(bench.events[plan.size() - 2].percent, 100); // reached on the last image blocks
    EXPECT_EQ(bench.events.back().messageId, kMsgWriteDone);
}

INSTANTIATE_TEST_SUITE_P(UserLevels, WriteAtLevel, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "FactoryLevel" : "Level0"; });

TEST(Transfer, AStopRequestEndsTheTransferAfterTheCurrentExchange) {
    for (const TransferDirection direction : {TransferDirection::Read, TransferDirection::Write}) {
        const bool read = direction == TransferDirection::Read;
        SimBench bench(PatternRadio());
        bench.stopAfterEvents = 5;
        RadioImage image{};
        const TransferReport report = bench.Run(direction, image);
        EXPECT_EQ(report.status, TransferStatus::Interrupted);
        EXPECT_EQ(report.messageId, kMsgInterrupted);
        EXPECT_FALSE(bench.port.IsOpen());
        // Five blocks went, the sixth was never sent and the connection was not ended by the radio's
        // SetMode(1) either: nothing more goes on the line once the stop is asked for.
        const auto blocks = bench.Requests(read ? LinkCommand::ReadMemory : LinkCommand::WriteMemory);
        EXPECT_EQ(blocks.size(), 5u);
        EXPECT_EQ(bench.simulator.Log().back().command,
                  read ? LinkCommand::ReadMemory : LinkCommand::WriteMemory);
        if (read) {
            EXPECT_EQ(image, RadioImage{}); // a stopped read hands over nothing
        }
    }
}

TEST(Transfer, PasswordAcceptedOnTheSecondAttempt) {
    sim::SimulatorConfig config = PatternRadio();
    config.password = "2468";
    SimBench bench(config);
    std::vector<int> attempts;
    bench.questions.password = [&](int attempt) -> std::optional<std::string> {
        attempts.push_back(attempt);
        return attempt == 1 ? "1357" : "2468";
    };
    RadioImage image{};
    const TransferReport report = bench.Run(TransferDirection::Read, image);
    ASSERT_TRUE(report.ok()) << report.messageId;
    EXPECT_EQ(image, config.memory);
    EXPECT_EQ(attempts, (std::vector<int>{1, 2}));
    EXPECT_EQ(bench.informed, std::vector<int>{kMsgPasswordRefused});
    EXPECT_EQ(bench.simulator.PasswordAttempts(), 2);
}

TEST(Transfer, ThreePasswordRefusalsEndTheTransfer) {
    sim::SimulatorConfig config = PatternRadio();
    config.password = "2468";
    SimBench bench(config);
    bench.questions.password = [](int) -> std::optional<std::string> { return "0000"; };
    RadioImage image = PatternImage(1);
    const RadioImage before = image;
    const TransferReport report = bench.Run(TransferDirection::Write, image);
    EXPECT_EQ(report.status, TransferStatus::PasswordRefused);
    EXPECT_EQ(report.messageId, kMsgPasswordRefused);
    EXPECT_EQ(bench.informed, std::vector<int>(3, kMsgPasswordRefused));
    EXPECT_EQ(bench.simulator.PasswordAttempts(), 3);
    EXPECT_TRUE(bench.Requests(LinkCommand::WriteMemory).empty());
    EXPECT_EQ(image, before);
    EXPECT_TRUE(bench.events.empty());
    EXPECT_FALSE(bench.port.IsOpen());
}

TEST(Transfer, CancelledPasswordSendsNoPassword) {
    sim::SimulatorConfig config;
    config.password = "1";
    SimBench bench(config);
    bench.questions.password = [](int) -> std::optional<std::string> { return std::nullopt; };
    RadioImage image{};
    const TransferReport report = bench.Run(TransferDirection::Read, image);
    EXPECT_EQ(report.status, TransferStatus::PasswordCancelled);
    EXPECT_EQ(report.messageId, 0);
    EXPECT_EQ(bench.simulator.PasswordAttempts(), 0);
}

TEST(Transfer, IdentityRefusals) {
    {
        SimBench bench(sim::SimulatorConfig{});
        bench.request.rules.currentModelId = "OTHER";
        RadioImage image{};
        const TransferReport report = bench.Run(TransferDirection::Write, image);
        EXPECT_EQ(report.status, TransferStatus::IdentityRefused);
        EXPECT_EQ(report.messageId, kMsgModelRefused);
        EXPECT_TRUE(bench.Requests(LinkCommand::SetMode).empty());
        EXPECT_TRUE(bench.notes.empty());
    }
    {
        sim::SimulatorConfig config;
        config.firmware = "1.05.00";
        SimBench bench(config);
        RadioImage image{};
        const TransferReport report = bench.Run(TransferDirection::Read, image);
        EXPECT_EQ(report.messageId, kMsgFirmwareTooNew);
        EXPECT_FALSE(report.identityAccepted);
        EXPECT_TRUE(report.identified);
        EXPECT_EQ(report.identity.firmware, "1.05.00");
    }
}

TEST(Transfer, RangeCheckBeforeAWrite) {
    SimBench bench(sim::SimulatorConfig{}); // band 400-470
    bench.request.documentRange = "350-470";
    RadioImage image{};
    TransferReport report = bench.Run(TransferDirection::Write, image);
    EXPECT_EQ(report.status, TransferStatus::RangeRefused);
    EXPECT_EQ(report.messageId, kMsgRangeOutsideRadio);
    EXPECT_EQ(report.detail, "400-470");

    bench.request.documentRange = "garbage";
    EXPECT_EQ(bench.Run(TransferDirection::Write, image).status, TransferStatus::RangeRefused);
    EXPECT_TRUE(bench.Requests(LinkCommand::WriteMemory).empty());
}

TEST(Transfer, DeclinedNoteWritesNothing) {
    sim::SimulatorConfig config;
    config.firmware = "1.03.04";
    SimBench bench(config);
    bench.questions.confirmNote = [&](int id) {
        bench.notes.push_back(id);
        return false;
    };
    RadioImage image{};
    const TransferReport report = bench.Run(TransferDirection::Write, image);
    EXPECT_EQ(report.status, TransferStatus::NoteDeclined);
    EXPECT_EQ(bench.notes, std::vector<int>{kMsgNoteOddMinorEarly});
    EXPECT_TRUE(bench.Requests(LinkCommand::SetMode).empty());
}

TEST(Transfer, SearchFindsTheRadioBehindThePortTable) {
    SimBench bench(PatternRadio());
    bench.request.device.reset();
    for (int p = 1; p <= 16; ++p) {
        bench.request.ports.SetDevicePath(p, "/dev/tav-no-such-port" + std::to_string(p));
    }
    bench.request.ports.SetDevicePath(5, bench.simulator.DevicePath());
    bench.request.rememberedPort = 2;
    RadioImage image{};
    const TransferReport report = bench.Run(TransferDirection::Read, image);
    ASSERT_TRUE(report.ok());
    EXPECT_EQ(report.connection.port, 5);
    EXPECT_EQ(report.connection.attempts.size(), 6u); // remembered 2, then 1 to 5
}

TEST(Transfer, WorkerReportsFromOneThreadInOrder) {
    sim::SimulatorConfig config = PatternRadio();
    SimBench bench(config);
    bench.request.direction = TransferDirection::Read;
    TransferSession session(bench.port, bench.clock);
    RadioImage image{};
    std::vector<std::thread::id> threads;
    std::vector<int> percents;
    TransferWorker worker;
    ASSERT_TRUE(worker.Start(session, bench.request, image, bench.questions, [&](const TransferEvent& e) {
        threads.push_back(std::this_thread::get_id());
        percents.push_back(e.percent);
    }));
    EXPECT_FALSE(worker.Start(session, bench.request, image, bench.questions, {}));
    const TransferReport report = worker.Wait();
    EXPECT_TRUE(report.ok());
    EXPECT_EQ(image, config.memory);
    ASSERT_EQ(threads.size(), 257u);
    EXPECT_NE(threads[0], std::this_thread::get_id());
    EXPECT_TRUE(std::all_of(threads.begin(), threads.end(), [&](auto id) { return id == threads[0]; }));
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end() - 1));
}

TEST(Transfer, TraceRecordsBothDirections) {
    SimBench bench(PatternRadio());
    std::ostringstream trace;
    StreamFrameTracer tracer(trace);
    bench.request.direction = TransferDirection::Read;
    TransferSession session(bench.port, bench.clock, &tracer);
    RadioImage image{};
    ASSERT_TRUE(session.Run(bench.request, image, bench.questions, {}).ok());
    const std::string text = trace.str();
    EXPECT_NE(text.find("-- opened " + bench.simulator.DevicePath()), std::string::npos);
    EXPECT_NE(text.find("TX 02 45 62 E0 1F 00 00 20 00 03  ReadMemory 1FE0+32"), std::string::npos);
    EXPECT_NE(text.find("TX 02 4D 61 01 00 03  SetMode 1"), std::string::npos);
    EXPECT_NE(text.find("RX 02 41 61 4D 61 03  Ack accepted"), std::string::npos);
}

TEST(Transfer, TheRadioPortIsHeldExclusively) {
    SimBench bench(sim::SimulatorConfig{});
    ASSERT_TRUE(bench.port.Open(bench.simulator.DevicePath()).ok());
    CSerialPort other;
    EXPECT_EQ(PortErrorOf(other.Open(bench.simulator.DevicePath())), PortError::Busy);
}

TEST(Transfer, TuningOperationsOnTheRadio) {
    sim::SimulatorConfig config;
    config.tuneValues = {{0x8002, 0x0123}};
    SimBench bench(config);
    RadioLink link(bench.port, bench.clock);
    ASSERT_TRUE(link.ConnectDevice(bench.simulator.DevicePath()).ok());
    std::array<std::uint8_t, 2> value{};
    ASSERT_EQ(link.ReadTuneValue(0x8002, value), TuneRead::Read);
    EXPECT_EQ(value, (std::array<std::uint8_t, 2>{0x01, 0x23}));
    const std::array<std::uint8_t, 2> changed = {0x01, 0x2C};
    EXPECT_TRUE(link.WriteTuneValue(0x8002, changed));
    EXPECT_TRUE(link.DiscardTuning());
    ASSERT_EQ(link.ReadTuneValue(0x8002, value), TuneRead::Read);
    EXPECT_EQ(value[1], 0x23);
    EXPECT_TRUE(link.WriteTuneValue(0x8002, changed));
    EXPECT_TRUE(link.CommitTuning());
    EXPECT_EQ(bench.simulator.CommittedTuneValues().at(0x8002), 300);
    EXPECT_TRUE(link.TestSwitch('a', 1));
    EXPECT_TRUE(bench.simulator.TestSwitch('a'));
    EXPECT_EQ(link.SetMode(LinkMode::End), ModeAnswer::Accepted);
    EXPECT_FALSE(link.WriteTuneValue(0x8002, changed)); // out of tuning mode: no answer
}

} // namespace
} // namespace tav
