#pragma once

#include "core/data/BlockFields.h"
#include "core/data/FeatureData.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace tav {

/// The tuning values as the compare reads them: one per value of the tuning block, in the order of
/// TuningValueSlots().
struct TuneUi {
    std::vector<int> values;
};

/// The tuning block: the radio's calibration values, one 16-bit value per tuning point, most
/// significant byte first, at the offsets of the tuning point table.
class TuneData : public FeatureData {
public:
    static constexpr std::size_t kSize = 532;
    static constexpr std::size_t kWriteBlockSize =
        32; ///< Write Tune Data sends 16 such blocks and then 20 bytes

    TuneData();

    /// One field per value of the tuning block, in the order of TuningValueSlots().
    static const BlockFieldTable<TuneUi>& EditorFields();
    /// The field holding a tuning point's value; nullptr for a code not in the table.
    static const BlockField<TuneUi>* FieldOfPoint(std::uint16_t pointCode);

    void LoadUi(TuneUi& ui) const;

    /// No tuning values are known before a radio was read: the block stays erased (0xFF).
    void SetDefaults(const DataContext& context) override;
    void LoadFromImage(const Image& image) override;
    void StoreToImage(Image& image) const override;

    /// The value of a tuning point; nothing for a code that is not in the tuning point table.
    std::optional<std::uint16_t> Value(std::uint16_t pointCode) const;
    /// Stores a tuning point's value; a code not in the table changes nothing and gives false.
    bool SetValue(std::uint16_t pointCode, std::uint16_t value);
};

} // namespace tav
