#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace tav {

/// The device paths behind the port numbers 1 to 16.
///
/// On Linux the default puts USB serial adapters first, since a programming cable is nearly always
/// one: ports 1-4 are /dev/ttyUSB0-3, ports 5-8 /dev/ttyACM0-3 and ports 9-16 /dev/ttyS0-7. On
/// Windows port N is COMN (\\.\COMN). The user
/// may replace any entry in `Settings.ini`, section "Ports", keys "Port1" to "Port16" (a stable
/// name such as /dev/serial/by-id/... is a good choice there).
class PortTable {
public:
    static constexpr int kFirstPort = 1;
    static constexpr int kLastPort = 16;
    static constexpr const char* kSection = "Ports";

    /// Reads one settings value: (section, key, fallback) -> value or fallback.
    using SettingsLookup = std::function<std::string(const std::string& section, const std::string& key,
                                                     const std::string& fallback)>;

    /// The default table.
    PortTable();

    /// The default table with the user's entries from the settings applied (blank entries keep
    /// the default).
    static PortTable Load(const SettingsLookup& lookup);
    /// The table of a settings file (`Settings.ini`); a missing file gives the default table.
    static PortTable LoadFromSettings(const std::filesystem::path& settingsFile);

    /// The system's usual device for a port number 1-16.
    static std::string DefaultDevicePath(int port);

    /// The device path of a port number; empty for a number outside 1-16.
    std::string DevicePath(int port) const;
    void SetDevicePath(int port, const std::string& path);

    /// Interprets what a user typed to name a port: "3" or "COM3" is port 3 of the table, and
    /// anything containing a slash or backslash is a device path. nullopt when it is neither.
    std::optional<std::string> Resolve(const std::string& text) const;
    /// The port number for "3" or "COM3"; nullopt otherwise.
    static std::optional<int> ParsePortNumber(const std::string& text);

private:
    std::array<std::string, kLastPort> paths_;
};

} // namespace tav
