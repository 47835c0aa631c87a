#pragma once

#include "core/util/RangeText.h"
#include "core/util/Result.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tav {

/// Reference version that the program sends when it identifies a radio; firmware newer than
/// its first four characters ("1.04") is refused.
inline constexpr std::string_view kProgramVersion = "1.04.01";

/// What a radio says about itself (ReadInfo items 3, 5, 7 and 8).
struct RadioIdentity {
    std::string modelId;                ///< item 8, bytes 16-31
    std::string modelName;              ///< item 3
    std::string firmware;               ///< item 8, bytes 0-15, for example "1.04.01"
    int signalling = 0;                 ///< item 7
    std::array<std::uint8_t, 9> band{}; ///< item 5 as received: flag, lower and upper limit
    int versionComparison = 0;          ///< -1, 0 or +1: the firmware against the reference version
};

/// A radio's frequency band, decoded from the item-5 bytes.
struct FrequencyBand {
    int lowMHz = 0;        ///< 0 when the radio gives no lower limit
    int highMHz = 0;       ///< 0 when the radio gives no upper limit
    std::uint8_t flag = 0; ///< band flag byte
    std::string lowText;   ///< "%.5f" in MHz, empty when no limit is given
    std::string highText;
    /// Both limits given in decimal digits, the lower below the upper: a band a model list may hold.
    bool valid = false;

    /// "%d-%d" of the two limits.
    std::string RangeText() const;
};

/// Decodes the band bytes: each limit is 8 BCD digits of 10 Hz, most significant byte first;
/// FF FF FF FF means no limit. A limit whose digits are not decimal is treated as no limit.
FrequencyBand DecodeBand(std::span<const std::uint8_t, 9> bytes);

/// The two limits of the band bytes in hex, "40 00 00 00-47 00 00 00", for a message.
std::string BandBytesText(std::span<const std::uint8_t, 9> bytes);

/// Byte-wise unsigned comparison of the first four characters of a firmware version with those
/// of the reference (shorter texts compare as if padded with zero bytes): -1, 0 or +1.
int CompareVersion(std::string_view firmware, std::string_view reference = kProgramVersion);

/// Language text of the note shown before a write, chosen by the firmware version: the number at
/// offset 2 (two characters) even gives 1180; odd, the number at offset 5 gives 1181 when it is 5
/// or more and 1182 below.
int FirmwareNoteMessage(std::string_view firmware);

/// Text from a NUL-padded ASCII field: the bytes before the first NUL.
std::string FieldText(std::span<const std::uint8_t> bytes);

/// A radio's serial number as text: up to the first NUL or erased (0xFF) byte, anything else that
/// is not printable ASCII shown as '?'.
std::string SerialNumberText(std::span<const std::uint8_t> bytes);

/// Direction of a transfer; also selects the identity rules.
enum class TransferDirection { Read, Write };

/// What a radio must satisfy to be used.
struct IdentityRules {
    /// Write: the radio's model identifier must equal the current data's identifier.
    std::string currentModelId;
    /// Read: the model identifiers that the language file accepts (S03 texts 450 and 460); a
    /// radio of any of them may be read.
    std::vector<std::string> acceptedModelIds;
};

/// The verdict on a radio's identity: its decoded band when it may be used; otherwise language
/// text 1172 (model refused; the detail is the radio's model identifier) or 1140 (firmware newer
/// than the program; the detail is the radio's firmware).
Outcome<FrequencyBand> CheckRadioIdentity(TransferDirection direction, const RadioIdentity& radio,
                                          const IdentityRules& rules);

/// The identity of the data in memory, as the program keeps it beside the image.
struct DataIdentity {
    std::string modelId;
    std::string modelName;
    int signalling = 0;
    std::string firmware;
    std::string rangeText;         ///< "%d-%d" in MHz
    std::string previousRangeText; ///< the range before the last read
};

/// Makes the radio's identity the current one, as a read (and a factory connection) does once
/// the radio passed its check. A read also remembers the range it replaces.
void TakeOverRadioIdentity(DataIdentity& current, const RadioIdentity& radio, const FrequencyBand& band,
                           bool rememberPreviousRange);

} // namespace tav
