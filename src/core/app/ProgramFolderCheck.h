#pragma once

#include "core/app/ProgramHome.h"
#include "core/util/Result.h"

#include <filesystem>

namespace tav {

/// Message text "The program folder cannot be used." (the detail names the folder or file and why).
inline constexpr int kMsgProgramFolderUnusable = 9460;

/// Whether the program folder and its language file can be used at all: the folder exists, and
/// the language file is a readable regular file, not empty, not larger than a profile file may be,
/// text rather than binary, and holds the "Setting" section with the texts. Every failure names
/// the folder or file, so it reads well even though no language text can be looked up.
Result CheckProgramFolder(const ProgramHome& home, const std::filesystem::path& languageFile);

} // namespace tav
