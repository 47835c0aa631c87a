#include "cli/RepeatedRadio.h"

#include <filesystem>
#include <system_error>

namespace tav::cli {

namespace fs = std::filesystem;

std::string RepeatedRadio::DeviceOf(const std::pair<std::string, std::string>& radio) const {
    if (radio.first == "--port") {
        if (const auto port = PortTable::ParsePortNumber(radio.second)) {
            return ports_.DevicePath(*port);
        }
    }
    return radio.second;
}

namespace {

/// A path with links and dots resolved as far as the file system has it, without a trailing
/// separator ("/dev/x/." and "/dev/x" are one path).
fs::path Resolved(const std::string& path) {
    std::error_code error;
    fs::path resolved = fs::weakly_canonical(path, error);
    if (error) {
        resolved = fs::path(path).lexically_normal();
    }
    if (!resolved.has_filename() && resolved.has_relative_path()) {
        resolved = resolved.parent_path();
    }
    return resolved;
}

} // namespace

bool RepeatedRadio::SameDevice(const std::string& a, const std::string& b) {
    if (a == b) {
        return true;
    }
    std::error_code error;
    if (fs::equivalent(a, b, error) && !error) {
        return true;
    }
    // Devices not there (yet): compare the paths.
    return Resolved(a) == Resolved(b);
}

std::optional<std::string>
RepeatedRadio::Find(const std::vector<std::pair<std::string, std::string>>& radios) const {
    for (std::size_t i = 1; i < radios.size(); ++i) {
        const std::string device = DeviceOf(radios[i]);
        for (std::size_t k = 0; k < i; ++k) {
            const bool samePort =
                radios[i].first == "--port" && radios[k].first == "--port" &&
                PortTable::ParsePortNumber(radios[i].second) == PortTable::ParsePortNumber(radios[k].second);
            if (samePort || SameDevice(device, DeviceOf(radios[k]))) {
                return radios[i].first + " " + radios[i].second;
            }
        }
    }
    return std::nullopt;
}

} // namespace tav::cli
