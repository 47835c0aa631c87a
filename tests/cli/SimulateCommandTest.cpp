#include "SimulateProcess.h"
#include "core/comm/CSerialPort.h"
#include "core/comm/TransferSession.h"
#include "support/ManualClock.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

TEST(SimulateCommand, ServesAWriteAndDumpsItsMemoryAtExit) {
    test::TempDir dir;
    std::vector<std::uint8_t> raw(8192);
    for (std::size_t i = 0; i < raw.size(); ++i) {
        raw[i] = static_cast<std::uint8_t>(i % 251);
    }
    test::WriteBytes(dir / "start.bin", raw);
    test::SimulateProcess process({"--image", (dir / "start.bin").string(), "--dump",
                                   (dir / "dump.bin").string(), "--trace", (dir / "trace.txt").string(),
                                   "--band", "136-174", "--model-id", "TAV200"});
    const std::string device = process.FirstLine();
    ASSERT_EQ(device.rfind("/dev/", 0), 0u) << device;

    CSerialPort port;
    ManualClock clock;
    TransferSession session(port, clock);
    TransferRequest request;
    request.direction = TransferDirection::Write;
    request.device = device;
    request.rules = {"TAV200", {"TAV200"}};
    request.documentRange = "136-174";
    TransferQuestions questions;
    questions.confirmNote = [](int) { return true; };
    RadioImage image;
    image.fill(0x11);
    const TransferReport report = session.Run(request, image, questions, {});
    ASSERT_TRUE(report.ok()) << report.messageId << " " << report.detail;
    EXPECT_EQ(report.band.RangeText(), "136-174");

    EXPECT_EQ(process.Stop(), 0);
    const std::vector<std::uint8_t> dump = test::ReadBytes(dir / "dump.bin");
    ASSERT_EQ(dump.size(), 8192u);
    EXPECT_EQ(dump[0x0000], raw[0x0000]); // not written
    EXPECT_EQ(dump[0x0100], 0x11);        // written
    EXPECT_EQ(dump[0x1500], raw[0x1500]);
    EXPECT_EQ(dump[0x20], image[0x20]); // the date
    const std::string trace = test::ReadText(dir / "trace.txt");
    EXPECT_NE(trace.find("radio RX 02 50 61 03  Handshake"), std::string::npos);
    EXPECT_NE(trace.find("radio TX 02 41 61 45 61 03  Ack accepted"), std::string::npos);
}

TEST(SimulateCommand, RefusesABadImage) {
    test::TempDir dir;
    test::WriteText(dir / "short.bin", "TAVnot really");
    test::SimulateProcess process({"--image", (dir / "short.bin").string()});
    EXPECT_EQ(process.FirstLine(), "");
    EXPECT_EQ(process.Stop(), 1);
}

} // namespace
} // namespace tav
