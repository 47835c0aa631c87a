#pragma once

#include "core/lang/CLanguage.h"

#include <filesystem>
#include <string>

namespace tav::fuzz {

/// The shipped English language file, read once for the whole fuzzing process.
inline const CLanguage& EnglishLanguage() {
    static const CLanguage language(std::filesystem::path(TAV_RESOURCE_DIR) / "TAV_E.lng",
                                    [] { return std::string("TAV-V300"); });
    return language;
}

} // namespace tav::fuzz
