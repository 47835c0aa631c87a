#include "core/comm/CommSerialPort.h"

#include "core/comm/PortTable.h"
#include "support/FakeCommApi.h"

#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace tav {
namespace {

using namespace std::chrono_literals;
using test::FakeCommApi;

struct OpenPort {
    FakeCommApi* api;
    CommSerialPort port;
    OpenPort() : OpenPort(std::make_unique<FakeCommApi>()) {}
    explicit OpenPort(std::unique_ptr<FakeCommApi> fake) : api(fake.get()), port(std::move(fake)) {}
};

TEST(CommSerialPortTest, OpensWithQueuesPurgedInputAndDtrThenTakesTheLinkFormat) {
    OpenPort p;
    ASSERT_TRUE(p.port.Open("\\\\.\\COM3").ok());
    EXPECT_EQ(p.api->opened, "\\\\.\\COM3");
    EXPECT_EQ(p.port.Name(), "\\\\.\\COM3");
    EXPECT_EQ(p.api->receiveQueue, CommSerialPort::kQueueBytes);
    EXPECT_EQ(p.api->purges, 1);
    EXPECT_TRUE(p.api->dtr);

    ASSERT_TRUE(p.port.Configure(38400, 8, Parity::Odd, StopBits::Two));
    CommLineSettings expected;
    expected.baudRate = 38400;
    expected.byteSize = 8;
    expected.parity = CommLineSettings::kOddParity;
    expected.stopBits = CommLineSettings::kTwoStopBits;
    EXPECT_EQ(p.api->line, expected); // binary, no flow control, no parity check, DTR and RTS on
    EXPECT_EQ(p.api->line.dtrControl, CommLineSettings::kControlEnable);
    EXPECT_EQ(p.api->line.rtsControl, CommLineSettings::kControlEnable);
    EXPECT_FALSE(p.api->line.abortOnError);

    p.port.SetReadTimeout(50ms);
    EXPECT_EQ(p.api->timeouts.readTotalConstant, 50u);
    EXPECT_EQ(p.api->timeouts.readInterval, 0u);
    EXPECT_EQ(p.api->timeouts.readTotalMultiplier, 0u);
    EXPECT_GT(p.api->timeouts.writeTotalConstant, 0u);
    ASSERT_TRUE(p.port.Close());
    EXPECT_FALSE(p.api->open);
}

TEST(CommSerialPortTest, LineSettingsFollowParityAndStopBitsAndRefuseUnknownRates) {
    struct Case {
        Parity parity;
        StopBits stop;
        std::uint8_t parityCode;
        std::uint8_t stopCode;
    };
    for (const Case c : {Case{Parity::None, StopBits::One, 0, 0}, Case{Parity::Odd, StopBits::Two, 1, 2},
                         Case{Parity::Even, StopBits::One, 2, 0}}) {
        const CommLineSettings s = CommSerialPort::LineSettings(9600, 7, c.parity, c.stop);
        EXPECT_EQ(s.parity, c.parityCode);
        EXPECT_EQ(s.stopBits, c.stopCode);
        EXPECT_EQ(s.byteSize, 7);
    }
    EXPECT_EQ(CommSerialPort::LineSettings(38401, 8, Parity::Odd, StopBits::Two).baudRate, 0u);
    OpenPort p;
    ASSERT_TRUE(p.port.Open("COM1").ok());
    EXPECT_FALSE(p.port.Configure(12345, 8, Parity::Odd, StopBits::Two));
    EXPECT_EQ(p.api->line.baudRate, 0u); // nothing was sent to the driver
}

TEST(CommSerialPortTest, OpenFailuresAreNamedAsOnLinux) {
    struct Case {
        std::uint32_t error;
        PortError expected;
    };
    for (const Case c : {Case{CommError::kFileNotFound, PortError::NotPresent},
                         Case{CommError::kPathNotFound, PortError::NotPresent},
                         Case{CommError::kDeviceNotConnected, PortError::NotPresent},
                         Case{CommError::kAccessDenied, PortError::Busy},
                         Case{CommError::kSharingViolation, PortError::Busy},
                         Case{CommError::kPrivilegeNotHeld, PortError::PermissionDenied},
                         Case{CommError::kNotSupported, PortError::NotSerial}, Case{87, PortError::Other}}) {
        auto fake = std::make_unique<FakeCommApi>();
        fake->openError = c.error;
        OpenPort p(std::move(fake));
        const Result opened = p.port.Open("\\\\.\\COM7");
        EXPECT_EQ(PortErrorOf(opened), c.expected) << c.error;
        EXPECT_NE(opened.detail().find("COM7"), std::string::npos) << opened.detail();
        EXPECT_EQ(opened.detail().find("\\\\.\\"), std::string::npos) << opened.detail();
        EXPECT_FALSE(p.port.IsOpen());
    }
}

TEST(CommSerialPortTest, ADeviceThatRefusesTheCommCallsIsNoSerialPortAndIsClosedAgain) {
    auto fake = std::make_unique<FakeCommApi>();
    fake->queueError = CommError::kInvalidFunction;
    OpenPort p(std::move(fake));
    EXPECT_EQ(PortErrorOf(p.port.Open("\\\\.\\NUL")), PortError::NotSerial);
    EXPECT_FALSE(p.api->open);
    EXPECT_FALSE(p.port.IsOpen());
}

TEST(CommSerialPortTest, ReadsStopAtTheTimeOutAndReportIt) {
    OpenPort p;
    ASSERT_TRUE(p.port.Open("COM2").ok());
    p.port.SetReadTimeout(50ms);
    std::array<std::uint8_t, 4> buffer{};

    p.api->reads = {{1, 2, 3, 4}};
    EXPECT_EQ(p.port.Read(buffer), 4u);
    EXPECT_FALSE(p.port.TimedOut());

    p.api->reads = {{9, 8}};
    EXPECT_EQ(p.port.Read(buffer), 2u);
    EXPECT_TRUE(p.port.TimedOut());
    EXPECT_EQ(buffer[1], 8);

    p.api->readFails = true; // the adapter was pulled out
    EXPECT_EQ(p.port.Read(buffer), 0u);
    EXPECT_FALSE(p.port.TimedOut());
}

TEST(CommSerialPortTest, ReadsWithoutLimitGatherEveryPiece) {
    OpenPort p;
    ASSERT_TRUE(p.port.Open("COM2").ok());
    p.port.SetReadTimeout(0ms);
    EXPECT_EQ(p.api->timeouts.readTotalConstant, 0u);
    p.api->reads = {{1}, {2, 3}, {4}};
    std::array<std::uint8_t, 4> buffer{};
    EXPECT_EQ(p.port.Read(buffer), 4u);
    EXPECT_EQ(buffer[3], 4);
}

TEST(CommSerialPortTest, WritesGoOutWholeInPiecesAndFailOnAStalledDriver) {
    OpenPort p;
    ASSERT_TRUE(p.port.Open("COM2").ok());
    p.api->writeChunk = 3;
    const std::vector<std::uint8_t> frame{1, 2, 3, 4, 5, 6, 7};
    EXPECT_EQ(p.port.Write(frame), frame.size());
    EXPECT_EQ(p.api->written, frame);
    EXPECT_EQ(p.api->drains, 1);

    p.api->writeChunk = 0;
    EXPECT_EQ(p.port.Write(frame), 0u);
}

TEST(CommSerialPortTest, ClosedPortDoesNothing) {
    OpenPort p;
    std::array<std::uint8_t, 2> buffer{};
    EXPECT_EQ(p.port.Read(buffer), 0u);
    EXPECT_EQ(p.port.Write(buffer), 0u);
    EXPECT_FALSE(p.port.Configure(38400, 8, Parity::Odd, StopBits::Two));
    EXPECT_FALSE(p.port.SetDtr(true));
    EXPECT_TRUE(p.port.Close());
}

TEST(CommSerialPortTest, PortNumbersNameComDevices) {
    EXPECT_EQ(CommSerialPort::ComDevice(1), "\\\\.\\COM1");
    EXPECT_EQ(CommSerialPort::ComDevice(16), "\\\\.\\COM16");
    PortTable table;
    table.SetDevicePath(12, CommSerialPort::ComDevice(12));
    EXPECT_EQ(table.Resolve("COM12"), "\\\\.\\COM12");
    EXPECT_EQ(table.Resolve("\\\\.\\COM20"), "\\\\.\\COM20"); // a device name of its own
}

} // namespace
} // namespace tav
