#pragma once

#include "core/comm/TransferPlan.h"
#include "core/util/Result.h"

#include <filesystem>
#include <optional>
#include <string>

namespace tav::sim {

/// The memory and, for a data file, the identity that a simulated radio starts from.
struct SimImage {
    RadioImage memory{};
    bool fromDataFile = false;
    // From the data file's header (empty for a raw image).
    std::string modelId;
    std::string modelName;
    std::string firmware;
    int lowMHz = 0;
    int highMHz = 0;
    int rangeFlags = 0;
    int signalling = 0;
};

/// Loads a radio memory for the simulator: either a raw 8192-byte file, or a data file ("TAV",
/// 116-byte header, comment, extra and image sections), whose header also gives the identity.
/// Data files are read by the program's own reader (an image section shorter than the memory
/// leaves the rest 0xFF, as opening it would). Failures carry a sentence in the detail.
Outcome<SimImage> LoadSimImage(const std::filesystem::path& path);

/// Writes the memory as a raw 8192-byte file, through a temporary file so that a failure never
/// leaves a partial file behind.
Result WriteRawImage(const std::filesystem::path& path, const RadioImage& memory);

} // namespace tav::sim
