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

// Block bytes that only the defaults set (no editor here; some are the model data's).
constexpr std::size_t kByte0 = 0;
constexpr std::size_t kByte1 = 1;
constexpr std::size_t kByte2 = 2;
constexpr std::size_t kByte7 = 7;
constexpr std::size_t kByte9 = 9;
constexpr std::size_t kByte10 = 10;
constexpr std::size_t kByte11 = 11;
constexpr std::size_t kByte20 = 20;
constexpr std::size_t kByte25 = 25;
constexpr std::size_t kByte39 = 39;
constexpr std::size_t kByte41 = 41;
constexpr std::size_t kByte42 = 42;
constexpr std::size_t kByte43 = 43;
constexpr std::size_t kByte44 = 44; ///< image 0x00E1: the model data's version options
constexpr std::size_t kByte45 = 45;
constexpr std::size_t kByte46 = 46;
constexpr std::size_t kWord47 = 47; ///< image 0x00E4-0x00E5
constexpr std::size_t kByte49 = 49;

} // namespace

MiscData::MiscData() : FeatureData(kSize) {}

void MiscData::SetDefaults(const DataContext&) {
    auto b = Bytes();
    // Every byte starts erased; then the named bits get their defaults.
    std::fill(b.begin(), b.end(), 0xFF);
    b[kByte0] = 5;
    b[kByte1] = SetBit(b[kByte1], 0, false);
    b[kByte2] = SetBits(b[kByte2], 0xFE, 0);
    b[kVoxOffset] = SetBits(b[kVoxOffset], kVoxGainMask, kDefaultVoxGain);
    b[kVoxOffset] = SetBit(b[kVoxOffset], kVoxInhibitBit, true);
    b[kVoxOffset] = SetBit(b[kVoxOffset], 4, false);
    b[kVoxDelayOffset] = kDefaultVoxDelay;
    b[kByte7] = 0;
    b[kSquelchLevelOffset] = kDefaultSquelchLevel;
    b[kByte9] = SetBits(b[kByte9], 0x07, 0);
    b[kByte10] = 0;
    b[kByte11] = SetBits(b[kByte11], 0x0F, 0);
    b[kByte20] = 0;
    WriteBe16(b, kWord23Offset, 16);
    b[kByte25] = 0x02; // bits 0, 2, 3 and 4-7 clear, bit 1 set
    b[kBatteryOffset] = SetBit(b[kBatteryOffset], kBatterySaveBit, true);
    b[kBatteryOffset] = SetBit(b[kBatteryOffset], kTailRevertBit, kDefaultTailRevert != 0);
    b[kLowPowerAlertGapOffset] = kDefaultLowPowerAlertGap;
    b[kByte39] = 100;
    b[kBatterySaveModeOffset] =
        SetBits(b[kBatterySaveModeOffset], kBatterySaveModeMask, kDefaultBatterySaveMode);
    b[kByte41] = 0xD1; // bits 0, 4, 6, 7 set; 1, 2, 3, 5 clear
    b[kByte42] = SetBits(b[kByte42], 0x03, 0x01);
    b[kByte43] = SetBits(b[kByte43], 0x3F, 0x3C);
    b[kByte44] = 0x84; // bits 2 and 7 set, the others clear
    b[kByte45] = SetBits(b[kByte45], 0x0F, 0x0B);
    b[kByte46] = SetBit(b[kByte46], 0, false);
    WriteBe16(b, kWord47, 1);
    b[kByte49] = 0;
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

void MiscData::LoadUi(MiscUi& ui, const TextLookup& texts) const {
    const auto b = Bytes();
    ui.voxDelay = ListText(texts, kVoxDelayListId, b[kVoxDelayOffset]);
    ui.voxGain = ListText(texts, kVoxGainListId, GetBits(b[kVoxOffset], kVoxGainMask));
    ui.tailRevert = ListText(texts, kTailRevertListId, GetBit(b[kBatteryOffset], kTailRevertBit) ? 1 : 0);
    ui.squelchLevel = ListText(texts, kSquelchLevelListId, b[kSquelchLevelOffset]);
    ui.lowPowerAlertGap = ListText(texts, kLowPowerAlertGapListId, b[kLowPowerAlertGapOffset]);
    ui.batterySaveMode =
        ListText(texts, kBatterySaveModeListId, GetBits(b[kBatterySaveModeOffset], kBatterySaveModeMask));
    ui.batterySave = GetBit(b[kBatteryOffset], kBatterySaveBit) ? 1 : 0;
    ui.voxInhibit = GetBit(b[kVoxOffset], kVoxInhibitBit) ? 1 : 0;
}

void MiscData::StoreUi(const MiscUi& ui, const TextLookup& texts) {
    auto b = Bytes();
    const int voxGain = ListValueOr(texts, kVoxGainListId, ui.voxGain, GetBits(b[kVoxOffset], kVoxGainMask));
    b[kVoxOffset] = SetBits(b[kVoxOffset], kVoxGainMask, static_cast<unsigned>(voxGain));
    b[kVoxOffset] = SetBit(b[kVoxOffset], kVoxInhibitBit, ui.voxInhibit != 0);
    b[kVoxDelayOffset] =
        static_cast<std::uint8_t>(ListValueOr(texts, kVoxDelayListId, ui.voxDelay, b[kVoxDelayOffset]));
    b[kSquelchLevelOffset] = static_cast<std::uint8_t>(
        ListValueOr(texts, kSquelchLevelListId, ui.squelchLevel, b[kSquelchLevelOffset]));
    b[kBatteryOffset] = SetBit(b[kBatteryOffset], kBatterySaveBit, ui.batterySave != 0);
    const int tailRevert = ListValueOr(texts, kTailRevertListId, ui.tailRevert,
                                       GetBit(b[kBatteryOffset], kTailRevertBit) ? 1 : 0);
    b[kBatteryOffset] = SetBit(b[kBatteryOffset], kTailRevertBit, (tailRevert & 1) != 0);
    const int mode = ListValueOr(texts, kBatterySaveModeListId, ui.batterySaveMode,
                                 GetBits(b[kBatterySaveModeOffset], kBatterySaveModeMask));
    b[kBatterySaveModeOffset] =
        SetBits(b[kBatterySaveModeOffset], kBatterySaveModeMask, static_cast<unsigned>(mode));
    b[kLowPowerAlertGapOffset] = static_cast<std::uint8_t>(
        ListValueOr(texts, kLowPowerAlertGapListId, ui.lowPowerAlertGap, b[kLowPowerAlertGapOffset]));
}

} // namespace tav
