#pragma once

#include <filesystem>

// Where the system keeps the running program and the user's settings.
namespace tav::SystemFolders {

/// The running program's own file; empty when the system cannot tell.
std::filesystem::path ExecutableFile();

/// The folder for this program's per-user files: $XDG_CONFIG_HOME/tav-programmer or
/// ~/.config/tav-programmer on Linux, %APPDATA%\TAV Programmer on Windows.
std::filesystem::path UserConfigDir();

/// The folder for data this program keeps for the user (the radio history): $XDG_DATA_HOME/
/// tav-programmer or ~/.local/share/tav-programmer on Linux, %LOCALAPPDATA%\TAV Programmer on
/// Windows. It need not exist yet.
std::filesystem::path UserDataDir();

/// A folder that exists and in which the user may create files.
bool IsWritableDir(const std::filesystem::path& dir);

} // namespace tav::SystemFolders
