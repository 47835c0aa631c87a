#include "core/comm/CSerialPort.h"

#include "support/TestSupport.h"

#include <chrono>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/file.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace tav {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

/// A pseudo-terminal: the test plays the far end on the master side.
class Pty {
public:
    Pty() {
        termios raw{};
        cfmakeraw(&raw);
        char name[256] = {};
        EXPECT_EQ(openpty(&master_, &slave_, name, &raw, nullptr), 0);
        path_ = name;
    }
    ~Pty() {
        CloseMaster();
        if (slave_ >= 0) {
            close(slave_);
        }
    }
    const std::string& path() const { return path_; }
    void Send(std::vector<std::uint8_t> bytes) {
        ASSERT_EQ(write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    std::vector<std::uint8_t> Receive(std::size_t n) {
        std::vector<std::uint8_t> bytes(n);
        std::size_t got = 0;
        while (got < n) {
            pollfd p{master_, POLLIN, 0};
            if (poll(&p, 1, 1000) <= 0) {
                break;
            }
            const ssize_t r = read(master_, bytes.data() + got, n - got);
            if (r <= 0) {
                break;
            }
            got += static_cast<std::size_t>(r);
        }
        bytes.resize(got);
        return bytes;
    }
    void CloseMaster() {
        if (master_ >= 0) {
            close(master_);
            master_ = -1;
        }
    }
    /// Drops the test's own descriptor of the device side (so that a master hang-up is seen).
    void CloseSlave() {
        if (slave_ >= 0) {
            close(slave_);
            slave_ = -1;
        }
    }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string path_;
};

/// Waits until the bytes written on the master side have reached the device's input queue.
void Settle() {
    std::this_thread::sleep_for(5ms);
}

TEST(CSerialPort, OpensConfiguresAndCloses) {
    Pty pty;
    CSerialPort port;
    EXPECT_TRUE(port.Close()); // never opened
    const Result opened = port.Open(pty.path());
    ASSERT_TRUE(opened.ok()) << opened.detail();
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(port.Name(), pty.path());
    EXPECT_TRUE(port.Configure(38400, 8, Parity::Odd, StopBits::Two));
    EXPECT_FALSE(port.Configure(12345, 8, Parity::Odd, StopBits::Two));
    EXPECT_TRUE(port.Close());
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.Name(), "");
    // Closing gave the port up: it opens again.
    EXPECT_TRUE(port.Open(pty.path()).ok());
}

TEST(CSerialPort, APortHeldByAnotherProgramDoesNotOpen) {
    Pty pty;
    CSerialPort first;
    ASSERT_TRUE(first.Open(pty.path()).ok());
    CSerialPort second;
    const Result refused = second.Open(pty.path());
    EXPECT_EQ(PortErrorOf(refused), PortError::Busy);
    EXPECT_NE(refused.detail().find("another program"), std::string::npos);
    EXPECT_FALSE(second.IsOpen());
    first.Close();
    EXPECT_TRUE(second.Open(pty.path()).ok());
}

TEST(CSerialPort, OpenFailuresSayWhy) {
    CSerialPort port;
    const Result missing = port.Open("/dev/ttyUSB-does-not-exist");
    EXPECT_EQ(PortErrorOf(missing), PortError::NotPresent);
    EXPECT_NE(missing.detail().find("/dev/ttyUSB-does-not-exist"), std::string::npos);

    test::TempDir dir;
    test::WriteText(dir / "plain", "not a port");
    EXPECT_EQ(PortErrorOf(port.Open((dir / "plain").string())), PortError::NotSerial);

    // Permission: the sentence names the group that owns the device.
    test::WriteText(dir / "dev", "");
    ASSERT_EQ(chown((dir / "dev").c_str(), 0, 0), 0);
    const Result denied = CSerialPort::DescribeOpenError((dir / "dev").string(), EACCES);
    EXPECT_EQ(PortErrorOf(denied), PortError::PermissionDenied);
    EXPECT_NE(denied.detail().find("administrator"), std::string::npos); // owned by root
    if (const std::string group = CSerialPort::DeviceGroup("/dev/ttyS0"); !group.empty() && group != "root") {
        const Result ttyDenied = CSerialPort::DescribeOpenError("/dev/ttyS0", EPERM);
        EXPECT_NE(ttyDenied.detail().find("'" + group + "'"), std::string::npos) << ttyDenied.detail();
    }
    EXPECT_EQ(PortErrorOf(CSerialPort::DescribeOpenError("/dev/x", EBUSY)), PortError::Busy);
}

TEST(CSerialPort, ReadReturnsWhatArrivedWhenTheTimeOutPasses) {
    Pty pty;
    CSerialPort port;
    ASSERT_TRUE(port.Open(pty.path()).ok());
    port.Configure(38400, 8, Parity::Odd, StopBits::Two);
    port.SetReadTimeout(50ms);
    pty.Send({1, 2, 3, 4});
    Settle();
    std::array<std::uint8_t, 6> buffer{};
    const auto start = Clock::now();
    EXPECT_EQ(port.Read(buffer), 4u);
    const auto waited = Clock::now() - start;
    EXPECT_TRUE(port.TimedOut());
    EXPECT_GE(waited, 50ms);
    EXPECT_LT(waited, 1000ms);
    EXPECT_EQ(buffer[3], 4);
}

TEST(CSerialPort, ReadTakesOnlyWhatWasAskedForAndPurgeDropsTheRest) {
    Pty pty;
    CSerialPort port;
    ASSERT_TRUE(port.Open(pty.path()).ok());
    port.Configure(38400, 8, Parity::Odd, StopBits::Two);
    port.SetReadTimeout(50ms);
    pty.Send({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    Settle();
    std::array<std::uint8_t, 6> six{};
    EXPECT_EQ(port.Read(six), 6u);
    EXPECT_FALSE(port.TimedOut());
    std::array<std::uint8_t, 2> two{};
    EXPECT_EQ(port.Read(two), 2u);
    EXPECT_EQ(two[0], 6);
    port.PurgeInput();
    EXPECT_EQ(port.Read(two), 0u);
    EXPECT_TRUE(port.TimedOut());
}

TEST(CSerialPort, ReadReturnsAsSoonAsTheBytesAreThere) {
    Pty pty;
    CSerialPort port;
    ASSERT_TRUE(port.Open(pty.path()).ok());
    port.Configure(38400, 8, Parity::Odd, StopBits::Two);
    // A long time-out, so that a busy machine cannot turn this into a time-out test: the read must
    // end when the last byte is there, long before the time-out.
    port.SetReadTimeout(2000ms);
    std::thread late([&] {
        std::this_thread::sleep_for(15ms);
        pty.Send({1, 2, 3});
        std::this_thread::sleep_for(10ms);
        pty.Send({4, 5, 6});
    });
    std::array<std::uint8_t, 6> buffer{};
    const auto start = Clock::now();
    const std::clock_t cpuStart = std::clock();
    EXPECT_EQ(port.Read(buffer), 6u);
    const auto waited = Clock::now() - start;
    const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    late.join();
    EXPECT_GE(waited, 20ms);
    EXPECT_LT(waited, 1000ms);
    EXPECT_FALSE(port.TimedOut());
    EXPECT_LT(cpu, 0.05); // waiting costs (next to) no processor time
}

TEST(CSerialPort, ZeroTimeOutWaitsForTheBytes) {
    Pty pty;
    CSerialPort port;
    ASSERT_TRUE(port.Open(pty.path()).ok());
    port.SetReadTimeout(0ms);
    std::thread late([&] {
        std::this_thread::sleep_for(120ms);
        pty.Send({7, 8});
    });
    std::array<std::uint8_t, 2> buffer{};
    const auto start = Clock::now();
    EXPECT_EQ(port.Read(buffer), 2u);
    EXPECT_GE(Clock::now() - start, 100ms);
    late.join();
}

TEST(CSerialPort, WritesReachTheOtherEnd) {
    Pty pty;
    CSerialPort port;
    ASSERT_TRUE(port.Open(pty.path()).ok());
    port.Configure(38400, 8, Parity::Odd, StopBits::Two);
    const std::vector<std::uint8_t> request = {0x02, 0x50, 0x61, 0x03, 0x0A, 0x0D, 0x00, 0xFF};
    EXPECT_EQ(port.Write(request), request.size());
    EXPECT_EQ(pty.Receive(request.size()), request); // raw: no translation of CR/LF
}

TEST(CSerialPort, AVanishedLineEndsTheReadAtOnce) {
    Pty pty;
    CSerialPort port;
    ASSERT_TRUE(port.Open(pty.path()).ok());
    port.SetReadTimeout(2000ms);
    pty.CloseSlave();
    pty.CloseMaster();
    std::array<std::uint8_t, 6> buffer{};
    const auto start = Clock::now();
    EXPECT_EQ(port.Read(buffer), 0u);
    EXPECT_LT(Clock::now() - start, 1000ms); // not the time-out
    EXPECT_EQ(port.Write(buffer), 0u);
    EXPECT_TRUE(port.Close());
}

TEST(CSerialPort, ClosedPortRefusesEverything) {
    CSerialPort port;
    std::array<std::uint8_t, 2> buffer{};
    EXPECT_EQ(port.Read(buffer), 0u);
    EXPECT_EQ(port.Write(buffer), 0u);
    EXPECT_FALSE(port.Configure(38400, 8, Parity::Odd, StopBits::Two));
    EXPECT_FALSE(port.SetDtr(true));
}

} // namespace
} // namespace tav
