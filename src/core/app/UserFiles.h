#pragma once

#include "core/app/ProgramHome.h"

#include <filesystem>
#include <optional>
#include <string>

namespace tav {

/// The user's copy of a file the program updates (`Settings.ini`, `Model.dat`). When the user
/// folder is not the program folder and holds no copy yet, the shipped file is copied there first,
/// so that an update keeps everything the shipped file holds. Nothing when that copy fails.
std::optional<std::filesystem::path> PrepareUserFile(const ProgramHome& home, const std::string& name);

} // namespace tav
