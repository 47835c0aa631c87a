#pragma once

#include "core/data/DataFileExtras.h"
#include "core/factory/ImageChangeLog.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tav {

class CDataContainer;
class TextLookup;

/// One difference between two documents, named as the user names it.
struct ConfigDifference {
    enum class Kind { Field, Added, Removed, Byte };
    Kind kind = Kind::Field;
    std::string subject; ///< "Channel 3", "Scan List 1", "Miscellaneous"
    std::string field;   ///< the editor's label of the field
    std::string before;  ///< value text in the first document
    std::string after;   ///< value text in the second document
    ImageChange byte;    ///< for Kind::Byte: a byte that no field explains
    /// Where the field is edited: the editor's view identifier (0 for a byte no field explains)
    /// and the 1-based record number in that editor (0 for an editor of a single block).
    int viewId = 0;
    std::size_t record = 0;

    /// "Channel 3 · RX Frequency (MHz): 400.32500 -> 400.25000", "Channel 5: added",
    /// "$E.0x1A3:0C->C8".
    std::string LineText() const;
};

/// Compares two documents field by field through their data objects (both loaded from their
/// images): single blocks field by field, record lists position by position with the records past
/// the shorter list named as added or removed. A named field explains only the bits it is stored
/// in; every other differing byte is named by the factory editor whose region holds it (model,
/// test frequency, embedded and tuning data) or listed by address.
class ConfigCompare {
public:
    /// Labels of the data file header's fields that no editor shows.
    static constexpr int kModelIdLabel = 1122;
    static constexpr int kRangeFlagsLabel = 1124;
    static constexpr int kCommentLabel = 1126;

    explicit ConfigCompare(const TextLookup& texts) : texts_(texts) {}

    /// The documents' data and the header fields their data context holds (model identifier,
    /// and through the radio information's rows model name, range, firmware and signalling).
    std::vector<ConfigDifference> Compare(const CDataContainer& a, const CDataContainer& b) const;

    /// What two data files hold beside their documents: one difference per field that differs.
    std::vector<ConfigDifference> CompareFileExtras(const DataFileExtras& a, const DataFileExtras& b) const;

private:
    const TextLookup& texts_;
};

} // namespace tav
