#include "core/platform/SystemFolders.h"

#include <cstdlib>
#include <unistd.h>

namespace tav::SystemFolders {

std::filesystem::path ExecutableFile() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : exe;
}

std::filesystem::path UserConfigDir() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
        return std::filesystem::path(xdg) / "tav-programmer";
    }
    if (const char* home = std::getenv("HOME"); home && *home) {
        return std::filesystem::path(home) / ".config" / "tav-programmer";
    }
    return std::filesystem::temp_directory_path() / "tav-programmer";
}

std::filesystem::path UserDataDir() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
        return std::filesystem::path(xdg) / "tav-programmer";
    }
    if (const char* home = std::getenv("HOME"); home && *home) {
        return std::filesystem::path(home) / ".local" / "share" / "tav-programmer";
    }
    return std::filesystem::temp_directory_path() / "tav-programmer";
}

bool IsWritableDir(const std::filesystem::path& dir) {
    std::error_code ec;
    return std::filesystem::is_directory(dir, ec) && ::access(dir.c_str(), W_OK) == 0;
}

} // namespace tav::SystemFolders
