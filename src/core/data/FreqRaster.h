#pragma once

#include <cstdint>

namespace tav {

/// The 4-bit code that tells on which channel raster a frequency lies (channel records, test
/// frequencies, channel defaults).
enum class StepCode : std::uint8_t {
    Raster5k = 2,
    Raster6_25k = 3,
    /// 12.5 kHz; also given to a frequency on no raster after it was rounded down to 12.5 kHz.
    Raster12_5k = 6,
    Raster10k = 7,
    /// No frequency (empty field).
    None = 15,
};

/// The step code and the count to keep: a count on no raster is rounded down.
struct StepClass {
    StepCode code;
    std::uint32_t count;

    bool operator==(const StepClass&) const = default;
};

/// Rasters tested in this order: 12.5 kHz, 10 kHz, 6.25 kHz, 5 kHz; a count on none of them is
/// rounded down to 12.5 kHz. So a frequency on both the 12.5 and the 5 kHz raster gets 12.5 kHz.
StepClass ClassifyStep(std::uint32_t count);

/// The grid frequency cell's own code set, one character each.
enum class GridStepCode : unsigned char {
    Raster5k = '1',
    Raster6_25k = '2',
    /// On no raster; rounded down to 2.5 kHz.
    OffRaster = '3',
    Raster12_5k = '5',
    Raster10k = '6',
    /// The cell was left empty.
    Empty = 0xFF,
};

struct GridStepClass {
    GridStepCode code;
    std::uint32_t count;

    bool operator==(const GridStepClass&) const = default;
};

/// As ClassifyStep, but a count on no raster is rounded down to 2.5 kHz instead.
GridStepClass ClassifyStepGrid(std::uint32_t count);

} // namespace tav
