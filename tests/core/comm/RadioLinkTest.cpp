#include "core/comm/RadioLink.h"

#include "ScriptedPort.h"
#include "core/comm/FrameTracer.h"
#include "support/ManualClock.h"

#include <gtest/gtest.h>
#include <sstream>

namespace tav {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes AckBytes(std::uint8_t status, std::uint8_t a, std::uint8_t b) {
    const auto ack = frame::Ack(status, a, b);
    return {ack.begin(), ack.end()};
}

Bytes HandshakeAck() {
    return AckBytes('a', 'P', 'a');
}

class RadioLinkTest : public ::testing::Test {
protected:
    test::ScriptedPort port;
    ManualClock clock;
    RadioLink link{port, clock};
};

TEST_F(RadioLinkTest, ExchangeRetriesAndPausesBeforeEachRead) {
    port.Silence(2);
    port.Script(HandshakeAck());
    EXPECT_TRUE(link.Handshake(1)); // answered on the third attempt
    EXPECT_EQ(port.requests().size(), 3u);
    EXPECT_EQ(clock.Slept(), std::chrono::milliseconds(90));

    port.Silence(3);
    std::array<std::uint8_t, 6> reply{};
    EXPECT_FALSE(link.Exchange(frame::Handshake(), reply));
    EXPECT_EQ(port.requests().size(), 6u);
}

TEST_F(RadioLinkTest, ShortRepliesCountAsFailedAttempts) {
    port.Script({0x02, 0x41});
    port.Script({0x02, 0x41, 0x61});
    port.Script(HandshakeAck());
    EXPECT_TRUE(link.Handshake(1));
}

TEST_F(RadioLinkTest, AWrongHandshakeReplyEndsThePassesAtOnce) {
    port.Silence(3); // first pass: nothing
    port.Script(AckBytes('a', 'P', 'b'));
    port.Script(HandshakeAck());
    EXPECT_FALSE(link.Handshake(10));
    EXPECT_EQ(port.requests().size(), 4u);
    EXPECT_EQ(port.pending(), 1u);
}

TEST_F(RadioLinkTest, HandshakePassesAreTriedInTurn) {
    port.Silence(3 * 9);
    port.Script(HandshakeAck());
    EXPECT_TRUE(link.Handshake(10));
    port.Silence(3);
    EXPECT_FALSE(link.Handshake(1));
}

TEST_F(RadioLinkTest, SetModeAnswers) {
    port.Script(AckBytes('a', 'M', 'a'));
    EXPECT_EQ(link.SetMode(LinkMode::Read), ModeAnswer::Accepted);
    port.Script(AckBytes('c', 'M', 'a'));
    EXPECT_EQ(link.SetMode(LinkMode::Read), ModeAnswer::PasswordRequired);
    port.Script(AckBytes('a', 'M', 'b'));
    EXPECT_EQ(link.SetMode(LinkMode::Read), ModeAnswer::NoAnswer);
    port.Silence(3);
    EXPECT_EQ(link.SetMode(LinkMode::Write), ModeAnswer::NoAnswer);
    EXPECT_EQ(port.requests()[0], frame::SetMode(2));
    EXPECT_EQ(port.requests().back(), frame::SetMode(3));
}

TEST_F(RadioLinkTest, ReadMemoryIgnoresTheHeaderButChecksTheChecksum) {
    const Bytes data(32, 0x5A);
    Bytes reply = frame::MemoryReply(0x40, data);
    for (std::size_t i = 0; i <= 8; ++i) {
        reply[i] = static_cast<std::uint8_t>(0xC0 + i); // arbitrary header, STX included
    }
    reply.back() = 0x77; // and ETX is not looked at either
    reply[41] = frame::Checksum(std::span(reply).subspan(1, 40));
    port.Script(reply);
    std::array<std::uint8_t, 32> out{};
    EXPECT_TRUE(link.ReadMemory(0x40, out));
    EXPECT_EQ(out[31], 0x5A);

    reply[41] ^= 1;
    port.Script(reply);
    EXPECT_FALSE(link.ReadMemory(0x40, out));
    EXPECT_EQ(port.requests().size(), 2u); // a wrong checksum is not retried
}

TEST_F(RadioLinkTest, WriteMemoryNeedsTheExactAcknowledgement) {
    const Bytes data = {1, 2, 3};
    port.Script(AckBytes('a', 'E', 'a'));
    EXPECT_TRUE(link.WriteMemory(0x20, data));
    EXPECT_EQ(clock.Slept(), std::chrono::milliseconds(40)); // extra 10 ms before the exchange
    port.Script(AckBytes('n', 'E', 'a'));
    EXPECT_FALSE(link.WriteMemory(0x20, data));
    EXPECT_EQ(port.requests()[0], frame::WriteMemory(0x20, data));
}

TEST_F(RadioLinkTest, IdentifyKeepsFieldsWhoseQueryFailed) {
    RadioIdentity identity;
    identity.modelName = "before";
    port.Silence(3); // item 3
    const std::array<std::uint8_t, 9> band = {0, 0x40, 0, 0, 0, 0x47, 0, 0, 0};
    port.Script(frame::InfoReply(5, band));
    Bytes signalling = frame::InfoReply(7, Bytes{2});
    signalling[signalling.size() - 2] ^= 0xFF; // bad checksum
    port.Script(signalling);
    Bytes version(32, 0);
    const std::string fw = "1.05.02";
    const std::string id = "TAV100";
    std::copy(fw.begin(), fw.end(), version.begin());
    std::copy(id.begin(), id.end(), version.begin() + 16);
    port.Script(frame::InfoReply(8, version));

    ASSERT_TRUE(link.Identify(identity));
    EXPECT_EQ(identity.modelName, "before");
    EXPECT_EQ(identity.band, band);
    EXPECT_EQ(identity.signalling, 0);
    EXPECT_EQ(identity.firmware, "1.05.02");
    EXPECT_EQ(identity.modelId, "TAV100");
    EXPECT_EQ(identity.versionComparison, 1);
}

TEST_F(RadioLinkTest, IdentifyFailsWithoutTheVersionItem) {
    RadioIdentity identity;
    port.Script(frame::InfoReply(3, Bytes(12, 'A')));
    port.Silence(3 * 3);
    EXPECT_FALSE(link.Identify(identity));
    EXPECT_EQ(identity.modelName, std::string(12, 'A'));
    // An info reply with a broken frame end is refused.
    Bytes reply = frame::InfoReply(7, Bytes{1});
    reply.back() = 0;
    port.Script(reply);
    std::array<std::uint8_t, 1> out{};
    EXPECT_FALSE(link.ReadInfo(7, out));
}

TEST_F(RadioLinkTest, TuningOperations) {
    port.Script(AckBytes('a', 'M', 'a'));
    port.Script(frame::TuneValueReply(0x8002, Bytes{0x01, 0x2C}));
    std::array<std::uint8_t, 2> value{};
    EXPECT_EQ(link.ReadTuneValue(0x8002, value), TuneRead::Read);
    EXPECT_EQ(value, (std::array<std::uint8_t, 2>{0x01, 0x2C}));

    port.Script(AckBytes('a', 'M', 'a'));
    port.Script(frame::TuneValueReply(0x8003, Bytes{0x01, 0x2C})); // another index
    EXPECT_EQ(link.ReadTuneValue(0x8002, value), TuneRead::Failed);

    port.Silence(3);
    EXPECT_EQ(link.ReadTuneValue(0x8002, value), TuneRead::NoTuningMode);

    port.Script(AckBytes('a', 'V', 'a'));
    EXPECT_TRUE(link.WriteTuneValue(0x8002, value));
    port.Script(AckBytes('a', 'V', 'j'));
    EXPECT_TRUE(link.CommitTuning());
    port.Script(AckBytes('a', 'V', 'j'));
    EXPECT_FALSE(link.DiscardTuning());
    port.Script(AckBytes('a', 'O', 'b'));
    EXPECT_TRUE(link.TestSwitch('b', 1));
    port.Script(AckBytes('a', 'O', 'a'));
    EXPECT_FALSE(link.TestSwitch('b', 0));
}

TEST_F(RadioLinkTest, ConnectTriesTheRememberedPortThenEveryPort) {
    PortTable table;
    for (int p = 1; p <= 16; ++p) {
        table.SetDevicePath(p, "missing");
    }
    table.SetDevicePath(3, "/dev/remembered");
    table.SetDevicePath(7, "/dev/radio");
    // Remembered port 3: ten passes of silence; then ports 1, 2 missing, 3 once more silent,
    // 4-6 missing, 7 answers.
    port.Silence(30 + 3);
    port.Script(HandshakeAck());
    const ConnectResult result = link.ConnectRadio(table, 3);
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.port, 7);
    EXPECT_EQ(result.device, "/dev/radio");
    EXPECT_TRUE(port.IsOpen());
    ASSERT_EQ(result.attempts.size(), 8u);
    EXPECT_EQ(result.attempts[0].port, 3);
    EXPECT_EQ(PortErrorOf(result.attempts[1].open), PortError::NotPresent);
    EXPECT_EQ(port.requests().size(), 34u);
}

TEST_F(RadioLinkTest, ConnectExplainsAFailedSearch) {
    PortTable table;
    for (int p = 1; p <= 16; ++p) {
        table.SetDevicePath(p, "missing");
    }
    table.SetDevicePath(2, "/dev/quiet");
    port.Silence(100);
    const ConnectResult result = link.ConnectRadio(table, 1);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.port, 0);
    EXPECT_FALSE(port.IsOpen());
    const std::string text = result.Explain();
    EXPECT_NE(text.find("/dev/quiet: no answer"), std::string::npos) << text;
    EXPECT_NE(text.find("not present: missing"), std::string::npos) << text;
}

TEST_F(RadioLinkTest, TracerSeesEveryFrameAndTimeOut) {
    std::ostringstream trace;
    StreamFrameTracer tracer(trace);
    link.SetTracer(&tracer);
    port.Script({0x02, 0x41, 0x61});
    port.Script(HandshakeAck());
    EXPECT_TRUE(link.Handshake(1));
    const std::string text = trace.str();
    EXPECT_NE(text.find("TX 02 50 61 03  Handshake"), std::string::npos) << text;
    EXPECT_NE(text.find("RX 02 41 61 (3 of 6 bytes)  TIMEOUT"), std::string::npos) << text;
    EXPECT_NE(text.find("RX 02 41 61 50 61 03  Ack accepted"), std::string::npos) << text;
}

} // namespace
} // namespace tav
