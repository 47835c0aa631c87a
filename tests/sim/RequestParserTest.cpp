#include "sim/RequestParser.h"

#include "sim/SimulatedRadio.h"
#include "core/comm/LinkFrame.h"

#include <gtest/gtest.h>
#include <random>

namespace tav::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(RequestParser, FindsRequestsBetweenGarbage) {
    RequestParser parser;
    Bytes stream = {0x00, 0xFF, 0x03, 0x02, 0x99, 0x02, 0x45}; // noise, an unknown command, a cut-off one
    const Bytes read = frame::ReadMemory(0x40, 32);
    const Bytes hs = frame::Handshake();
    stream.insert(stream.end(), read.begin(), read.end());
    stream.insert(stream.end(), hs.begin(), hs.end());
    parser.Feed(stream);
    auto first = parser.Next();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->bytes, read);
    auto second = parser.Next();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->bytes, hs);
    EXPECT_FALSE(parser.Next());
    EXPECT_FALSE(parser.HasPartial());
    EXPECT_EQ(parser.Skipped(), 7u);
}

TEST(RequestParser, WaitsForTheRestOfARequest) {
    RequestParser parser;
    const Bytes write = frame::WriteMemory(0x100, Bytes(32, 0xAB));
    parser.Feed(std::span(write).first(20));
    EXPECT_FALSE(parser.Next());
    EXPECT_TRUE(parser.HasPartial());
    parser.Feed(std::span(write).subspan(20));
    const auto request = parser.Next();
    ASSERT_TRUE(request);
    EXPECT_EQ(request->bytes, write);
    EXPECT_TRUE(request->checksumOk);
}

TEST(RequestParser, FlagsABadChecksumAndRejectsImpossibleLengths) {
    RequestParser parser;
    Bytes write = frame::WriteMemory(0x100, Bytes(4, 1));
    write[write.size() - 2] ^= 1;
    parser.Feed(write);
    const auto request = parser.Next();
    ASSERT_TRUE(request);
    EXPECT_FALSE(request->checksumOk);

    // A length field far beyond any block is not waited for.
    const Bytes huge = {0x02, 0x45, 0x61, 0xFF, 0xFF, 0x02, 0x50, 0x61, 0x03};
    parser.Feed(huge);
    const auto next = parser.Next();
    ASSERT_TRUE(next);
    EXPECT_EQ(next->bytes, frame::Handshake());

    // A frame that does not end in ETX is skipped byte by byte.
    const Bytes broken = {0x02, 0x50, 0x61, 0x04, 0x02, 0x50, 0x61, 0x03};
    parser.Feed(broken);
    const auto resynced = parser.Next();
    ASSERT_TRUE(resynced);
    EXPECT_EQ(resynced->bytes, frame::Handshake());
}

TEST(RequestParser, RandomBytesNeverCrashTheRadio) {
    std::mt19937 random(1234);
    SimulatorConfig config;
    config.password = "12345678";
    SimulatedRadio radio(config);
    RequestParser parser;
    // Greet the radio so that garbage reaches every command's handler.
    parser.Feed(frame::Handshake());
    for (int round = 0; round < 2000; ++round) {
        Bytes chunk(random() % 40);
        for (auto& b : chunk) {
            // Mostly frame-like bytes, so that many chunks parse as requests.
            const unsigned pick = random() % 8;
            b = pick == 0 ? 0x02 : pick == 1 ? 0x03 : static_cast<std::uint8_t>(pick == 2 ? 'E' : random());
        }
        parser.Feed(chunk);
        while (auto request = parser.Next()) {
            const Response response = radio.Handle(*request);
            EXPECT_LE(response.bytes.size(), 300u);
        }
        if (round % 50 == 0) {
            parser.DropPartial();
        }
    }
    EXPECT_GT(parser.Skipped(), 0u);
}

TEST(SimulatedRadio, ModesPasswordAndMemoryAccess) {
    SimulatorConfig config;
    config.password = "4321";
    config.memory[0x40] = 0x99;
    SimulatedRadio radio(config);
    auto handle = [&](const Bytes& b) { return radio.Handle({b, true}).bytes; };
    // Nothing is answered before the handshake.
    EXPECT_TRUE(handle(frame::SetMode(2)).empty());
    handle(frame::Handshake());
    const auto passwordRequired = frame::Ack('c', 'M', 'a');
    EXPECT_EQ(handle(frame::SetMode(2)), Bytes(passwordRequired.begin(), passwordRequired.end()));
    EXPECT_TRUE(handle(frame::ReadMemory(0x40, 1)).empty()); // locked
    const auto refused = frame::Ack('n', 'W', 'b');
    EXPECT_EQ(handle(frame::SendPassword("1234", PasswordKind::Read)), Bytes(refused.begin(), refused.end()));
    const auto accepted = frame::Ack('a', 'W', 'b');
    EXPECT_EQ(handle(frame::SendPassword("4321", PasswordKind::Read)),
              Bytes(accepted.begin(), accepted.end()));
    EXPECT_EQ(radio.mode(), 2);
    const Bytes reply = handle(frame::ReadMemory(0x40, 1));
    ASSERT_EQ(reply.size(), 12u);
    EXPECT_EQ(reply[9], 0x99);
    // Out of range and too long blocks get no answer.
    EXPECT_TRUE(handle(frame::ReadMemory(0x1FF0, 32)).empty());
    EXPECT_TRUE(handle(frame::ReadMemory(0xFFFFFFF0, 32)).empty());
    handle(frame::SetMode(1));
    EXPECT_TRUE(handle(frame::ReadMemory(0x40, 1)).empty());
    EXPECT_EQ(radio.passwordAttempts(), 2);
}

} // namespace
} // namespace tav::sim
