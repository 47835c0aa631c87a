#include "core/comm/FactoryLink.h"

#include "SimTestSupport.h"
#include "core/comm/LinkMessages.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

using test::PatternImage;
using test::SimBench;

std::vector<std::pair<std::uint32_t, std::uint16_t>> Blocks(const std::vector<sim::RequestRecord>& records) {
    std::vector<std::pair<std::uint32_t, std::uint16_t>> blocks;
    for (const auto& r : records) {
        blocks.emplace_back(r.address, r.length);
    }
    return blocks;
}

std::vector<std::pair<std::uint32_t, std::uint16_t>> Blocks(const BlockPlan& plan) {
    std::vector<std::pair<std::uint32_t, std::uint16_t>> blocks;
    for (const auto& b : plan) {
        blocks.emplace_back(b.address, b.length);
    }
    return blocks;
}

TEST(FactoryLink, TuningSessionAndTuneData) {
    SimBench bench(sim::SimulatorConfig{});
    FactoryLink factory(bench.port, bench.clock);
    TransferReport report = factory.Connect(bench.request, LinkMode::Tune);
    ASSERT_TRUE(report.ok());
    EXPECT_TRUE(report.identityAccepted);
    EXPECT_EQ(bench.simulator.Log().back().value, 6); // SetMode(6)
    std::array<std::uint8_t, 2> value{};
    EXPECT_EQ(factory.link().ReadTuneValue(0x8020, value), TuneRead::Read);
    factory.EndSession();
    EXPECT_FALSE(bench.port.IsOpen());
    EXPECT_EQ(bench.simulator.Log().back().value, 1);

    const RadioImage image = PatternImage(4);
    report = factory.WriteTuneData(bench.request, image);
    ASSERT_TRUE(report.ok());
    EXPECT_EQ(report.messageId, kMsgTuneDataWritten);
    EXPECT_EQ(Blocks(bench.Requests(LinkCommand::WriteMemory)), Blocks(TuneDataPlan()));
    const RadioImage radio = bench.simulator.Memory();
    EXPECT_TRUE(std::equal(radio.begin() + 0x1623, radio.begin() + 0x1837, image.begin() + 0x1623));
    EXPECT_EQ(radio[0x1622], 0xFF);
    EXPECT_EQ(radio[0x1837], 0xFF);
}

TEST(FactoryLink, UncommittedTuningIsLostWithTheSession) {
    sim::SimulatorConfig config;
    config.tuneValues[0x8020] = 40;
    SimBench bench(config);
    FactoryLink factory(bench.port, bench.clock);
    ASSERT_TRUE(factory.Connect(bench.request, LinkMode::Tune).ok());
    const std::array<std::uint8_t, 2> sent{0x01, 0x2C};
    ASSERT_TRUE(factory.link().WriteTuneValue(0x8020, sent));
    std::array<std::uint8_t, 2> value{};
    ASSERT_EQ(factory.link().ReadTuneValue(0x8020, value), TuneRead::Read);
    EXPECT_EQ(value, sent); // the radio works with the value at once
    factory.EndSession();   // no commit

    ASSERT_TRUE(factory.Connect(bench.request, LinkMode::Tune).ok());
    ASSERT_EQ(factory.link().ReadTuneValue(0x8020, value), TuneRead::Read);
    EXPECT_EQ(value, (std::array<std::uint8_t, 2>{0x00, 40}));
    factory.EndSession();
    EXPECT_EQ(bench.simulator.CommittedTuneValues().at(0x8020), 40);
}

TEST(FactoryLink, TuneDataNeedsTheSameRange) {
    SimBench bench(sim::SimulatorConfig{});
    bench.request.documentRange = "136-174";
    FactoryLink factory(bench.port, bench.clock);
    const TransferReport report = factory.WriteTuneData(bench.request, RadioImage{});
    EXPECT_EQ(report.status, TransferStatus::RangeRefused);
    EXPECT_EQ(report.detail, "400-470");
    EXPECT_TRUE(bench.Requests(LinkCommand::WriteMemory).empty());
}

TEST(FactoryLink, ModelDataMovesItsAreasOnly) {
    sim::SimulatorConfig config;
    config.memory = PatternImage(6);
    SimBench bench(config);
    FactoryLink factory(bench.port, bench.clock);
    RadioImage image;
    image.fill(0);
    ASSERT_EQ(factory.ReadModelData(bench.request, image).status, TransferStatus::Completed);
    EXPECT_EQ(Blocks(bench.Requests(LinkCommand::ReadMemory)), Blocks(ModelDataReadPlan()));
    EXPECT_EQ(image[0x10], config.memory[0x10]);
    EXPECT_EQ(image[0xFD], config.memory[0xFD]);
    EXPECT_EQ(image[0x30], 0); // not read
}

TEST(FactoryLink, ModelDataWriteAndAFailedRead) {
    SimBench bench(sim::SimulatorConfig{});
    FactoryLink factory(bench.port, bench.clock);
    const RadioImage image = PatternImage(2);
    ASSERT_EQ(factory.WriteModelData(bench.request, image).messageId, kMsgWriteDone);
    EXPECT_EQ(Blocks(bench.Requests(LinkCommand::WriteMemory)), Blocks(ModelDataWritePlan()));
    EXPECT_EQ(bench.simulator.Memory()[0x3F], image[0x3F]);
    EXPECT_EQ(bench.simulator.Memory()[0x40], 0xFF);

    sim::SimulatorConfig faulty;
    faulty.faults = {sim::Fault{sim::FaultKind::Silence, 0, -1, 0x48, false}};
    SimBench broken(faulty);
    FactoryLink other(broken.port, broken.clock);
    RadioImage kept = PatternImage(1);
    const TransferReport report = other.ReadModelData(broken.request, kept);
    EXPECT_EQ(report.messageId, kMsgReadFailed);
    EXPECT_EQ(report.detail, "0048");
    EXPECT_EQ(kept, PatternImage(1));
}

TEST(FactoryLink, TuneSwitchWritesOneByte) {
    SimBench bench(sim::SimulatorConfig{});
    FactoryLink factory(bench.port, bench.clock);
    RadioImage image = PatternImage(3);
    ASSERT_EQ(factory.WriteTuneSwitch(bench.request, false, image).messageId, kMsgTuneDataWritten);
    EXPECT_EQ(image[0xB5], 0);
    EXPECT_EQ(Blocks(bench.Requests(LinkCommand::WriteMemory)), (Blocks(BlockPlan{{0xB5, 0xB5, 1}})));
    EXPECT_EQ(bench.simulator.Memory()[0xB5], 0);
    EXPECT_EQ(bench.simulator.Memory()[0xB6], 0xFF);
}

TEST(FactoryLink, EmbeddedDataLiesSixteenBytesLowerInTheImage) {
    sim::SimulatorConfig config;
    config.memory = PatternImage(8);
    config.firmware = "1.02.00";
    config.password = "77";
    SimBench bench(config);
    bench.questions.password = [](int) -> std::optional<std::string> { return "77"; };
    FactoryLink factory(bench.port, bench.clock);
    RadioImage image;
    image.fill(0);
    const TransferReport report = factory.ReadEmbeddedData(bench.request, image, bench.questions);
    ASSERT_TRUE(report.ok()) << report.messageId;
    EXPECT_EQ(bench.simulator.PasswordAttempts(), 1);
    EXPECT_TRUE(std::equal(image.begin() + 0x1428, image.begin() + 0x14B8, config.memory.begin() + 0x1438));
    EXPECT_EQ(image[0x1427], 0);
    EXPECT_EQ(image[0x14B8], 0);

    const RadioImage source = PatternImage(11);
    // A password request counts as accepted here; the locked radio then ignores the blocks.
    const TransferReport locked = factory.WriteEmbeddedData(bench.request, source);
    EXPECT_EQ(locked.messageId, kMsgWriteFailed);
    EXPECT_EQ(locked.detail, "1438");
    sim::SimulatorConfig open;
    SimBench plain(open);
    FactoryLink writer(plain.port, plain.clock);
    ASSERT_EQ(writer.WriteEmbeddedData(plain.request, source).messageId, kMsgWriteDone);
    EXPECT_EQ(Blocks(plain.Requests(LinkCommand::WriteMemory)), Blocks(EmbeddedDataPlan()));
    const RadioImage radio = plain.simulator.Memory();
    EXPECT_TRUE(std::equal(radio.begin() + 0x1438, radio.begin() + 0x14C8, source.begin() + 0x1428));
}

} // namespace
} // namespace tav
