#pragma once

#include "core/data/DataFileHeader.h"

#include <filesystem>
#include <string>

namespace tav {

/// What the information panel of the data-file dialog shows about a file: the radio model, the
/// frequency range and the firmware version from the header, and the file's comment.
struct DataFileInfo {
    std::string modelName; ///< header text, trailing blanks removed
    std::string rangeText; ///< "%d - %dMHz"
    std::string firmware;  ///< first 7 characters, trailing blanks removed
    std::string comment;

    bool operator==(const DataFileInfo&) const = default;
};

/// The panel's fields for a header (the comment stays empty).
DataFileInfo DescribeHeader(const DataFileHeader& header);

/// The panel's fields for a file; all empty when the file is no data file (its header cannot be
/// read), the comment empty when the file has none.
DataFileInfo DescribeDataFile(const std::filesystem::path& path);

} // namespace tav
