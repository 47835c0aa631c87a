#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace tav {

/// What a data file holds that neither its image nor its data context keeps: the range flags as
/// its header has them (an open takes the model's own) and its comment.
struct DataFileExtras {
    std::uint8_t rangeFlags = 0;
    std::string comment;

    /// The range flags and comment of a data file; a file without a readable header or comment
    /// gives 0 and an empty comment for the part it lacks.
    static DataFileExtras Read(const std::filesystem::path& path);
};

} // namespace tav
