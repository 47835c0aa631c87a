#pragma once

#include "core/data/Image.h"
#include "core/util/Result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tav {

class CDataContainer;

/// The unit identity one radio of a fleet gets on top of the common data: its ATIS code and its
/// PTT-ID primary ID. A value not given is left as the data has it.
struct FleetIdentity {
    /// The next radio's value would leave its field's range (ATIS beyond 12 digits, PTT-ID past
    /// DEEE); the detail names the last value there is.
    static constexpr int kOutOfRangeMessage = 9760;
    /// "The first ATIS code must be 1 to 12 decimal digits"; "...PTT-ID must be 1 to 4 hex digits".
    static constexpr int kBadAtisMessage = 9761;
    static constexpr int kBadPttIdMessage = 9762;

    std::optional<std::string> atis; ///< 12 decimal digits
    std::optional<std::uint16_t> pttId;

    bool Empty() const { return !atis && !pttId; }
    /// A primary ID as it is typed and shown: "%04X".
    static std::string PttIdText(std::uint16_t id);
    /// "ATIS 000000000101 PTT-ID 0012", the values given; empty when none.
    std::string Text() const;
    /// The identity of the radio after this one, by each field's own rules; 9760 naming the field
    /// when a value would leave its range.
    Outcome<FleetIdentity> Next() const;
    /// The identity `count` radios further on (0: this one).
    Outcome<FleetIdentity> Advanced(unsigned count) const;

    /// The image of one radio: `common` with this identity stored by the data objects of a
    /// container like `like` (the PTT-ID goes into its block and the first personality alike).
    Image AppliedTo(const CDataContainer& like, const Image& common) const;

    bool operator==(const FleetIdentity&) const = default;
};

/// The first ATIS code as typed: 1 to 12 decimal digits, given back left-padded to 12; 9761
/// otherwise.
Outcome<std::string> ParseAtisStart(std::string_view text);
/// The first PTT-ID as typed: 1 to 4 hexadecimal digits whose value the radio can send (every
/// digit below F, the first below E, not 0); 9762 otherwise.
Outcome<std::uint16_t> ParsePttIdStart(std::string_view text);

} // namespace tav
