#pragma once

#include "core/data/BlockFields.h"
#include "core/data/FeatureData.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace tav {

class TextLookup;

/// What the miscellaneous-options editor shows.
struct MiscUi {
    std::string voxDelay;         ///< list 1408
    std::string voxGain;          ///< list 1406
    std::string tailRevert;       ///< list 1402
    std::string squelchLevel;     ///< list 1404
    std::string lowPowerAlertGap; ///< list 1414
    std::string batterySaveMode;  ///< list 1412
    int batterySave = 0;          ///< check box 1410
    int voxInhibit = 0;           ///< check box 1409
};

/// The miscellaneous block: 73 bytes laid over two pieces of the image, block bytes 0-35 at
/// 0x0091 and block bytes 36-72 at 0x00D9. Block bytes 41-72 (image 0x00DE-0x00FD) are shared
/// with the factory model data. The bytes are held in image order: the 16-bit values at block
/// bytes 23-24 and 47-48 are big-endian here as in the image. Every byte the editor does not
/// name is kept.
class MiscData : public FeatureData {
public:
    static constexpr std::size_t kSize = 73;
    static constexpr std::size_t kFirstPieceSize = 36;    ///< block bytes 0-35 at image 0x0091
    static constexpr std::size_t kSecondPieceOffset = 36; ///< block bytes 36-72 at image 0x00D9
    static constexpr std::size_t kSharedOffset = 41;      ///< block bytes 41-72, shared with the model data
    static constexpr std::size_t kSharedSize = 32;

    static constexpr std::size_t kVoxOffset = 5;
    static constexpr std::uint8_t kVoxGainMask = 0x07;
    static constexpr int kVoxInhibitBit = 3;
    static constexpr std::size_t kVoxDelayOffset = 6;
    static constexpr std::size_t kSquelchLevelOffset = 8;
    static constexpr std::size_t kUneditedWordOffset = 23; ///< 16-bit value without an editor
    static constexpr std::size_t kBatteryOffset = 36;
    static constexpr int kBatterySaveBit = 0;
    static constexpr int kTailRevertBit = 1;
    static constexpr std::size_t kLowPowerAlertGapOffset = 37;
    static constexpr std::size_t kBatterySaveModeOffset = 40;
    static constexpr std::uint8_t kBatterySaveModeMask = 0x07;

    static constexpr int kTemplateId = 1400;
    static constexpr int kTailRevertListId = 1402;
    static constexpr int kSquelchLevelListId = 1404;
    static constexpr int kVoxGainListId = 1406;
    static constexpr int kVoxDelayListId = 1408;
    static constexpr int kVoxInhibitCheckId = 1409;
    static constexpr int kBatterySaveCheckId = 1410;
    static constexpr int kBatterySaveModeListId = 1412;
    static constexpr int kLowPowerAlertGapListId = 1414;

    static constexpr std::uint8_t kDefaultVoxGain = 3;
    static constexpr std::uint8_t kDefaultVoxDelay = 5;
    static constexpr std::uint8_t kDefaultSquelchLevel = 5;
    static constexpr std::uint8_t kDefaultTailRevert = 1;
    static constexpr std::uint8_t kDefaultLowPowerAlertGap = 10;
    static constexpr std::uint8_t kDefaultBatterySaveMode = 1;

    MiscData();

    void SetDefaults(const DataContext& context) override;
    void LoadFromImage(const Image& image) override;
    void StoreToImage(Image& image) const override;

    /// The fields the editor shows, the compare and the report name, in the compare's order.
    static const BlockFieldTable<MiscUi>& EditorFields();
    /// The label of a drop-down: the number before the drop-down's.
    static constexpr int LabelOf(int listId) { return listId - 1; }

    void LoadUi(MiscUi& ui, const TextLookup& texts) const;
    void StoreUi(const MiscUi& ui, const TextLookup& texts);

    /// Block bytes 41-72, which the factory model data edits as image 0x00DE-0x00FD.
    std::span<std::uint8_t> SharedBytes() { return Bytes().subspan(kSharedOffset, kSharedSize); }
    std::span<const std::uint8_t> SharedBytes() const { return Bytes().subspan(kSharedOffset, kSharedSize); }
};

/// The battery save mode list can be used only while battery save is on.
inline bool IsBatterySaveModeEnabled(const MiscUi& ui) {
    return ui.batterySave != 0;
}

} // namespace tav
