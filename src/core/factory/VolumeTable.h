#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace tav {

/// The wide- and narrow-channel volumes of `volume.ini` (section "Setting"): keys "vwide" and
/// "vnarrow" for models whose U/V band flag is set, "uwide" and "unarrow" for the others. A
/// missing key (or a missing file) gives 255; a value outside 0-255 is clamped into the byte.
class VolumeTable {
public:
    static constexpr std::uint8_t kMissing = 255;
    static constexpr const char* kFileName = "volume.ini";

    VolumeTable() = default;

    /// Reads the table from the text of a volume file.
    static VolumeTable FromText(std::string_view text);
    /// Reads the table from a file; a file that cannot be read gives the missing-key values.
    static VolumeTable Load(const std::filesystem::path& file);

    std::uint8_t Wide(bool uvBand) const { return uvBand ? vWide_ : uWide_; }
    std::uint8_t Narrow(bool uvBand) const { return uvBand ? vNarrow_ : uNarrow_; }

private:
    std::uint8_t vWide_ = kMissing;
    std::uint8_t vNarrow_ = kMissing;
    std::uint8_t uWide_ = kMissing;
    std::uint8_t uNarrow_ = kMissing;
};

} // namespace tav
