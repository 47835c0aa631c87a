#include "core/comm/PortTable.h"

#include <gtest/gtest.h>
#include <map>

namespace tav {
namespace {

TEST(PortTable, DefaultsPutUsbAdaptersFirst) {
    const PortTable table;
#ifdef _WIN32
    EXPECT_EQ(table.DevicePath(1), "\\\\.\\COM1");
    EXPECT_EQ(table.DevicePath(16), "\\\\.\\COM16");
    GTEST_SKIP() << "Windows numbers its ports itself";
#endif
    EXPECT_EQ(table.DevicePath(1), "/dev/ttyUSB0");
    EXPECT_EQ(table.DevicePath(4), "/dev/ttyUSB3");
    EXPECT_EQ(table.DevicePath(5), "/dev/ttyACM0");
    EXPECT_EQ(table.DevicePath(9), "/dev/ttyS0");
    EXPECT_EQ(table.DevicePath(16), "/dev/ttyS7");
    EXPECT_EQ(table.DevicePath(0), "");
    EXPECT_EQ(table.DevicePath(17), "");
}

TEST(PortTable, SettingsReplaceEntries) {
    const std::map<std::string, std::string> ini = {
        {"Port1", "/dev/serial/by-id/usb-cable"}, {"Port12", "  /dev/ttyAMA0  "}, {"Port3", "   "}};
    const PortTable table =
        PortTable::Load([&](const std::string& section, const std::string& key, const std::string& fallback) {
            EXPECT_EQ(section, "Ports");
            const auto it = ini.find(key);
            return it == ini.end() ? fallback : it->second;
        });
    EXPECT_EQ(table.DevicePath(1), "/dev/serial/by-id/usb-cable");
    EXPECT_EQ(table.DevicePath(12), "/dev/ttyAMA0");
    EXPECT_EQ(table.DevicePath(3), PortTable::DefaultDevicePath(3)); // blank keeps the default
    EXPECT_EQ(PortTable::Load({}).DevicePath(2), PortTable::DefaultDevicePath(2));
}

TEST(PortTable, ResolvesNumbersNamesAndPaths) {
    const PortTable table;
    EXPECT_EQ(table.Resolve("10"), PortTable::DefaultDevicePath(10));
    EXPECT_EQ(table.Resolve("COM2"), PortTable::DefaultDevicePath(2));
    EXPECT_EQ(table.Resolve("com16"), PortTable::DefaultDevicePath(16));
    EXPECT_EQ(table.Resolve("/dev/pts/7"), "/dev/pts/7");
    EXPECT_FALSE(table.Resolve("0"));
    EXPECT_FALSE(table.Resolve("17"));
    EXPECT_FALSE(table.Resolve("COM"));
    EXPECT_FALSE(table.Resolve("ttyUSB0"));
    EXPECT_FALSE(table.Resolve("1x"));
}

} // namespace
} // namespace tav
