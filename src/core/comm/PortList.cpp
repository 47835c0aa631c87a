#include "core/comm/PortList.h"

#include "core/comm/CSerialPort.h"

#include <cctype>

namespace tav {
namespace {

/// The last '_'-separated piece of the adapter part when it looks like a serial number.
bool LooksLikeSerial(std::string_view piece) {
    if (piece.size() < 4) {
        return false;
    }
    bool digit = false;
    for (const char c : piece) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            return false;
        }
        digit = digit || std::isdigit(static_cast<unsigned char>(c));
    }
    return digit;
}

} // namespace

PortError SerialPortProbe::Probe(const std::string& device) {
    CSerialPort port;
    const Result opened = port.Open(device);
    port.Close();
    return PortErrorOf(opened);
}

std::string TidySerialIdName(std::string_view name) {
    // "<bus>-<vendor_product_serial>-if<nn>[-port<n>]"
    for (const std::string_view bus : {"usb-", "pci-", "platform-"}) {
        if (name.substr(0, bus.size()) == bus) {
            name.remove_prefix(bus.size());
            break;
        }
    }
    if (const std::size_t port = name.rfind("-port"); port != std::string_view::npos) {
        name = name.substr(0, port);
    }
    if (const std::size_t iface = name.rfind("-if"); iface != std::string_view::npos) {
        name = name.substr(0, iface);
    }
    std::string serial;
    if (const std::size_t last = name.rfind('_'); last != std::string_view::npos) {
        const std::string_view piece = name.substr(last + 1);
        if (LooksLikeSerial(piece)) {
            serial = std::string(piece);
            name = name.substr(0, last);
        }
    }
    std::string text(name);
    for (char& c : text) {
        if (c == '_') {
            c = ' ';
        }
    }
    if (!serial.empty()) {
        text += " (" + serial + ")";
    }
    return text;
}

std::string DescribeSerialDevice(const std::filesystem::path& device, const std::filesystem::path& byIdDir) {
    std::error_code error;
    const std::filesystem::path target = std::filesystem::canonical(device, error);
    if (error) {
        return {};
    }
    // A table entry may itself be a by-id name.
    if (device.parent_path() == byIdDir) {
        return TidySerialIdName(device.filename().string());
    }
    for (std::filesystem::directory_iterator it(byIdDir, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code linkError;
        if (std::filesystem::canonical(it->path(), linkError) == target && !linkError) {
            return TidySerialIdName(it->path().filename().string());
        }
    }
    return {};
}

std::vector<PortEntry> ListPorts(const PortTable& table, PortProbe& probe,
                                 const std::filesystem::path& byIdDir) {
    std::vector<PortEntry> entries;
    for (int number = PortTable::kFirstPort; number <= PortTable::kLastPort; ++number) {
        PortEntry entry;
        entry.number = number;
        entry.device = table.DevicePath(number);
        entry.state = entry.device.empty() ? PortError::NotPresent : probe.Probe(entry.device);
        if (entry.state != PortError::NotPresent) {
            entry.description = DescribeSerialDevice(entry.device, byIdDir);
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace tav
