#include "core/comm/PortList.h"

#include "core/app/CSettings.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>
#include <map>

namespace tav {
namespace {

namespace fs = std::filesystem;

class ScriptedProbe : public PortProbe {
public:
    std::map<std::string, PortError> states;
    std::vector<std::string> probed;
    PortError Probe(const std::string& device) override {
        probed.push_back(device);
        const auto it = states.find(device);
        return it == states.end() ? PortError::NotPresent : it->second;
    }
};

TEST(PortList, StableNamesBecomeAdapterDescriptions) {
    EXPECT_EQ(TidySerialIdName("usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"),
              "FTDI FT232R USB UART (A50285BI)");
    EXPECT_EQ(TidySerialIdName("usb-1a86_USB_Serial-if00-port0"), "1a86 USB Serial");
    EXPECT_EQ(TidySerialIdName("usb-Prolific_Technology_Inc._USB-Serial_Controller_D-if00-port0"),
              "Prolific Technology Inc. USB-Serial Controller D");
    EXPECT_EQ(TidySerialIdName("plain"), "plain");
}

TEST(PortList, DescribesDevicesThroughTheirStableLinks) {
#ifdef _WIN32
    GTEST_SKIP() << "stable device links are a Linux feature";
#endif
    test::TempDir dir;
    fs::create_directories(dir / "by-id");
    test::WriteText(dir / "ttyUSB0", "");
    test::WriteText(dir / "ttyUSB1", "");
    fs::create_symlink(dir / "ttyUSB0",
                       dir / "by-id" / "usb-Silicon_Labs_CP2102_USB_to_UART_0001-if00-port0");
    EXPECT_EQ(DescribeSerialDevice(dir / "ttyUSB0", dir / "by-id"), "Silicon Labs CP2102 USB to UART (0001)");
    EXPECT_EQ(DescribeSerialDevice(dir / "ttyUSB1", dir / "by-id"), "");
    EXPECT_EQ(DescribeSerialDevice(dir / "missing", dir / "by-id"), "");
    EXPECT_EQ(DescribeSerialDevice(dir / "ttyUSB0", dir / "no-such-dir"), "");
}

TEST(PortList, ListsEveryPortWithItsState) {
    test::TempDir dir;
    PortTable table;
    table.SetDevicePath(2, (dir / "busy").string());
    table.SetDevicePath(3, (dir / "free").string());
    ScriptedProbe probe;
    probe.states[(dir / "busy").string()] = PortError::Busy;
    probe.states[(dir / "free").string()] = PortError::None;
    const auto entries = ListPorts(table, probe, dir / "by-id");
    ASSERT_EQ(entries.size(), 16u);
    EXPECT_EQ(entries[0].number, 1);
    EXPECT_EQ(entries[0].device, PortTable::DefaultDevicePath(1));
    EXPECT_EQ(entries[0].state, PortError::NotPresent);
    EXPECT_EQ(entries[1].state, PortError::Busy);
    EXPECT_EQ(entries[2].state, PortError::None);
    EXPECT_EQ(entries[15].device, PortTable::DefaultDevicePath(16));
    EXPECT_EQ(probe.probed.size(), 16u);
}

TEST(PortList, SettingsReplaceTableEntries) {
    test::TempDir dir;
    test::WriteText(dir / "Settings.ini", "[Ports]\nPort2= /dev/serial/by-id/usb-cable \nPort3=\n");
    CSettings settings{ProgramHome(dir.path())};
    settings.CancelExitWrite();
    const PortTable table = PortTable::LoadFromSettings(settings.SettingsFile());
    EXPECT_EQ(table.DevicePath(2), "/dev/serial/by-id/usb-cable");
    EXPECT_EQ(table.DevicePath(3), PortTable::DefaultDevicePath(3));
}

TEST(PortList, ProbeOpensRealDevicesOnly) {
    test::TempDir dir;
    test::WriteText(dir / "file", "");
    SerialPortProbe probe;
    EXPECT_EQ(probe.Probe((dir / "missing").string()), PortError::NotPresent);
    EXPECT_EQ(probe.Probe((dir / "file").string()), PortError::NotSerial);
}

} // namespace
} // namespace tav
