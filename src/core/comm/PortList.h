#pragma once

#include "core/comm/PortTable.h"
#include "core/comm/SerialPort.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

/// Tries whether a device can be opened for the radio link now.
class PortProbe {
public:
    virtual ~PortProbe() = default;
    /// PortError::None when the device could be opened exclusively (and was closed again).
    virtual PortError Probe(const std::string& device) = 0;
};

/// Opens the device as the link would (CSerialPort) and closes it at once.
class SerialPortProbe : public PortProbe {
public:
    PortError Probe(const std::string& device) override;
};

/// The adapter a serial device belongs to, from the stable names the system gives USB serial
/// adapters (the links in /dev/serial/by-id): "usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0"
/// becomes "FTDI FT232R USB UART (A50285BI)". Empty when no link leads to the device.
std::string DescribeSerialDevice(const std::filesystem::path& device,
                                 const std::filesystem::path& byIdDir = "/dev/serial/by-id");

/// The readable part of a /dev/serial/by-id name (see DescribeSerialDevice).
std::string TidySerialIdName(std::string_view name);

/// One row of the Communication Port dialog.
struct PortEntry {
    int number = 0;          ///< 1 to 16
    std::string device;      ///< the device path of the table
    std::string description; ///< the adapter, when known
    PortError state = PortError::None;
};

/// Every port of the table with its adapter and whether it can be opened now.
std::vector<PortEntry> ListPorts(const PortTable& table, PortProbe& probe,
                                 const std::filesystem::path& byIdDir = "/dev/serial/by-id");

} // namespace tav
