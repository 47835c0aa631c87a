#pragma once

#include <cstdint>
#include <string>

namespace tav {

class TextLookup;
class ProblemList;
class RecordDirectory;

/// What the data objects need to know of the document around them when they make defaults or
/// convert to and from the editors' transfer structures.
struct DataContext {
    const TextLookup* texts = nullptr; ///< language lists and texts
    std::uint16_t rangeLowMHz = 136;   ///< lower edge of the current frequency range
    std::uint16_t rangeHighMHz = 174;  ///< upper edge of the current frequency range
    std::uint8_t rangeFlags = 0x80;    ///< flags byte of the current frequency range
    int signalType = 0;                ///< signalling type of the current data
    std::string modelName;             ///< name of the current model, as the user sees it
    std::string modelId;               ///< identifier of the current model
    std::string firmwareVersion;       ///< firmware version text of the current data ("1.04.01")
};

/// What a record needs for the reference check: the other lists, the problem list and the texts
/// of its entries.
struct ReferenceCheck {
    const RecordDirectory& directory;
    ProblemList& problems;
    const TextLookup& texts;
};

} // namespace tav
