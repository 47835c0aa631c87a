#include "core/data/MiscData.h"

#include "core/data/FieldCodec.h"
#include "core/data/ImageMap.h"

#include <algorithm>

namespace tav {

static_assert(MiscData::kSize == ImageMap::kMiscSize);
static_assert(MiscData::kFirstPieceSize == ImageMap::kMiscFirstSize);
static_assert(MiscData::kSharedOffset == ImageMap::kMiscSharedOffset);
static_assert(MiscData::kSharedSize == ImageMap::kModelDataSharedSize);

namespace {

/// Bits of the block that no editor here names, preset by the defaults: the bits of `mask` in
/// block byte `offset` take those of `value`. From block byte 41 on they are the model data's.
struct PresetBits {
    std::size_t offset;
    std::uint8_t mask;
    std::uint8_t value;
};

/// Image 0x00E1: the model data's version options (build type, display, option flags).
constexpr std::size_t kModelVersionOptions = MiscData::kSharedOffset + 3;
/// Image 0x00E4-0x00E5: a 16-bit value of the model data without an editor.
constexpr std::size_t kModelKeptWord = MiscData::kSharedOffset + 6;

constexpr PresetBits kUnnamedPresets[] = {
    {0, 0xFF, 5},
    {1, 0x01, 0},
    {2, 0xFE, 0}, // bit 0 stays set
    {MiscData::kVoxOffset, 0x10, 0},
    {7, 0xFF, 0},
    {9, 0x07, 0},
    {10, 0xFF, 0},
    {11, 0x0F, 0},
    {20, 0xFF, 0},
    {25, 0xFF, 0x02},
    {39, 0xFF, 100},
    {41, 0xFF, 0xD1},
    {42, 0x03, 0x01},
    {43, 0x3F, 0x3C},
    {kModelVersionOptions, 0xFF, 0x84},
    {45, 0x0F, 0x0B},
    {46, 0x01, 0},
    {49, 0xFF, 0},
};

} // namespace

MiscData::MiscData() : FeatureData(kSize) {}

void MiscData::SetDefaults(const DataContext&) {
    auto b = Bytes();
    // Every byte starts erased; then the named bits get their defaults.
    std::fill(b.begin(), b.end(), 0xFF);
    b[kVoxOffset] = SetBits(b[kVoxOffset], kVoxGainMask, kDefaultVoxGain);
    b[kVoxOffset] = SetBit(b[kVoxOffset], kVoxInhibitBit, true);
    b[kVoxDelayOffset] = kDefaultVoxDelay;
    b[kSquelchLevelOffset] = kDefaultSquelchLevel;
    b[kBatteryOffset] = SetBit(b[kBatteryOffset], kBatterySaveBit, true);
    b[kBatteryOffset] = SetBit(b[kBatteryOffset], kTailRevertBit, kDefaultTailRevert != 0);
    b[kLowPowerAlertGapOffset] = kDefaultLowPowerAlertGap;
    b[kBatterySaveModeOffset] =
        SetBits(b[kBatterySaveModeOffset], kBatterySaveModeMask, kDefaultBatterySaveMode);
    for (const PresetBits& preset : kUnnamedPresets) {
        b[preset.offset] = SetBits(b[preset.offset], preset.mask, preset.value);
    }
    WriteBe16(b, kUneditedWordOffset, 16);
    WriteBe16(b, kModelKeptWord, 1);
}

void MiscData::LoadFromImage(const Image& image) {
    auto b = Bytes();
    CopyFromImage(image, ImageMap::kMiscFirst, b.first(kFirstPieceSize));
    CopyFromImage(image, ImageMap::kMiscSecond, b.subspan(kSecondPieceOffset));
}

void MiscData::StoreToImage(Image& image) const {
    const auto b = Bytes();
    CopyToImage(image, ImageMap::kMiscFirst, b.first(kFirstPieceSize));
    CopyToImage(image, ImageMap::kMiscSecond, b.subspan(kSecondPieceOffset));
}

const BlockFieldTable<MiscUi>& MiscData::EditorFields() {
    using C = BlockCodec;
    using M = MiscUi;
    const auto list = [](const char* key, int listId, const char* fallback, std::string M::*text) {
        return BlockRow<M>(key, LabelOf(listId), fallback, C::ListItem, listId, Member(text)).List(listId);
    };
    static const BlockFieldTable<M> table = {
        list("vox_delay", kVoxDelayListId, "VOX Delay Time", &M::voxDelay).At({kVoxDelayOffset}),
        list("vox_gain", kVoxGainListId, "VOX Gain Level", &M::voxGain).At({kVoxOffset, 1, kVoxGainMask}),
        // The list's two items are the values of one bit.
        list("tail_revert", kTailRevertListId, "CTCSS tail revert option", &M::tailRevert)
            .At({kBatteryOffset, 1, SetBit(0, kTailRevertBit, true)}),
        list("squelch_level", kSquelchLevelListId, "Carrier Squelch Level", &M::squelchLevel)
            .At({kSquelchLevelOffset}),
        list("low_power_alert_gap", kLowPowerAlertGapListId, "Low Power Alert  Gap Time[s]",
             &M::lowPowerAlertGap)
            .At({kLowPowerAlertGapOffset}),
        list("battery_save_mode", kBatterySaveModeListId, "Battery Save Mode", &M::batterySaveMode)
            .At({kBatterySaveModeOffset, 1, kBatterySaveModeMask}),
        BlockRow<M>("battery_save", kBatterySaveCheckId, "Battery Save", C::Check, kBatterySaveCheckId,
                    Member(&M::batterySave))
            .At({kBatteryOffset, 1, SetBit(0, kBatterySaveBit, true)}),
        BlockRow<M>("vox_inhibit", kVoxInhibitCheckId, "VOX Inhibit On Receive", C::Check, kVoxInhibitCheckId,
                    Member(&M::voxInhibit))
            .At({kVoxOffset, 1, SetBit(0, kVoxInhibitBit, true)}),
    };
    return table;
}

void MiscData::LoadUi(MiscUi& ui, const TextLookup& texts) const {
    LoadBlockFields(EditorFields(), Bytes(), ui, texts);
}

void MiscData::StoreUi(const MiscUi& ui, const TextLookup& texts) {
    StoreBlockFields(EditorFields(), ui, Bytes(), texts);
}

} // namespace tav
