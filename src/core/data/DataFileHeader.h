#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tav {

/// The 116-byte header of a data file: who the data belongs to and which program wrote it.
/// All integers are little-endian.
struct DataFileHeader {
    static constexpr std::size_t kSize = 116;
    static constexpr std::uint32_t kTag = 0x10104858; ///< bytes 'X' 'H' 0x10 0x10

    // Byte offsets within the header.
    static constexpr std::size_t kTagOffset = 0;
    static constexpr std::size_t kLengthOffset = 4;
    static constexpr std::size_t kModelIdOffset = 12;
    static constexpr std::size_t kModelNameOffset = 28;
    static constexpr std::size_t kTextFieldSize = 16;
    static constexpr std::size_t kLowMHzOffset = 44;
    static constexpr std::size_t kHighMHzOffset = 46;
    static constexpr std::size_t kFirmwareOffset = 52;
    static constexpr std::size_t kDataVersionOffset = 68;
    static constexpr std::size_t kRangeFlagsOffset = 84;
    static constexpr std::size_t kSignalTypeOffset = 85;

    /// The data version this program writes.
    static constexpr const char* kDataVersion = "1.04.01";

    std::string modelId;
    std::string modelName;
    std::uint16_t lowMHz = 0;
    std::uint16_t highMHz = 0;
    std::string firmware;
    std::string dataVersion = kDataVersion;
    std::uint8_t rangeFlags = 0;
    std::uint8_t signalType = 0;

    using Bytes = std::array<std::uint8_t, kSize>;

    /// The header as written to a file (reserved bytes 0; text fields cut to 16 characters,
    /// NUL-terminated when shorter).
    Bytes ToBytes() const;
    /// Reads the fields of a header; text fields end at their first NUL or after 16 characters.
    static DataFileHeader FromBytes(const Bytes& bytes);
    /// Whether the bytes start with the header tag.
    static bool HasTag(const Bytes& bytes);

    /// "%d-%d" of the two limits.
    std::string RangeText() const;
};

/// The first 4 characters of a firmware version compared byte by byte with those of `reference`
/// (missing characters count as NUL): -1, 0 or +1.
int CompareFirmwarePrefix(const std::string& firmware, const std::string& reference);

} // namespace tav
