#include "core/comm/PortTable.h"

#include "core/platform/PrivateProfile.h"

#include <cctype>

namespace tav {
namespace {

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

} // namespace

PortTable::PortTable() {
    for (int port = kFirstPort; port <= kLastPort; ++port) {
        paths_[static_cast<std::size_t>(port - kFirstPort)] = DefaultDevicePath(port);
    }
}

PortTable PortTable::Load(const SettingsLookup& lookup) {
    PortTable table;
    if (!lookup) {
        return table;
    }
    for (int port = kFirstPort; port <= kLastPort; ++port) {
        const std::string value = Trim(lookup(kSection, "Port" + std::to_string(port), std::string()));
        if (!value.empty()) {
            table.SetDevicePath(port, value);
        }
    }
    return table;
}

PortTable PortTable::LoadFromSettings(const std::filesystem::path& settingsFile) {
    // A device path is a line of its own in the file; PATH_MAX bounds what is worth reading.
    constexpr std::size_t kPathBytes = 4096;
    return Load([&](const std::string& section, const std::string& key, const std::string& fallback) {
        return PrivateProfile::ReadString(settingsFile, section, key, fallback, kPathBytes);
    });
}

std::string PortTable::DevicePath(int port) const {
    if (port < kFirstPort || port > kLastPort) {
        return {};
    }
    return paths_[static_cast<std::size_t>(port - kFirstPort)];
}

void PortTable::SetDevicePath(int port, const std::string& path) {
    if (port >= kFirstPort && port <= kLastPort) {
        paths_[static_cast<std::size_t>(port - kFirstPort)] = path;
    }
}

std::optional<int> PortTable::ParsePortNumber(const std::string& text) {
    std::string digits = Trim(text);
    if (digits.size() > 3 && (digits[0] == 'C' || digits[0] == 'c') &&
        (digits[1] == 'O' || digits[1] == 'o') && (digits[2] == 'M' || digits[2] == 'm')) {
        digits = digits.substr(3);
    }
    if (digits.empty() || digits.size() > 2) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : digits) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    if (value < kFirstPort || value > kLastPort) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> PortTable::Resolve(const std::string& text) const {
    if (text.find_first_of("/\\") != std::string::npos) {
        return text;
    }
    if (const auto port = ParsePortNumber(text)) {
        return DevicePath(*port);
    }
    return std::nullopt;
}

} // namespace tav
