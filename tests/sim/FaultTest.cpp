#include "SimTestSupport.h"
#include "core/comm/LinkMessages.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

using sim::Fault;
using sim::FaultKind;
using test::PatternImage;
using test::SimBench;

Fault F(FaultKind kind, int after, int times = -1, std::optional<std::uint32_t> address = std::nullopt,
        bool anyRequest = false) {
    return Fault{kind, after, times, address, anyRequest};
}

sim::SimulatorConfig RadioWith(std::vector<Fault> faults) {
    sim::SimulatorConfig config;
    config.memory = PatternImage(5);
    config.faults = std::move(faults);
    return config;
}

/// A read that fails must leave the caller's image exactly as it was.
void ExpectReadFailsAt(SimBench& bench, std::uint32_t address, std::size_t progressEvents) {
    RadioImage image = PatternImage(77);
    const RadioImage before = image;
    const TransferReport report = bench.Run(TransferDirection::Read, image);
    EXPECT_EQ(report.status, TransferStatus::BlockFailed);
    EXPECT_EQ(report.messageId, kMsgReadFailed);
    EXPECT_EQ(report.failedAddress, address);
    EXPECT_EQ(image, before);
    EXPECT_FALSE(bench.port.IsOpen());
    ASSERT_EQ(bench.events.size(), progressEvents + 1);
    EXPECT_EQ(bench.events.back(), (TransferEvent{TransferEvent::Kind::Failed, kMsgReadFailed, 0, address}));
    // The globals of a read are replaced even when the read then fails.
    EXPECT_TRUE(report.identityAccepted);
}

TEST(Fault, SilenceAfterSixteenBlocksFailsTheSeventeenth) {
    SimBench bench(RadioWith({F(FaultKind::Silence, 16)}));
    ExpectReadFailsAt(bench, 0x0200, 16);
}

TEST(Fault, TheFailedAddressIsShownAsFourHexDigits) {
    SimBench bench(RadioWith({F(FaultKind::Silence, 16)}));
    RadioImage image{};
    EXPECT_EQ(bench.Run(TransferDirection::Read, image).detail, "0200");
    // The block was tried three times, and SetMode(1) was not sent after the failure.
    EXPECT_EQ(bench.Requests(LinkCommand::ReadMemory).size(), 16u + 3);
    EXPECT_EQ(bench.Requests(LinkCommand::SetMode).size(), 1u);
}

TEST(Fault, ARadioThatAnswersOnTheThirdAttemptIsAccepted) {
    SimBench bench(RadioWith({F(FaultKind::Silence, 0, 2, 0x00A0), F(FaultKind::ShortReply, 0, 2, 0x1000)}));
    RadioImage image{};
    const TransferReport report = bench.Run(TransferDirection::Read, image);
    ASSERT_TRUE(report.ok());
    EXPECT_EQ(image, PatternImage(5));
    EXPECT_EQ(bench.Requests(LinkCommand::ReadMemory).size(), 256u + 4);
}

TEST(Fault, ShortRepliesFailTheBlock) {
    SimBench bench(RadioWith({F(FaultKind::ShortReply, 3)}));
    ExpectReadFailsAt(bench, 0x0060, 3);
}

TEST(Fault, AWrongChecksumFailsTheBlockWithoutRetry) {
    SimBench bench(RadioWith({F(FaultKind::BadChecksum, 0, 1, 0x1FE0)}));
    ExpectReadFailsAt(bench, 0x1FE0, 255);
    EXPECT_EQ(bench.Requests(LinkCommand::ReadMemory).size(), 256u);
}

TEST(Fault, ARefusedWriteAcknowledgementStopsTheWrite) {
    SimBench bench(RadioWith({F(FaultKind::RefuseAck, 0, -1, 0x01FE)}));
    RadioImage image = PatternImage(8);
    const RadioImage before = image;
    const TransferReport report = bench.Run(TransferDirection::Write, image);
    EXPECT_EQ(report.status, TransferStatus::BlockFailed);
    EXPECT_EQ(report.messageId, kMsgWriteFailed);
    EXPECT_EQ(report.failedAddress, 0x01FEu);
    EXPECT_EQ(report.detail, "01FE");
    EXPECT_EQ(image, before); // no date stamped
    const auto writes = bench.Requests(LinkCommand::WriteMemory);
    EXPECT_EQ(writes.back().address, 0x01FEu);
    EXPECT_EQ(writes.size(), 3u + 8 + 1); // refused at once, not retried
    EXPECT_EQ(bench.events.back(), (TransferEvent{TransferEvent::Kind::Failed, kMsgWriteFailed, 0, 0x01FE}));
    EXPECT_EQ(bench.simulator.Memory()[0x20], PatternImage(5)[0x20]); // the radio kept its old date
}

TEST(Fault, ACorruptedStoreIsAcknowledgedButHoldsAWrongByte) {
    SimBench bench(RadioWith({F(FaultKind::CorruptStore, 0, -1, 0x011E)}));
    RadioImage image = PatternImage(8);
    ASSERT_TRUE(bench.Run(TransferDirection::Write, image).ok());
    RadioImage expected = image;
    expected[0x011E] ^= 0x01;
    const RadioImage radio = bench.simulator.Memory();
    EXPECT_TRUE(std::equal(radio.begin() + 0xFE, radio.begin() + 0x13FB, expected.begin() + 0xFE));
    // Reading that block back is not affected.
    RadioImage back{};
    ASSERT_TRUE(bench.Run(TransferDirection::Read, back).ok());
    EXPECT_EQ(back[0x011E], expected[0x011E]);
}

TEST(Fault, AFailedDateBlockFailsTheWrite) {
    SimBench bench(RadioWith({F(FaultKind::Silence, 0, -1, 0x0020)}));
    RadioImage image = PatternImage(8);
    const RadioImage before = image;
    const TransferReport report = bench.Run(TransferDirection::Write, image);
    EXPECT_EQ(report.failedAddress, 0x0020u);
    EXPECT_EQ(image, before);
    EXPECT_EQ(bench.events.size(), 155u + 1);
}

TEST(Fault, TheRadioVanishingMidTransferFailsQuickly) {
    SimBench bench(RadioWith({F(FaultKind::Disconnect, 100)}));
    const auto start = std::chrono::steady_clock::now();
    ExpectReadFailsAt(bench, 100 * 32, 100);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    EXPECT_TRUE(bench.simulator.Disconnected());
}

TEST(Fault, ARadioThatVanishesDuringAWrite) {
    SimBench bench(RadioWith({F(FaultKind::Disconnect, 40)}));
    RadioImage image = PatternImage(2);
    const TransferReport report = bench.Run(TransferDirection::Write, image);
    EXPECT_EQ(report.status, TransferStatus::BlockFailed);
    EXPECT_EQ(report.failedAddress, FullWritePlan(false)[40].address);
}

TEST(Fault, NoRadioAnswers) {
    SimBench bench(RadioWith({F(FaultKind::Silence, 0, -1, std::nullopt, true)}));
    RadioImage image{};
    const TransferReport report = bench.Run(TransferDirection::Read, image);
    EXPECT_EQ(report.status, TransferStatus::NoRadio);
    EXPECT_EQ(report.messageId, kMsgNoRadio);
    EXPECT_NE(report.detail.find(bench.simulator.DevicePath() + ": no answer"), std::string::npos);
    EXPECT_EQ(bench.simulator.Log().size(), 30u); // ten passes of three attempts
    EXPECT_TRUE(bench.events.empty());
}

TEST(Fault, IdentificationUnanswered) {
    SimBench bench(RadioWith({F(FaultKind::Silence, 1, -1, std::nullopt, true)}));
    RadioImage image{};
    const TransferReport report = bench.Run(TransferDirection::Read, image);
    EXPECT_EQ(report.status, TransferStatus::IdentifyFailed);
    EXPECT_EQ(report.messageId, kMsgIdentifyFailed);
    EXPECT_FALSE(report.identityAccepted);
}

TEST(Fault, ModeUnanswered) {
    SimBench bench(RadioWith({F(FaultKind::Silence, 5, -1, std::nullopt, true)}));
    RadioImage image{};
    const TransferReport report = bench.Run(TransferDirection::Read, image);
    EXPECT_EQ(report.status, TransferStatus::ModeRefused);
    EXPECT_EQ(report.messageId, kMsgNoRadio);
    EXPECT_TRUE(bench.events.empty());
}

TEST(Fault, AWrongHandshakeReplyIsNoRadio) {
    SimBench bench(RadioWith({F(FaultKind::BadChecksum, 0, -1, std::nullopt, true)}));
    RadioImage image{};
    EXPECT_EQ(bench.Run(TransferDirection::Read, image).status, TransferStatus::NoRadio);
    EXPECT_EQ(bench.simulator.Log().size(), 1u); // no further passes
}

TEST(Fault, GarbageOnTheLineDoesNotConfuseTheRadio) {
    SimBench bench(RadioWith({}));
    ASSERT_TRUE(bench.port.Open(bench.simulator.DevicePath()).ok());
    // A cut-off request that claims a long block, then noise.
    const std::vector<std::uint8_t> junk = {0x02, 0x45, 0x61, 0xFF, 0x00, 0x10, 0x20, 0x03, 0x99, 0x02};
    bench.port.Write(junk);
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
    bench.port.Close();
    RadioImage image{};
    const TransferReport report = bench.Run(TransferDirection::Read, image);
    EXPECT_TRUE(report.ok());
    EXPECT_EQ(image, PatternImage(5));
}

} // namespace
} // namespace tav
