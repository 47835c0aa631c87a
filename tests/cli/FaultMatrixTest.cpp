// The fault matrix: every fault of the link, played by the simulated radio, ends the read or write
// with its message and leaves the document's image and every file as they were.
#include "RadioCliSupport.h"

namespace tav {
namespace {

using sim::Fault;
using sim::FaultKind;
using test::CliRun;
using test::StartRadio;
using test::V300Radio;
namespace fs = std::filesystem;

constexpr const char* kReadFailedAt = "tavctl: Reading the radio failed at address ";
constexpr const char* kWriteFailedAt = "tavctl: Writing the radio failed at address ";
constexpr const char* kNoAnswer = "tavctl: The radio does not answer.";
constexpr const char* kPasswordRefused = "tavctl: The radio refused the password.\n";

Fault MemoryFault(FaultKind kind, int after, int times = -1, std::optional<std::uint32_t> address = {}) {
    return Fault{kind, after, times, address, false};
}

std::string Hex4(std::uint32_t address) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", address);
    return text;
}

class FaultMatrix : public test::RadioCliTest {
protected:
    fs::path document;
    std::unique_ptr<DocumentSession> session;

    void SetUp() override {
        RadioCliTest::SetUp();
        document = NewDataFile("document.dat");
        WriteSettings("[Setting]\nComPort=1\n");
        session = std::make_unique<DocumentSession>(ProgramHome(home));
        ASSERT_TRUE(session->Doc().Open(document, session->Views()));
    }

    /// A read into OUT that must fail with `message`, changing neither the image nor any file.
    void ExpectReadFails(std::vector<std::string> args, const std::string& message) {
        const fs::path out = work / "out.dat";
        args.insert(args.end(), {"-o", out.string()});
        const Image image = session->Container().image();
        const auto files = Files();
        const CliRun run = Read(args, session.get());
        EXPECT_EQ(run.code, cli::ExitCode::Failure);
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_EQ(session->Container().image(), image);
        EXPECT_FALSE(fs::exists(out));
        EXPECT_EQ(Files(), files);
    }

    /// A write of the document that must fail with `message`: no date stamped into the image, the
    /// document file and every other file as they were.
    void ExpectWriteFails(std::vector<std::string> args, const std::string& message) {
        args.insert(args.begin(), document.string());
        args.push_back("--yes");
        const auto files = Files();
        const CliRun run = Write(args, session.get());
        EXPECT_EQ(run.code, cli::ExitCode::Failure);
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_EQ(session->Container().image(), LoadData(document).image);
        EXPECT_EQ(Files(), files);
    }
};

TEST_F(FaultMatrix, NoRadioOnAnyPort) {
    // Port 2 has a line that nothing answers on; every other port has no device at all.
    sim::SimulatorConfig config = V300Radio(test::PatternMemory(1));
    config.faults = {Fault{FaultKind::Silence, 0, -1, std::nullopt, true}};
    const auto mute = StartRadio(config);
    std::string ports = "[Ports]\n";
    for (int p = 1; p <= 16; ++p) {
        const fs::path device = p == 2 ? fs::path(mute->DevicePath()) : work / ("absent" + std::to_string(p));
        ports += "Port" + std::to_string(p) + "=" + device.string() + "\n";
    }
    WriteSettings(ports);
    ExpectReadFails({"--port", "1"}, kNoAnswer);
    ExpectReadFails({"--port", "1"}, mute->DevicePath() + ": no answer from a radio");
    ExpectWriteFails({"--port", "3"}, "not present: " + (work / "absent3").string());
}

TEST_F(FaultMatrix, SilenceAfterSixteenBlocks) {
    sim::SimulatorConfig config = V300Radio(test::PatternMemory(2));
    config.faults = {MemoryFault(FaultKind::Silence, 16)};
    const auto silent = StartRadio(config);
    ExpectReadFails({"--device", silent->DevicePath()}, std::string(kReadFailedAt) + "0200.");

    // A write reads the radio's serial number first: one memory request more before its blocks.
    config.faults = {MemoryFault(FaultKind::Silence, 17)};
    const auto silentWrite = StartRadio(config);
    ExpectWriteFails({"--device", silentWrite->DevicePath()}, kWriteFailedAt +
                                                                  Hex4(FullWritePlan(false)[16].address) +
                                                                  ". The radio is only partly written");
}

TEST_F(FaultMatrix, ShortReply) {
    sim::SimulatorConfig config = V300Radio(test::PatternMemory(3));
    config.faults = {MemoryFault(FaultKind::ShortReply, 3)};
    const auto radio = StartRadio(config);
    ExpectReadFails({"--device", radio->DevicePath()}, std::string(kReadFailedAt) + "0060.");
}

TEST_F(FaultMatrix, WrongChecksum) {
    sim::SimulatorConfig config = V300Radio(test::PatternMemory(4));
    config.faults = {MemoryFault(FaultKind::BadChecksum, 0, 1, 0x1FE0)};
    const auto radio = StartRadio(config);
    ExpectReadFails({"--device", radio->DevicePath()}, std::string(kReadFailedAt) + "1FE0.");
}

TEST_F(FaultMatrix, RefusedWriteAcknowledgement) {
    sim::SimulatorConfig config = V300Radio(test::PatternMemory(5));
    config.faults = {MemoryFault(FaultKind::RefuseAck, 0, -1, 0x01FE)};
    const auto radio = StartRadio(config);
    ExpectWriteFails({"--device", radio->DevicePath()}, std::string(kWriteFailedAt) + "01FE.");
    EXPECT_EQ(radio->Memory()[0x20], test::PatternMemory(5)[0x20]); // no date on the radio either
}

TEST_F(FaultMatrix, ARefusedPasswordIsNotSentAgainWithoutATerminal) {
    sim::SimulatorConfig config = V300Radio(test::PatternMemory(6));
    config.password = "97531";
    const auto radio = StartRadio(config);
    ExpectReadFails({"--device", radio->DevicePath(), "--password", "13579"}, kPasswordRefused);
    EXPECT_EQ(radio->PasswordAttempts(), 1);
    ExpectWriteFails({"--device", radio->DevicePath(), "--password", "1"}, kPasswordRefused);
    EXPECT_EQ(radio->PasswordAttempts(), 2);
}

TEST_F(FaultMatrix, RadioDisappearsMidTransfer) {
    sim::SimulatorConfig config = V300Radio(test::PatternMemory(7));
    config.faults = {MemoryFault(FaultKind::Disconnect, 100)};
    const auto reading = StartRadio(config);
    ExpectReadFails({"--device", reading->DevicePath()}, std::string(kReadFailedAt) + "0C80.");
    EXPECT_TRUE(reading->Disconnected());

    config.faults = {MemoryFault(FaultKind::Disconnect, 1 + 40)}; // the serial number's read, 40 blocks
    const auto writing = StartRadio(config);
    ExpectWriteFails({"--device", writing->DevicePath()},
                     kWriteFailedAt + Hex4(FullWritePlan(false)[40].address) + ".");
    EXPECT_TRUE(writing->Disconnected());
}

} // namespace
} // namespace tav
