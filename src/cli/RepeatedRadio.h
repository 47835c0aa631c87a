#pragma once

#include "core/comm/PortTable.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tav::cli {

/// Finds a radio named twice among the --port and --device options: the same port number, the
/// same path, or two names of one device (a port of the table and its device path, a symbolic
/// link, "/dev/../dev/ttyUSB0"). Written twice in a run, such a radio would also be counted twice.
class RepeatedRadio {
public:
    explicit RepeatedRadio(const PortTable& ports) : ports_(ports) {}

    /// The second naming of a radio already named, as given ("--device /dev/radio"); nothing
    /// when every option names a radio of its own. `radios` are (option, value) in order.
    std::optional<std::string> Find(const std::vector<std::pair<std::string, std::string>>& radios) const;

    /// Whether two device paths reach the same device: equal, the same file once links and dots
    /// are resolved, or (when both exist) the same device by the file system's identity.
    static bool SameDevice(const std::string& a, const std::string& b);

private:
    /// The device path an option stands for; a port number stands for its path in the table.
    std::string DeviceOf(const std::pair<std::string, std::string>& radio) const;

    const PortTable& ports_;
};

} // namespace tav::cli
